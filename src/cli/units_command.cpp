#include "cli/units_command.h"

#include <CLI/CLI.hpp>
#include <filesystem>
#include <iostream>

#include "cli/exit_status.h"
#include "engine/session.h"
#include "units/exporters.h"
#include "units/unit_store.h"

namespace rb::cli {

int runUnitsCommand(const UnitsOptions& o, std::ostream& out, std::ostream& err) {
    units::Format format = units::Format::Table;
    if (o.format == "csv") {
        format = units::Format::Csv;
    } else if (o.format == "json") {
        format = units::Format::Json;
    } else if (o.format != "table") {
        err << "--format: table, csv or json, not \"" << o.format << "\"\n";
        return kExitUsage;
    }
    units::RecordFilter filter;
    filter.machineCode = o.code;
    if (o.since) {
        filter.sinceMs = units::parseLocalTime(*o.since);
        if (!filter.sinceMs) {
            err << "--since: YYYY-MM-DD or YYYY-MM-DDTHH:MM:SS, not \"" << *o.since << "\"\n";
            return kExitUsage;
        }
    }
    const std::string path =
        o.database.empty() ? engine::UserPaths::fromEnvironment().unitDatabase : o.database;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        err << "单元记录数据库不存在: " << path << '\n';
        return kExitUsage;
    }
    units::UnitStore store;
    std::string error;
    std::optional<std::vector<units::UnitRecord>> records;
    if (store.openForReading(path, &error)) records = store.records(filter, &error);
    if (!records) {
        err << "单元记录数据库无法读取: " << error << " (" << path << ")\n";
        return kExitUsage;
    }
    if (o.summary) {
        units::writeSummary(out, units::summarise(*records), format);
    } else {
        units::writeRecords(out, *records, format);
    }
    return kExitDone;
}

void addUnitsCommand(CLI::App& app) {
    auto options = std::make_shared<UnitsOptions>();
    CLI::App* cmd = app.add_subcommand(
        "units",
        "List or export the unit records of the production-test bench (read-only). "
        "Exit 0, or 2 when the database is missing or unreadable");
    cmd->add_option("--code", options->code, "only the records of this machine code");
    cmd->add_option("--since", options->since,
                    "only records from this local time on: YYYY-MM-DD (midnight) or "
                    "YYYY-MM-DDTHH:MM:SS");
    cmd->add_option("--format", options->format,
                    "table (aligned columns), csv (header line, RFC 4180 quoting, the values "
                    "JSON in one quoted field) or json (one JSON array of objects)")
        ->check(CLI::IsMember({"table", "csv", "json"}));
    cmd->add_flag("--summary", options->summary,
                  "one line per unit: code, first and last time, record and failure counts, "
                  "last outcome, type");
    cmd->add_option("--db", options->database,
                    "the database file (default: RADIOBENCH_UNIT_DB, or units.sqlite beside "
                    "the serial store)");
    cmd->callback([options] {
        const int rc = runUnitsCommand(*options, std::cout, std::cerr);
        if (rc != kExitDone) throw CLI::RuntimeError(rc);
    });
}

}  // namespace rb::cli
