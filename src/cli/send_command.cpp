#include "cli/send_command.h"

#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>

#include "cli/exit_status.h"
#include "cli/terminal_choice.h"
#include "cli/trace_printer.h"
#include "engine/cn_comm.h"
#include "wire/receive_check.h"

namespace rb::cli {

namespace {

constexpr int kListenTimer = 1;

// Prints each received frame as the monitor would show it, and hands its trace to the session.
class FramePrinter : public engine::FrameReceiver {
public:
    FramePrinter(engine::Session& session, std::ostream& out) : session_(session), out_(out) {}

    void OnCommFrame(const wire::FrameSlot& slot) override {
        const auto check =
            wire::checkReceived(slot, wire::ChecksumTest::AlwaysCompared, session_.tool);
        if (!check.traced) return;
        session_.AppendTrace(check.code, check.trace);
        std::string shown = TracePrinter::render(check.trace);
        const auto first = shown.find_first_not_of('\n');
        shown = first == std::string::npos ? std::string() : shown.substr(first);
        while (!shown.empty() && (shown.back() == ' ' || shown.back() == '\n')) shown.pop_back();
        out_ << shown << '\n' << std::flush;
        ++frames;
    }

    int frames = 0;

private:
    engine::Session& session_;
    std::ostream& out_;
};

}  // namespace

int runSendCommand(const SendOptions& options, Runtime& runtime, std::ostream& out,
                   std::ostream& err) {
    std::string text;
    for (const auto& h : options.hex) text += h + ' ';
    wire::Bytes bytes;
    std::string error;
    if (!wire::parseHex(text, bytes, error)) {
        err << "send: " << error << '\n';
        return kExitUsage;
    }
    if (bytes.empty()) {
        err << "send: no bytes given\n";
        return kExitUsage;
    }
    if (bytes.size() > kMaxSendBytes) {
        err << "send: 长度大于510字节,无法发送!\n";
        return kExitUsage;
    }
    // Any known type will do here, built or not: it only names a simulator and a speed.
    std::optional<CliTerminalType> type;
    for (const auto& t : cliTerminalTypes()) {
        if (t.key == options.type) type = t;
    }
    if (!type) {
        err << "send: unknown terminal type '" << options.type
            << "'; one of: " << cliTerminalTypeList() << '\n';
        return kExitUsage;
    }

    // Technicians test terminals with bad frames too: a wrong checksum is sent as typed, with a
    // warning.
    if (const auto check = wire::checkFrame(bytes); !check.ok) {
        err << "send: warning: " << check.message << "; sent as given\n";
    }

    TerminalSession terminal(runtime, err, options.port.trace);
    engine::Session& session = terminal.session();
    if (int rc = terminal.openPort("send", options.port, type->key, type->baud); rc != kExitDone)
        return rc;
    FramePrinter printer(session, out);
    session.theComm.SetWnd(&printer);

    session.AppendTrace(0, session.tool.FormatSendTrace(bytes));
    session.theComm.Write(bytes);

    bool listening = true;
    auto& timers = runtime.timers();
    timers.start(&printer, kListenTimer, options.listen, [&] {
        timers.stop(&printer, kListenTimer);
        listening = false;
        runtime.waiter().wake();
    });
    runtime.waiter().waitUntil([&] { return !listening; });
    timers.stop(&printer, kListenTimer);
    session.theComm.SetWnd(nullptr);
    if (printer.frames == 0) {
        terminal.note("send: no answer within " + std::to_string(options.listen.count()) + " ms");
        return kExitTerminalFailed;
    }
    return kExitDone;
}

void addSendCommand(CLI::App& app) {
    auto opts = std::make_shared<SendOptions>();
    CLI::App* cmd = app.add_subcommand(
        "send",
        "Write bytes as the monitor's manual send does and print the frames received "
        "in the next 2 seconds");
    cmd->add_option("-p,--port", opts->port.port, "device path, COMn or sim")->required();
    cmd->add_option("-b,--baud", opts->port.baud, "line speed (default: the type's own)")
        ->check(CLI::PositiveNumber);
    cmd->add_option("-t,--type", opts->type,
                    "terminal type for --port sim and the default speed (default lm52r)");
    cmd->add_option("hex", opts->hex, "bytes in hex (\"96 05 80 99 00 01 8B\")")->required();
    cmd->add_flag("--trace", opts->port.trace,
                  "print every frame sent and received on standard error, as the monitor does");
    addTraceFileOption(*cmd, opts->port);
    cmd->add_option("--sim-faults", opts->port.simFaults, "built-in simulator faults")->group("");
    cmd->callback([opts] {
        auto runtime = makeQtRuntime();
        const int rc = runSendCommand(*opts, *runtime, std::cout, std::cerr);
        if (rc != kExitDone) throw CLI::RuntimeError(rc);
    });
}

}  // namespace rb::cli
