#include "units/unit_store.h"

#include <array>

#include "units/db_location.h"
#include "units/pg_db.h"
#include "units/pg_schema.h"
#include "units/sqlite_connection.h"

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
    // 4: the serial-number range the benches share when their records are on a server. A file
    // has the table too, so that both databases keep one layout a version; its bench keeps
    // its serials in its own store and leaves it empty.
    "CREATE TABLE serial_ranges ("
    " store TEXT PRIMARY KEY,"
    " range_start INTEGER NOT NULL,"
    " range_end INTEGER NOT NULL,"
    " next_serial INTEGER NOT NULL,"
    " last_taken INTEGER,"
    " batch TEXT NOT NULL,"
    " type INTEGER NOT NULL);",
};

void setError(std::string* error, const std::string& text) {
    if (error) *error = text;
}

}  // namespace

UnitStore::UnitStore() = default;
UnitStore::~UnitStore() = default;

bool UnitStore::openForWriting(const std::string& location, std::string* error, int busyTimeoutMs) {
    close();
    if (isPostgresUri(location)) {
        if (!openPostgres(location, /*forWriting=*/true, error)) return false;
        conn_->setBusyTimeout(busyTimeoutMs);
        return true;
    }
    return openSqliteForWriting(location, error, busyTimeoutMs);
}

bool UnitStore::openForReading(const std::string& location, std::string* error) {
    close();
    if (isPostgresUri(location)) return openPostgres(location, /*forWriting=*/false, error);
    return openSqliteForReading(location, error);
}

bool UnitStore::openPostgres(const std::string& uri, bool forWriting, std::string* error) {
    auto pg = std::make_unique<PgConnection>();
    if (!pg->connect(uri, error)) return false;
    int version = 0;
    if (forWriting) {
        if (!migratePostgres(*pg, &version, error)) return false;
    } else {
        // Reading changes nothing: the session refuses any write.
        if (!pg->run("SELECT set_config('default_transaction_read_only', 'on', false)", {},
                     error) ||
            !readPostgresVersion(*pg, &version, error))
            return false;
        if (version < 1) {
            setError(error, "no unit records in this database");
            return false;
        }
    }
    version_ = version;
    conn_ = std::move(pg);
    return true;
}

bool UnitStore::openSqliteForWriting(const std::string& path, std::string* error,
                                     int busyTimeoutMs) {
    auto db = std::make_unique<SqliteConnection>();
    if (!db->open(path, Database::Mode::ReadWrite, error)) return false;
    db->setBusyTimeout(busyTimeoutMs);
    // WAL: a reader (the records window, the command line) never blocks the bench's writes.
    // In WAL mode NORMAL still keeps every committed record when the program is killed (the
    // system holds the log); only a power cut can take the last ones. FULL would flush the disk
    // for every record, and a data test records several answers a second.
    if (!db->run("PRAGMA journal_mode=WAL", {}, error) ||
        !db->exec("PRAGMA synchronous=NORMAL", error))
        return false;
    conn_ = std::move(db);
    if (!migrateSqlite(error)) {
        close();
        return false;
    }
    return true;
}

bool UnitStore::migrateSqlite(std::string* error) {
    if (!conn_->begin(error)) return false;
    auto fail = [&](const std::string& why) {
        setError(error, why);
        conn_->exec("ROLLBACK", nullptr);
        return false;
    };
    std::string why;
    const auto version = conn_->integer("PRAGMA user_version", {}, &why);
    if (!version) return fail(why);
    if (*version > kSchemaVersion) {
        // A newer program's file: its layout is not ours to write into.
        return fail("schema version " + std::to_string(*version) + " is newer than " +
                    std::to_string(kSchemaVersion));
    }
    for (std::int64_t v = *version; v < kSchemaVersion; ++v) {
        if (!conn_->exec(kMigrations[std::size_t(v)], &why)) return fail(why);
    }
    // PRAGMA takes no parameters; the number is our own constant.
    if (!conn_->exec("PRAGMA user_version = " + std::to_string(kSchemaVersion), &why) ||
        !conn_->exec("COMMIT", &why))
        return fail(why);
    version_ = kSchemaVersion;
    return true;
}

bool UnitStore::openSqliteForReading(const std::string& path, std::string* error) {
    auto db = std::make_unique<SqliteConnection>();
    if (!db->open(path, Database::Mode::ReadOnly, error)) return false;
    db->setBusyTimeout(kBusyTimeoutMs);
    const auto version = db->integer("PRAGMA user_version", {}, error);
    if (!version) return false;
    if (*version < 1) {
        setError(error, "no unit records in this file");
        return false;
    }
    version_ = int(*version);
    conn_ = std::move(db);
    return true;
}

bool UnitStore::insert(UnitRecord& r, const std::string& session, std::string* error) {
    if (!conn_) return setError(error, "not open"), false;
    std::string sql =
        "INSERT INTO records (time_ms, machine_code, machine_type, kind, values_json,"
        " outcome, session, run_id) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)";
    const SqlParams params = {r.timeMs, r.machineCode, r.machineType, r.kind,
                              r.values, r.outcome,     session,       r.runId};
    if (conn_->dialect() == Dialect::Postgres) {
        const auto id = conn_->integer(sql + " RETURNING id", params, error);
        if (!id) return false;
        r.id = *id;
        return true;
    }
    if (!conn_->run(sql, params, error)) return false;
    const auto id = conn_->integer("SELECT last_insert_rowid()", {}, error);
    r.id = id.value_or(0);
    return id.has_value();
}

bool UnitStore::attachUnknown(const std::string& session, const std::string& code,
                              const std::string& type, std::string* error) {
    if (!conn_) return setError(error, "not open"), false;
    return conn_->run(
        "UPDATE records SET machine_code = ?1, machine_type = ?2"
        " WHERE session = ?3 AND machine_code = ?4",
        {code, type, session, std::string(kUnknownCode)}, error);
}

namespace {

// The WHERE clause of the filters actually given, so that the database picks the index for them
// (records_by_unit for a code, records_by_time for a start time); "?1 IS NULL OR ..." would
// make it scan the whole table. Binds go in the order the clause names them.
std::string whereOf(const RecordFilter& filter) {
    std::string sql;
    if (filter.machineCode) sql += " WHERE machine_code = ?1";
    if (filter.sinceMs) sql += std::string(sql.empty() ? " WHERE" : " AND") + " time_ms >= ?2";
    return sql;
}

SqlParams filterParams(const RecordFilter& filter) {
    SqlParams params(2);
    if (filter.machineCode) params[0] = *filter.machineCode;
    if (filter.sinceMs) params[1] = *filter.sinceMs;
    return params;
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
    if (!conn_) return setError(error, "not open"), false;
    UnitRecord r;
    return conn_->query(
        recordsSql(filter), filterParams(filter),
        [&](const SqlRow& row) {
            r.id = row.integer(0);
            r.timeMs = row.integer(1);
            r.machineCode = row.text(2);
            r.machineType = row.text(3);
            r.kind = row.text(4);
            r.values = row.text(5);
            r.outcome = row.text(6);
            r.runId = row.text(7);
            return each(r);
        },
        error);
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
    if (!conn_) return setError(error, "not open"), std::nullopt;
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
        " COUNT(*) AS n, SUM(CASE WHEN outcome <> 'ok' THEN 1 ELSE 0 END) AS failures FROM "
        "records" +
        where + " GROUP BY machine_code) g ORDER BY g.first_ms, first_id";
    std::vector<UnitSummary> out;
    const bool ok = conn_->query(
        sql, filterParams(filter),
        [&out](const SqlRow& row) {
            UnitSummary u;
            u.machineCode = row.text(0);
            u.firstMs = row.integer(1);
            u.lastMs = row.integer(2);
            u.records = int(row.integer(3));
            u.failures = int(row.integer(4));
            u.machineType = row.text(5);
            u.lastOutcome = row.text(6);
            out.push_back(std::move(u));
            return true;
        },
        error);
    if (!ok) return std::nullopt;
    return out;
}

}  // namespace rb::units
