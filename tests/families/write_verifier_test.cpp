// "写后校验" on the real LM52R pages against the simulated terminal: the write button's chain,
// then the read chain, then one box naming what the terminal did not keep.
#include "engine/write_verifier.h"

#include <gtest/gtest.h>

#include "families/lm52r/lm52r_base_ids.h"
#include "families/lm52r/lm52r_bench.h"
#include "families/lm52r/lm52r_user.h"

namespace rb::testing {
namespace {

using namespace families::lm52r;

struct WriteVerifierTest : ::testing::Test {
    Lm52rBench bench{true};
    engine::WriteVerifier verifier{bench.session};

    // The simulated terminal, from now on with these faults.
    void reopen(const sim::Faults& faults) {
        auto& comm = bench.session.theComm;
        comm.Close();
        comm.setOpener([this, faults](const engine::PortRequest& r) {
            return link::openSimulator(r, bench.timers, faults);
        });
        engine::PortRequest request;
        request.device = "sim";
        request.family = "lm52r";
        ASSERT_TRUE(comm.Open(request));
    }
    // Clicks a button and lets the clock run until the verifier has ended.
    void clickAndSettle(int page, int id) {
        ASSERT_TRUE(bench.form(page).click(id));
        for (int i = 0; i < 1000 && verifier.busy(); ++i) bench.advance(10);
        EXPECT_FALSE(verifier.busy());
    }
    // The page's read button, and the clock on until its buttons are back.
    void readPage(int page) {
        ASSERT_TRUE(bench.form(page).click(engine::kReadButton));
        bench.advance(3000);
    }
    std::size_t boxesWith(const std::string& text) {
        std::size_t n = 0;
        for (const auto& t : bench.prompter.texts()) n += t.find(text) != std::string::npos;
        return n;
    }
};

TEST_F(WriteVerifierTest, AFieldTheTerminalDidNotKeepIsNamedInOneBoxAndTheInputSurvives) {
    reopen([] {
        sim::Faults f;
        f.keepOldFor = 0x14;  // channel frequencies: acknowledged, not stored
        return f;
    }());
    readPage(0);
    verifier.setEnabled(true);
    const int tx3 = base_ids::kRows[2].tx;
    bench.form(0).setText(tx3, "4100500");
    clickAndSettle(0, engine::kWriteButton);

    ASSERT_EQ(boxesWith(engine::kVerifyFailedHeading), 1u) << bench.prompter.lastText();
    EXPECT_NE(bench.prompter.lastText().find("信道03 发射频率: 写入 4100500, 读回 4000500"),
              std::string::npos)
        << bench.prompter.lastText();
    ASSERT_EQ(verifier.lastDifferences().size(), 1u);
    EXPECT_EQ(bench.form(0).text(tx3), "4100500");  // what the user wrote is still there
}

TEST_F(WriteVerifierTest, ACleanWriteEndsWithTheStatusAndNoBox) {
    readPage(1);
    verifier.setEnabled(true);
    bench.form(1).setText(user_ids::kOwnerNameEdit, "王五");
    clickAndSettle(1, engine::kWriteButton);
    EXPECT_EQ(boxesWith(engine::kVerifyFailedHeading), 0u);
    EXPECT_EQ(bench.session.statusBar.text(2), engine::kVerifyPassed);
    EXPECT_EQ(bench.form(1).text(user_ids::kOwnerNameEdit), "王五");
}

TEST_F(WriteVerifierTest, NothingIsReadBackWhenOffDeclinedOrTimedOut) {
    // Off (the default): the write alone.
    clickAndSettle(0, engine::kWriteButton);
    for (int i = 0; i < 400; ++i) bench.advance(10);
    const std::string status = bench.session.statusBar.text(2);
    EXPECT_EQ(status.substr(status.size() - std::string("设置成功").size()), "设置成功") << status;

    verifier.setEnabled(true);
    bench.prompter.answers.push_back(engine::Answer::Cancel);  // "确认写录数据?" declined
    const int before = bench.session.activity.requests;
    clickAndSettle(0, engine::kWriteButton);
    EXPECT_EQ(bench.session.activity.requests, before);

    reopen([] {
        sim::Faults f;
        f.silent = true;
        return f;
    }());
    clickAndSettle(0, engine::kWriteButton);
    EXPECT_EQ(boxesWith(engine::kFailedBox), 1u);
    EXPECT_EQ(boxesWith(engine::kVerifyFailedHeading), 0u);
    EXPECT_NE(bench.session.statusBar.text(2), engine::kVerifyPassed);
}

}  // namespace
}  // namespace rb::testing
