// radiobench-cli: each subcommand registers itself from src/cli.
//
// Exit statuses: what the subcommand returns (src/cli/exit_status.h); any mistake in the
// arguments is 2.
#include <CLI/CLI.hpp>

#include "cli/access_command.h"
#include "cli/chain_command.h"
#include "cli/diff_command.h"
#include "cli/exit_status.h"
#include "cli/frame_command.h"
#include "cli/history_command.h"
#include "cli/ports_command.h"
#include "cli/run_command.h"
#include "cli/send_command.h"
#include "cli/units_command.h"

int main(int argc, char** argv) {
    CLI::App app{"RadioBench command line"};
    app.require_subcommand(1);
    app.set_version_flag("--version", std::string("radiobench-cli ") + RB_VERSION);

    rb::cli::addFrameCommand(app);
    rb::cli::addPortsCommand(app);
    rb::cli::addReadCommand(app);
    rb::cli::addWriteCommand(app);
    rb::cli::addHistoryCommand(app);
    rb::cli::addDiffCommand(app);
    rb::cli::addSendCommand(app);
    rb::cli::addRunCommand(app);
    rb::cli::addUnitsCommand(app);
    rb::cli::addAccessCommand(app);

    try {
        app.parse(argc, argv);
    } catch (const CLI::RuntimeError& e) {
        return e.get_exit_code();  // a subcommand's own status
    } catch (const CLI::ParseError& e) {
        // --help prints and ends with 0; every other parse error is a usage error.
        const int rc = app.exit(e);
        return rc == 0 ? 0 : rb::cli::kExitUsage;
    }
    return 0;
}
