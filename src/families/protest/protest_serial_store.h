// SerialStore: where "初始化机型" takes its serial numbers and "设置序号范围" keeps the range.
// Without a shared database each bench has its own INI store; when the unit records are on a
// PostgreSQL server, every bench of the line takes its numbers from one row there. The page
// sees only this interface: each store shows its own refusals, so a number it gives back is
// kept already and may be sent.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "families/protest/protest_host.h"

namespace rb::families::protest {

inline constexpr long long kLastSerial = 9999;  // four digits of the machine code

// "0042": a serial number as the machine code and the store hold it.
std::string fourDigits(long long v);
// "26": the year field's default, the last two digits of the current year.
std::string currentYearDigits();

// What "初始化机型" was given, each field checked.
struct SerialRequest {
    int type;
    std::string year;
    std::string batch;
    long long typed;  // the serial field
    long long rangeEnd;
};

class SerialStore {
public:
    static constexpr const char* kSection = "ProTestSerial";  // also the database row's key

    virtual ~SerialStore() = default;
    // The year, type, batch, next serial and range into the page's fields. A store that cannot
    // be read is said: the numbers shown would repeat ones already handed out.
    virtual void show() = 0;
    // The serial for `r`, kept before it is returned; none when refused (and shown).
    virtual std::optional<long long> take(const SerialRequest& r) = 0;
    // "设置序号范围": the page's range, serial, batch and type into the store.
    virtual void setRange() = 0;
    // Whether the store's own range decides what may be taken (and the refusal, e.g. a spent
    // range), rather than the page's range fields, which may be an old copy of a range
    // another bench has changed since.
    virtual bool decidesRange() const { return false; }
};

// The database store when the session's unit records are on a PostgreSQL server, else the
// bench's own INI store.
std::unique_ptr<SerialStore> makeSerialStore(ProTestHost& host);

}  // namespace rb::families::protest
