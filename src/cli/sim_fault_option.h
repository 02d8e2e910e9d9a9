// The hidden --sim-faults option: makes the built-in simulated terminal misbehave, so that a
// script (or a test) can see what the command does when a terminal fails. A comma-separated
// list of:
//   silent        the terminal never answers
//   drop=N        answer number N (1 = the first) is lost
//   delay=MS      milliseconds from a request to its answer
//   corrupt       every answer has a wrong checksum
//   pace[=BAUD]   bytes take their real time on the line (10 bits a byte)
#pragma once

#include <string>

#include "sim/faults.h"

namespace rb::cli {

// False with a reason on a word it does not know or a bad number.
bool parseSimFaults(const std::string& text, sim::Faults& out, std::string& error);

}  // namespace rb::cli
