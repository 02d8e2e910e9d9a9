#include "cli/frame_command.h"

#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>
#include <ostream>

#include "wire/frame.h"

namespace rb::cli {

int runFrameCommand(const std::vector<std::string>& hexArgs, bool check, std::ostream& out,
                    std::ostream& err) {
    std::string text;
    for (const std::string& arg : hexArgs) text += arg + ' ';

    wire::Bytes bytes;
    std::string error;
    if (!wire::parseHex(text, bytes, error)) {
        err << "frame: " << error << '\n';
        return kExitBadInput;
    }
    if (!check) {
        wire::Bytes frame;
        if (!wire::completeFrame(bytes, frame, error)) {
            err << "frame: " << error << '\n';
            return kExitBadInput;
        }
        out << wire::toHex(frame) << '\n';
        return kExitOk;
    }
    const wire::FrameCheck result = wire::checkFrame(bytes);
    if (result.usage) {
        err << "frame: " << result.message << '\n';
        return kExitBadInput;
    }
    out << result.message << '\n';
    return result.ok ? kExitOk : kExitChecksumWrong;
}

void addFrameCommand(CLI::App& app) {
    struct Options {
        std::vector<std::string> hex;
        bool check = false;
    };
    auto opts = std::make_shared<Options>();
    CLI::App* cmd = app.add_subcommand(
        "frame", "Append the checksum to a frame given in hex, or check a whole frame");
    cmd->add_flag("-c,--check", opts->check, "Check the checksum of a whole frame");
    // Hex pairs never start with '-', so they cannot be taken for options.
    cmd->add_option("hex", opts->hex, "Frame bytes in hex (\"96 05 80 16 00 01\")");
    cmd->callback([opts] {
        const int rc = runFrameCommand(opts->hex, opts->check, std::cout, std::cerr);
        if (rc != kExitOk) throw CLI::RuntimeError(rc);
    });
}

}  // namespace rb::cli
