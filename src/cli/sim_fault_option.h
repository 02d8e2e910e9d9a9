// The hidden --sim-faults option: makes the built-in simulated terminal misbehave, so that a
// script (or a test) can see what the command does when a terminal fails. A comma-separated
// list of:
//   silent        the terminal never answers
//   drop=N        answer number N (1 = the first) is lost
//   delay=MS      milliseconds from a request to its answer
//   corrupt       every answer has a wrong checksum
//   pace[=BAUD]   bytes take their real time on the line (10 bits a byte)
//   split=N       every answer comes in pieces of N bytes, 2 ms apart
//   garbage       line noise (00 55 AA 13) before every answer
//   unsolicited   a frame of an unknown code (F5) now and then, unasked
//   lose=N        the device goes away after the N-th piece of answer bytes arrived
//   ignore=0xCC   requests with command code CC (hexadecimal) are acknowledged but not stored:
//                 the terminal keeps its old values
#pragma once

#include <string>

#include "sim/faults.h"

namespace rb::cli {

inline constexpr const char* kSimFaultWords =
    "silent, drop=N, delay=MS, corrupt, pace[=BAUD], split=N, garbage, unsolicited, lose=N, "
    "ignore=0xCC, stray=N:HEX (after answer N also send the frame HEX, e.g. stray=1:960580210001"
    "33)";

// False with a reason on a word it does not know or a bad number.
bool parseSimFaults(const std::string& text, sim::Faults& out, std::string& error);

}  // namespace rb::cli
