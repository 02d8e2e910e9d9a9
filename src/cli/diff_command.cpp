#include "cli/diff_command.h"

#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>

#include "cli/exit_status.h"
#include "cli/file_pages.h"
#include "cli/terminal_choice.h"
#include "engine/config_compare.h"
#include "families/catalog/catalog.h"

namespace rb::cli {

namespace {

// A quiet session for the container that judges the files.
struct Judge {
    engine::ManualTimers timers;
    engine::ScriptedPrompter quiet;
    engine::Session session{timers, quiet};
};

int report(const std::vector<engine::ConfigDifference>& differences, std::ostream& out,
           std::ostream& err, const std::string& name) {
    for (const auto& d : differences) out << engine::describeChange(d) << '\n';
    if (differences.empty()) {
        err << name << ": equal, no field differs\n";
        return kExitDone;
    }
    err << name << ": " << differences.size()
        << (differences.size() == 1 ? " field differs\n" : " fields differ\n");
    return kExitVerifyFailed;
}

std::unique_ptr<engine::LoadedFile> loadOrSay(const engine::Container& like,
                                              const std::string& file, const std::string& name,
                                              const std::string& type, std::ostream& err) {
    std::string problem;
    auto loaded = engine::LoadedFile::load(like, file, problem);
    if (!loaded) err << notThisTypesFile(name, file, type, problem) << '\n';
    return loaded;
}

int diffTerminal(const DiffOptions& o, Runtime& runtime, std::ostream& out, std::ostream& err,
                 const std::string& name, const CliTerminalType& type) {
    TerminalSession terminal(runtime, err, o.port.trace, ConfirmOptions{true, nullptr, false});
    auto container = families::makeContainer(type.key, terminal.session());
    if (!container) return kExitUsage;
    // The file is judged before the port opens: a wrong file sends nothing.
    auto file = loadOrSay(*container, o.files[0], name, type.key, err);
    if (!file) return kExitFileError;
    if (int rc = terminal.openPort(name, o.port, type.key, type.baud); rc != kExitDone) return rc;
    if (int rc = readFilePages(terminal, runtime, *container, name); rc != kExitDone) return rc;
    keepRead(terminal, *container, type.key, name);
    return report(engine::compareConfigs(file->container(), *container), out, err, name);
}

}  // namespace

int runDiffCommand(const DiffOptions& o, Runtime& runtime, std::ostream& out, std::ostream& err) {
    std::string name;
    if (auto refused = refusedType(o.type, o.accessCode, "diff", err, name)) return *refused;
    std::string error;
    const auto type = chooseTerminalType(o.type, error);
    const bool terminal = !o.port.port.empty();
    if (o.files.size() != (terminal ? 1U : 2U)) {
        err << name
            << (terminal ? ": with --port give one file\n"
                         : ": give two files, or --port and one\n");
        return kExitUsage;
    }
    if (terminal) return diffTerminal(o, runtime, out, err, name, *type);
    Judge judge;
    auto like = families::makeContainer(type->key, judge.session);
    if (!like) return kExitUsage;
    auto a = loadOrSay(*like, o.files[0], name, type->key, err);
    if (!a) return kExitFileError;
    auto b = loadOrSay(*like, o.files[1], name, type->key, err);
    if (!b) return kExitFileError;
    return report(engine::compareConfigs(a->container(), b->container()), out, err, name);
}

void addDiffCommand(CLI::App& app) {
    auto opts = std::make_shared<DiffOptions>();
    CLI::App* cmd = app.add_subcommand(
        "diff", "Compare two configuration files of TYPE, or a file with the terminal (--port)");
    cmd->add_option("TYPE", opts->type, "terminal type")->required();
    cmd->add_option("FILES", opts->files, "A.ini B.ini, or one file with --port")->required();
    cmd->add_option("-p,--port", opts->port.port, "read the terminal on this port (or sim)");
    cmd->add_option("-b,--baud", opts->port.baud, "line speed (default: the type's own)")
        ->check(CLI::PositiveNumber);
    cmd->add_option("--access-code", opts->accessCode,
                    "the production-test code (needed for protest)");
    cmd->add_flag("--trace", opts->port.trace, "print every frame on standard error");
    addTraceFileOption(*cmd, opts->port);
    cmd->add_option("--sim-faults", opts->port.simFaults, "built-in simulator faults")->group("");
    cmd->footer(
        "Output: one line per field that differs, 页: 字段: \"first\" → \"second\" (with --port: "
        "the file's value → the terminal's).\n"
        "Exit status:\n"
        "  0  equal\n"
        "  6  a field differs\n"
        "  5  a file cannot be read or is not this type's configuration (nothing sent)\n"
        "  1, 3, 4  with --port: as read (no answer, port, a page's check)\n"
        "  2  bad arguments, an unknown type, a missing or wrong --access-code\n");
    cmd->callback([opts] {
        auto runtime = makeQtRuntime();
        const int rc = runDiffCommand(*opts, *runtime, std::cout, std::cerr);
        if (rc != kExitDone) throw CLI::RuntimeError(rc);
    });
}

}  // namespace rb::cli
