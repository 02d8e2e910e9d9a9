// SerialStore: the serial-number store of the bench ("ProTestSerial" in the per-user store
// file): the range, the last number handed out, its batch and the machine type. The next
// number survives between runs, so each terminal gets a machine code of its own; every change
// is made under the store's lock on a fresh read, so two programs on one machine never hand
// out the same number.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "families/protest/protest_host.h"
#include "ini/ini_file.h"

namespace rb::families::protest {

inline constexpr long long kLastSerial = 9999;  // four digits of the machine code

// "0042": a serial number as the machine code and the store hold it.
std::string fourDigits(long long v);

class SerialStore {
public:
    static constexpr const char* kSection = "ProTestSerial";
    using Keys = std::vector<std::pair<std::string, std::string>>;

    explicit SerialStore(ProTestHost& host) : host_(host) {}

    // The year, type, batch, next serial and range as the store has them. A store that cannot
    // be read is said: the numbers shown would repeat ones already handed out.
    void show();
    // Takes the lock and reads the store afresh; `decide` names the keys to set (nothing: the
    // change is given up), then the file is replaced. False when anything failed (and was
    // shown) or was given up.
    bool update(const std::function<std::optional<Keys>(const ini::IniFile&)>& decide);
    bool write(const Keys& keys);

private:
    ProTestHost& host_;
};

}  // namespace rb::families::protest
