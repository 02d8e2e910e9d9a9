// The two access codes: the production-test page and the monitor window open only after the
// technician typed the code of that function. The window's code dialog and the command line's
// `--access-code` compare with the same store.
//
// A site may replace each code with its own: the system-wide file /etc/radiobench/access.conf
// (RADIOBENCH_ACCESS_FILE names another) holds, per function, a salted PBKDF2-HMAC-SHA256 hash
// of the code, never the code itself:
//
//   [Access]
//   protest=pbkdf2-sha256$200000$<salt, 32 hex digits>$<hash, 64 hex digits>
//
// A function without an entry (or without the file) keeps its documented code.
#pragma once

#include <optional>
#include <string>

namespace rb::engine {

inline constexpr const char* kProductionTestCode = "4lotus";
inline constexpr const char* kMonitorCode = "lotus4";
inline constexpr const char* kWrongCodeText = "密码不正确!";
inline constexpr const char* kAccessFile = "/etc/radiobench/access.conf";

// The store in use: RADIOBENCH_ACCESS_FILE when set, else kAccessFile.
std::string accessStorePath();

// Exact, case-sensitive comparison with the code of the purpose: the site's hash when the store
// has one for it, the documented code otherwise. A store entry that cannot be read refuses
// every code (a damaged store never opens the page to anyone).
bool accessCodeAccepted(bool forMonitor, const std::string& entered);

// Replaces the code of one purpose in the store (`radiobench-cli access set`). Nothing, or why
// it could not be written.
std::optional<std::string> setAccessCode(bool forMonitor, const std::string& code);

// The store's text of one code, for a salt given (tests) or a fresh random one.
std::string hashAccessCode(const std::string& code, const std::string& saltHex = {});
bool accessHashMatches(const std::string& stored, const std::string& entered);

}  // namespace rb::engine
