// TerminalSession: the session a command talks to one terminal with — the engine's Session
// with a CliPrompter, the --trace printer on standard error, and the port opened from P.
#pragma once

#include <iosfwd>
#include <memory>
#include <string>

#include "cli/cli_prompter.h"
#include "cli/runtime.h"
#include "cli/trace_printer.h"
#include "engine/session.h"
#include "monitor/trace_file.h"

namespace CLI {
class App;
}

namespace rb::cli {

// Options every command that opens a port shares.
struct PortOptions {
    std::string port;         // P: a device path, COMn or sim
    int baud = 0;             // 0: the terminal type's own speed
    bool trace = false;       // print every frame on standard error, as the monitor shows it
    std::string simFaults{};  // hidden: misbehaviour of the built-in simulator (sim_fault_option.h)
    std::string traceFile{};  // every trace line into this file as well (monitor/trace_file.h)
};

// --trace-file FILE on a command that opens a port.
void addTraceFileOption(CLI::App& cmd, PortOptions& options);

// How the write confirmation is answered.
struct ConfirmOptions {
    bool assumeYes = false;
    std::istream* in = nullptr;  // where a person answers, when `interactive`
    bool interactive = false;
};

class TerminalSession {
public:
    TerminalSession(Runtime& runtime, std::ostream& err, bool trace, ConfirmOptions confirm = {});
    ~TerminalSession();

    engine::Session& session() { return *session_; }
    CliPrompter& prompter() { return prompter_; }
    Runtime& runtime() { return runtime_; }

    // Opens P at `options.baud` (or `defaultBaud`) for the simulator family `family`. On
    // failure prints "<command>: ..." with the reason and returns the exit status (3, or 2 for
    // a malformed P or fault list, 5 for a trace file that cannot be opened); kExitDone when the
    // port is open.
    int openPort(const std::string& command, const PortOptions& options, const std::string& family,
                 int defaultBaud);

    // One line on standard error (a trace line left open is ended first).
    void note(const std::string& line);

private:
    Runtime& runtime_;
    std::ostream& err_;
    TracePrinter tracer_;
    monitor::TraceFile traceFile_;
    bool traceFileTapped_ = false;
    CliPrompter prompter_;
    std::unique_ptr<engine::Session> session_;
};

}  // namespace rb::cli
