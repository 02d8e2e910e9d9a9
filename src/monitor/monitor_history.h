// The history of hand-typed frames: up to 20 texts in a per-user settings file, section "Main",
// keys "History1" ... "History20"; key k holds entry k-1, an empty value is no entry. Values
// are kept whole (no 254-character cut).
#pragma once

#include <string>
#include <vector>

namespace rb::monitor {

inline constexpr int kHistorySize = 20;
inline constexpr const char* kHistorySection = "Main";

class MonitorHistory {
public:
    explicit MonitorHistory(std::string path) : path_(std::move(path)) {}

    // Reads the 20 keys, skipping empty values. A file that is missing reads as no history.
    void load();
    const std::vector<std::string>& entries() const { return entries_; }

    // Adds a text at the end unless an identical entry exists (or it is empty); the oldest
    // entry goes when 20 are held. Returns true when the history changed.
    bool add(const std::string& text);
    // Removes entry `index` (a bad index changes nothing).
    bool remove(int index);
    // Empties the history.
    void clear();

    // Writes the list: "" into every key from 20 down to 1, then entry k into key k+1, from
    // the last entry to the first. False with a reason when the file cannot be written.
    bool save(std::string* error = nullptr) const;

    const std::string& path() const { return path_; }
    static std::string keyName(int number);  // "History%d"

private:
    std::string path_;
    std::vector<std::string> entries_;
};

}  // namespace rb::monitor
