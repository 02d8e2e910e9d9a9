#include "cli/terminal_session.h"

#include <CLI/CLI.hpp>
#include <ostream>

#include "cli/exit_status.h"
#include "cli/sim_fault_option.h"
#include "cli/terminal_choice.h"

namespace rb::cli {

TerminalSession::TerminalSession(Runtime& runtime, std::ostream& err, bool trace,
                                 ConfirmOptions confirm)
    : runtime_(runtime),
      err_(err),
      tracer_(err),
      prompter_(err, confirm.in, confirm.assumeYes, confirm.interactive),
      session_(std::make_unique<engine::Session>(runtime.timers(), prompter_)) {
    if (trace) {
        session_->addTraceTap(
            [this](std::uint8_t code, const std::string& text) { tracer_.append(code, text); });
    }
}

TerminalSession::~TerminalSession() {
    session_->theComm.Close();
    tracer_.endLine();
}

void addTraceFileOption(CLI::App& cmd, PortOptions& options) {
    cmd.add_option("--trace-file", options.traceFile,
                   "append every frame sent and received to FILE, one line each with the time "
                   "to the millisecond and the direction (rotated at 10 MB, 5 kept)");
}

int TerminalSession::openPort(const std::string& command, const PortOptions& options,
                              const std::string& family, int defaultBaud) {
    sim::Faults faults;
    std::string error;
    if (!parseSimFaults(options.simFaults, faults, error)) {
        note(command + ": " + error);
        return kExitUsage;
    }
    if (!options.traceFile.empty()) {
        if (!traceFile_.open(options.traceFile)) {
            note(command + ": cannot open trace file " + traceFile_.error());
            return kExitFileError;
        }
        if (!traceFileTapped_) {
            traceFileTapped_ = true;
            session_->addTraceTap([this](std::uint8_t, const std::string& text) {
                if (!traceFile_.isOpen() || traceFile_.append(text)) return;
                note("trace file: " + traceFile_.error() + "; the trace stops here");
            });
        }
    }
    engine::PortRequest request;
    const int baud = options.baud > 0 ? options.baud : defaultBaud;
    if (!parsePort(options.port, baud, family, request, error)) {
        note(command + ": " + error);
        return kExitUsage;
    }
    auto& comm = session_->theComm;
    comm.setOpener(runtime_.opener(faults));
    if (!comm.Open(request)) {
        note(command + ": cannot open port " + request.label() + ": " + comm.lastError());
        return kExitPortUnavailable;
    }
    return kExitDone;
}

void TerminalSession::note(const std::string& line) {
    tracer_.endLine();
    err_ << line << '\n' << std::flush;
}

}  // namespace rb::cli
