#include "cli/access_command.h"

#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>

#include "cli/cli_prompter.h"
#include "cli/exit_status.h"
#include "engine/access_codes.h"

namespace rb::cli {

namespace {

bool readLine(std::istream& in, std::string& line) {
    if (!std::getline(in, line)) return false;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
}

}  // namespace

int runAccessSet(const std::string& purpose, std::istream& in, bool interactive, std::ostream& out,
                 std::ostream& err) {
    const std::string name = "access set " + purpose;
    if (purpose != "protest" && purpose != "monitor") {
        err << "access set: the purpose is protest or monitor, not '" << purpose << "'\n";
        return kExitUsage;
    }
    std::string code;
    if (interactive) err << "new code: " << std::flush;
    if (!readLine(in, code) || code.empty()) {
        err << name << ": no code given on standard input\n";
        return kExitUsage;
    }
    if (interactive) {
        std::string again;
        err << "the same code again: " << std::flush;
        if (!readLine(in, again) || again != code) {
            err << name << ": the two codes differ; nothing changed\n";
            return kExitUsage;
        }
    }
    if (auto problem = engine::setAccessCode(purpose == "monitor", code)) {
        err << name << ": cannot write " << engine::accessStorePath() << ": " << *problem << '\n';
        return kExitUsage;
    }
    out << name << ": stored in " << engine::accessStorePath() << '\n';
    return kExitDone;
}

void addAccessCommand(CLI::App& app) {
    CLI::App* access =
        app.add_subcommand("access", "Replace an access code with this site's own (needs root)");
    access->require_subcommand(1);
    auto purpose = std::make_shared<std::string>();
    CLI::App* set = access->add_subcommand(
        "set", "Read a new code from standard input and keep its salted hash in " +
                   std::string(engine::kAccessFile) + " (RADIOBENCH_ACCESS_FILE names another)");
    set->add_option("PURPOSE", *purpose, "protest (the production-test page) or monitor")
        ->required()
        ->check(CLI::IsMember({"protest", "monitor"}));
    set->callback([purpose] {
        const int rc = runAccessSet(*purpose, std::cin, stdinIsInteractive(), std::cout, std::cerr);
        if (rc != kExitDone) throw CLI::RuntimeError(rc);
    });
}

}  // namespace rb::cli
