#include "cli/history_command.h"

#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>

#include "cli/exit_status.h"
#include "cli/json_line.h"
#include "cli/terminal_choice.h"
#include "engine/read_history.h"
#include "engine/session.h"

namespace rb::cli {

int runHistoryCommand(const HistoryOptions& o, std::ostream& out, std::ostream& err) {
    if (o.format != "table" && o.format != "json") {
        err << "history: unknown format " << o.format << " (table or json)\n";
        return kExitUsage;
    }
    const engine::ReadHistory history(o.dataDir);
    std::vector<std::string> types;
    if (o.type.empty()) {
        types = history.types();
    } else {
        std::string error;
        const auto type = chooseTerminalType(o.type, error);
        if (!type) {
            err << "history: " << error << '\n';
            return kExitUsage;
        }
        types.push_back(type->key);
    }
    for (const auto& type : types) {
        for (const auto& e : history.list(type)) {
            if (o.format == "json") {
                out << JsonLine()
                           .str("type", e.type)
                           .str("time", e.when())
                           .num("sequence", e.sequence)
                           .str("code", e.code)
                           .str("path", e.path)
                           .text()
                    << '\n';
            } else {
                out << e.type << '\t' << e.when() << '\t' << (e.code.empty() ? "-" : e.code) << '\t'
                    << e.path << '\n';
            }
        }
    }
    return kExitDone;
}

void addHistoryCommand(CLI::App& app) {
    auto opts = std::make_shared<HistoryOptions>();
    CLI::App* cmd = app.add_subcommand(
        "history", "List the kept reads (every complete read and backup), oldest first");
    cmd->add_option("TYPE", opts->type, "terminal type (default: every type)");
    cmd->add_option("--format", opts->format, "table (default) or json");
    cmd->footer(
        "Files: <data folder>/history/<type>/<YYYYMMDD-HHMMSS>[-<code>][_<n>].ini; the "
        "data folder is RADIOBENCH_DATA_DIR, else ~/.local/share/radiobench.\n"
        "Exit status: 0 listed, 2 an unknown type or format.");
    cmd->callback([opts] {
        opts->dataDir = engine::UserPaths::fromEnvironment().dataDir;
        const int rc = runHistoryCommand(*opts, std::cout, std::cerr);
        if (rc != kExitDone) throw CLI::RuntimeError(rc);
    });
}

}  // namespace rb::cli
