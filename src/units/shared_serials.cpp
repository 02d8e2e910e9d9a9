#include "units/shared_serials.h"

namespace rb::units {

namespace {

constexpr const char* kColumns = "range_start, range_end, next_serial, last_taken, batch, type";

SerialRange rangeOf(const SqlRow& row) {
    SerialRange r;
    r.start = row.integer(0);
    r.end = row.integer(1);
    r.next = row.integer(2);
    // NULL: nothing handed out yet (0 is a number that can be handed out).
    if (row.optionalReal(3)) r.lastTaken = row.integer(3);
    r.batch = row.text(4);
    r.type = int(row.integer(5));
    return r;
}

// The row of `key` in the open transaction, locked until it ends (SQLite's write transaction
// holds the whole file already).
bool lockedRow(SqlConnection& db, const std::string& key, std::optional<SerialRange>* range,
               std::string* error) {
    std::string sql = std::string("SELECT ") + kColumns + " FROM serial_ranges WHERE store = ?1";
    if (db.dialect() == Dialect::Postgres) sql += " FOR UPDATE";
    range->reset();
    return db.query(
        sql, {key},
        [range](const SqlRow& row) {
            *range = rangeOf(row);
            return true;
        },
        error);
}

}  // namespace

std::optional<SerialRange> SharedSerials::read(std::string* error) {
    if (error) error->clear();
    std::optional<SerialRange> range;
    const bool ok = db_.query(
        std::string("SELECT ") + kColumns + " FROM serial_ranges WHERE store = ?1", {key_},
        [&range](const SqlRow& row) {
            range = rangeOf(row);
            return true;
        },
        error);
    return ok ? range : std::nullopt;
}

TakeResult SharedSerials::take(long long atLeast, int type, const std::string& batch) {
    TakeResult result;
    auto fail = [&](const std::string& why) {
        db_.exec("ROLLBACK", nullptr);
        result.outcome = TakeOutcome::Failed;
        result.error = why;
        return result;
    };
    std::string why;
    if (!db_.begin(&why)) return fail(why);
    std::optional<SerialRange> range;
    if (!lockedRow(db_, key_, &range, &why)) return fail(why);
    if (!range) {
        db_.exec("ROLLBACK", nullptr);
        result.outcome = TakeOutcome::NoRange;
        return result;
    }
    result.range = *range;
    const long long serial = std::max(atLeast, range->next);
    result.serial = serial;
    if (serial < range->start || serial > range->end) {
        db_.exec("ROLLBACK", nullptr);
        result.outcome = range->next > range->end ? TakeOutcome::UsedUp : TakeOutcome::OutOfRange;
        return result;
    }
    if (!db_.run("UPDATE serial_ranges SET next_serial = ?2, last_taken = ?3, batch = ?4,"
                 " type = ?5 WHERE store = ?1",
                 {key_, std::int64_t(serial + 1), std::int64_t(serial), batch, std::int64_t(type)},
                 &why) ||
        !db_.exec("COMMIT", &why))
        return fail(why);
    result.range.next = serial + 1;
    result.range.lastTaken = serial;
    result.range.batch = batch;
    result.range.type = type;
    result.outcome = TakeOutcome::Taken;
    return result;
}

SetResult SharedSerials::set(const SerialRange& wanted) {
    SetResult result;
    auto fail = [&](const std::string& why) {
        db_.exec("ROLLBACK", nullptr);
        result.outcome = SetOutcome::Failed;
        result.error = why;
        return result;
    };
    std::string why;
    if (!db_.begin(&why)) return fail(why);
    // The first range of a database makes its row; every later one finds it and waits for
    // a bench that is taking a number from it.
    if (!db_.run(std::string("INSERT INTO serial_ranges (store, ") + kColumns +
                     ") VALUES (?1, ?2, ?3, ?4, NULL, ?5, ?6) ON CONFLICT (store) DO NOTHING",
                 {key_, std::int64_t(wanted.start), std::int64_t(wanted.end),
                  std::int64_t(wanted.next), wanted.batch, std::int64_t(wanted.type)},
                 &why))
        return fail(why);
    std::optional<SerialRange> range;
    if (!lockedRow(db_, key_, &range, &why)) return fail(why);
    if (!range) return fail("no row after it was made");
    if (range->lastTaken && wanted.next <= *range->lastTaken) {
        db_.exec("ROLLBACK", nullptr);
        result.outcome = SetOutcome::MovesBack;
        result.lastTaken = *range->lastTaken;
        return result;
    }
    if (!db_.run("UPDATE serial_ranges SET range_start = ?2, range_end = ?3, next_serial = ?4,"
                 " batch = ?5, type = ?6 WHERE store = ?1",
                 {key_, std::int64_t(wanted.start), std::int64_t(wanted.end),
                  std::int64_t(wanted.next), wanted.batch, std::int64_t(wanted.type)},
                 &why) ||
        !db_.exec("COMMIT", &why))
        return fail(why);
    result.outcome = SetOutcome::Set;
    return result;
}

}  // namespace rb::units
