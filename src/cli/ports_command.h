// `radiobench-cli ports`: every serial port the system reports, one a line, then `sim` (the
// built-in simulated terminal).
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace CLI {
class App;
}

namespace rb::cli {

int runPortsCommand(const std::vector<std::string>& systemPorts, std::ostream& out);
void addPortsCommand(CLI::App& app);

}  // namespace rb::cli
