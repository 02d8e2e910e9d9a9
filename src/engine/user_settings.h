// The program's own per-user options ("写后校验", "写前备份", the last trace file), kept in
// UserPaths::settingsFile, section "Options". Other lines of the file are kept when one
// option is saved.
#pragma once

#include <string>

#include "engine/session.h"

namespace rb::engine {

inline constexpr const char* kOptionsSection = "Options";
inline constexpr const char* kVerifyAfterWriteKey = "VerifyAfterWrite";    // "1" / "0"
inline constexpr const char* kTraceFileKey = "TraceFile";                  // last path chosen
inline constexpr const char* kBackupBeforeWriteKey = "BackupBeforeWrite";  // "1" / "0"

// The value of an option, empty when it was never saved (or the file cannot be read).
std::string readOption(const UserPaths& paths, const std::string& key);
// Saves one option. False with a reason when the file cannot be written.
bool saveOption(const UserPaths& paths, const std::string& key, const std::string& value,
                std::string* error = nullptr);

}  // namespace rb::engine
