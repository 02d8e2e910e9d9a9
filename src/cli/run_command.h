// `radiobench-cli run TYPE --port P [--baud B] [--trace] [--access-code CODE] [SCRIPT | -]`:
// a technician's script over the headless forms of TYPE, as the window would show them
// (script_runner.h has the commands). `protest` needs the production-test code, before any port
// is opened, and so does a script's `type protest`: a missing code ends with "--access-code is
// needed for protest", a wrong one with "密码不正确!", exit 2.
#pragma once

#include <iosfwd>
#include <string>

#include "cli/runtime.h"
#include "cli/terminal_session.h"

namespace CLI {
class App;
}

namespace rb::cli {

struct RunOptions {
    std::string type;
    PortOptions port;
    std::string accessCode;
    std::string script = "-";  // a file, or "-" for standard input
    bool yes = false;          // a plan's prompts are confirmed without asking
};

// `stdinScript` is read when the script is "-".
int runRunCommand(const RunOptions& options, Runtime& runtime, std::istream& stdinScript,
                  std::ostream& out, std::ostream& err);

void addRunCommand(CLI::App& app);

}  // namespace rb::cli
