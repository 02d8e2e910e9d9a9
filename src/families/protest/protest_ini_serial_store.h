// IniSerialStore: the bench's own serial-number store ("ProTestSerial" in the per-user store
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

#include "families/protest/protest_serial_store.h"
#include "ini/ini_file.h"

namespace rb::families::protest {

class IniSerialStore final : public SerialStore {
public:
    using Keys = std::vector<std::pair<std::string, std::string>>;

    explicit IniSerialStore(ProTestHost& host) : host_(host) {}

    void show() override;
    std::optional<long long> take(const SerialRequest& r) override;
    void setRange() override;

private:
    // Takes the lock and reads the store afresh; `decide` names the keys to set (nothing: the
    // change is given up), then the file is replaced. False when anything failed (and was
    // shown) or was given up.
    bool update(const std::function<std::optional<Keys>(const ini::IniFile&)>& decide);

    ProTestHost& host_;
};

}  // namespace rb::families::protest
