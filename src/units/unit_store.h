// UnitStore: the unit-record database. A table of records, each a thing the bench did to one
// terminal and that terminal's answer: when (ms since the epoch), which unit (its machine code,
// "unknown" until the bench wrote or read one), its machine type, a short fixed kind word, the
// values as JSON text, the outcome ("ok", "failed" or the message the page showed) and the test
// run it belongs to ("" outside a run). A table of test runs (one a run of a plan on a unit,
// with its outcome) and a table of their measurements, in the order they were taken.
//
// The location is a SQLite file (the default) or a PostgreSQL connection URI (a database the
// benches of a line share; see db_location.h). Opened for writing, a file is put in WAL mode
// and brought to the current schema version (PRAGMA user_version) in one transaction; a
// PostgreSQL database likewise, its version in the table schema_version. Every record is then
// its own INSERT, so a program killed in the middle of a sweep keeps every record it had
// written. Opened for reading, nothing is changed and an older schema is read as it stands.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "units/sql_connection.h"
#include "units/test_run.h"

namespace rb::units {

inline constexpr const char* kUnknownCode = "unknown";
inline constexpr int kSchemaVersion = 4;
// How long a write waits for another program's lock: short, the bench must not freeze.
inline constexpr int kBusyTimeoutMs = 200;

struct UnitRecord {
    std::int64_t id = 0;
    std::int64_t timeMs = 0;
    std::string machineCode = kUnknownCode;
    std::string machineType;
    std::string kind;
    std::string values = "{}";  // JSON text
    std::string outcome = "ok";
    std::string runId;  // the test run that made it, "" outside a run
    bool operator==(const UnitRecord&) const = default;
};

struct RecordFilter {
    std::optional<std::string> machineCode;
    std::optional<std::int64_t> sinceMs;  // records at or after this time
    bool newestFirst = false;
};

// One unit over the records a filter gives: in the order each unit was first seen.
struct UnitSummary {
    std::string machineCode;
    std::string machineType;  // the latest type recorded for it
    std::int64_t firstMs = 0;
    std::int64_t lastMs = 0;
    int records = 0;
    int failures = 0;  // records whose outcome is not "ok"
    std::string lastOutcome;
    bool operator==(const UnitSummary&) const = default;
};

struct RunFilter {
    std::optional<std::string> unit;
    std::optional<std::int64_t> sinceMs;  // runs started at or after this time
};

class UnitStore {
public:
    UnitStore();
    ~UnitStore();
    UnitStore(const UnitStore&) = delete;
    UnitStore& operator=(const UnitStore&) = delete;

    // Opens for writing: creates the file (WAL mode) or connects, migrations. False with the
    // reason. `busyTimeoutMs`: how long to wait for another program's lock.
    bool openForWriting(const std::string& location, std::string* error,
                        int busyTimeoutMs = kBusyTimeoutMs);
    // Opens an existing file or database without changing it.
    bool openForReading(const std::string& location, std::string* error);
    bool isOpen() const { return conn_ && conn_->isOpen(); }
    void close() { conn_.reset(); }
    int schemaVersion() const { return version_; }
    void setBusyTimeout(int ms) {
        if (conn_) conn_->setBusyTimeout(ms);
    }
    // Which database it talks to (where their SQL differs). Only while open.
    Dialect dialect() const { return conn_->dialect(); }

    // One INSERT (its own transaction). `session` marks the records of one run of the bench.
    bool insert(UnitRecord& record, const std::string& session, std::string* error);
    // The "unknown" records of `session` become records of `code` (one UPDATE).
    bool attachUnknown(const std::string& session, const std::string& code, const std::string& type,
                       std::string* error);

    std::optional<std::vector<UnitRecord>> records(const RecordFilter& filter, std::string* error);
    // The same records one at a time, in constant memory (a listing of years streams through
    // here); `each` returns false to stop early. False on an error.
    bool eachRecord(const RecordFilter& filter, const std::function<bool(const UnitRecord&)>& each,
                    std::string* error);
    // The SELECT eachRecord runs for `filter` (parameters ?1 code, ?2 start time): only the
    // filters given are in its WHERE clause, so that the database uses their index.
    std::string recordsSql(const RecordFilter& filter) const;
    // One summary a unit of the records `filter` gives, computed by the database (the newest
    // first flag is ignored: units come in the order they were first seen).
    std::optional<std::vector<UnitSummary>> summaries(const RecordFilter& filter,
                                                      std::string* error);

    // One run and its measurements, in one transaction: all of it or nothing.
    bool insertRun(const TestRun& run, std::string* error);
    // The runs with their measurements, oldest first (none in a file older than version 3).
    std::optional<std::vector<TestRun>> runs(const RunFilter& filter, std::string* error);

    // The open connection, for the reports' own queries. Only while open.
    SqlConnection& connection() { return *conn_; }

private:
    bool openSqliteForWriting(const std::string& path, std::string* error, int busyTimeoutMs);
    bool openSqliteForReading(const std::string& path, std::string* error);
    bool openPostgres(const std::string& uri, bool forWriting, std::string* error);
    bool migrateSqlite(std::string* error);
    bool readMeasurements(std::vector<TestRun>& runs, std::string* error);

    std::unique_ptr<SqlConnection> conn_;
    int version_ = 0;
};

}  // namespace rb::units
