// The outcome of a run from what happened in it, and the identity a run record starts with.
#include "plan/outcome.h"

#include <gtest/gtest.h>

#include <functional>

#include "plan/run_identity.h"

namespace rb::plan {
namespace {

units::Measurement measurement(const std::string& name, bool pass) {
    units::Measurement m;
    m.name = name;
    m.verdict = pass ? "pass" : "fail";
    return m;
}

struct OutcomeCase {
    const char* what;
    std::function<void(PlanTally&)> events;
    const char* outcome;
    bool finished;
    std::vector<std::string> failed;
};

TEST(PlanTally, OutcomeOfARun) {
    const OutcomeCase cases[] = {
        {"nothing failed",
         [](PlanTally& t) {
             t.measured(measurement("a", true));
             t.clickEnded(ClickEnd::Done, "click 1");
         },
         units::kRunPass,
         false,
         {}},
        {"failed measurement stops",
         [](PlanTally& t) { t.measured(measurement("a", false)); },
         units::kRunFail,
         true,
         {"a"}},
        {"failed measurement, continue",
         [](PlanTally& t) {
             t.setStopOnFail(false);
             t.measured(measurement("a", false));
             t.measured(measurement("b", true));
             t.measured(measurement("c", false));
         },
         units::kRunFail,
         false,
         {"a", "c"}},
        {"time-out",
         [](PlanTally& t) { t.clickEnded(ClickEnd::TimedOut, "click 1150"); },
         units::kRunFail,
         true,
         {"click 1150: timeout"}},
        {"stopped by a message",
         [](PlanTally& t) { t.clickEnded(ClickEnd::Stopped, "click 1151"); },
         units::kRunFail,
         true,
         {"click 1151: stopped"}},
        {"declined",
         [](PlanTally& t) { t.clickEnded(ClickEnd::Declined, "click 1151"); },
         units::kRunFail,
         true,
         {"click 1151: declined"}},
        {"operator cancel", [](PlanTally& t) { t.cancelled(); }, units::kRunAborted, true, {}},
        {"cancel after a failure, continue",
         [](PlanTally& t) {
             t.setStopOnFail(false);
             t.measured(measurement("a", false));
             t.cancelled();
         },
         units::kRunAborted,
         true,
         {"a"}},
        {"lost port", [](PlanTally& t) { t.portLost(); }, units::kRunError, true, {}},
        {"script error after a failure",
         [](PlanTally& t) {
             t.setStopOnFail(false);
             t.measured(measurement("a", false));
             t.scriptError();
         },
         units::kRunError,
         true,
         {"a"}},
    };
    for (const auto& c : cases) {
        PlanTally tally;
        c.events(tally);
        EXPECT_STREQ(tally.outcome(), c.outcome) << c.what;
        EXPECT_EQ(tally.finished(), c.finished) << c.what;
        EXPECT_EQ(tally.failed(), c.failed) << c.what;
    }
}

TEST(PlanTally, MeasurementsKeepTheirStep) {
    PlanTally tally;
    tally.startStep("监测参数");
    auto m = measurement("电压", true);
    m.step = tally.step();
    tally.measured(m);
    tally.startStep("数传");
    EXPECT_EQ(tally.steps(), (std::vector<std::string>{"监测参数", "数传"}));
    ASSERT_EQ(tally.measurements().size(), 1u);
    EXPECT_EQ(tally.measurements()[0].step, "监测参数");
}

TEST(RunIdentity, HashIdAndFileName) {
    // Known SHA-256 digests.
    EXPECT_EQ(sha256Hex(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    EXPECT_EQ(sha256Hex("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    const units::TestRun a = startRun("/some/where/protest_full.plan", "step a\n", 1234);
    const units::TestRun b = startRun("protest_full.plan", "step a\n", 1234);
    EXPECT_EQ(a.planFile, "protest_full.plan");
    EXPECT_EQ(a.planSha256, b.planSha256);
    EXPECT_EQ(a.planSha256.size(), 64u);
    EXPECT_EQ(a.startMs, 1234);
    EXPECT_EQ(a.runId.size(), 36u);  // 8-4-4-4-12
    EXPECT_NE(a.runId, b.runId);
    EXPECT_FALSE(a.station.empty());
    EXPECT_FALSE(a.operatorName.empty());
}

}  // namespace
}  // namespace rb::plan
