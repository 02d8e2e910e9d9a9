// `radiobench-cli units`: the unit records the bench wrote, listed or exported.
//
//   units [--code M] [--since DATE] [--format table|csv|json] [--summary] [--db PATH]
//   units --yield [--by day|plan|station] [--since DATE] [--format ...] [--db PATH]
//   units --stats NAME [--since DATE] [--format ...] [--db PATH]
//
// The database is the bench's own (RADIOBENCH_UNIT_DB, or units.sqlite beside the serial
// store) or a PostgreSQL URI (postgresql://...) the benches share; it is opened read-only. DATE is
// YYYY-MM-DD (local midnight) or YYYY-MM-DDTHH:MM:SS (local time). csv: a header line, RFC 4180
// quoting, the values JSON in one quoted field; json: one JSON array of objects. --summary: one
// line per unit. --yield: units tested, first-pass and final yield, runs per unit (per group with
// --by), then the failing steps and measurements, most failed first. --stats: n, mean, sample
// standard deviation, min, max and Cpk of one measurement against the limits of its latest run.
// Exit 0, or 2 when the database is missing or cannot be read, or an option is wrong.
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
    bool yield = false;
    std::optional<std::string> by;     // day, plan or station (with --yield)
    std::optional<std::string> stats;  // a measurement's name
    std::string database;              // a file or a postgresql:// URI; empty: the bench's own
};

int runUnitsCommand(const UnitsOptions& options, std::ostream& out, std::ostream& err);
void addUnitsCommand(CLI::App& app);

}  // namespace rb::cli
