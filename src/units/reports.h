// Reports over the test runs, computed by the database (GROUP BY, window functions) rather than
// by loading every record: yield per unit and the failures that cost it, and the spread of one
// measurement against its limits (process capability).
#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "units/exporters.h"
#include "units/unit_store.h"

namespace rb::units {

enum class YieldGroup { All, Day, Plan, Station };

// One group of runs (all of them, a local day, a plan file or a station). A unit counts as a
// first pass when its first run in the group passed, as a final pass when its last one did.
struct YieldRow {
    std::string key;  // "all", "2026-12-09", the plan file or the station
    int units = 0;
    int runs = 0;
    int firstPass = 0;
    int finalPass = 0;
    double firstPassYield() const { return units ? double(firstPass) / units : 0.0; }
    double finalYield() const { return units ? double(finalPass) / units : 0.0; }
    double runsPerUnit() const { return units ? double(runs) / units : 0.0; }
};

// A step or a measurement that failed: in how many runs, on how many units.
struct FailureRow {
    std::string step;
    std::string name;  // "" for a step
    int runs = 0;
    int units = 0;
};

struct YieldReport {
    std::vector<YieldRow> groups;
    std::vector<FailureRow> steps;         // most failed first
    std::vector<FailureRow> measurements;  // most failed first
};

struct MeasurementStats {
    std::string name;
    int n = 0;  // measurements with a value
    double mean = 0, sd = 0, min = 0, max = 0;
    std::optional<double> low, high;  // the limits of its latest run
    std::string unit;
    std::optional<double> cpk;
    std::string noCpk;  // why there is no Cpk, "" when there is one
};

std::optional<YieldReport> yieldReport(UnitStore& store, YieldGroup by,
                                       std::optional<std::int64_t> sinceMs, std::string* error);
std::optional<MeasurementStats> measurementStats(UnitStore& store, const std::string& name,
                                                 std::optional<std::int64_t> sinceMs,
                                                 std::string* error);

// Cpk from the mean and sample standard deviation: min(high - mean, mean - low) / 3σ, the one
// side there is when a limit is missing. None (with the reason in `why`) without limits, with
// fewer than two values or when σ is 0.
std::optional<double> cpkOf(int n, double mean, double sd, std::optional<double> low,
                            std::optional<double> high, std::string* why);

void writeYield(std::ostream& out, const YieldReport& report, YieldGroup by, Format format);
void writeStats(std::ostream& out, const MeasurementStats& stats, Format format);

}  // namespace rb::units
