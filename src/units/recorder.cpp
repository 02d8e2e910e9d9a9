#include "units/recorder.h"

#include <unistd.h>

#include <chrono>
#include <random>

namespace rb::units {

namespace {

// Records kept in memory while the database is away; beyond this the oldest go.
constexpr std::size_t kMostWaiting = 100000;
// Runs kept in memory likewise (each with its measurements).
constexpr std::size_t kMostWaitingRuns = 10000;

std::string newSessionKey() {
    std::random_device rd;
    return std::to_string(systemClockMs()) + "-" + std::to_string(::getpid()) + "-" +
           std::to_string(rd());
}

}  // namespace

std::int64_t systemClockMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

Recorder::Recorder(std::string path)
    : path_(std::move(path)), clock_(systemClockMs), session_(newSessionKey()) {}

Recorder::~Recorder() = default;

void Recorder::setPath(std::string path) {
    store_.close();
    path_ = std::move(path);
}

void Recorder::fail(const std::string& reason) {
    lastError_ = reason;
    failing_ = true;
    store_.close();  // opened afresh on the next try
    if (!told_) {
        told_ = true;
        if (failed) failed(reason);
    }
}

bool Recorder::ensureOpen() {
    if (store_.isOpen()) return true;
    std::string error;
    if (path_.empty()) error = "no database path";
    // Retries after a failure do not wait for another program's lock.
    else if (store_.openForWriting(path_, &error, failing_ ? 0 : kBusyTimeoutMs))
        return true;
    fail(error);
    return false;
}

bool Recorder::flush() {
    // Retries after a failure do not wait for another program's lock.
    store_.setBusyTimeout(failing_ ? 0 : kBusyTimeoutMs);
    std::string error;
    if (pendingAttach_) {
        if (!store_.attachUnknown(session_, pendingAttach_->first, pendingAttach_->second,
                                  &error)) {
            fail(error);
            return false;
        }
        pendingAttach_.reset();
    }
    std::size_t done = 0;
    for (; done < waiting_.size(); ++done) {
        if (!store_.insert(waiting_[done], session_, &error)) break;
    }
    waiting_.erase(waiting_.begin(), waiting_.begin() + std::ptrdiff_t(done));
    if (!waiting_.empty() || !flushRuns(&error)) {
        fail(error);
        return false;
    }
    failing_ = false;
    store_.setBusyTimeout(kBusyTimeoutMs);
    return true;
}

bool Recorder::flushRuns(std::string* error) {
    while (!waitingRuns_.empty()) {
        if (!store_.insertRun(waitingRuns_.front(), error)) return false;
        waitingRuns_.pop_front();
    }
    return true;
}

void Recorder::beginRun(const std::string& runId) { runId_ = runId; }

bool Recorder::recordRun(const TestRun& run) {
    TestRun r = run;
    if (r.unit.empty()) r.unit = code_;
    if (r.machineType.empty()) r.machineType = type_;
    runId_.clear();
    if (waitingRuns_.size() >= kMostWaitingRuns) waitingRuns_.pop_front();
    waitingRuns_.push_back(std::move(r));
    return ensureOpen() && flush();
}

bool Recorder::record(const std::string& kind, const std::string& valuesJson,
                      const std::string& outcome) {
    UnitRecord r;
    r.timeMs = clock_();
    r.machineCode = code_;
    r.machineType = type_;
    r.kind = kind;
    r.values = valuesJson.empty() ? "{}" : valuesJson;
    r.outcome = outcome;
    r.runId = runId_;
    if (waiting_.size() >= kMostWaiting) waiting_.pop_front();
    waiting_.push_back(std::move(r));
    return ensureOpen() && flush();
}

void Recorder::setUnit(const std::string& code, const std::string& type) {
    if (code.empty()) return;
    const bool wasUnknown = code_ == kUnknownCode;
    code_ = code;
    type_ = type;
    if (!wasUnknown) return;
    // Records still in memory are attached there; those in the file by one UPDATE.
    for (UnitRecord& r : waiting_) {
        if (r.machineCode == kUnknownCode) {
            r.machineCode = code;
            r.machineType = type;
        }
    }
    if (!pendingAttach_) pendingAttach_ = std::make_pair(code, type);
    if (ensureOpen()) flush();
}

}  // namespace rb::units
