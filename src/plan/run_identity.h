// Who runs which plan where: a new run's id (a UUID), the station (host name), the operator
// (login name), and the plan's file name and SHA-256, as a run record starts out.
#pragma once

#include <cstdint>
#include <string>

#include "units/test_run.h"

namespace rb::plan {

std::string newRunId();
std::string stationName();
std::string operatorName();
// Lower-case hex SHA-256 of `bytes`.
std::string sha256Hex(const std::string& bytes);

// A run record with its id, station, operator, plan file name (no folder) and hash, started at
// `startMs`; unit, outcome and measurements are filled in as the run goes.
units::TestRun startRun(const std::string& planPath, const std::string& planBytes,
                        std::int64_t startMs);

}  // namespace rb::plan
