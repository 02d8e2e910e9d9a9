// The test runs of the unit database: one run and its measurements written in one transaction,
// read back with their measurements in the order they were taken.
#include <map>

#include "units/unit_store.h"

namespace rb::units {

namespace {

bool insertMeasurement(SqlConnection& db, const std::string& runId, int position,
                       const Measurement& m, std::string* error) {
    return db.run(
        "INSERT INTO measurements (run_id, position, step, name, value, text, low, high,"
        " unit, verdict, reason) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11)",
        {runId, std::int64_t(position), m.step, m.name, sqlReal(m.value), m.text, sqlReal(m.low),
         sqlReal(m.high), m.unit, m.verdict, m.reason},
        error);
}

bool insertRunRow(SqlConnection& db, const TestRun& run, std::string* error) {
    return db.run(
        "INSERT INTO runs (run_id, unit, machine_type, station, operator, plan_file,"
        " plan_sha256, start_ms, end_ms, outcome)"
        " VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10)",
        {run.runId, run.unit, run.machineType, run.station, run.operatorName, run.planFile,
         run.planSha256, run.startMs, run.endMs, run.outcome},
        error);
}

}  // namespace

bool UnitStore::insertRun(const TestRun& run, std::string* error) {
    if (!conn_) {
        if (error) *error = "not open";
        return false;
    }
    if (!conn_->begin(error)) return false;
    bool ok = insertRunRow(*conn_, run, error);
    for (std::size_t i = 0; ok && i < run.measurements.size(); ++i)
        ok = insertMeasurement(*conn_, run.runId, int(i), run.measurements[i], error);
    if (ok) ok = conn_->exec("COMMIT", error);
    if (!ok) conn_->exec("ROLLBACK", nullptr);
    return ok;
}

std::optional<std::vector<TestRun>> UnitStore::runs(const RunFilter& filter, std::string* error) {
    std::vector<TestRun> out;
    if (version_ < 3) return out;
    if (!conn_) {
        if (error) *error = "not open";
        return std::nullopt;
    }
    // rowid: the order the runs were written in (a column of that name in PostgreSQL).
    std::string sql =
        "SELECT run_id, unit, machine_type, station, operator, plan_file, plan_sha256,"
        " start_ms, end_ms, outcome FROM runs WHERE 1 = 1";
    if (filter.unit) sql += " AND unit = ?1";
    if (filter.sinceMs) sql += " AND start_ms >= ?2";
    sql += " ORDER BY start_ms, rowid";
    SqlParams params(2);
    if (filter.unit) params[0] = *filter.unit;
    if (filter.sinceMs) params[1] = *filter.sinceMs;
    const bool ok = conn_->query(
        sql, params,
        [&out](const SqlRow& row) {
            TestRun r;
            r.runId = row.text(0);
            r.unit = row.text(1);
            r.machineType = row.text(2);
            r.station = row.text(3);
            r.operatorName = row.text(4);
            r.planFile = row.text(5);
            r.planSha256 = row.text(6);
            r.startMs = row.integer(7);
            r.endMs = row.integer(8);
            r.outcome = row.text(9);
            out.push_back(std::move(r));
            return true;
        },
        error);
    if (!ok || !readMeasurements(out, error)) return std::nullopt;
    return out;
}

bool UnitStore::readMeasurements(std::vector<TestRun>& runs, std::string* error) {
    std::map<std::string, TestRun*> byId;
    for (TestRun& r : runs) byId[r.runId] = &r;
    return conn_->query(
        "SELECT run_id, step, name, value, text, low, high, unit, verdict, reason"
        " FROM measurements ORDER BY run_id, position",
        {},
        [&byId](const SqlRow& row) {
            const auto it = byId.find(row.text(0));
            if (it == byId.end()) return true;
            Measurement m;
            m.step = row.text(1);
            m.name = row.text(2);
            m.value = row.optionalReal(3);
            m.text = row.text(4);
            m.low = row.optionalReal(5);
            m.high = row.optionalReal(6);
            m.unit = row.text(7);
            m.verdict = row.text(8);
            m.reason = row.text(9);
            it->second->measurements.push_back(std::move(m));
            return true;
        },
        error);
}

}  // namespace rb::units
