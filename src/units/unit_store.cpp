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

std::optional<std::vector<UnitRecord>> UnitStore::records(const RecordFilter& filter,
                                                          std::string* error) {
    // Version 1 files have no machine type, files before version 3 no runs.
    std::string sql = std::string("SELECT id, time_ms, machine_code, ") +
                      (version_ >= 2 ? "machine_type" : "''") + ", kind, values_json, outcome, " +
                      (version_ >= 3 ? "run_id" : "''") + " FROM records";
    sql += " WHERE (?1 IS NULL OR machine_code = ?1) AND (?2 IS NULL OR time_ms >= ?2)";
    sql += filter.newestFirst ? " ORDER BY time_ms DESC, id DESC" : " ORDER BY time_ms, id";
    Statement s(db_, sql);
    if (!s.ok()) {
        setError(error, db_.errorText());
        return std::nullopt;
    }
    if (filter.machineCode) s.bind(1, *filter.machineCode);
    if (filter.sinceMs) s.bind(2, *filter.sinceMs);
    std::vector<UnitRecord> out;
    while (s.step()) {
        UnitRecord r;
        r.id = s.integer(0);
        r.timeMs = s.integer(1);
        r.machineCode = s.text(2);
        r.machineType = s.text(3);
        r.kind = s.text(4);
        r.values = s.text(5);
        r.outcome = s.text(6);
        r.runId = s.text(7);
        out.push_back(std::move(r));
    }
    if (!s.done()) {
        setError(error, db_.errorText());
        return std::nullopt;
    }
    return out;
}

}  // namespace rb::units
