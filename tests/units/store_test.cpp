// The store on its own: a file of the first schema version is migrated on open and keeps its
// rows, a newer program's file (or database) is refused for writing, filters, attaching the
// "unknown" records of one run only (filters and attaching on both backends), and the pieces
// of the exports.
#include <sqlite3.h>

#include <filesystem>
#include <sstream>

#include "store_backends.h"
#include "units/exporters.h"
#include "units/json_text.h"
#include "units/recorder.h"
#include "units/unit_store.h"
#include "units_fixture.h"

namespace rb::testing {
namespace {

using units::UnitRecord;
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

TEST(UnitStoreTest, AFirstVersionFileIsMigratedAndKeepsItsRows) {
    ProtestDir dir;
    const std::string path = dir.file("units.sqlite");
    // Version 1, as the first release wrote it: no machine type, no run.
    sql(path,
        "CREATE TABLE records (id INTEGER PRIMARY KEY AUTOINCREMENT, time_ms INTEGER NOT NULL,"
        " machine_code TEXT NOT NULL, kind TEXT NOT NULL, values_json TEXT NOT NULL,"
        " outcome TEXT NOT NULL);"
        "INSERT INTO records (time_ms, machine_code, kind, values_json, outcome)"
        " VALUES (1000, '0810001', 'monitor', '{\"quality\":231}', 'ok');"
        "PRAGMA user_version = 1;");

    // Read as it stands, without changing it.
    UnitStore reader;
    std::string error;
    ASSERT_TRUE(reader.openForReading(path, &error)) << error;
    EXPECT_EQ(reader.schemaVersion(), 1);
    auto old = reader.records({}, &error);
    ASSERT_TRUE(old) << error;
    ASSERT_EQ(old->size(), 1u);
    EXPECT_EQ((*old)[0].machineType, "");
    reader.close();

    UnitStore store;
    ASSERT_TRUE(store.openForWriting(path, &error)) << error;
    EXPECT_EQ(store.schemaVersion(), units::kSchemaVersion);
    UnitRecord r;
    r.timeMs = 2000;
    r.machineCode = "0810001";
    r.machineType = "LM520D车台UHF403~470MHz";
    r.kind = "calibration";
    ASSERT_TRUE(store.insert(r, "run", &error)) << error;
    EXPECT_EQ(r.id, 2);
    auto all = store.records({}, &error);
    ASSERT_TRUE(all);
    ASSERT_EQ(all->size(), 2u);
    EXPECT_EQ((*all)[0].values, "{\"quality\":231}");
    EXPECT_EQ((*all)[0].machineType, "");
    EXPECT_EQ((*all)[1].machineType, "LM520D车台UHF403~470MHz");
    store.close();

    // Opening again migrates nothing more.
    ASSERT_TRUE(store.openForWriting(path, &error)) << error;
    EXPECT_EQ(store.records({}, &error)->size(), 2u);
}

TEST(UnitStoreTest, ANewerProgramsFileIsNotWrittenInto) {
    ProtestDir dir;
    const std::string path = dir.file("units.sqlite");
    sql(path, "CREATE TABLE records (id INTEGER PRIMARY KEY); PRAGMA user_version = 9;");
    UnitStore store;
    std::string error;
    EXPECT_FALSE(store.openForWriting(path, &error));
    EXPECT_NE(error.find("newer"), std::string::npos) << error;
}

class StoreOnBothTest : public BothBackends {};
RB_BOTH_BACKENDS(StoreOnBothTest);

TEST_P(StoreOnBothTest, ANewerProgramsDatabaseIsNotWrittenInto) {
    UnitStore store;
    std::string error;
    ASSERT_TRUE(store.openForWriting(location_, &error)) << error;
    const std::string newer = store.dialect() == units::Dialect::Sqlite
                                  ? "PRAGMA user_version = 9"
                                  : "UPDATE schema_version SET version = 9";
    ASSERT_TRUE(store.connection().exec(newer, &error)) << error;
    store.close();
    EXPECT_FALSE(store.openForWriting(location_, &error));
    EXPECT_NE(error.find("newer"), std::string::npos) << error;
    // Reading is still allowed, at the version it has.
    ASSERT_TRUE(store.openForReading(location_, &error)) << error;
    EXPECT_EQ(store.schemaVersion(), 9);
}

TEST_P(StoreOnBothTest, OpeningAgainMigratesNothingAndKeepsTheRecords) {
    UnitStore store;
    std::string error;
    for (int open = 0; open < 3; ++open) {
        ASSERT_TRUE(store.openForWriting(location_, &error)) << error;
        EXPECT_EQ(store.schemaVersion(), units::kSchemaVersion);
        UnitRecord r;
        r.timeMs = 100 + open;
        r.kind = "monitor";
        ASSERT_TRUE(store.insert(r, "run", &error)) << error;
        EXPECT_EQ(r.id, open + 1);  // ids count on from the last one
        store.close();
    }
    EXPECT_EQ(storedRecords(location_).size(), 3u);
}

TEST_P(StoreOnBothTest, FiltersByCodeAndTimeInEitherOrder) {
    UnitStore store;
    std::string error;
    ASSERT_TRUE(store.openForWriting(location_, &error)) << error;
    for (auto [t, code] : {std::pair{300, "B"}, std::pair{100, "A"}, std::pair{200, "A"}}) {
        UnitRecord r;
        r.timeMs = t;
        r.machineCode = code;
        r.kind = "monitor";
        ASSERT_TRUE(store.insert(r, "run", &error));
    }
    struct Case {
        std::optional<std::string> code;
        std::optional<std::int64_t> since;
        bool newestFirst;
        std::vector<std::int64_t> times;
    } cases[] = {
        {std::nullopt, std::nullopt, false, {100, 200, 300}},
        {"A", std::nullopt, false, {100, 200}},
        {"A", 150, false, {200}},
        {std::nullopt, 200, true, {300, 200}},
        {"A'; DROP TABLE records; --", std::nullopt, false, {}},
        {"C", std::nullopt, false, {}},
    };
    for (const auto& c : cases) {
        auto got = store.records({c.code, c.since, c.newestFirst}, &error);
        ASSERT_TRUE(got) << error;
        std::vector<std::int64_t> times;
        for (const auto& r : *got) times.push_back(r.timeMs);
        EXPECT_EQ(times, c.times) << c.code.value_or("*");
    }
}

TEST_P(StoreOnBothTest, OnlyThisRunsUnknownRecordsAreAttachedToTheCode) {
    const std::string& path = location_;
    std::int64_t now = 1000;
    units::Recorder earlier(path);
    earlier.setClock([&] { return now++; });
    earlier.record("monitor", "{}");  // another run's terminal, never identified
    units::Recorder run(path);
    run.setClock([&] { return now++; });
    run.record("band_table", "{}");
    run.record("failure", "{}", "操作失败");
    run.setUnit("0810001", "LM30T");
    run.record("machine_code", "{}");
    run.setUnit("0810002", "LM30T");  // the next terminal: earlier records stay with the first
    run.record("monitor", "{}");

    const auto records = storedRecords(path);
    std::vector<std::string> codes;
    for (const auto& r : records) codes.push_back(r.machineCode + "/" + r.kind);
    EXPECT_EQ(codes,
              (std::vector<std::string>{"unknown/monitor", "0810001/band_table", "0810001/failure",
                                        "0810001/machine_code", "0810002/monitor"}));
    EXPECT_EQ(records[1].machineType, "LM30T");
}

TEST(ExportersTest, CsvFieldsAreQuotedAsRfc4180Says) {
    const struct {
        const char* text;
        bool always;
        const char* field;
    } cases[] = {
        {"ok", false, "ok"},
        {"a,b", false, "\"a,b\""},
        {"say \"hi\"", false, "\"say \"\"hi\"\"\""},
        {"two\r\nlines", false, "\"two\r\nlines\""},
        {"{\"a\":1}", true, "\"{\"\"a\"\":1}\""},
        {"", true, "\"\""},
    };
    for (const auto& c : cases) EXPECT_EQ(units::csvField(c.text, c.always), c.field) << c.text;
}

TEST(ExportersTest, LocalTimesReadAndPrintAsTheTechnicianTypesThem) {
    useUtc();
    const struct {
        const char* text;
        std::optional<std::int64_t> ms;
    } cases[] = {
        {"2026-12-09", kBenchEpochMs - 8 * 3600 * 1000},
        {"2026-12-09T08:00:00", kBenchEpochMs},
        {"2026-12-09T08:00:01", kBenchEpochMs + 1000},
        {"2026-02-30", std::nullopt},
        {"2026-13-01", std::nullopt},
        {"2026-12-09 08:00:00", std::nullopt},
        {"2026-12-9", std::nullopt},
        {"yesterday", std::nullopt},
        {"2026-12-09T25:00:00", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(units::parseLocalTime(c.text), c.ms) << c.text;
    EXPECT_EQ(units::localTimeText(kBenchEpochMs + 5), "2026-12-09 08:00:00.005");
    EXPECT_EQ(units::localTimeText(-1), "1969-12-31 23:59:59.999");
}

TEST(ExportersTest, JsonTextsAreEscapedAndTablesAlignChineseByColumns) {
    EXPECT_EQ(units::jsonString("a\"b\\c\n\x01理想"), "\"a\\\"b\\\\c\\n\\u0001理想\"");
    EXPECT_EQ(units::jsonNumber(1.0 / 3.0), "0.3333333333333333");
    EXPECT_EQ(units::jsonNumber(0.0 / 0.0), "null");
    EXPECT_EQ(units::displayWidth("理想--231"), 9u);
    EXPECT_EQ(units::displayWidth("（列调型）"), 10u);
    // A values text that is not JSON (a hand-edited file) still gives valid JSON.
    UnitRecord r;
    r.values = "not json";
    std::ostringstream out;
    units::writeRecords(out, {r}, units::Format::Json);
    EXPECT_NE(out.str().find("\"values\":\"not json\""), std::string::npos) << out.str();
}

}  // namespace
}  // namespace rb::testing
