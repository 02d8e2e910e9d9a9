// Recorder: what the bench pages call once a terminal has answered (a record means "done"),
// or when a step failed. It keeps the unit being worked on: records go under the machine code
// the bench last wrote or read back, "unknown" before that; when a code becomes known, the
// "unknown" records of this run are attached to it.
//
// A test run (a plan on one unit) is begun with its id: the records made until it is recorded
// carry that id. Recording the run stores it with its measurements and ends it.
//
// The database is opened on the first record, not before. When it cannot be opened or written
// (another program holds its lock, a read-only folder, a full disk) `failed` is called once
// with the reason, the records are kept in memory and written when the database takes them
// again (tried on each later record or run, without waiting for a lock); runs wait the same way.
// The bench itself never stops for the database.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "units/unit_store.h"

namespace rb::units {

using Clock = std::function<std::int64_t()>;  // ms since the epoch

// Milliseconds since the epoch from the system clock.
std::int64_t systemClockMs();

class Recorder {
public:
    explicit Recorder(std::string path = {});
    ~Recorder();
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;

    // Where the database is (closes a database opened elsewhere).
    void setPath(std::string path);
    const std::string& path() const { return path_; }
    void setClock(Clock clock) { clock_ = std::move(clock); }

    // The unit the bench now works on: its machine code and type. Records made while the code
    // was unknown are attached to it. An empty code changes nothing.
    void setUnit(const std::string& code, const std::string& type);
    const std::string& unitCode() const { return code_; }
    const std::string& unitType() const { return type_; }

    // One record under the current unit. False when it could not be written (yet).
    bool record(const std::string& kind, const std::string& valuesJson,
                const std::string& outcome = "ok");

    // Records from now on carry `runId` (until the run is recorded).
    void beginRun(const std::string& runId);
    const std::string& runId() const { return runId_; }
    // Stores the run and its measurements and ends it; an empty unit or type is taken from the
    // current unit. False when it could not be written (yet): it waits in memory then.
    bool recordRun(const TestRun& run);

    // Called once, the first time the database cannot be opened or written.
    std::function<void(const std::string& reason)> failed;
    const std::string& lastError() const { return lastError_; }
    // Records waiting in memory for the database.
    std::size_t waiting() const { return waiting_.size(); }
    // Runs waiting in memory for the database.
    std::size_t waitingRuns() const { return waitingRuns_.size(); }
    const std::string& session() const { return session_; }

private:
    bool ensureOpen();
    bool flush();
    bool flushRuns(std::string* error);
    void fail(const std::string& reason);

    std::string path_;
    Clock clock_;
    std::string session_;
    std::string code_ = kUnknownCode;
    std::string type_;
    UnitStore store_;
    std::string runId_;
    std::deque<UnitRecord> waiting_;   // dropped from the front when full
    std::deque<TestRun> waitingRuns_;  // likewise
    // A code became known while the database could not take the attachment.
    std::optional<std::pair<std::string, std::string>> pendingAttach_;
    std::string lastError_;
    bool told_ = false;     // `failed` was called
    bool failing_ = false;  // the last try failed
};

}  // namespace rb::units
