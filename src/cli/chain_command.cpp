#include "cli/chain_command.h"

#include <unistd.h>

#include <CLI/CLI.hpp>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <vector>

#include "cli/chain_runner.h"
#include "cli/exit_status.h"
#include "cli/file_pages.h"
#include "cli/sim_fault_option.h"
#include "cli/terminal_choice.h"
#include "engine/write_verify.h"
#include "families/catalog/catalog.h"
#include "ini/file_io.h"
#include "ini/ini_file.h"

namespace rb::cli {

namespace {

// Why the file to store into cannot be written, found before any terminal is asked anything.
std::optional<std::string> outputProblem(const std::string& path) {
    if (auto problem = ini::detail::whyNotWritable(path)) return problem;
    // Storing keeps every other line of an existing file, so it must be readable.
    ini::IniFile existing;
    std::string error;
    if (!existing.loadIfExists(path, &error)) return error;
    return std::nullopt;
}

// Reads page `index` back with its read chain `k` and names every field that differs from what
// write chain `k` left in the form. Counts the differences into `differing`.
int verifyChain(ChainRunner& runner, TerminalSession& terminal, const std::string& name,
                engine::Container& container, std::size_t index, std::size_t k, int& differing) {
    engine::Page& page = container.page(index);
    const auto reads = page.fileReadChains();
    if (k >= reads.size()) return kExitDone;
    const engine::FormSnapshot written(page);
    const ChainResult result = runner.runChain(index, reads[k]);
    if (!result.ok()) {
        terminal.note(name + ": verify " + describe(result));
        return exitStatusOf(result);
    }
    for (const auto& d : written.differences(page)) {
        ++differing;
        terminal.note(name + ": " + container.caption(index) + ": " + d.label + ": written \"" +
                      d.written + "\", read \"" + d.read + "\"");
    }
    return kExitDone;
}

// What is wrong with the command before anything is built: an unknown type, the production
// page without its code, a type without a file, a file that cannot be read or written.
std::optional<int> refusedUpFront(const ChainOptions& options, std::ostream& err,
                                  Direction direction, const std::string& command,
                                  std::string& name) {
    if (auto refused = refusedType(options.type, options.accessCode, command, err, name))
        return refused;
    if (direction == Direction::Read) {
        if (auto problem = outputProblem(options.file)) {
            err << name << ": cannot write " << options.file << ": " << *problem << '\n';
            return kExitFileError;
        }
        return std::nullopt;
    }
    ini::IniFile probe;
    std::string error;
    if (!probe.load(options.file, &error)) {
        err << name << ": cannot read " << options.file << ": " << error << '\n';
        return kExitFileError;
    }
    return std::nullopt;
}

// The file goes into the forms, and every page's write is checked before the port opens: a
// refusal on the last page must not leave the first pages written.
int loadAndCheck(engine::Container& container, const std::vector<std::size_t>& pages,
                 TerminalSession& terminal, const std::string& name, const std::string& type,
                 const std::string& file) {
    if (!container.loadFile(file, false)) {
        terminal.note(notThisTypesFile(name, file, type, container.lastFileVerdict().problem));
        return kExitFileError;
    }
    if (const auto& missing = container.lastFileVerdict().missingKeys; !missing.empty()) {
        std::string list;
        for (const auto& key : missing) list += (list.empty() ? "" : ", ") + key;
        terminal.note(name + ": warning: " + file + " lacks " + std::to_string(missing.size()) +
                      (missing.size() == 1 ? " key" : " keys") +
                      ", written as the defaults: " + list);
    }
    terminal.note("文件打开成功!");
    for (std::size_t index : pages) {
        if (!container.page(index).precheckFileWrite()) {
            terminal.note(name + ": " + container.caption(index) + ": stopped by \"" +
                          terminal.session().activity.lastFailure + "\", nothing sent");
            return kExitStopped;
        }
    }
    return kExitDone;
}

// Every chain of every page in turn, each write followed by its verification when asked for.
int runChains(ChainRunner& runner, TerminalSession& terminal, engine::Container& container,
              const std::vector<std::size_t>& pages, const std::string& name, Direction direction,
              bool verify) {
    int differing = 0;
    for (std::size_t index : pages) {
        engine::Page& page = container.page(index);
        const auto chains =
            direction == Direction::Read ? page.fileReadChains() : page.fileWriteChains();
        for (std::size_t k = 0; k < chains.size(); ++k) {
            const ChainResult result = runner.runChain(index, chains[k]);
            if (!result.ok()) {
                terminal.note(name + ": " + describe(result));
                return exitStatusOf(result);
            }
            if (direction == Direction::Write && verify) {
                if (int rc = verifyChain(runner, terminal, name, container, index, k, differing);
                    rc != kExitDone)
                    return rc;
            }
        }
    }
    if (direction == Direction::Write && verify) {
        if (differing > 0) {
            terminal.note(name + ": verify failed, " + std::to_string(differing) +
                          (differing == 1 ? " field differs" : " fields differ"));
            return kExitVerifyFailed;
        }
        terminal.note(name + ": verify done, every field read back as written");
    }
    return kExitDone;
}

int runChainCommand(const ChainOptions& options, Runtime& runtime, std::ostream& err,
                    Direction direction) {
    const std::string command = direction == Direction::Read ? "read" : "write";
    std::string name;
    if (auto refused = refusedUpFront(options, err, direction, command, name)) return *refused;
    std::string error;
    const auto type = chooseTerminalType(options.type, error);

    TerminalSession terminal(runtime, err, options.port.trace, options.confirm);
    std::unique_ptr<engine::Container> container =
        families::makeContainer(type->key, terminal.session());
    if (!container) {
        terminal.note(name + ": terminal type is not built yet");
        return kExitUsage;
    }
    const auto pages = chainPages(*container, direction);
    if (pages.empty()) {
        terminal.note(name + ": no page of this terminal type takes part in a file");
        return kExitUsage;
    }
    if (direction == Direction::Write) {
        if (int rc = loadAndCheck(*container, pages, terminal, name, type->key, options.file);
            rc != kExitDone)
            return rc;
    }

    if (int rc = terminal.openPort(name, options.port, type->key, type->baud); rc != kExitDone)
        return rc;
    if (direction == Direction::Write && options.backup) {
        if (int rc = backupBeforeWrite(terminal, runtime, type->key, name); rc != kExitDone)
            return rc;
    }
    terminal.session().theComm.SetWnd(container.get());
    ChainRunner runner(terminal.session(), *container, runtime.waiter());
    runner.onProgress = [&terminal](const std::string& text) { terminal.note(text); };
    if (int rc = runChains(runner, terminal, *container, pages, name, direction, options.verify);
        rc != kExitDone)
        return rc;

    if (direction == Direction::Read) {
        // Only now, with every chain done, does the file change (atomically).
        if (!container->storeFile(options.file, false)) {
            terminal.note(name + ": cannot write " + options.file);
            return kExitFileError;
        }
        terminal.note("文件保存成功!");
        keepRead(terminal, *container, type->key, name);  // the file is stored either way
    }
    return kExitDone;
}

// The types that keep a configuration file: the only ones `read` and `write` take.
std::string fileTypeList() {
    std::string out;
    for (const auto& t : cliTerminalTypes()) {
        const auto* known = families::findTerminalType(t.key);
        if (known && !known->hasFile) continue;
        out += (out.empty() ? "" : ", ") + t.key;
        if (t.key == "lm52r") out += " (or lm520)";
    }
    return out;
}

std::string exitStatusTable(Direction direction) {
    std::string s =
        "Exit status:\n"
        "  0  done\n"
        "  1  the terminal did not answer a step (\"操作失败\")\n"
        "  2  bad arguments, an unknown type, a missing or wrong --access-code, or the write "
        "was not confirmed\n"
        "  3  the port cannot be opened, or went away\n"
        "  4  a page's check refused a value (nothing of that write was sent)\n";
    s += direction == Direction::Read
             ? "  5  the file cannot be written (checked before anything is sent)\n"
             : "  5  the file cannot be read or is not this type's configuration (nothing sent)\n"
               "  6  --verify: a field read back differs from what was written\n"
               "  1  also: --backup could not read the terminal (nothing written)\n";
    return s;
}

void addChainCommand(CLI::App& app, Direction direction) {
    const bool read = direction == Direction::Read;
    auto opts = std::make_shared<ChainOptions>();
    CLI::App* cmd = app.add_subcommand(
        read ? "read" : "write",
        read ? "Read every page of TYPE that takes part in its file, then store the file"
             : "Load the file, then write every page of TYPE that takes part in it");
    cmd->add_option("TYPE", opts->type, "terminal type: " + fileTypeList())->required();
    cmd->add_option("-p,--port", opts->port.port, "device path, COMn or sim")->required();
    cmd->add_option("-b,--baud", opts->port.baud,
                    "line speed (default: the type's own, 19200 for qx710, else 9600)")
        ->check(CLI::PositiveNumber);
    cmd->add_option("--access-code", opts->accessCode,
                    "the production-test code (needed for protest)");
    cmd->footer(exitStatusTable(direction));
    if (read) {
        cmd->add_option("-o,--out", opts->file, "configuration file to store (.ini)")->required();
    } else {
        cmd->add_option("-i,--in", opts->file, "configuration file to load (.ini)")->required();
        cmd->add_flag("-y,--yes", opts->confirm.assumeYes,
                      "answer \"确认写录数据?\" with OK instead of asking");
        cmd->add_flag("--verify", opts->verify,
                      "read every page back after its write and compare field by field; exit 6 "
                      "naming each field that differs");
        cmd->add_flag("--backup", opts->backup,
                      "read the terminal into the history before the first write frame; "
                      "nothing is written when that read fails");
    }
    cmd->add_flag("--trace", opts->port.trace,
                  "print every frame sent and received on standard error, as the monitor does");
    addTraceFileOption(*cmd, opts->port);
    cmd->add_option("--sim-faults", opts->port.simFaults,
                    std::string("make the built-in simulator misbehave: ") + kSimFaultWords)
        ->group("");  // hidden: for tests and demonstrations
    cmd->callback([opts, direction] {
        opts->confirm.in = &std::cin;
        opts->confirm.interactive = stdinIsInteractive();
        auto runtime = makeQtRuntime();
        const int rc = runChainCommand(*opts, *runtime, std::cerr, direction);
        if (rc != kExitDone) throw CLI::RuntimeError(rc);
    });
}

}  // namespace

int runReadCommand(const ChainOptions& options, Runtime& runtime, std::ostream& err) {
    return runChainCommand(options, runtime, err, Direction::Read);
}

int runWriteCommand(const ChainOptions& options, Runtime& runtime, std::ostream& err) {
    return runChainCommand(options, runtime, err, Direction::Write);
}

void addReadCommand(CLI::App& app) { addChainCommand(app, Direction::Read); }

void addWriteCommand(CLI::App& app) { addChainCommand(app, Direction::Write); }

}  // namespace rb::cli
