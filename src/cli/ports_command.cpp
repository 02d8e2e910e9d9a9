#include "cli/ports_command.h"

#include <CLI/CLI.hpp>
#include <iostream>

#include "cli/event_waiter.h"
#include "cli/exit_status.h"
#include "link/port_names.h"

namespace rb::cli {

int runPortsCommand(const std::vector<std::string>& systemPorts, std::ostream& out) {
    for (const auto& port : systemPorts) out << port << '\n';
    out << "sim\n";
    return kExitDone;
}

void addPortsCommand(CLI::App& app) {
    CLI::App* cmd = app.add_subcommand(
        "ports", "List every serial port the system reports, then sim (the simulated terminal)");
    auto trace = std::make_shared<bool>(false);
    cmd->add_flag("--trace", *trace, "accepted for symmetry; listing ports sends no frame");
    cmd->callback([trace] {
        ensureCoreApplication();
        runPortsCommand(link::availablePorts(), std::cout);
    });
}

}  // namespace rb::cli
