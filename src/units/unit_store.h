// UnitStore: the unit-record database. A table of records, each a thing the bench did to one
// terminal and that terminal's answer: when (ms since the epoch), which unit (its machine code,
// "unknown" until the bench wrote or read one), its machine type, a short fixed kind word, the
// values as JSON text, the outcome ("ok", "failed" or the message the page showed) and the test
// run it belongs to ("" outside a run). A table of test runs (one a run of a plan on a unit,
// with its outcome) and a table of their measurements, in the order they were taken.
//
// Opened for writing, the file is put in WAL mode and brought to the current schema version
// (PRAGMA user_version) in one transaction; every record is then its own INSERT, so a program
// killed in the middle of a sweep keeps every record it had written. Opened for reading, nothing
// in the file is changed and an older schema is read as it stands.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "units/sqlite_db.h"
#include "units/test_run.h"

namespace rb::units {

inline constexpr const char* kUnknownCode = "unknown";
inline constexpr int kSchemaVersion = 3;
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

struct RunFilter {
    std::optional<std::string> unit;
    std::optional<std::int64_t> sinceMs;  // runs started at or after this time
};

class UnitStore {
public:
    // Opens for writing: creates the file, WAL mode, migrations. False with the reason.
    // `busyTimeoutMs`: how long to wait for another program's lock.
    bool openForWriting(const std::string& path, std::string* error,
                        int busyTimeoutMs = kBusyTimeoutMs);
    // Opens an existing file without changing it.
    bool openForReading(const std::string& path, std::string* error);
    bool isOpen() const { return db_.isOpen(); }
    void close() { db_.close(); }
    int schemaVersion() const { return version_; }
    void setBusyTimeout(int ms) { db_.setBusyTimeout(ms); }

    // One INSERT (its own transaction). `session` marks the records of one run of the bench.
    bool insert(UnitRecord& record, const std::string& session, std::string* error);
    // The "unknown" records of `session` become records of `code` (one UPDATE).
    bool attachUnknown(const std::string& session, const std::string& code, const std::string& type,
                       std::string* error);

    std::optional<std::vector<UnitRecord>> records(const RecordFilter& filter, std::string* error);

    // One run and its measurements, in one transaction: all of it or nothing.
    bool insertRun(const TestRun& run, std::string* error);
    // The runs with their measurements, oldest first (none in a file older than version 3).
    std::optional<std::vector<TestRun>> runs(const RunFilter& filter, std::string* error);

    Database& database() { return db_; }

private:
    bool migrate(std::string* error);
    bool readMeasurements(std::vector<TestRun>& runs, std::string* error);

    Database db_;
    int version_ = 0;
};

}  // namespace rb::units
