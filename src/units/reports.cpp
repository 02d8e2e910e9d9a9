#include "units/reports.h"

#include <cmath>

namespace rb::units {

namespace {

SqlValue sinceOf(std::optional<std::int64_t> sinceMs) {
    return sinceMs ? SqlValue(*sinceMs) : SqlValue(std::monostate{});
}

// The bench's local day: PostgreSQL's session has the bench's time zone (see pg_db.cpp).
const char* groupKey(YieldGroup by, Dialect dialect) {
    switch (by) {
        case YieldGroup::Day:
            return dialect == Dialect::Postgres
                       ? "to_char(to_timestamp(start_ms / 1000), 'YYYY-MM-DD')"
                       : "date(start_ms / 1000, 'unixepoch', 'localtime')";
        case YieldGroup::Plan:
            return "plan_file";
        case YieldGroup::Station:
            return "station";
        case YieldGroup::All:
            break;
    }
    return "'all'";
}

// Each unit's first and last run in its group, numbered by start time.
std::optional<std::vector<YieldRow>> yieldGroups(UnitStore& store, YieldGroup by,
                                                 std::optional<std::int64_t> sinceMs,
                                                 std::string* error) {
    const std::string key = groupKey(by, store.dialect());
    const std::string sql = "WITH r AS (SELECT " + key +
                            " AS grp, unit, outcome,"
                            " row_number() OVER (PARTITION BY " +
                            key +
                            ", unit ORDER BY start_ms, rowid) AS nth,"
                            " row_number() OVER (PARTITION BY " +
                            key +
                            ", unit ORDER BY start_ms DESC,"
                            " rowid DESC) AS nth_last FROM runs" +
                            (sinceMs ? " WHERE start_ms >= ?1" : "") +
                            ") SELECT grp, count(DISTINCT unit), count(*),"
                            " sum(CASE WHEN nth = 1 AND outcome = 'PASS' THEN 1 ELSE 0 END),"
                            " sum(CASE WHEN nth_last = 1 AND outcome = 'PASS' THEN 1 ELSE 0 END)"
                            " FROM r GROUP BY grp ORDER BY grp";
    std::vector<YieldRow> rows;
    const bool ok = store.connection().query(
        sql, {sinceOf(sinceMs)},
        [&rows](const SqlRow& s) {
            rows.push_back({s.text(0), int(s.integer(1)), int(s.integer(2)), int(s.integer(3)),
                            int(s.integer(4))});
            return true;
        },
        error);
    if (!ok) return std::nullopt;
    return rows;
}

// Failed measurements grouped by step (runs that failed in it) or by step and name.
std::optional<std::vector<FailureRow>> failures(UnitStore& store, bool byName,
                                                std::optional<std::int64_t> sinceMs,
                                                std::string* error) {
    const std::string name = byName ? "m.name" : "''";
    const std::string sql =
        "SELECT m.step, " + name +
        ", count(DISTINCT m.run_id), count(DISTINCT r.unit)"
        " FROM measurements m JOIN runs r ON r.run_id = m.run_id WHERE m.verdict = 'fail'" +
        (sinceMs ? " AND r.start_ms >= ?1" : "") + " GROUP BY m.step" + (byName ? ", m.name" : "") +
        " ORDER BY 3 DESC, 4 DESC, 1, 2";
    std::vector<FailureRow> rows;
    const bool ok = store.connection().query(
        sql, {sinceOf(sinceMs)},
        [&rows](const SqlRow& s) {
            rows.push_back({s.text(0), s.text(1), int(s.integer(2)), int(s.integer(3))});
            return true;
        },
        error);
    if (!ok) return std::nullopt;
    return rows;
}

}  // namespace

std::optional<YieldReport> yieldReport(UnitStore& store, YieldGroup by,
                                       std::optional<std::int64_t> sinceMs, std::string* error) {
    YieldReport report;
    if (store.schemaVersion() < 3) return report;  // a file from before test runs
    auto groups = yieldGroups(store, by, sinceMs, error);
    auto steps = groups ? failures(store, false, sinceMs, error) : std::nullopt;
    auto names = steps ? failures(store, true, sinceMs, error) : std::nullopt;
    if (!names) return std::nullopt;
    report.groups = std::move(*groups);
    report.steps = std::move(*steps);
    report.measurements = std::move(*names);
    return report;
}

std::optional<double> cpkOf(int n, double mean, double sd, std::optional<double> low,
                            std::optional<double> high, std::string* why) {
    std::string reason;
    if (n == 0)
        reason = "no values";
    else if (!low && !high)
        reason = "no limits";
    else if (n < 2)
        reason = "fewer than 2 values";
    else if (!(sd > 0))
        reason = "standard deviation is 0";
    if (why) *why = reason;
    if (!reason.empty()) return std::nullopt;
    const double upper = high ? (*high - mean) / (3 * sd) : HUGE_VAL;
    const double lower = low ? (mean - *low) / (3 * sd) : HUGE_VAL;
    return std::min(upper, lower);
}

std::optional<MeasurementStats> measurementStats(UnitStore& store, const std::string& name,
                                                 std::optional<std::int64_t> sinceMs,
                                                 std::string* error) {
    MeasurementStats st;
    st.name = name;
    if (store.schemaVersion() < 3) {
        cpkOf(0, 0, 0, st.low, st.high, &st.noCpk);
        return st;
    }
    const std::string from =
        " FROM measurements m JOIN runs r ON r.run_id = m.run_id WHERE m.name = ?1"
        " AND m.value IS NOT NULL" +
        std::string(sinceMs ? " AND r.start_ms >= ?2" : "");
    SqlConnection& db = store.connection();
    const SqlParams params = {name, sinceOf(sinceMs)};
    const bool counted = db.query(
        "SELECT count(m.value), avg(m.value), min(m.value), max(m.value)" + from, params,
        [&st](const SqlRow& s) {
            st.n = int(s.integer(0));
            st.mean = s.real(1), st.min = s.real(2), st.max = s.real(3);
            return true;  // one row
        },
        error);
    if (!counted) return std::nullopt;
    // The deviations from the mean in a second pass: no loss of digits on large values.
    const bool spread = db.query(
        "SELECT sum((m.value - ?3) * (m.value - ?3))" + from, {name, sinceOf(sinceMs), st.mean},
        [&st](const SqlRow& s) {
            st.sd = st.n > 1 ? std::sqrt(s.real(0) / (st.n - 1)) : 0.0;
            return true;  // one row
        },
        error);
    if (!spread) return std::nullopt;
    const bool limits = db.query(
        "SELECT m.low, m.high, m.unit" + from + " ORDER BY r.start_ms DESC, r.rowid DESC LIMIT 1",
        params,
        [&](const SqlRow& s) {
            st.low = s.optionalReal(0), st.high = s.optionalReal(1), st.unit = s.text(2);
            return true;  // one row
        },
        error);
    if (!limits) return std::nullopt;
    st.cpk = cpkOf(st.n, st.mean, st.sd, st.low, st.high, &st.noCpk);
    return st;
}

std::optional<std::vector<std::string>> measurementNames(UnitStore& store, std::string* error) {
    std::vector<std::string> names;
    if (store.schemaVersion() < 3) return names;
    const bool ok = store.connection().query(
        "SELECT DISTINCT name FROM measurements WHERE value IS NOT NULL ORDER BY name", {},
        [&names](const SqlRow& s) {
            names.push_back(s.text(0));
            return true;
        },
        error);
    if (!ok) return std::nullopt;
    return names;
}

std::optional<std::vector<MeasurementPoint>> measurementSeries(UnitStore& store,
                                                               const std::string& name,
                                                               std::string* error) {
    std::vector<MeasurementPoint> points;
    if (store.schemaVersion() < 3) return points;
    const bool ok = store.connection().query(
        "SELECT r.start_ms, r.unit, m.value FROM measurements m"
        " JOIN runs r ON r.run_id = m.run_id WHERE m.name = ?1 AND m.value IS NOT NULL"
        " ORDER BY r.start_ms, r.rowid, m.position",
        {name},
        [&points](const SqlRow& s) {
            points.push_back({s.integer(0), s.text(1), s.real(2)});
            return true;
        },
        error);
    if (!ok) return std::nullopt;
    return points;
}

}  // namespace rb::units
