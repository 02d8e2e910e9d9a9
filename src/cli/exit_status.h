// Exit statuses of the commands that talk to a terminal (read, write, send, run, ports).
// Scripts on a factory line branch on them, so they never change meaning.
#pragma once

namespace rb::cli {

inline constexpr int kExitDone = 0;            // everything asked for was done
inline constexpr int kExitTerminalFailed = 1;  // "操作失败": the terminal did not answer a step
inline constexpr int kExitUsage = 2;           // bad arguments, unknown or unbuilt type, cancelled
inline constexpr int kExitPortUnavailable = 3;  // the port cannot be opened (or went away)
inline constexpr int kExitStopped = 4;          // a page's validation message stopped the chain
inline constexpr int kExitFileError = 5;        // the file cannot be read or written
inline constexpr int kExitVerifyFailed = 6;     // write --verify: a field read back differs
inline constexpr int kExitPlanFailed = 7;       // run: a plan's outcome is FAIL or ABORTED

}  // namespace rb::cli
