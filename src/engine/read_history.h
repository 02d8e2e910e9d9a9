// The read history: every complete read of a type with a file is kept as the file "存储文件"
// would write, under the per-user data folder:
//
//   <data>/history/<type>/<YYYYMMDD-HHMMSS>[-<code>][_<n>].ini
//
// <code> is the unit's code when the pages know it (letters and digits only; anything else is
// dropped). Two reads in the same second are told apart by _<n>, n = 2, 3, ... : the first read
// of a second has no suffix, and n counts over every file of that second whatever its code.
// Entries sort by time, then n. At most kHistoryLimit files are kept per type; adding one
// removes the oldest beyond it. Nothing else ever removes an entry.
#pragma once

#include <ctime>
#include <optional>
#include <string>
#include <vector>

namespace rb::engine {

class Container;

inline constexpr std::size_t kHistoryLimit = 200;

struct HistoryEntry {
    std::string type;
    std::string path;
    std::string stamp;  // "20261210-141403" (local time)
    std::string code;   // the unit's code, empty when unknown
    int sequence = 1;   // 1 for the first read of its second, then 2, 3, ...
    // "2026-12-10 14:14:03", with " #n" for a later read of the same second.
    std::string when() const;
};

class ReadHistory {
public:
    explicit ReadHistory(std::string dataDir, std::size_t limit = kHistoryLimit);

    std::string folder(const std::string& type) const;
    // Keeps `bytes` as the newest entry of `type`, read at `when`, then removes the oldest
    // entries beyond the limit. The entry, or nothing with a reason in `error`.
    std::optional<HistoryEntry> add(const std::string& type, const std::string& bytes,
                                    std::time_t when, const std::string& code,
                                    std::string* error = nullptr) const;
    // The entries of one type, oldest first.
    std::vector<HistoryEntry> list(const std::string& type) const;
    // Every type that has a history folder, sorted.
    std::vector<std::string> types() const;

private:
    std::string root_;
    std::size_t limit_;
};

// What "存储文件" writes into a new file: the container's file pages as they stand.
std::string storedBytes(Container& container);

// A complete read of `type` ended: its forms go into the history of the session's data folder,
// stamped now. The entry, or nothing with a reason in `error`.
std::optional<HistoryEntry> recordRead(Container& container, const std::string& type,
                                       std::string* error = nullptr);

// The message a front end shows when a read could not be kept.
inline constexpr const char* kHistoryFailed = "读取记录保存失败: ";

}  // namespace rb::engine
