// TestRun: one run of a test plan on one unit, as the station and `radiobench-cli run` keep it in
// the unit database: who ran which plan where, when, with what outcome, and every measurement
// with its limits and verdict. The per-answer records made during the run carry its run id.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace rb::units {

// Outcomes of a run, as stored and printed.
inline constexpr const char* kRunPass = "PASS";
inline constexpr const char* kRunFail = "FAIL";
inline constexpr const char* kRunError = "ERROR";
inline constexpr const char* kRunAborted = "ABORTED";

struct Measurement {
    std::string step;  // the step it belongs to ("" before the first `step`)
    std::string name;
    std::optional<double> value;  // the number read; none for text checks or "no value"
    std::string text;             // the control's text as read
    std::optional<double> low;    // limits of a numeric measurement (none: unbounded)
    std::optional<double> high;
    std::string unit;     // "%", "V", ... or ""
    std::string verdict;  // "pass" or "fail"
    std::string reason;   // why it failed ("no value", "above 1", ...), else ""
    bool operator==(const Measurement&) const = default;
};

struct TestRun {
    std::string runId;         // a UUID, made when the run starts
    std::string unit;          // the unit's code or label
    std::string machineType;   // the terminal type the plan drove
    std::string station;       // host name
    std::string operatorName;  // login name
    std::string planFile;      // the plan's file name (no folder)
    std::string planSha256;    // hex SHA-256 of the plan's bytes
    std::int64_t startMs = 0;
    std::int64_t endMs = 0;
    std::string outcome;  // kRunPass, kRunFail, kRunError or kRunAborted
    std::vector<Measurement> measurements;
    bool operator==(const TestRun&) const = default;
};

}  // namespace rb::units
