// Test runs in the store and the recorder: a file of the previous version keeps every record
// through the migration, runs come back with their measurements as written (missing values and
// limits stay missing), a run is written whole or not at all, records made during a run carry
// its id (on both backends), and runs wait in memory while the database is locked.
#include <sqlite3.h>

#include <cctype>

#include "store_backends.h"
#include "units/recorder.h"
#include "units/unit_store.h"
#include "units_fixture.h"

namespace rb::testing {
namespace {

using units::Measurement;
using units::TestRun;
using units::UnitStore;

void sql(const std::string& path, const std::string& text) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    char* message = nullptr;
    EXPECT_EQ(sqlite3_exec(db, text.c_str(), nullptr, nullptr, &message), SQLITE_OK)
        << (message ? message : "");
    sqlite3_free(message);
    sqlite3_close(db);
}

int count(const std::string& path, const std::string& query) {
    sqlite3* db = nullptr;
    EXPECT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(db, query.c_str(), -1, &s, nullptr);
    const int n = sqlite3_step(s) == SQLITE_ROW ? sqlite3_column_int(s, 0) : -1;
    sqlite3_finalize(s);
    sqlite3_close(db);
    return n;
}

Measurement numeric(std::string name, std::optional<double> value, std::optional<double> low,
                    std::optional<double> high, std::string verdict = "pass") {
    Measurement m;
    m.step = "监测";
    m.name = std::move(name);
    m.value = value;
    m.text = value ? std::to_string(*value) : "";
    m.low = low;
    m.high = high;
    m.unit = "V";
    m.verdict = std::move(verdict);
    m.reason = m.verdict == "fail" && !value ? "no value" : "";
    return m;
}

TestRun sampleRun(std::string id, std::string unit, std::int64_t start) {
    TestRun r;
    r.runId = std::move(id);
    r.unit = std::move(unit);
    r.machineType = "LM520D车台UHF403~470MHz";
    r.station = "bench-3";
    r.operatorName = "wang";
    r.planFile = "full.plan";
    r.planSha256 = std::string(64, 'a');
    r.startMs = start;
    r.endMs = start + 5000;
    r.outcome = units::kRunPass;
    r.measurements = {numeric("场强电压", 3.3, 3.0, 3.6), numeric("电源电量", 12.5, 11.0, {}),
                      numeric("误码率", 0.0, {}, 1.0), numeric("质量", {}, {}, {}, "fail")};
    return r;
}

TEST(RunStoreTest, APreviousVersionFileKeepsEveryRecordThroughTheMigration) {
    ProtestDir dir;
    const std::string path = dir.file("units.sqlite");
    // Version 2 as the previous release wrote it.
    sql(path,
        "CREATE TABLE records (id INTEGER PRIMARY KEY AUTOINCREMENT, time_ms INTEGER NOT NULL,"
        " machine_code TEXT NOT NULL, kind TEXT NOT NULL, values_json TEXT NOT NULL,"
        " outcome TEXT NOT NULL, machine_type TEXT NOT NULL DEFAULT '',"
        " session TEXT NOT NULL DEFAULT '');"
        "CREATE INDEX records_by_unit ON records(machine_code, time_ms);"
        "INSERT INTO records (time_ms, machine_code, kind, values_json, outcome, machine_type,"
        " session) VALUES (1000, '0810001', 'monitor', '{\"quality\":231}', 'ok', 'LM30T', 's1'),"
        " (2000, 'unknown', 'band_table', '{\"row\":3}', '操作失败', '', 's2'),"
        " (3000, '0810002', 'failure', '{}', '发射频率设置不正确!', 'LM30T', 's2');"
        "PRAGMA user_version = 2;");
    const auto before = storedRecords(path);
    ASSERT_EQ(before.size(), 3u);

    UnitStore store;
    std::string error;
    ASSERT_TRUE(store.openForWriting(path, &error)) << error;
    EXPECT_EQ(store.schemaVersion(), units::kSchemaVersion);  // every step since 2
    const auto after = store.records({}, &error);
    ASSERT_TRUE(after) << error;
    EXPECT_EQ(*after, before);  // every field of every record, none with a run
    const auto runs = store.runs({}, &error);
    ASSERT_TRUE(runs) << error;
    EXPECT_TRUE(runs->empty());
    // The session column still attaches the old "unknown" records.
    ASSERT_TRUE(store.attachUnknown("s2", "0810003", "LM30T", &error)) << error;
    EXPECT_EQ(store.records({}, &error)->at(1).machineCode, "0810003");
    store.close();
    EXPECT_EQ(count(path, "PRAGMA user_version"), units::kSchemaVersion);
    EXPECT_EQ(count(path, "SELECT count(*) FROM records WHERE run_id = ''"), 3);
}

class RunsOnBothTest : public BothBackends {};
RB_BOTH_BACKENDS(RunsOnBothTest);

TEST_P(RunsOnBothTest, RunsComeBackWithTheirMeasurementsAsWritten) {
    const std::string& path = location_;
    UnitStore store;
    std::string error;
    ASSERT_TRUE(store.openForWriting(path, &error)) << error;
    const TestRun a = sampleRun("run-a", "0810001", 5000);
    TestRun b = sampleRun("run-b", "0810002", 1000);
    b.outcome = units::kRunFail;
    b.measurements.resize(1);
    TestRun c = sampleRun("run-c", "0810001", 9000);
    c.measurements.clear();
    for (const TestRun* r : {&a, static_cast<const TestRun*>(&b), static_cast<const TestRun*>(&c)})
        ASSERT_TRUE(store.insertRun(*r, &error)) << error;

    const struct {
        const char* unit;    // nullptr: any
        std::int64_t since;  // < 0: any time
        std::vector<const TestRun*> expected;
    } cases[] = {
        {nullptr, -1, {&b, &a, &c}},
        {"0810001", -1, {&a, &c}},
        {nullptr, 2000, {&a, &c}},
        {"0810002", 2000, {}},
    };
    for (const auto& tc : cases) {
        units::RunFilter filter;
        if (tc.unit) filter.unit = tc.unit;
        if (tc.since >= 0) filter.sinceMs = tc.since;
        const auto got = store.runs(filter, &error);
        ASSERT_TRUE(got) << error;
        ASSERT_EQ(got->size(), tc.expected.size());
        for (std::size_t i = 0; i < got->size(); ++i) EXPECT_EQ((*got)[i], *tc.expected[i]);
    }
    // Missing values and limits are NULL in the database, not zero: run a's 质量 has no value,
    // its 电源电量 and 质量 no upper limit; run b keeps only 场强电压.
    EXPECT_EQ(countIn(path, "SELECT count(*) FROM measurements WHERE value IS NULL"), 1);
    EXPECT_EQ(countIn(path, "SELECT count(*) FROM measurements WHERE high IS NULL"), 2);
    EXPECT_EQ(countIn(path, "SELECT count(*) FROM measurements WHERE low IS NULL"), 2);
}

TEST_P(RunsOnBothTest, ARunIsWrittenWholeOrNotAtAll) {
    const std::string& path = location_;
    UnitStore store;
    std::string error;
    ASSERT_TRUE(store.openForWriting(path, &error)) << error;
    ASSERT_TRUE(store.insertRun(sampleRun("run-a", "0810001", 1000), &error)) << error;
    // The same run id again: the run row is refused and none of its measurements stay.
    TestRun again = sampleRun("run-a", "0810009", 2000);
    EXPECT_FALSE(store.insertRun(again, &error));
    // "UNIQUE constraint failed" (SQLite), "duplicate key ... unique constraint" (PostgreSQL).
    std::string lower = error;
    for (char& c : lower) c = char(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_NE(lower.find("unique"), std::string::npos) << error;
    EXPECT_EQ(countIn(path, "SELECT count(*) FROM measurements"), 4);
    EXPECT_EQ(countIn(path, "SELECT count(*) FROM runs WHERE unit = '0810009'"), 0);
    // The store is usable afterwards (no transaction left open).
    EXPECT_TRUE(store.insertRun(sampleRun("run-b", "0810002", 3000), &error)) << error;
}

TEST_P(RunsOnBothTest, RecordsOfARunCarryItsIdUntilTheRunIsRecorded) {
    const std::string& path = location_;
    std::int64_t now = 1000;
    units::Recorder recorder(path);
    recorder.setClock([&] { return now++; });
    recorder.record("monitor", "{}");
    recorder.beginRun("run-1");
    recorder.record("band_table", "{}");
    recorder.setUnit("0810001", "LM30T");
    recorder.record("machine_code", "{}");
    TestRun run = sampleRun("run-1", "", 1001);
    run.machineType.clear();
    ASSERT_TRUE(recorder.recordRun(run));
    EXPECT_EQ(recorder.runId(), "");
    recorder.record("monitor", "{}");

    std::vector<std::string> ids;
    for (const auto& r : storedRecords(path)) ids.push_back(r.kind + "/" + r.runId);
    EXPECT_EQ(ids, (std::vector<std::string>{"monitor/", "band_table/run-1", "machine_code/run-1",
                                             "monitor/"}));
    UnitStore store;
    std::string error;
    ASSERT_TRUE(store.openForReading(path, &error)) << error;
    const auto runs = store.runs({}, &error);
    ASSERT_TRUE(runs && runs->size() == 1) << error;
    // No unit named by the plan: the unit the bench worked on.
    EXPECT_EQ(runs->front().unit, "0810001");
    EXPECT_EQ(runs->front().machineType, "LM30T");
    EXPECT_EQ(runs->front().measurements, run.measurements);
}

TEST(RunRecorderTest, RunsWaitInMemoryWhileTheDatabaseIsLocked) {
    ProtestDir dir;
    const std::string path = dir.file("units.sqlite");
    units::Recorder recorder(path);
    int told = 0;
    recorder.failed = [&](const std::string&) { ++told; };
    ASSERT_TRUE(recorder.record("monitor", "{}"));  // creates the file
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);

    for (const char* id : {"run-1", "run-2", "run-3"}) {
        recorder.beginRun(id);
        recorder.record("monitor", "{}");
        EXPECT_FALSE(recorder.recordRun(sampleRun(id, "0810001", 1000)));
    }
    EXPECT_EQ(told, 1);
    EXPECT_EQ(recorder.waitingRuns(), 3u);
    EXPECT_EQ(recorder.waiting(), 3u);

    sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    EXPECT_TRUE(recorder.record("monitor", "{}"));
    EXPECT_EQ(recorder.waitingRuns(), 0u);
    EXPECT_EQ(told, 1);
    UnitStore store;
    std::string error;
    ASSERT_TRUE(store.openForReading(path, &error)) << error;
    std::vector<std::string> ids;
    const auto runs = store.runs({}, &error);
    ASSERT_TRUE(runs) << error;
    for (const auto& r : *runs) ids.push_back(r.runId);
    EXPECT_EQ(ids, (std::vector<std::string>{"run-1", "run-2", "run-3"}));
    EXPECT_EQ(count(path, "SELECT count(*) FROM measurements"), 12);
    EXPECT_EQ(count(path, "SELECT count(*) FROM records WHERE run_id <> ''"), 3);
}

}  // namespace
}  // namespace rb::testing
