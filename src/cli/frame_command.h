// `radiobench-cli frame`: the frame calculator.
//
//   radiobench-cli frame 96 05 80 16 00 01      -> 96 05 80 16 00 01 04 (checksum appended)
//   radiobench-cli frame --check 96 05 80 16 00 01 04
//
// Hex pairs may be separate arguments or one quoted string. Exit codes: 0 = done / checksum
// right, 1 = checksum wrong (the expected one is printed), 2 = bad input (one line on stderr).
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace CLI {
class App;
}

namespace rb::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitChecksumWrong = 1;
inline constexpr int kExitBadInput = 2;

int runFrameCommand(const std::vector<std::string>& hexArgs, bool check, std::ostream& out,
                    std::ostream& err);

// Registers the `frame` subcommand; its callback ends the program with the command's exit
// code through CLI::RuntimeError (which CLI11 turns into the return value of `app.exit`).
void addFrameCommand(CLI::App& app);

}  // namespace rb::cli
