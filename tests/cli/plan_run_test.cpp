// Plans from the command line: `run protest` scripts with steps and measurements against the
// simulated bench terminal on a manual clock — the outcome of each kind of run, the errors that
// name their line, and the shipped plans passing on a clean bench and failing on a noisy one.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/exit_status.h"
#include "cli/run_command.h"
#include "shared_sim_runtime.h"
#include "sim/protest_terminal.h"
#include "units/unit_store.h"

namespace rb::cli {
namespace {

namespace fs = std::filesystem;

class PlanRunTest : public ::testing::Test {
protected:
    void SetUp() override {
        ensureCoreApplication();
        dir_ = fs::temp_directory_path() /
               ("rb_plan_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        ::setenv("RADIOBENCH_CONFIG_DIR", dir_.c_str(), 1);
    }
    void TearDown() override {
        ::unsetenv("RADIOBENCH_CONFIG_DIR");
        fs::remove_all(dir_);
    }

    int run(const std::string& script, const std::string& faults = {}, bool yes = false,
            const std::string& file = {}) {
        RunOptions o;
        o.type = "protest";
        o.port.port = "sim";
        o.port.simFaults = faults;
        o.accessCode = "4lotus";
        o.yes = yes;
        if (!file.empty()) o.script = file;
        std::istringstream in(script);
        out_.str("");
        err_.str("");
        return runRunCommand(o, runtime_, in, out_, err_);
    }
    std::string lastLine() const {
        std::string text = out_.str();
        if (!text.empty() && text.back() == '\n') text.pop_back();
        return text.substr(text.rfind('\n') + 1);
    }
    bool said(const std::string& fragment) const {
        return out_.str().find(fragment) != std::string::npos;
    }

    fs::path dir_;
    testing::SharedTerminalRuntime<sim::ProtestTerminal> runtime_;
    std::ostringstream out_, err_;
};

struct OutcomeCase {
    const char* what;
    const char* script;
    const char* faults;
    bool yes;
    int exit;
    const char* outcome;  // the start of the last line
    const char* failed;
    const char* done;     // a line that must be there ("" none)
    const char* skipped;  // a line that must not be there ("" none)
};

const OutcomeCase kOutcomes[] = {
    {"pass", "step 监测\nclick 1150\nmeasure 电压 1162 200 400\nmeasure 等级 1164 ~ ^理想--\n", "",
     false, kExitDone, R"({"outcome":"PASS","unit":"unknown")", R"("failed":[])",
     R"({"cmd":"measure","step":"监测","name":"电压","value":258,"low":200,"high":400,)"
     R"("unit":"","verdict":"pass"})",
     ""},
    {"fail with stop", "step 监测\nclick 1150\nmeasure 电压 1162 0 100 V\nstep 基本\nclick 1153\n",
     "", false, kExitPlanFailed, R"({"outcome":"FAIL")", R"("failed":["电压"])",
     R"("name":"电压","value":258,"low":0,"high":100,"unit":"V","verdict":"fail",)"
     R"("reason":"above 100"})",
     R"("id":1153)"},
    {"fail with continue",
     "on-fail continue\nstep 监测\nclick 1150\nmeasure 电压 1162 0 100\nstep 基本\nclick 1153\n"
     "measure 机器码 1178 == 0810001\n",
     "", false, kExitPlanFailed, R"({"outcome":"FAIL","unit":"0810001")", R"("failed":["电压"])",
     R"("name":"机器码","value":"0810001","expect":"0810001","verdict":"pass"})", ""},
    {"time-out", "step 监测\nclick 1150\nmeasure 电压 1162 0 1000\n", "silent", false,
     kExitPlanFailed, R"({"outcome":"FAIL")", R"("failed":["click 1150: timeout"])",
     R"({"cmd":"click","id":1150,"result":"timeout")", R"("cmd":"measure")"},
    {"operator cancel", "step 天线\nanswer no\nprompt 接好天线后按确定\nclick 1150\n", "", false,
     kExitPlanFailed, R"({"outcome":"ABORTED")", R"("failed":[])",
     R"({"cmd":"prompt","text":"接好天线后按确定","answer":"取消"})", R"("id":1150)"},
    {"prompt confirmed by --yes", "step 天线\nanswer no\nprompt 接好天线后按确定\nclick 1150\n", "",
     true, kExitDone, R"({"outcome":"PASS")", R"("failed":[])",
     R"({"cmd":"prompt","text":"接好天线后按确定","answer":"确定"})", ""},
    {"lost port", "step 基本\nclick 1153\nclick 1150\nmeasure 电压 1162 0 1000\n", "lose=1", false,
     kExitPortUnavailable, R"({"outcome":"ERROR")", R"("failed":[])", "", R"("cmd":"measure")"},
    {"script error", "step 监测\nclick 1150\nmeasure 电压 1162 400 200\nmeasure 电压 1162 0 999\n",
     "", false, 2, R"({"outcome":"ERROR")", R"("failed":[])",
     R"({"cmd":"measure","error":"the low bound 400 is above the high bound 200","line":3})",
     R"("verdict")"},
    {"a literal unit", "unit \"LBL-0042\"\nstep 监测\nclick 1150\nmeasure 电压 1162 - -\n", "",
     false, kExitDone, R"({"outcome":"PASS","unit":"LBL-0042")", R"("failed":[])",
     R"("value":258,"low":null,"high":null,"unit":"","verdict":"pass"})", ""},
};

TEST_F(PlanRunTest, TheOutcomeOfEachKindOfRun) {
    for (const auto& c : kOutcomes) {
        runtime_.terminal.factoryReset();  // the first of its monitor samples comes next
        EXPECT_EQ(run(c.script, c.faults, c.yes), c.exit) << c.what << "\n" << out_.str();
        const std::string last = lastLine();
        EXPECT_EQ(last.rfind(c.outcome, 0), 0u) << c.what << ": " << last;
        EXPECT_NE(last.find(c.failed), std::string::npos) << c.what << ": " << last;
        EXPECT_NE(last.find(R"(,"ms":)"), std::string::npos) << c.what << ": " << last;
        if (*c.done) {
            EXPECT_TRUE(said(c.done)) << c.what << "\n" << out_.str();
        }
        if (*c.skipped) {
            EXPECT_FALSE(said(c.skipped)) << c.what << "\n" << out_.str();
        }
    }
}

TEST_F(PlanRunTest, AScriptWithoutStepsKeepsItsOldEnding) {
    EXPECT_EQ(run("click 1150\nget 1162\n"), kExitDone);
    EXPECT_FALSE(said("outcome")) << out_.str();
    EXPECT_EQ(run("click 1150\n", "silent"), kExitTerminalFailed);
    EXPECT_FALSE(said("outcome")) << out_.str();
    // A prompt alone is valid; cancelled, the script goes no further.
    EXPECT_EQ(run("answer no\nprompt 请确认\nclick 1150\n"), kExitPlanFailed);
    EXPECT_FALSE(said(R"("id":1150)")) << out_.str();
}

struct ErrorCase {
    const char* script;
    const char* line;  // the error line, whole
};

TEST_F(PlanRunTest, PlanErrorsNameTheirLine) {
    const ErrorCase cases[] = {
        {"step a\n\nmeasure r 1162 5 1\n",
         R"({"cmd":"measure","error":"the low bound 5 is above the high bound 1","line":3})"},
        {"# a plan\nstep a\nmeasure r 1162 x 1\n",
         R"({"cmd":"measure","error":"bad low bound \"x\"","line":3})"},
        {"step a\nmeasure r 1162 0 -1x\n",
         R"({"cmd":"measure","error":"bad high bound \"-1x\"","line":2})"},
        {"step\nmeasure r 1162 0 1\n", R"({"cmd":"step","error":"usage: step NAME","line":1})"},
        {"step a\non-fail maybe\n",
         R"({"cmd":"on-fail","error":"on-fail is stop or continue","line":2})"},
        {"step a\nmeasure r 99999 0 1\n",
         R"({"cmd":"measure","error":"unknown control 99999 on page \"生产测试\"","line":2})"},
        {"step a\nprompt\n", R"({"cmd":"prompt","error":"usage: prompt TEXT","line":2})"},
        {"step a\nunit \"\"\n", R"({"cmd":"unit","error":"the unit needs a code","line":2})"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(run(c.script), 2) << c.script << out_.str();
        EXPECT_TRUE(said(std::string(c.line) + "\n")) << c.script << "\n" << out_.str();
        EXPECT_EQ(lastLine().rfind(R"({"outcome":"ERROR")", 0), 0u) << lastLine();
    }
    // The regular expression's own complaint follows the pattern.
    EXPECT_EQ(run("step a\nmeasure r 1162 ~ (ab\n"), 2);
    EXPECT_TRUE(said(R"({"cmd":"measure","error":"bad regular expression \"(ab\": )"))
        << out_.str();
}

struct ShippedCase {
    const char* file;
    double bitErrors;
    int exit;
    const char* outcome;
    const char* failed;
};

TEST_F(PlanRunTest, TheShippedPlansPassOnACleanBenchAndFailOnANoisyOne) {
    const ShippedCase cases[] = {
        {"protest_full.plan", 0.0, kExitDone, "PASS", R"("failed":[])"},
        {"protest_quick.plan", 0.0, kExitDone, "PASS", R"("failed":[])"},
        {"protest_full.plan", 0.05, kExitPlanFailed, "FAIL", R"("failed":["平均误码率"])"},
        {"protest_quick.plan", 0.05, kExitPlanFailed, "FAIL", R"("failed":["误码率"])"},
    };
    for (const auto& c : cases) {
        runtime_.terminal.factoryReset();  // as a bench terminal just switched on
        runtime_.terminal.setBitErrors(c.bitErrors);
        const std::string file = std::string(RB_PLANS_DIR) + "/" + c.file;
        EXPECT_EQ(run("", "", false, file), c.exit) << c.file << "\n" << out_.str();
        const std::string last = lastLine();
        EXPECT_EQ(
            last.rfind(std::string(R"({"outcome":")") + c.outcome + R"(","unit":"0810001")", 0), 0u)
            << c.file << ": " << last;
        EXPECT_NE(last.find(c.failed), std::string::npos) << c.file << ": " << last;
        // Pass or fail, the data test was stopped and the production page shows again.
        EXPECT_TRUE(said(R"({"cmd":"click","id":1173,"result":"done")")) << out_.str();
    }
}

TEST_F(PlanRunTest, EachRunIsRecordedWithItsMeasurements) {
    const std::string db = (dir_ / "units.sqlite").string();
    ::setenv("RADIOBENCH_UNIT_DB", db.c_str(), 1);
    const std::string file = std::string(RB_PLANS_DIR) + "/protest_quick.plan";
    runtime_.terminal.factoryReset();
    ASSERT_EQ(run("", "", false, file), kExitDone) << out_.str();
    runtime_.terminal.setMonitor(sim::ProtestTerminal::Monitor{655, 731, 231});
    ASSERT_EQ(run("", "", false, file), kExitPlanFailed) << out_.str();
    ::unsetenv("RADIOBENCH_UNIT_DB");

    units::UnitStore store;
    std::string error;
    ASSERT_TRUE(store.openForReading(db, &error)) << error;
    const auto runs = store.runs({}, &error);
    ASSERT_TRUE(runs) << error;
    ASSERT_EQ(runs->size(), 2u);
    const units::TestRun& pass = (*runs)[0];
    EXPECT_EQ(pass.outcome, "PASS");
    EXPECT_EQ(pass.unit, "0810001");
    EXPECT_EQ(pass.machineType, "protest");
    EXPECT_EQ(pass.planFile, "protest_quick.plan");
    EXPECT_EQ(pass.planSha256.size(), 64u);
    EXPECT_LE(pass.startMs, pass.endMs);
    ASSERT_EQ(pass.measurements.size(), 3u);
    EXPECT_EQ(pass.measurements[0].step, "监测参数");
    EXPECT_EQ(pass.measurements[0].name, "场强电压");
    EXPECT_EQ(pass.measurements[0].value, 258.0);
    EXPECT_EQ(pass.measurements[0].low, 200.0);
    EXPECT_EQ(pass.measurements[2].unit, "%");
    const units::TestRun& fail = (*runs)[1];
    EXPECT_EQ(fail.outcome, "FAIL");
    EXPECT_NE(fail.runId, pass.runId);
    EXPECT_EQ(fail.planSha256, pass.planSha256);
    ASSERT_EQ(fail.measurements.size(), 1u);  // the plan stopped at the failure
    EXPECT_EQ(fail.measurements[0].verdict, "fail");
    EXPECT_EQ(fail.measurements[0].reason, "above 400");
}

}  // namespace
}  // namespace rb::cli
