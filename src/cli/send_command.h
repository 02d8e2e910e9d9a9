// `radiobench-cli send --port P [--baud B] [--type TYPE] HEX...`: the monitor's manual send.
// Writes the bytes as given (a valid frame or not), then prints every frame received in the
// next 2 seconds on standard output as trace lines, in the monitor's format:
//
//   接收信息(2024-05-01 10:00:00)
//   96 1E 80 9A 00 01 ...
//
// TYPE picks the built-in simulator for --port sim and the default speed (lm52r when absent).
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "cli/runtime.h"
#include "cli/terminal_session.h"
#include "engine/timers.h"

namespace CLI {
class App;
}

namespace rb::cli {

struct SendOptions {
    PortOptions port;
    std::string type = "lm52r";
    std::vector<std::string> hex;
    engine::Millis listen{2000};  // how long received frames are printed
};

// The manual send's limit: "长度大于510字节,无法发送!" above 512 bytes.
inline constexpr std::size_t kMaxSendBytes = 512;

int runSendCommand(const SendOptions& options, Runtime& runtime, std::ostream& out,
                   std::ostream& err);
void addSendCommand(CLI::App& app);

}  // namespace rb::cli
