// `radiobench-cli units`: the unit records the bench wrote, listed or exported.
//
//   units [--code M] [--since DATE] [--format table|csv|json] [--summary] [--db PATH]
//
// The database is the bench's own (RADIOBENCH_UNIT_DB, or units.sqlite beside the serial
// store); it is opened read-only. DATE is YYYY-MM-DD (local midnight) or YYYY-MM-DDTHH:MM:SS
// (local time). csv: a header line, RFC 4180 quoting, the values JSON in one quoted field;
// json: one JSON array of objects. --summary: one line per unit. Exit 0, or 2 when the
// database is missing or cannot be read, or an option is wrong.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>

namespace CLI {
class App;
}

namespace rb::cli {

struct UnitsOptions {
    std::optional<std::string> code;
    std::optional<std::string> since;
    std::string format = "table";
    bool summary = false;
    std::string database;  // empty: the bench's own
};

int runUnitsCommand(const UnitsOptions& options, std::ostream& out, std::ostream& err);
void addUnitsCommand(CLI::App& app);

}  // namespace rb::cli
