#include "cli/run_command.h"

#include <CLI/CLI.hpp>
#include <cctype>
#include <fstream>
#include <iostream>
#include <memory>

#include "cli/exit_status.h"
#include "cli/script_runner.h"
#include "cli/sim_fault_option.h"
#include "cli/terminal_choice.h"
#include "engine/access_codes.h"

namespace rb::cli {

namespace {

// Status part 0 as the main window writes it after opening ("连接信息:内置模拟终端,9600,N,8,1").
std::string connectionText(const engine::PortRequest& request) {
    std::string port = request.device;
    if (request.isSimulator()) port = "内置模拟终端";
    if (request.device.empty()) port = std::to_string(request.number);
    return "连接信息:" + port + "," + std::to_string(request.baud) + ",N,8,1";
}

}  // namespace

int runRunCommand(const RunOptions& options, Runtime& runtime, std::istream& stdinScript,
                  std::ostream& out, std::ostream& err) {
    std::string lower = options.type;
    for (char& c : lower) c = char(std::tolower(static_cast<unsigned char>(c)));
    if (lower == kProductionTestKey) {
        if (auto problem = productionAccessProblem(options.accessCode)) {
            err << "run " << lower << ": " << *problem << '\n';
            return kExitUsage;
        }
    }
    std::string error;
    const auto type = chooseTerminalType(options.type, error);
    if (!type) {
        err << "run: " << error << '\n';
        return kExitUsage;
    }
    const std::string name = "run " + type->key;

    std::ifstream file;
    std::istream* script = &stdinScript;
    if (!options.script.empty() && options.script != "-") {
        file.open(options.script, std::ios::binary);
        if (!file) {
            err << name << ": cannot read the script " << options.script << '\n';
            return kExitUsage;
        }
        script = &file;
    }

    // Questions are answered by the script (`answer`), never on the terminal.
    TerminalSession terminal(runtime, err, options.port.trace, ConfirmOptions{});
    if (int rc = terminal.openPort(name, options.port, type->key, type->baud); rc != kExitDone) {
        return rc;
    }
    auto& comm = terminal.session().theComm;
    terminal.session().statusBar.SetText(0, connectionText(comm.lastRequest));

    ScriptRunner runner(terminal, out);
    runner.setAccessCode(options.accessCode);
    runner.setPlanFile(options.script);
    runner.confirmPrompts(options.yes);
    if (!runner.showType(type->key, error)) {
        terminal.note(name + ": " + error);
        return kExitUsage;
    }
    const int rc = runner.run(*script);
    if (rc == kExitPortUnavailable) terminal.note(name + ": the port went away");
    return rc;
}

void addRunCommand(CLI::App& app) {
    auto opts = std::make_shared<RunOptions>();
    CLI::App* cmd = app.add_subcommand(
        "run", "Carry out a script of clicks, edits and reads over the pages of TYPE");
    cmd->add_option("TYPE", opts->type, "terminal type: " + cliTerminalTypeList())->required();
    cmd->add_option("-p,--port", opts->port.port, "device path, COMn or sim")->required();
    cmd->add_option("-b,--baud", opts->port.baud,
                    "line speed (default: the type's own, 19200 for qx710, wz4040, lm520w, "
                    "else 9600)")
        ->check(CLI::PositiveNumber);
    cmd->add_flag("--trace", opts->port.trace,
                  "print every frame sent and received on standard error, as the monitor does");
    addTraceFileOption(*cmd, opts->port);
    cmd->add_option(
        "--access-code", opts->accessCode,
        "the production-test code (needed for protest, also for `type protest` in a script)");
    cmd->add_flag("-y,--yes", opts->yes, "confirm every prompt of a plan (确定) without asking");
    cmd->add_option("SCRIPT", opts->script, "script file, or - (the default) for standard input");
    cmd->add_option("--sim-faults", opts->port.simFaults,
                    std::string("make the built-in simulator misbehave: ") + kSimFaultWords)
        ->group("");  // hidden: for tests and demonstrations
    cmd->footer(runCommandTable());
    cmd->callback([opts] {
        auto runtime = makeQtRuntime();
        const int rc = runRunCommand(*opts, *runtime, std::cin, std::cout, std::cerr);
        if (rc != kExitDone) throw CLI::RuntimeError(rc);
    });
}

}  // namespace rb::cli
