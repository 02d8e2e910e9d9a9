// Yield and capability over a hand-made set of six runs on four units, checked against figures
// worked out by hand (below), in every grouping and format.
//
//   run unit plan       station day        outcome  场强电压 误码率 电源电量 温度 功率档 failed
//   R1  U1   full.plan  bench-1 2026-12-09 PASS     3.1      0.2    11.5     25   3
//   R2  U2   full.plan  bench-1 2026-12-09 FAIL     3.2                                监测/质量
//   R3  U2   full.plan  bench-1 2026-12-09 PASS     3.3      0.4    12.5     27   3
//   R4  U3   full.plan  bench-2 2026-12-09 FAIL     3.3                                监测/质量
//   R5  U3   full.plan  bench-2 2026-12-10 FAIL     3.4                                监测/质量,
//                                                                                      发射/发射功率
//                                                                                      0.5
//   R6  U4   quick.plan bench-2 2026-12-10 PASS     3.5      0.6
//
// Yield, all runs: 4 units, 6 runs (1.5 a unit); first run passed: U1, U4 = 2 (50.0 %); last run
// passed: U1, U2, U4 = 3 (75.0 %). 2026-12-09: U1 U2 U3, 4 runs, first pass U1 (1/3 = 33.3 %),
// final U1 U2 (2/3 = 66.7 %); 2026-12-10: U3 U4, 2 runs, first and final U4 (50.0 %).
// full.plan: U1 U2 U3, 5 runs, 1 and 2 of 3; quick.plan: U4, 1 run, 1 and 1. bench-1: U1 U2,
// 3 runs, first U1 (50 %), final both (100 %); bench-2: U3 U4, 3 runs, U4 only (50 %, 50 %).
// Failures: step 监测 in R2 R4 R5 (3 runs, units U2 U3), 发射 in R5 (1 run, U3).
//
// 场强电压 (3.0..3.6 V): mean 19.8 / 6 = 3.3; deviations -.2 -.1 0 0 .1 .2, squares sum 0.10,
// s² = 0.10 / 5 = 0.02, s = 0.141421; Cpk = min(0.3, 0.3) / (3 × 0.141421) = 0.707107.
// 误码率 (≤ 1): mean 0.4, s² = 0.08 / 2 = 0.04, s = 0.2; Cpk = (1 - 0.4) / 0.6 = 1 (upper side).
// 电源电量 (≥ 11): mean 12, s² = 0.5 / 1, s = 0.707107; Cpk = (12 - 11) / 2.12132 = 0.471405.
// 温度 (no limits): mean 26, s = 1.41421, no Cpk. 功率档 (1..5): 3 and 3, s = 0, no Cpk.
// 发射功率: one value, no Cpk. 质量: no values at all.
// From 2026-12-10 on, 场强电压 is 3.4, 3.5: mean 3.45, s = 0.0707107, Cpk = 0.15 / 0.212132 =
// 0.707107.
#include "units/reports.h"

#include <sstream>

#include "cli/exit_status.h"
#include "cli/units_command.h"
#include "store_backends.h"
#include "units_fixture.h"

namespace rb::testing {
namespace {

using units::Measurement;
using units::TestRun;

constexpr std::int64_t kHour = 3600 * 1000;

Measurement m(const char* step, const char* name, std::optional<double> value,
              std::optional<double> low, std::optional<double> high, bool pass = true) {
    Measurement r;
    r.step = step;
    r.name = name;
    r.value = value;
    r.low = low;
    r.high = high;
    r.verdict = pass ? "pass" : "fail";
    r.reason = pass ? "" : value ? "below 1" : "no value";
    return r;
}

std::vector<Measurement> fullSet(double field, double ber, double power, double temp) {
    return {m("监测", "场强电压", field, 3.0, 3.6), m("数传", "误码率", ber, {}, 1.0),
            m("监测", "电源电量", power, 11.0, {}), m("监测", "温度", temp, {}, {}),
            m("发射", "功率档", 3, 1, 5)};
}

TestRun run(const char* id, const char* unit, const char* plan, const char* station,
            std::int64_t start, const char* outcome, std::vector<Measurement> ms) {
    TestRun r;
    r.runId = id;
    r.unit = unit;
    r.planFile = plan;
    r.station = station;
    r.startMs = start;
    r.endMs = start + 60000;
    r.outcome = outcome;
    r.measurements = std::move(ms);
    return r;
}

class ReportsTest : public BothBackends {
protected:
    void SetUp() override {
        BothBackends::SetUp();
        if (HasFatalFailure()) return;
        useUtc();
        path_ = location_;
        units::UnitStore store;
        std::string error;
        ASSERT_TRUE(store.openForWriting(path_, &error)) << error;
        const std::int64_t day1 = kBenchEpochMs, day2 = kBenchEpochMs + 24 * kHour;
        const auto noValue = m("监测", "质量", {}, {}, {}, false);
        const TestRun runs[] = {
            run("R1", "U1", "full.plan", "bench-1", day1, "PASS", fullSet(3.1, 0.2, 11.5, 25)),
            run("R2", "U2", "full.plan", "bench-1", day1 + kHour, "FAIL",
                {m("监测", "场强电压", 3.2, 3.0, 3.6), noValue}),
            run("R3", "U2", "full.plan", "bench-1", day1 + 2 * kHour, "PASS",
                fullSet(3.3, 0.4, 12.5, 27)),
            run("R4", "U3", "full.plan", "bench-2", day1 + 3 * kHour, "FAIL",
                {m("监测", "场强电压", 3.3, 3.0, 3.6), noValue}),
            run("R5", "U3", "full.plan", "bench-2", day2, "FAIL",
                {m("监测", "场强电压", 3.4, 3.0, 3.6), noValue,
                 m("发射", "发射功率", 0.5, 1, 5, false)}),
            run("R6", "U4", "quick.plan", "bench-2", day2 + kHour, "PASS",
                {m("监测", "场强电压", 3.5, 3.0, 3.6), m("数传", "误码率", 0.6, {}, 1.0)}),
        };
        for (const auto& r : runs) ASSERT_TRUE(store.insertRun(r, &error)) << error;
    }

    int units(cli::UnitsOptions o) {
        o.database = path_;
        out_.str("");
        err_.str("");
        return cli::runUnitsCommand(o, out_, err_);
    }

    std::string path_;
    std::ostringstream out_, err_;
};

RB_BOTH_BACKENDS(ReportsTest);

TEST_P(ReportsTest, YieldPerGroupMatchesTheHandCount) {
    const struct {
        units::YieldGroup by;
        std::optional<std::string> since;
        // key, units, runs, first pass, final pass
        std::vector<std::tuple<std::string, int, int, int, int>> rows;
    } cases[] = {
        {units::YieldGroup::All, std::nullopt, {{"all", 4, 6, 2, 3}}},
        {units::YieldGroup::Day,
         std::nullopt,
         {{"2026-12-09", 3, 4, 1, 2}, {"2026-12-10", 2, 2, 1, 1}}},
        {units::YieldGroup::Plan,
         std::nullopt,
         {{"full.plan", 3, 5, 1, 2}, {"quick.plan", 1, 1, 1, 1}}},
        {units::YieldGroup::Station,
         std::nullopt,
         {{"bench-1", 2, 3, 1, 2}, {"bench-2", 2, 3, 1, 1}}},
        {units::YieldGroup::All, "2026-12-10", {{"all", 2, 2, 1, 1}}},
        {units::YieldGroup::All, "2026-12-11", {}},
    };
    units::UnitStore store;
    std::string error;
    ASSERT_TRUE(store.openForReading(path_, &error)) << error;
    for (const auto& c : cases) {
        const auto since = c.since ? units::parseLocalTime(*c.since) : std::nullopt;
        const auto report = units::yieldReport(store, c.by, since, &error);
        ASSERT_TRUE(report) << error;
        std::vector<std::tuple<std::string, int, int, int, int>> got;
        for (const auto& g : report->groups)
            got.emplace_back(g.key, g.units, g.runs, g.firstPass, g.finalPass);
        EXPECT_EQ(got, c.rows) << int(c.by) << " " << c.since.value_or("");
    }
}

TEST_P(ReportsTest, YieldTableShowsPercentagesAndTheRankedFailures) {
    cli::UnitsOptions o;
    o.yield = true;
    o.by = "day";
    ASSERT_EQ(units(o), cli::kExitDone) << err_.str();
    EXPECT_EQ(out_.str(),
              "day         units  runs  runs_per_unit  first_pass  first_pass_yield  final_pass"
              "  final_yield\n"
              "2026-12-09  3      4     1.33333        1           33.3%             2"
              "           66.7%\n"
              "2026-12-10  2      2     1              1           50.0%             1"
              "           50.0%\n"
              "\n"
              "failing steps:\n"
              "step  runs  units\n"
              "监测  3     2\n"
              "发射  1     1\n"
              "\n"
              "failing measurements:\n"
              "step  name      runs  units\n"
              "监测  质量      3     2\n"
              "发射  发射功率  1     1\n");
}

TEST_P(ReportsTest, YieldAsJsonAndCsvKeepEveryDigit) {
    cli::UnitsOptions o;
    o.yield = true;
    o.format = "json";
    ASSERT_EQ(units(o), cli::kExitDone) << err_.str();
    EXPECT_EQ(out_.str(),
              R"({"groups":[{"key":"all","units":4,"runs":6,"runs_per_unit":1.5,"first_pass":2,)"
              R"("first_pass_yield":0.5,"final_pass":3,"final_yield":0.75}],)"
              R"("failing_steps":[{"step":"监测","runs":3,"units":2},)"
              R"({"step":"发射","runs":1,"units":1}],)"
              R"("failing_measurements":[{"step":"监测","name":"质量","runs":3,"units":2},)"
              R"({"step":"发射","name":"发射功率","runs":1,"units":1}]})"
              "\n");
    o.format = "csv";
    o.by = "station";
    ASSERT_EQ(units(o), cli::kExitDone) << err_.str();
    const std::string csv = out_.str();
    EXPECT_EQ(csv.substr(0, csv.find("\r\n\r\n")),
              "station,units,runs,runs_per_unit,first_pass,first_pass_yield,final_pass,"
              "final_yield\r\n"
              "bench-1,2,3,1.5,1,0.5,2,1\r\n"
              "bench-2,2,3,1.5,1,0.5,1,0.5");
}

TEST_P(ReportsTest, StatsAndCpkMatchTheHandComputation) {
    const struct {
        const char* name;
        std::optional<std::string> since;
        int n;
        double mean, sd, min, max;
        std::optional<double> cpk;
        const char* noCpk;
    } cases[] = {
        {"场强电压", std::nullopt, 6, 3.3, 0.1414213562, 3.1, 3.5, 0.7071067812, ""},
        {"误码率", std::nullopt, 3, 0.4, 0.2, 0.2, 0.6, 1.0, ""},
        {"电源电量", std::nullopt, 2, 12, 0.7071067812, 11.5, 12.5, 0.4714045208, ""},
        {"温度", std::nullopt, 2, 26, 1.4142135624, 25, 27, std::nullopt, "no limits"},
        {"功率档", std::nullopt, 2, 3, 0, 3, 3, std::nullopt, "standard deviation is 0"},
        {"发射功率", std::nullopt, 1, 0.5, 0, 0.5, 0.5, std::nullopt, "fewer than 2 values"},
        {"质量", std::nullopt, 0, 0, 0, 0, 0, std::nullopt, "no values"},
        {"场强电压", "2026-12-10", 2, 3.45, 0.0707106781, 3.4, 3.5, 0.7071067812, ""},
    };
    units::UnitStore store;
    std::string error;
    ASSERT_TRUE(store.openForReading(path_, &error)) << error;
    for (const auto& c : cases) {
        const auto since = c.since ? units::parseLocalTime(*c.since) : std::nullopt;
        const auto st = units::measurementStats(store, c.name, since, &error);
        ASSERT_TRUE(st) << error;
        EXPECT_EQ(st->n, c.n) << c.name;
        if (c.n > 0) {
            EXPECT_NEAR(st->mean, c.mean, 1e-9) << c.name;
            EXPECT_NEAR(st->sd, c.sd, 1e-9) << c.name;
            EXPECT_DOUBLE_EQ(st->min, c.min) << c.name;
            EXPECT_DOUBLE_EQ(st->max, c.max) << c.name;
        }
        EXPECT_EQ(st->cpk.has_value(), c.cpk.has_value()) << c.name;
        if (st->cpk && c.cpk) {
            EXPECT_NEAR(*st->cpk, *c.cpk, 1e-9) << c.name;
        }
        EXPECT_EQ(st->noCpk, c.noCpk) << c.name;
    }
}

TEST_P(ReportsTest, StatsTableAndJson) {
    cli::UnitsOptions o;
    o.stats = "场强电压";
    ASSERT_EQ(units(o), cli::kExitDone) << err_.str();
    EXPECT_EQ(out_.str(),
              "name  场强电压\nn     6\nmean  3.3\nsd    0.141421\nmin   3.1\nmax   3.5\n"
              "low   3\nhigh  3.6\nunit\ncpk   0.707107\n");
    o.stats = "温度";
    o.format = "json";
    ASSERT_EQ(units(o), cli::kExitDone) << err_.str();
    EXPECT_EQ(out_.str(),
              R"({"name":"温度","n":2,"mean":26,"sd":1.4142135623730951,"min":25,"max":27,)"
              R"("low":null,"high":null,"unit":"","cpk":null,"no_cpk":"no limits"})"
              "\n");
}

TEST_P(ReportsTest, OptionsThatDoNotGoTogetherAreRefused) {
    using Set = void (*)(cli::UnitsOptions&);
    const struct {
        Set set;
        const char* message;
    } cases[] = {
        {[](cli::UnitsOptions& o) { o.summary = o.yield = true; }, "one of them at a time"},
        {[](cli::UnitsOptions& o) { o.yield = true, o.stats = "x"; }, "one of them at a time"},
        {[](cli::UnitsOptions& o) { o.yield = true, o.code = "U1"; }, "--code"},
        {[](cli::UnitsOptions& o) { o.by = "day"; }, "--by goes with --yield"},
        {[](cli::UnitsOptions& o) { o.yield = true, o.by = "week"; }, "--by: day, plan or station"},
    };
    for (const auto& c : cases) {
        cli::UnitsOptions o;
        c.set(o);
        EXPECT_EQ(units(o), cli::kExitUsage) << c.message;
        EXPECT_NE(err_.str().find(c.message), std::string::npos) << err_.str();
        EXPECT_EQ(out_.str(), "");
    }
}

}  // namespace
}  // namespace rb::testing
