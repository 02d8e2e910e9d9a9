#include "units/unit_store.h"

#include <array>

namespace rb::units {

namespace {

// Step k brings a file of version k to version k + 1. Never edit a step that has shipped: add
// one.
constexpr std::array<const char*, kSchemaVersion> kMigrations = {
    // 1: the records.
    "CREATE TABLE records ("
    " id INTEGER PRIMARY KEY AUTOINCREMENT,"
    " time_ms INTEGER NOT NULL,"
    " machine_code TEXT NOT NULL,"
    " kind TEXT NOT NULL,"
    " values_json TEXT NOT NULL,"
    " outcome TEXT NOT NULL);",
    // 2: the machine type of each record, the run that made it (to attach its "unknown"
    // records once the code is known), and a look-up by unit.
    "ALTER TABLE records ADD COLUMN machine_type TEXT NOT NULL DEFAULT '';"
    "ALTER TABLE records ADD COLUMN session TEXT NOT NULL DEFAULT '';"
    "CREATE INDEX records_by_unit ON records(machine_code, time_ms);",
    // 3: test runs of a plan, their measurements, the run of each record, a look-up by time.
    "CREATE TABLE runs ("
    " run_id TEXT PRIMARY KEY,"
    " unit TEXT NOT NULL,"
    " machine_type TEXT NOT NULL,"
    " station TEXT NOT NULL,"
    " operator TEXT NOT NULL,"
    " plan_file TEXT NOT NULL,"
    " plan_sha256 TEXT NOT NULL,"
    " start_ms INTEGER NOT NULL,"
    " end_ms INTEGER NOT NULL,"
    " outcome TEXT NOT NULL);"
    "CREATE INDEX runs_by_unit ON runs(unit, start_ms);"
    "CREATE INDEX runs_by_time ON runs(start_ms);"
    "CREATE TABLE measurements ("
    " run_id TEXT NOT NULL REFERENCES runs(run_id),"
    " position INTEGER NOT NULL,"
    " step TEXT NOT NULL,"
    " name TEXT NOT NULL,"
    " value REAL,"
    " text TEXT NOT NULL,"
    " low REAL,"
    " high REAL,"
    " unit TEXT NOT NULL,"
    " verdict TEXT NOT NULL,"
    " reason TEXT NOT NULL,"
    " PRIMARY KEY (run_id, position));"
    "CREATE INDEX measurements_by_name ON measurements(name);"
    "ALTER TABLE records ADD COLUMN run_id TEXT NOT NULL DEFAULT '';"
    "CREATE INDEX records_by_time ON records(time_ms);",
};

void setError(std::string* error, const std::string& text) {
    if (error) *error = text;
}

}  // namespace

bool UnitStore::openForWriting(const std::string& path, std::string* error, int busyTimeoutMs) {
    if (!db_.open(path, Database::Mode::ReadWrite, error)) return false;
    db_.setBusyTimeout(busyTimeoutMs);
    // WAL: a reader (the records window, the command line) never blocks the bench's writes.
    bool walOk = false;
    {
        Statement wal(db_, "PRAGMA journal_mode=WAL");
        walOk = wal.step();
    }  // finished before the migration's transaction
    if (!walOk) {
        setError(error, db_.errorText());
        db_.close();
        return false;
    }
    // In WAL mode NORMAL still keeps every committed record when the program is killed (the
    // system holds the log); only a power cut can take the last ones. FULL would flush the disk
    // for every record, and a data test records several answers a second.
    if (!db_.exec("PRAGMA synchronous=NORMAL", error)) {
        db_.close();
        return false;
    }
    if (!migrate(error)) {
        db_.close();
        return false;
    }
    return true;
}

bool UnitStore::migrate(std::string* error) {
    if (!db_.exec("BEGIN IMMEDIATE", error)) return false;
    auto fail = [&](const std::string& why) {
        setError(error, why);
        db_.exec("ROLLBACK", nullptr);
        return false;
    };
    const auto version = db_.userVersion(error);
    if (!version) return fail(error ? *error : db_.errorText());
    if (*version > kSchemaVersion) {
        // A newer program's file: its layout is not ours to write into.
        return fail("schema version " + std::to_string(*version) + " is newer than " +
                    std::to_string(kSchemaVersion));
    }
    for (std::int64_t v = *version; v < kSchemaVersion; ++v) {
        std::string why;
        if (!db_.exec(kMigrations[std::size_t(v)], &why)) return fail(why);
    }
    // PRAGMA takes no parameters; the number is our own constant.
    if (!db_.exec("PRAGMA user_version = " + std::to_string(kSchemaVersion), error))
        return fail(error ? *error : db_.errorText());
    if (!db_.exec("COMMIT", error)) return fail(error ? *error : db_.errorText());
    version_ = kSchemaVersion;
    return true;
}

bool UnitStore::openForReading(const std::string& path, std::string* error) {
    if (!db_.open(path, Database::Mode::ReadOnly, error)) return false;
    db_.setBusyTimeout(kBusyTimeoutMs);
    const auto version = db_.userVersion(error);
    if (!version) {
        db_.close();
        return false;
    }
    if (*version < 1) {
        setError(error, "no unit records in this file");
        db_.close();
        return false;
    }
    version_ = int(*version);
    return true;
}

bool UnitStore::insert(UnitRecord& r, const std::string& session, std::string* error) {
    Statement s(db_,
                "INSERT INTO records (time_ms, machine_code, machine_type, kind, values_json,"
                " outcome, session, run_id) VALUES (?, ?, ?, ?, ?, ?, ?, ?)");
    s.bind(1, r.timeMs)
        .bind(2, r.machineCode)
        .bind(3, r.machineType)
        .bind(4, r.kind)
        .bind(5, r.values)
        .bind(6, r.outcome)
        .bind(7, session)
        .bind(8, r.runId);
    if (!s.run()) {
        setError(error, db_.errorText());
        return false;
    }
    r.id = db_.lastInsertId();
    return true;
}

bool UnitStore::attachUnknown(const std::string& session, const std::string& code,
                              const std::string& type, std::string* error) {
    Statement s(db_,
                "UPDATE records SET machine_code = ?, machine_type = ?"
                " WHERE session = ? AND machine_code = ?");
    s.bind(1, code).bind(2, type).bind(3, session).bind(4, std::string_view(kUnknownCode));
    if (!s.run()) {
        setError(error, db_.errorText());
        return false;
    }
    return true;
}

namespace {

// The WHERE clause of the filters actually given, so that SQLite picks the index for them
// (records_by_unit for a code, records_by_time for a start time); "?1 IS NULL OR ..." would
// make it scan the whole table. Binds go in the order the clause names them.
std::string whereOf(const RecordFilter& filter) {
    std::string sql;
    if (filter.machineCode) sql += " WHERE machine_code = ?1";
    if (filter.sinceMs) sql += std::string(sql.empty() ? " WHERE" : " AND") + " time_ms >= ?2";
    return sql;
}

void bindFilter(Statement& s, const RecordFilter& filter) {
    if (filter.machineCode) s.bind(1, *filter.machineCode);
    if (filter.sinceMs) s.bind(2, *filter.sinceMs);
}

}  // namespace

std::string UnitStore::recordsSql(const RecordFilter& filter) const {
    // Version 1 files have no machine type, files before version 3 no runs.
    std::string sql = std::string("SELECT id, time_ms, machine_code, ") +
                      (version_ >= 2 ? "machine_type" : "''") + ", kind, values_json, outcome, " +
                      (version_ >= 3 ? "run_id" : "''") + " FROM records" + whereOf(filter);
    sql += filter.newestFirst ? " ORDER BY time_ms DESC, id DESC" : " ORDER BY time_ms, id";
    return sql;
}

bool UnitStore::eachRecord(const RecordFilter& filter,
                           const std::function<bool(const UnitRecord&)>& each, std::string* error) {
    Statement s(db_, recordsSql(filter));
    if (!s.ok()) {
        setError(error, db_.errorText());
        return false;
    }
    bindFilter(s, filter);
    UnitRecord r;
    while (s.step()) {
        r.id = s.integer(0);
        r.timeMs = s.integer(1);
        r.machineCode = s.text(2);
        r.machineType = s.text(3);
        r.kind = s.text(4);
        r.values = s.text(5);
        r.outcome = s.text(6);
        r.runId = s.text(7);
        if (!each(r)) return true;
    }
    if (!s.done()) {
        setError(error, db_.errorText());
        return false;
    }
    return true;
}

std::optional<std::vector<UnitRecord>> UnitStore::records(const RecordFilter& filter,
                                                          std::string* error) {
    std::vector<UnitRecord> out;
    if (!eachRecord(
            filter,
            [&out](const UnitRecord& r) {
                out.push_back(r);
                return true;
            },
            error))
        return std::nullopt;
    return out;
}

std::optional<std::vector<UnitSummary>> UnitStore::summaries(const RecordFilter& filter,
                                                             std::string* error) {
    // Grouped by the database over the unit index; the latest type, the last outcome and the
    // first record of each unit are looked up per unit through the same index, so nothing but
    // one row a unit reaches this program. "First seen" orders by the first record's time and
    // id, as a walk through the records in time order meets them.
    const std::string where = whereOf(filter);
    const std::string same = std::string(" WHERE r.machine_code = g.machine_code") +
                             (filter.sinceMs ? " AND r.time_ms >= ?2" : "");
    const std::string type = version_ >= 2 ? "r.machine_type" : "''";
    const std::string sql =
        "SELECT g.machine_code, g.first_ms, g.last_ms, g.n, g.failures,"
        " (SELECT " +
        type + " FROM records r" + same + (version_ >= 2 ? " AND r.machine_type <> ''" : "") +
        " ORDER BY r.time_ms DESC, r.id DESC LIMIT 1),"
        " (SELECT r.outcome FROM records r" +
        same +
        " ORDER BY r.time_ms DESC, r.id DESC LIMIT 1),"
        " (SELECT r.id FROM records r" +
        same +
        " ORDER BY r.time_ms, r.id LIMIT 1) AS first_id"
        " FROM (SELECT machine_code, MIN(time_ms) AS first_ms, MAX(time_ms) AS last_ms,"
        " COUNT(*) AS n, SUM(outcome <> 'ok') AS failures FROM records" +
        where + " GROUP BY machine_code) g ORDER BY g.first_ms, first_id";
    Statement s(db_, sql);
    if (!s.ok()) {
        setError(error, db_.errorText());
        return std::nullopt;
    }
    bindFilter(s, filter);
    std::vector<UnitSummary> out;
    while (s.step()) {
        UnitSummary u;
        u.machineCode = s.text(0);
        u.firstMs = s.integer(1);
        u.lastMs = s.integer(2);
        u.records = int(s.integer(3));
        u.failures = int(s.integer(4));
        u.machineType = s.text(5);
        u.lastOutcome = s.text(6);
        out.push_back(std::move(u));
    }
    if (!s.done()) {
        setError(error, db_.errorText());
        return std::nullopt;
    }
    return out;
}

}  // namespace rb::units
