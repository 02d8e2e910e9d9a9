// A bench session through the real production-test pages on the simulated bench terminal:
// "全部读取", "改写频段", "初始化机型", "读取监测参数" and a mutual data test with one lost echo
// leave exactly their records, in order, under the new machine code; the exports of that
// session match the golden files; a database that is locked or cannot be created is shown
// once while the bench goes on.
#include <sqlite3.h>

#include <sstream>

#include "engine/session.h"
#include "families/protest/protest_ids.h"
#include "ini/ini_file.h"
#include "units/exporters.h"
#include "units_fixture.h"

namespace rb::testing {
namespace {

namespace ids = families::protest::ids;
using units::UnitRecord;

struct Expected {
    const char* kind;
    std::string values;
    const char* outcome = "ok";
};

// "全部读取" through to "全部数据读取成功!".
void sweepRead(UnitBench& b) {
    b.form().click(ids::kReadAllButton);
    b.advance(3000);
}

void initType(UnitBench& b) {
    b.form().setSelection(ids::kTypeCombo, 4);  // LM30T ... (列调型), code 0x21
    b.form().setText(ids::kYear, "08");
    b.form().setText(ids::kBatch, "1");
    b.form().setText(ids::kSerial, "0001");
    b.form().click(ids::kInitTypeButton);
    b.advance(100);
}

// A bench session as a technician runs it: a sweep read, a band write, "初始化机型", a monitor
// read and a data test with one missing echo.
void runSession(UnitBench& b) {
    sweepRead(b);
    b.form().setText(ids::kRows[0].tx, "4505250");
    b.form().setText(ids::kRows[0].rx, "4505250");
    b.form().click(ids::kWriteBandButton);
    b.advance(100);
    initType(b);
    b.terminal->setMonitor(sim::ProtestTerminal::Monitor{258, 772, 231});
    b.form().click(ids::kReadMonitorButton);
    b.advance(100);

    b.form().click(ids::kMutualTest);
    b.form().click(ids::kDataTestButton);
    engine::FormModel& test = b.container->dataTest().form();
    test.setText(ids::sr::kText, "HELLO");
    test.click(ids::sr::kSendText);
    b.advance(100);
    sim::Faults drop;
    drop.dropNth = 1;  // the next echo never comes
    b.simLink->line().setFaults(drop);
    test.click(ids::sr::kSendText);
    b.advance(1100);
    b.simLink->line().setFaults({});
    test.click(ids::sr::kSendText);
    b.advance(100);
}

std::string calibration(int row, bool high) {
    std::string v = "[";
    for (int i = 0; i < 8; ++i) {
        v += (i ? "," : "") + std::to_string(100 + 20 * row + (high ? 10 : 0) + i);
    }
    return R"({"action":"read","row":)" + std::to_string(row) + R"(,"power":")" +
           (high ? "high" : "low") + R"(","values":)" + v + "]}";
}

const char* kReadBand =
    R"({"action":"read","step":250,"pairs":[[4000000,4000000],[4100000,4100000],)"
    R"([4200000,4200000],[4300000,4300000],[4400000,4400000],[4200000,4200000]]})";

TEST(BenchSessionTest, LeavesEveryStepUnderTheNewMachineCodeInOrder) {
    UnitBench b;
    runSession(b);
    EXPECT_EQ(b.session.unitRecords.unitCode(), "0810001");
    EXPECT_EQ(b.session.unitRecords.waiting(), 0u);

    std::vector<Expected> expected = {{"band_table", kReadBand}};
    for (int r = 1; r <= 5; ++r) expected.push_back({"calibration", calibration(r, false)});
    expected.push_back({"band_table", kReadBand});
    for (int r = 1; r <= 5; ++r) expected.push_back({"calibration", calibration(r, true)});
    expected.push_back(
        {"band_table",
         R"({"action":"written","step":250,"pairs":[[4505250,4505250],[4100000,4100000],)"
         R"([4200000,4200000],[4300000,4300000],[4400000,4400000],[4200000,4200000]]})"});
    expected.push_back({"machine_code",
                        R"({"action":"written","machine_code":"0810001","type_code":33,)"
                        R"("type":"LM30T数字手持机UHF403~470MHz（列调型）"})"});
    expected.push_back({"monitor", R"({"voltage":258,"supply":772,"quality":231,"grade":"理想"})"});
    expected.push_back(
        {"data_test", R"({"mode":3,"quality":255,"length":5,"rate":0,"average":0})"});
    expected.push_back(
        {"data_test", R"({"mode":3,"echo":false,"rate":1,"average":0.5})", "failed"});
    expected.push_back({"data_test", R"({"mode":3,"quality":255,"length":5,"rate":0,)"
                                     R"("average":0.3333333333333333})"});

    const auto records = storedRecords(b.database());
    ASSERT_EQ(records.size(), expected.size());
    std::int64_t previous = 0;
    for (std::size_t i = 0; i < records.size(); ++i) {
        SCOPED_TRACE("record " + std::to_string(i + 1));
        const UnitRecord& r = records[i];
        // The twelve sweep records were made before the code was known: attached to it.
        EXPECT_EQ(r.machineCode, "0810001");
        EXPECT_EQ(r.machineType, "LM30T数字手持机UHF403~470MHz（列调型）");
        EXPECT_EQ(r.kind, expected[i].kind);
        EXPECT_EQ(r.values, expected[i].values);
        EXPECT_EQ(r.outcome, expected[i].outcome);
        EXPECT_GE(r.timeMs, previous);
        EXPECT_GE(r.timeMs, kBenchEpochMs);
        previous = r.timeMs;
    }
    // Nothing of the database reached the technician.
    for (const auto& text : b.boxes()) EXPECT_EQ(text.find("单元记录"), std::string::npos);
}

TEST(BenchSessionTest, ExportsMatchTheGoldenFiles) {
    useUtc();
    UnitBench b;
    runSession(b);
    const auto records = storedRecords(b.database());
    for (auto [format, name] : {std::pair{units::Format::Csv, "bench_session.csv"},
                                std::pair{units::Format::Json, "bench_session.json"},
                                std::pair{units::Format::Table, "bench_session.txt"}}) {
        std::ostringstream out;
        units::writeRecords(out, records, format);
        expectGolden(name, out.str());
    }
    units::UnitStore store;
    std::string error;
    ASSERT_TRUE(store.openForReading(b.database(), &error)) << error;
    const auto summaries = store.summaries({}, &error);
    ASSERT_TRUE(summaries) << error;
    std::ostringstream summary;
    units::writeSummary(summary, *summaries, units::Format::Table);
    expectGolden("bench_session_summary.txt", summary.str());
}

TEST(BenchSessionTest, ATimeOutAndARefusalAreFailuresWithTheirMessage) {
    UnitBench b;
    sim::Faults silent;
    silent.silent = true;
    b.simLink->line().setFaults(silent);
    b.form().click(ids::kReadMonitorButton);
    b.advance(2100);
    b.simLink->line().setFaults({});
    b.form().setText(ids::kRows[1].tx, "4505251");  // no multiple of the step
    b.form().click(ids::kRows[1].button);
    const auto records = storedRecords(b.database());
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].kind, "failure");
    EXPECT_EQ(records[0].values, R"({"request":"0x95"})");
    EXPECT_EQ(records[0].outcome, "操作失败");
    EXPECT_EQ(records[1].kind, "failure");
    EXPECT_EQ(records[1].values, "{}");
    EXPECT_EQ(records[1].outcome, "发射频率设置不正确!");
    EXPECT_EQ(records[1].machineCode, "unknown");
}

// Another program holds the database's lock: one box, the sweep and the serial store go on, and
// the records are written once the lock is gone.
TEST(BenchSessionTest, ALockedDatabaseIsShownOnceAndTheBenchGoesOn) {
    UnitBench b;
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(b.database().c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);

    sweepRead(b);
    initType(b);
    auto boxes = b.boxes();
    const auto failedBoxes = std::count_if(boxes.begin(), boxes.end(), [](const std::string& t) {
        return t.rfind(engine::kUnitDatabaseFailed, 0) == 0;
    });
    EXPECT_EQ(failedBoxes, 1);
    EXPECT_NE(b.prompter.boxes.front().text.find("locked"), std::string::npos);
    EXPECT_NE(std::find(boxes.begin(), boxes.end(), "全部数据读取成功!"), boxes.end());
    EXPECT_EQ(b.session.statusBar.text(2), "初始化机型成功");
    ini::IniFile store;
    ASSERT_TRUE(store.load(b.session.paths.serialStore, nullptr));
    EXPECT_EQ(store.getText("ProTestSerial", "SeroalPre"), "0001");
    EXPECT_EQ(b.session.unitRecords.waiting(), 13u);

    sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    b.form().click(ids::kReadMonitorButton);
    b.advance(100);
    EXPECT_EQ(b.session.unitRecords.waiting(), 0u);
    const auto records = storedRecords(b.database());
    ASSERT_EQ(records.size(), 14u);
    for (const auto& r : records) EXPECT_EQ(r.machineCode, "0810001");
    EXPECT_EQ(records.back().kind, "monitor");
}

// A folder the bench may not write into (a read-only file system, whoever runs the test).
TEST(BenchSessionTest, ADatabaseThatCannotBeCreatedIsShownOnce) {
    UnitBench b;
    b.session.unitRecords.setPath("/proc/radiobench-units.sqlite");
    sweepRead(b);
    b.form().click(ids::kReadMonitorButton);
    b.advance(100);
    const auto boxes = b.boxes();
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(boxes.front().rfind(engine::kUnitDatabaseFailed, 0), 0u);
    EXPECT_EQ(std::count_if(boxes.begin(), boxes.end(),
                            [](const std::string& t) {
                                return t.rfind(engine::kUnitDatabaseFailed, 0) == 0;
                            }),
              1);
    EXPECT_EQ(boxes.back(), "全部数据读取成功!");
    EXPECT_EQ(b.session.statusBar.text(2), "监测参数读取成功");
    EXPECT_EQ(b.session.unitRecords.waiting(), 13u);  // kept for when it can be written
}

}  // namespace
}  // namespace rb::testing
