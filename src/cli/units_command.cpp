#include "cli/units_command.h"

#include <CLI/CLI.hpp>
#include <filesystem>
#include <iostream>

#include "cli/exit_status.h"
#include "engine/session.h"
#include "units/db_location.h"
#include "units/exporters.h"
#include "units/reports.h"
#include "units/unit_store.h"

namespace rb::cli {

namespace {

// The options that do not go together, or a value not understood: the message, else "".
std::string optionProblem(const UnitsOptions& o, units::Format& format, units::YieldGroup& group) {
    if (o.format == "csv")
        format = units::Format::Csv;
    else if (o.format == "json")
        format = units::Format::Json;
    else if (o.format != "table")
        return "--format: table, csv or json, not \"" + o.format + "\"";
    const int modes = int(o.summary) + int(o.yield) + int(o.stats.has_value());
    if (modes > 1) return "--summary, --yield and --stats: one of them at a time";
    if ((o.yield || o.stats) && o.code) return "--code lists records; not with --yield or --stats";
    if (o.by && !o.yield) return "--by goes with --yield";
    if (o.by) {
        if (*o.by == "day")
            group = units::YieldGroup::Day;
        else if (*o.by == "plan")
            group = units::YieldGroup::Plan;
        else if (*o.by == "station")
            group = units::YieldGroup::Station;
        else
            return "--by: day, plan or station, not \"" + *o.by + "\"";
    }
    return {};
}

bool writeReport(const UnitsOptions& o, units::UnitStore& store, units::Format format,
                 units::YieldGroup group, std::optional<std::int64_t> sinceMs, std::ostream& out,
                 std::string* error) {
    if (o.yield) {
        const auto report = units::yieldReport(store, group, sinceMs, error);
        if (report) units::writeYield(out, *report, group, format);
        return report.has_value();
    }
    if (o.stats) {
        const auto stats = units::measurementStats(store, *o.stats, sinceMs, error);
        if (stats) units::writeStats(out, *stats, format);
        return stats.has_value();
    }
    units::RecordFilter filter;
    filter.machineCode = o.code;
    filter.sinceMs = sinceMs;
    if (o.summary) {
        const auto summaries = store.summaries(filter, error);
        if (summaries) units::writeSummary(out, *summaries, format);
        return summaries.has_value();
    }
    return units::exportRecords(out, store, filter, format, error);
}

}  // namespace

int runUnitsCommand(const UnitsOptions& o, std::ostream& out, std::ostream& err) {
    units::Format format = units::Format::Table;
    units::YieldGroup group = units::YieldGroup::All;
    if (const std::string problem = optionProblem(o, format, group); !problem.empty()) {
        err << problem << '\n';
        return kExitUsage;
    }
    std::optional<std::int64_t> sinceMs;
    if (o.since) {
        sinceMs = units::parseLocalTime(*o.since);
        if (!sinceMs) {
            err << "--since: YYYY-MM-DD or YYYY-MM-DDTHH:MM:SS, not \"" << *o.since << "\"\n";
            return kExitUsage;
        }
    }
    const std::string path =
        o.database.empty() ? engine::UserPaths::fromEnvironment().unitDatabase : o.database;
    const bool shared = units::isPostgresUri(path);
    const std::string shown = units::shownLocation(path);  // never the password
    std::error_code ec;
    if (!shared && !std::filesystem::is_regular_file(path, ec)) {
        err << "单元记录数据库不存在: " << path << '\n';
        return kExitUsage;
    }
    units::UnitStore store;
    std::string error;
    if (!store.openForReading(path, &error)) {
        // A server that cannot be reached says so itself ("无法连接记录数据库: ...").
        err << (shared && error.starts_with("无法连接") ? error
                                                        : "单元记录数据库无法读取: " + error)
            << " (" << shown << ")\n";
        return kExitUsage;
    }
    if (!writeReport(o, store, format, group, sinceMs, out, &error)) {
        err << "单元记录数据库无法读取: " << error << " (" << shown << ")\n";
        return kExitUsage;
    }
    return kExitDone;
}

void addUnitsCommand(CLI::App& app) {
    auto options = std::make_shared<UnitsOptions>();
    CLI::App* cmd = app.add_subcommand(
        "units",
        "List or export the unit records of the production-test bench, or report yield and "
        "capability over its test runs (read-only). Exit 0, or 2 when the database is missing "
        "or unreadable or an option is wrong");
    cmd->add_option("--code", options->code, "only the records of this machine code");
    cmd->add_option("--since", options->since,
                    "only records (runs) from this local time on: YYYY-MM-DD (midnight) or "
                    "YYYY-MM-DDTHH:MM:SS");
    cmd->add_option("--format", options->format,
                    "table (aligned columns), csv (header line, RFC 4180 quoting, the values "
                    "JSON in one quoted field) or json (one JSON array of objects)")
        ->check(CLI::IsMember({"table", "csv", "json"}));
    cmd->add_flag("--summary", options->summary,
                  "one line per unit: code, first and last time, record and failure counts, "
                  "last outcome, type");
    cmd->add_flag("--yield", options->yield,
                  "units tested, first-pass yield (first run passed), final yield (last run "
                  "passed), runs per unit, then the failing steps and measurements ranked");
    cmd->add_option("--by", options->by, "with --yield: one row per day, plan or station")
        ->check(CLI::IsMember({"day", "plan", "station"}));
    cmd->add_option("--stats", options->stats,
                    "n, mean, sample standard deviation, min, max and Cpk of the measurement "
                    "NAME against the limits of its latest run");
    cmd->add_option("--db", options->database,
                    "the database file, or a PostgreSQL URI (postgresql://user@host/db) of the "
                    "database the benches share (default: RADIOBENCH_UNIT_DB, or units.sqlite "
                    "beside the serial store)");
    cmd->callback([options] {
        const int rc = runUnitsCommand(*options, std::cout, std::cerr);
        if (rc != kExitDone) throw CLI::RuntimeError(rc);
    });
}

}  // namespace rb::cli
