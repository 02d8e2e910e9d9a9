// All three LM52R pages end to end against the simulated terminal over the in-process link: what
// one container writes, a fresh container reads back, field for field.
#include <gtest/gtest.h>

#include "families/lm52r/lm52r_bench.h"
#include "sim/lm52r_terminal.h"

using namespace rb;
namespace uid = rb::families::lm52r::user_ids;
namespace tid = rb::families::lm52r::crew_ids;
namespace hop = rb::families::hopmap;

TEST(Lm52rSim, WriteThenReadGivesBackEveryFieldOfAllThreePages) {
    rb::testing::Lm52rBench b(/*simulated=*/true);
    ASSERT_TRUE(b.session.theComm.IsOpen());
    rb::testing::fillEverything(b);
    const auto state = b.state();

    // Write: the base page, then the user page (which sends the base page's bytes back), the
    // encryption, the hop map and the train page.
    b.form(0).click(2091);
    b.advance(3000);
    EXPECT_EQ(b.session.statusBar.text(2), "声控电平设置成功");
    b.form(1).click(2091);
    b.advance(3000);
    EXPECT_EQ(b.session.statusBar.text(2), "信道守候组设置成功");
    b.form(1).click(uid::kEncryptSetButton);
    b.advance(2000);
    EXPECT_EQ(b.session.statusBar.text(2), "加密方式设置成功");
    b.form(1).click(hop::kSetButton);
    b.advance(2000);
    EXPECT_EQ(b.session.statusBar.text(2), "跳频图设置成功");
    b.form(2).click(tid::kWriteButton);
    b.advance(2000);
    EXPECT_EQ(b.session.statusBar.text(2), "列调参数设置成功");
    EXPECT_EQ(b.prompter.texts(), (std::vector<std::string>{"确认写录数据?", "确认写录数据?"}));

    // A fresh container on the same terminal reads everything back.
    auto written = std::move(b.container);
    b.container = std::make_unique<families::lm52r::CLM52R>(b.session);
    b.session.theComm.SetWnd(b.container.get());
    b.form(0).click(2090);
    b.advance(1500);
    EXPECT_EQ(b.session.statusBar.text(2), "读取声控电平成功");
    EXPECT_EQ(b.session.statusBar.text(1), sim::Lm52rTerminal::kFactoryVersion);
    b.form(1).click(2090);
    b.advance(1500);
    EXPECT_EQ(b.session.statusBar.text(2), "信道守候组读取成功");
    b.form(1).setText(uid::kSchemeEdit, "9");  // the scheme to read, as the user picks it
    b.form(1).click(uid::kEncryptReadButton);
    b.advance(2000);
    b.form(1).select(hop::kSchemeCombo, 3);
    b.form(1).click(hop::kReadButton);
    b.advance(2000);
    EXPECT_EQ(b.session.statusBar.text(2), "跳频图读取成功");
    b.form(2).click(tid::kReadButton);
    b.advance(2000);
    EXPECT_EQ(b.session.statusBar.text(2), "列调参数读取成功");
    EXPECT_EQ(b.prompter.boxes.size(), 2u);  // no failure anywhere

    for (int page : {0, 1, 2})
        rb::testing::expectSamePage(b.form(page), written->page(std::size_t(page)).form());
    EXPECT_EQ(b.state().chanEncryType, state.chanEncryType);
    EXPECT_EQ(b.state().chanHFType, state.chanHFType);
    EXPECT_EQ(b.state().freqStep, 125);
}
