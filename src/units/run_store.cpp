// The test runs of the unit database: one run and its measurements written in one transaction,
// read back with their measurements in the order they were taken.
#include <map>

#include "units/unit_store.h"

namespace rb::units {

namespace {

bool insertMeasurement(Database& db, const std::string& runId, int position, const Measurement& m) {
    Statement s(db,
                "INSERT INTO measurements (run_id, position, step, name, value, text, low, high,"
                " unit, verdict, reason) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    s.bind(1, runId)
        .bind(2, std::int64_t(position))
        .bind(3, m.step)
        .bind(4, m.name)
        .bind(5, m.value)
        .bind(6, m.text)
        .bind(7, m.low)
        .bind(8, m.high)
        .bind(9, m.unit)
        .bind(10, m.verdict)
        .bind(11, m.reason);
    return s.run();
}

bool insertRunRow(Database& db, const TestRun& run) {
    Statement s(db,
                "INSERT INTO runs (run_id, unit, machine_type, station, operator, plan_file,"
                " plan_sha256, start_ms, end_ms, outcome) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    s.bind(1, run.runId)
        .bind(2, run.unit)
        .bind(3, run.machineType)
        .bind(4, run.station)
        .bind(5, run.operatorName)
        .bind(6, run.planFile)
        .bind(7, run.planSha256)
        .bind(8, run.startMs)
        .bind(9, run.endMs)
        .bind(10, run.outcome);
    return s.run();
}

}  // namespace

bool UnitStore::insertRun(const TestRun& run, std::string* error) {
    if (!db_.exec("BEGIN IMMEDIATE", error)) return false;
    bool ok = insertRunRow(db_, run);
    for (std::size_t i = 0; ok && i < run.measurements.size(); ++i)
        ok = insertMeasurement(db_, run.runId, int(i), run.measurements[i]);
    if (ok)
        ok = db_.exec("COMMIT", error);
    else if (error)
        *error = db_.errorText();
    if (!ok) db_.exec("ROLLBACK", nullptr);
    return ok;
}

std::optional<std::vector<TestRun>> UnitStore::runs(const RunFilter& filter, std::string* error) {
    std::vector<TestRun> out;
    if (version_ < 3) return out;
    std::string sql =
        "SELECT run_id, unit, machine_type, station, operator, plan_file, plan_sha256,"
        " start_ms, end_ms, outcome FROM runs WHERE 1";
    if (filter.unit) sql += " AND unit = ?1";
    if (filter.sinceMs) sql += " AND start_ms >= ?2";
    sql += " ORDER BY start_ms, rowid";
    Statement s(db_, sql);
    if (filter.unit) s.bind(1, *filter.unit);
    if (filter.sinceMs) s.bind(2, *filter.sinceMs);
    while (s.step()) {
        TestRun r;
        r.runId = s.text(0);
        r.unit = s.text(1);
        r.machineType = s.text(2);
        r.station = s.text(3);
        r.operatorName = s.text(4);
        r.planFile = s.text(5);
        r.planSha256 = s.text(6);
        r.startMs = s.integer(7);
        r.endMs = s.integer(8);
        r.outcome = s.text(9);
        out.push_back(std::move(r));
    }
    if (!s.done()) {
        if (error) *error = db_.errorText();
        return std::nullopt;
    }
    if (!readMeasurements(out, error)) return std::nullopt;
    return out;
}

bool UnitStore::readMeasurements(std::vector<TestRun>& runs, std::string* error) {
    std::map<std::string, TestRun*> byId;
    for (TestRun& r : runs) byId[r.runId] = &r;
    Statement s(db_,
                "SELECT run_id, step, name, value, text, low, high, unit, verdict, reason"
                " FROM measurements ORDER BY run_id, position");
    while (s.step()) {
        const auto it = byId.find(s.text(0));
        if (it == byId.end()) continue;
        Measurement m;
        m.step = s.text(1);
        m.name = s.text(2);
        m.value = s.optionalReal(3);
        m.text = s.text(4);
        m.low = s.optionalReal(5);
        m.high = s.optionalReal(6);
        m.unit = s.text(7);
        m.verdict = s.text(8);
        m.reason = s.text(9);
        it->second->measurements.push_back(std::move(m));
    }
    if (!s.done() && error) *error = db_.errorText();
    return s.done();
}

}  // namespace rb::units
