// `radiobench-cli diff`: two configurations of one type compared field by field, one line per
// field that differs, named by page and field as `write --verify` names them:
//
//   radiobench-cli diff lm52r a.ini b.ini
//       基本信息: 信道03 发射频率: "4100500" → "4000500"   (a.ini's value → b.ini's)
//   radiobench-cli diff lm52r --port sim a.ini
//       reads every page of the terminal now (as `read` does, also into the read history),
//       then compares: the file's value → the terminal's.
//
// Differences go to standard output, progress and reasons to standard error. Exit 0 when
// equal, 6 when a field differs, 5 for a file that is no configuration of the type (the
// message `write --in` gives), else the statuses of `read`.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "cli/runtime.h"
#include "cli/terminal_session.h"

namespace CLI {
class App;
}

namespace rb::cli {

struct DiffOptions {
    std::string type;
    std::vector<std::string> files;  // two without --port, one with it
    PortOptions port;                // port.port empty: two files
    std::string accessCode{};
};

int runDiffCommand(const DiffOptions& options, Runtime& runtime, std::ostream& out,
                   std::ostream& err);

void addDiffCommand(CLI::App& app);

}  // namespace rb::cli
