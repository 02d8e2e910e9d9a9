#include "units/pg_schema.h"

#include <array>

#include "units/unit_store.h"

namespace rb::units {

namespace {

// Step k brings a database of version k to version k + 1, as the SQLite file's steps do.
// Never edit a step that has shipped: add one. Texts compare and sort byte by byte (COLLATE
// "C") as in SQLite, whatever the database's locale. The runs' insertion order is a column
// named rowid, the name SQLite gives its own, so that the reports read the same in both.
constexpr std::array<const char*, kSchemaVersion> kMigrations = {
    // 1: the records.
    "CREATE TABLE records ("
    " id BIGSERIAL PRIMARY KEY,"
    " time_ms BIGINT NOT NULL,"
    " machine_code TEXT COLLATE \"C\" NOT NULL,"
    " kind TEXT COLLATE \"C\" NOT NULL,"
    " values_json TEXT NOT NULL,"
    " outcome TEXT COLLATE \"C\" NOT NULL);",
    // 2: the machine type and the bench run of each record, a look-up by unit.
    "ALTER TABLE records ADD COLUMN machine_type TEXT COLLATE \"C\" NOT NULL DEFAULT '';"
    "ALTER TABLE records ADD COLUMN session TEXT COLLATE \"C\" NOT NULL DEFAULT '';"
    "CREATE INDEX records_by_unit ON records(machine_code, time_ms);",
    // 3: test runs of a plan, their measurements, the run of each record, a look-up by time.
    "CREATE TABLE runs ("
    " rowid BIGSERIAL UNIQUE,"
    " run_id TEXT COLLATE \"C\" PRIMARY KEY,"
    " unit TEXT COLLATE \"C\" NOT NULL,"
    " machine_type TEXT COLLATE \"C\" NOT NULL,"
    " station TEXT COLLATE \"C\" NOT NULL,"
    " operator TEXT COLLATE \"C\" NOT NULL,"
    " plan_file TEXT COLLATE \"C\" NOT NULL,"
    " plan_sha256 TEXT NOT NULL,"
    " start_ms BIGINT NOT NULL,"
    " end_ms BIGINT NOT NULL,"
    " outcome TEXT COLLATE \"C\" NOT NULL);"
    "CREATE INDEX runs_by_unit ON runs(unit, start_ms);"
    "CREATE INDEX runs_by_time ON runs(start_ms);"
    "CREATE TABLE measurements ("
    " run_id TEXT COLLATE \"C\" NOT NULL REFERENCES runs(run_id),"
    " position INTEGER NOT NULL,"
    " step TEXT COLLATE \"C\" NOT NULL,"
    " name TEXT COLLATE \"C\" NOT NULL,"
    " value DOUBLE PRECISION,"
    " text TEXT NOT NULL,"
    " low DOUBLE PRECISION,"
    " high DOUBLE PRECISION,"
    " unit TEXT NOT NULL,"
    " verdict TEXT COLLATE \"C\" NOT NULL,"
    " reason TEXT NOT NULL,"
    " PRIMARY KEY (run_id, position));"
    "CREATE INDEX measurements_by_name ON measurements(name);"
    "ALTER TABLE records ADD COLUMN run_id TEXT COLLATE \"C\" NOT NULL DEFAULT '';"
    "CREATE INDEX records_by_time ON records(time_ms);",
    // 4: the serial-number range the benches share: one row a store, locked while a bench
    // takes its next number.
    "CREATE TABLE serial_ranges ("
    " store TEXT COLLATE \"C\" PRIMARY KEY,"
    " range_start BIGINT NOT NULL,"
    " range_end BIGINT NOT NULL,"
    " next_serial BIGINT NOT NULL,"
    " last_taken BIGINT,"
    " batch TEXT NOT NULL,"
    " type INTEGER NOT NULL);",
};

// Any number of this program's own: the transaction-scoped lock the migration holds.
constexpr std::int64_t kMigrationLock = 0x52420001;

constexpr const char* kHasVersionTable =
    "SELECT count(*) FROM pg_catalog.pg_tables"
    " WHERE tablename = 'schema_version' AND schemaname = current_schema()";

}  // namespace

bool readPostgresVersion(SqlConnection& db, int* version, std::string* error) {
    const auto tables = db.integer(kHasVersionTable, {}, error);
    if (!tables) return false;
    *version = 0;
    if (*tables == 0) return true;
    const auto v = db.integer("SELECT coalesce(max(version), 0) FROM schema_version", {}, error);
    if (!v) return false;
    *version = int(*v);
    return true;
}

bool migratePostgres(SqlConnection& db, int* version, std::string* error) {
    if (!db.begin(error)) return false;
    auto fail = [&](const std::string& why) {
        if (error) *error = why;
        db.exec("ROLLBACK", nullptr);
        return false;
    };
    std::string why;
    // Two benches starting at once: the second waits here, then finds the tables made.
    if (!db.run("SELECT pg_advisory_xact_lock(?1)", {kMigrationLock}, &why) ||
        !db.exec("CREATE TABLE IF NOT EXISTS schema_version (version INTEGER NOT NULL)", &why))
        return fail(why);
    int current = 0;
    if (!readPostgresVersion(db, &current, &why)) return fail(why);
    if (current > kSchemaVersion) {
        // A newer program's tables: their layout is not ours to write into.
        return fail("schema version " + std::to_string(current) + " is newer than " +
                    std::to_string(kSchemaVersion));
    }
    for (int v = current; v < kSchemaVersion; ++v) {
        if (!db.exec(kMigrations[std::size_t(v)], &why)) return fail(why);
    }
    if (current != kSchemaVersion && (!db.exec("DELETE FROM schema_version", &why) ||
                                      !db.run("INSERT INTO schema_version (version) VALUES (?1)",
                                              {std::int64_t(kSchemaVersion)}, &why)))
        return fail(why);
    if (!db.exec("COMMIT", &why)) return fail(why);
    *version = kSchemaVersion;
    return true;
}

}  // namespace rb::units
