// `radiobench-cli units` through its function: the formats, --code, --since, --summary, the
// database from RADIOBENCH_UNIT_DB, and exit 2 for a missing or unreadable database.
#include "cli/units_command.h"

#include <sstream>

#include "cli/exit_status.h"
#include "store_backends.h"
#include "units/recorder.h"
#include "units_fixture.h"

namespace rb::testing {
namespace {

using cli::UnitsOptions;

class UnitsCommandTest : public BothBackends {
protected:
    void SetUp() override {
        BothBackends::SetUp();
        if (HasFatalFailure()) return;
        useUtc();
        path_ = location_;
        units::Recorder r(path_);
        std::int64_t now = kBenchEpochMs;
        r.setClock([&] { return now; });
        r.record("band_table", R"({"action":"read"})");
        now += 1000;
        r.setUnit("0810001", "LM30T");
        r.record("monitor", R"({"quality":231,"grade":"理想"})");
        now += 86400 * 1000;  // the next day
        r.setUnit("0810002", "LM520D");
        r.record("failure", "{}", "操作失败");
        r.record("monitor", R"({"quality":170,"grade":"较差"})");
    }

    int run(UnitsOptions o) {
        if (o.database.empty()) o.database = path_;
        out_.str("");
        err_.str("");
        return cli::runUnitsCommand(o, out_, err_);
    }
    std::vector<std::string> lines() const {
        std::vector<std::string> v;
        std::istringstream in(out_.str());
        for (std::string l; std::getline(in, l);) v.push_back(l);
        return v;
    }

    std::string path_;
    std::ostringstream out_, err_;
};

RB_BOTH_BACKENDS(UnitsCommandTest);

TEST_P(UnitsCommandTest, ListsTheRecordsAFilterLeaves) {
    const struct {
        std::optional<std::string> code;
        std::optional<std::string> since;
        std::size_t rows;  // without the header
    } cases[] = {
        {std::nullopt, std::nullopt, 4},
        {"0810001", std::nullopt, 2},  // the "unknown" one was attached
        {"0810002", std::nullopt, 2},
        {std::nullopt, "2026-12-10", 2},
        {std::nullopt, "2026-12-09T08:00:01", 3},
        {"0810001", "2026-12-10", 0},
        {"9999999", std::nullopt, 0},
    };
    for (const auto& c : cases) {
        UnitsOptions o;
        o.code = c.code;
        o.since = c.since;
        o.format = "csv";
        ASSERT_EQ(run(o), cli::kExitDone) << err_.str();
        EXPECT_EQ(lines().size(), c.rows + 1) << c.code.value_or("*") << c.since.value_or("");
    }
}

TEST_P(UnitsCommandTest, EachFormatCarriesTheSameRecord) {
    UnitsOptions o;
    o.code = "0810002";
    o.format = "table";
    ASSERT_EQ(run(o), cli::kExitDone);
    ASSERT_EQ(lines().size(), 3u);
    // The table reads as the records window does; csv and json keep the stored words.
    EXPECT_EQ(lines()[0], "编号  时间" + std::string(21, ' ') + "机器码   项目      结果" +
                              std::string(10, ' ') + "内容");
    EXPECT_EQ(lines()[1], "3     2026-12-10 08:00:01.000  0810002  失败      失败: 无应答");

    o.format = "csv";
    ASSERT_EQ(run(o), cli::kExitDone);
    EXPECT_EQ(lines()[2],
              "4,2026-12-10 08:00:01.000,1796889601000,0810002,LM520D,monitor,"
              "\"{\"\"quality\"\":170,\"\"grade\"\":\"\"较差\"\"}\",ok\r");

    o.format = "json";
    ASSERT_EQ(run(o), cli::kExitDone);
    EXPECT_EQ(out_.str(),
              "[\n"
              R"({"id":3,"time_ms":1796889601000,"time":"2026-12-10 08:00:01.000",)"
              R"("machine_code":"0810002","machine_type":"LM520D","kind":"failure",)"
              R"("values":{},"outcome":"操作失败"},)"
              "\n"
              R"({"id":4,"time_ms":1796889601000,"time":"2026-12-10 08:00:01.000",)"
              R"("machine_code":"0810002","machine_type":"LM520D","kind":"monitor",)"
              R"("values":{"quality":170,"grade":"较差"},"outcome":"ok"})"
              "\n]\n");
}

TEST_P(UnitsCommandTest, SummaryIsOneLineAUnit) {
    UnitsOptions o;
    o.summary = true;
    o.format = "csv";
    ASSERT_EQ(run(o), cli::kExitDone);
    EXPECT_EQ(lines(),
              (std::vector<std::string>{
                  "machine_code,machine_type,first,last,records,failures,last_outcome\r",
                  "0810001,LM30T,2026-12-09 08:00:00.000,2026-12-09 08:00:01.000,2,0,ok\r",
                  "0810002,LM520D,2026-12-10 08:00:01.000,2026-12-10 08:00:01.000,2,1,ok\r",
              }));
}

TEST_P(UnitsCommandTest, TheBenchsDatabaseIsFoundThroughTheEnvironment) {
    ::setenv("RADIOBENCH_UNIT_DB", path_.c_str(), 1);
    UnitsOptions o;
    o.database = "";
    o.format = "csv";
    out_.str("");
    EXPECT_EQ(cli::runUnitsCommand(o, out_, err_), cli::kExitDone) << err_.str();
    ::unsetenv("RADIOBENCH_UNIT_DB");
    EXPECT_EQ(lines().size(), 5u);
}

TEST_P(UnitsCommandTest, AMissingOrUnreadableDatabaseOrAWrongOptionIsExitTwo) {
    const std::string garbage = db_.file("garbage.sqlite");
    std::ofstream(garbage) << "this is no database, only some text that is long enough";
    struct Case {
        UnitsOptions options;
        const char* message;
    };
    std::vector<Case> cases(4);
    cases[0].options.database = db_.file("none.sqlite");
    cases[0].message = "单元记录数据库不存在";
    cases[1].options.database = garbage;
    cases[1].message = "单元记录数据库无法读取";
    cases[2].options.since = "2026/12/09";
    cases[2].message = "--since";
    cases[3].options.format = "xml";
    cases[3].message = "--format";
    for (auto& c : cases) {
        EXPECT_EQ(run(c.options), cli::kExitUsage) << c.message;
        EXPECT_NE(err_.str().find(c.message), std::string::npos) << err_.str();
        EXPECT_EQ(out_.str(), "");
    }
}

}  // namespace
}  // namespace rb::testing
