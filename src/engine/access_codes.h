// The two access codes: the production-test page and the monitor window open only after the
// technician typed the code of that function. The window's code dialog and the command line's
// `run protest --access-code` compare with the same texts.
#pragma once

#include <string>

namespace rb::engine {

inline constexpr const char* kProductionTestCode = "4lotus";
inline constexpr const char* kMonitorCode = "lotus4";
inline constexpr const char* kWrongCodeText = "密码不正确!";

// Exact, case-sensitive comparison with the code of the purpose.
inline bool accessCodeAccepted(bool forMonitor, const std::string& entered) {
    return entered == (forMonitor ? kMonitorCode : kProductionTestCode);
}

}  // namespace rb::engine
