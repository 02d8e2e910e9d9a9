#include "cli/file_pages.h"

#include <ostream>

#include "cli/exit_status.h"
#include "cli/terminal_choice.h"
#include "engine/read_history.h"
#include "families/catalog/catalog.h"

namespace rb::cli {

int exitStatusOf(const ChainResult& result) {
    switch (result.outcome) {
        case ChainOutcome::Done:
            return kExitDone;
        case ChainOutcome::TimedOut:
            return kExitTerminalFailed;
        case ChainOutcome::Stopped:
            return kExitStopped;
        case ChainOutcome::Declined:
            return kExitUsage;
        case ChainOutcome::PortLost:
            return kExitPortUnavailable;
    }
    return kExitTerminalFailed;
}

std::vector<std::size_t> chainPages(engine::Container& container, Direction direction) {
    std::vector<std::size_t> out;
    const auto filePages = container.filePages();
    for (std::size_t i = 0; i < container.pageCount(); ++i) {
        engine::Page& page = container.page(i);
        bool inFile = false;
        for (engine::Page* p : filePages) inFile = inFile || p == &page;
        const bool hasChain =
            !(direction == Direction::Read ? page.fileReadChains() : page.fileWriteChains())
                 .empty();
        if (inFile && hasChain) out.push_back(i);
    }
    return out;
}

std::optional<int> refusedType(const std::string& typeName, const std::string& accessCode,
                               const std::string& command, std::ostream& err, std::string& name) {
    std::string error;
    const auto type = chooseTerminalType(typeName, error);
    if (!type) {
        err << command << ": " << error << '\n';
        return kExitUsage;
    }
    name = command + " " + type->key;
    if (type->key == kProductionTestKey) {
        if (auto problem = productionAccessProblem(accessCode)) {
            err << name << ": " << *problem << '\n';
            return kExitUsage;
        }
    }
    if (const auto* t = families::findTerminalType(type->key); t && !t->hasFile) {
        // The trunking pages store and load nothing: their values are read and written by `run`.
        err << name << ": no configuration file for this type; use run\n";
        return kExitUsage;
    }
    return std::nullopt;
}

std::string notThisTypesFile(const std::string& name, const std::string& file,
                             const std::string& type, const std::string& problem) {
    return name + ": " + file + ": not a " + type + " configuration file, nothing sent: " + problem;
}

int readFilePages(TerminalSession& terminal, Runtime& runtime, engine::Container& container,
                  const std::string& name) {
    terminal.session().theComm.SetWnd(&container);
    ChainRunner runner(terminal.session(), container, runtime.waiter());
    runner.onProgress = [&terminal](const std::string& text) { terminal.note(text); };
    for (std::size_t index : chainPages(container, Direction::Read)) {
        for (const auto& chain : container.page(index).fileReadChains()) {
            const ChainResult result = runner.runChain(index, chain);
            if (!result.ok()) {
                terminal.note(name + ": " + describe(result));
                return exitStatusOf(result);
            }
        }
    }
    return kExitDone;
}

std::optional<std::string> keepRead(TerminalSession& terminal, engine::Container& container,
                                    const std::string& type, const std::string& name) {
    std::string error;
    const auto entry = engine::recordRead(container, type, &error);
    if (!entry) {
        terminal.note(name + ": " + engine::kHistoryFailed + error);
        return std::nullopt;
    }
    terminal.note(name + ": kept in the history as " + entry->path);
    return entry->path;
}

int backupBeforeWrite(TerminalSession& terminal, Runtime& runtime, const std::string& type,
                      const std::string& name) {
    auto backup = families::makeContainer(type, terminal.session());
    if (!backup) return kExitUsage;
    terminal.note(name + ": backup: reading the terminal first");
    if (int rc = readFilePages(terminal, runtime, *backup, name + ": backup"); rc != kExitDone) {
        terminal.note(name + ": backup read failed, nothing written");
        return rc == kExitPortUnavailable ? rc : kExitTerminalFailed;
    }
    if (!keepRead(terminal, *backup, type, name + ": backup")) {
        terminal.note(name + ": backup not kept, nothing written");
        return kExitFileError;
    }
    return kExitDone;
}

}  // namespace rb::cli
