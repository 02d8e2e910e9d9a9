// `radiobench-cli history [TYPE] [--format table|json]`: the read history (read_history.h),
// oldest first, of one type or of every type that has one.
//
//   table: one line per entry: type, time, code ("-" when unknown), path
//   json:  one JSON object per line: {"type":…,"time":"2026-12-10 14:14:03","sequence":1,
//          "code":…,"path":…}
//
// Exit 0 (an empty history lists nothing), 2 for an unknown type or format.
#pragma once

#include <iosfwd>
#include <string>

namespace CLI {
class App;
}

namespace rb::cli {

struct HistoryOptions {
    std::string type;  // empty: every type
    std::string format = "table";
    std::string dataDir;  // the per-user data folder
};

int runHistoryCommand(const HistoryOptions& options, std::ostream& out, std::ostream& err);

void addHistoryCommand(CLI::App& app);

}  // namespace rb::cli
