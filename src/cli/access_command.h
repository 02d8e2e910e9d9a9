// `radiobench-cli access set protest|monitor`: replaces the access code of the production-test
// page or of the monitor window with a site's own, for every program on this machine. The new
// code is read from standard input (one line; asked twice on a terminal) and only its salted
// hash is kept, in the system-wide store (engine/access_codes.h). Writing the store needs root.
#pragma once

#include <iosfwd>
#include <string>

namespace CLI {
class App;
}

namespace rb::cli {

// `purpose` is "protest" or "monitor". Exit 0, or 2 with the reason on `err`.
int runAccessSet(const std::string& purpose, std::istream& in, bool interactive, std::ostream& out,
                 std::ostream& err);
void addAccessCommand(CLI::App& app);

}  // namespace rb::cli
