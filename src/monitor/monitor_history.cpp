#include "monitor/monitor_history.h"

#include <algorithm>

#include "ini/ini_file.h"

namespace rb::monitor {

std::string MonitorHistory::keyName(int number) { return "History" + std::to_string(number); }

void MonitorHistory::load() {
    entries_.clear();
    ini::IniFile file;
    if (!file.loadIfExists(path_)) return;
    for (int k = 1; k <= kHistorySize; ++k) {
        std::string value = file.getText(kHistorySection, keyName(k));
        if (!value.empty()) entries_.push_back(std::move(value));
    }
}

bool MonitorHistory::add(const std::string& text) {
    if (text.empty()) return false;  // an empty value would read back as no entry
    if (std::find(entries_.begin(), entries_.end(), text) != entries_.end()) return false;
    if (entries_.size() >= std::size_t(kHistorySize)) entries_.erase(entries_.begin());
    entries_.push_back(text);
    return true;
}

bool MonitorHistory::remove(int index) {
    if (index < 0 || index >= int(entries_.size())) return false;
    entries_.erase(entries_.begin() + index);
    return true;
}

void MonitorHistory::clear() { entries_.clear(); }

bool MonitorHistory::save(std::string* error) const {
    // Other lines of the file (other sections, other keys) are kept.
    ini::IniFile file;
    if (!file.loadIfExists(path_, error)) return false;
    for (int k = kHistorySize; k >= 1; --k) file.setText(kHistorySection, keyName(k), "");
    for (int k = int(entries_.size()) - 1; k >= 0; --k) {
        file.setText(kHistorySection, keyName(k + 1), entries_[std::size_t(k)]);
    }
    return file.save(path_, error);
}

}  // namespace rb::monitor
