// SharedSerials: the serial-number range the benches of a line share, one row of the table
// serial_ranges in the database that holds their unit records. Taking a number locks the row
// (SELECT ... FOR UPDATE) for the one transaction that reads and moves the next serial, so two
// benches that press "初始化机型" at the same moment are served one after the other and never
// get the same number. No user interface here: the outcomes are for the page to word.
#pragma once

#include <optional>
#include <string>

#include "units/sql_connection.h"

namespace rb::units {

// One range as the table keeps it.
struct SerialRange {
    long long start = 0;
    long long end = 0;
    long long next = 0;                  // the number the next terminal gets
    std::optional<long long> lastTaken;  // the highest number handed out; none yet
    std::string batch;
    int type = 0;  // machine type index of the page's list
};

enum class TakeOutcome {
    Taken,
    NoRange,     // nobody has set a range yet
    UsedUp,      // the next serial is past the range's end
    OutOfRange,  // the number asked for is outside the range (the range itself is not spent)
    Failed,      // the database refused or went away; `error` says why, nothing was taken
};

struct TakeResult {
    TakeOutcome outcome = TakeOutcome::Failed;
    long long serial = 0;  // Taken: the number, already kept; otherwise the one refused
    SerialRange range;     // as it stood (Taken: after the number was taken)
    std::string error;
};

enum class SetOutcome {
    Set,
    MovesBack,  // the new next serial is not above a number already handed out
    Failed,
};

struct SetResult {
    SetOutcome outcome = SetOutcome::Failed;
    long long lastTaken = 0;  // MovesBack: the number it would have reused
    std::string error;
};

class SharedSerials {
public:
    // `db`: a connection whose schema is migrated; `key`: the row ("ProTestSerial").
    SharedSerials(SqlConnection& db, std::string key) : db_(db), key_(std::move(key)) {}

    // The range as it stands; none when no row exists (`error` empty) or on an error.
    std::optional<SerialRange> read(std::string* error);
    // The next serial, or `atLeast` when that is higher (a number typed ahead of the
    // counter skips the ones in between, as the bench's own store does); `type` and `batch`
    // are kept with it.
    TakeResult take(long long atLeast, int type, const std::string& batch);
    // The range, batch, type and next serial for every bench (a row is made when none exists).
    SetResult set(const SerialRange& wanted);

private:
    SqlConnection& db_;
    std::string key_;
};

}  // namespace rb::units
