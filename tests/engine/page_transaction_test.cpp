// The transaction pattern every page follows: chains, time-outs, the button lock, confirmation.
#include <gtest/gtest.h>

#include "fake_pages.h"

using namespace std::chrono_literals;
using rb::testing::Bench;
using namespace rb;

TEST(PageTransaction, ReadChainRunsToItsEndAndReportsEachAnswer) {
    Bench b;
    ASSERT_TRUE(b.open());
    b.first->form().setText(100, "55");
    b.first->form().click(engine::kReadButton);

    EXPECT_EQ(b.first->resets, 1);
    EXPECT_EQ(b.first->form().text(100), "0");
    EXPECT_FALSE(b.first->form().enabled(engine::kReadButton));
    EXPECT_FALSE(b.first->form().enabled(engine::kWriteButton));
    ASSERT_EQ(b.link().writes.size(), 1u);
    EXPECT_EQ(b.link().writes[0], (wire::Bytes{0x96, 0x03, 0x80, 0x10, 0x96 ^ 0x03 ^ 0x80 ^ 0x10}));
    EXPECT_EQ(b.lastTrace(), "\r\n\r\n发送信息(2008-08-11 09:30:05)\r\n96 03 80 10 05 ");
    EXPECT_EQ(b.traces.back().first, 0x10);

    b.answer(0x11, {42});
    EXPECT_EQ(b.first->form().text(100), "42");
    EXPECT_EQ(b.session.statusBar.text(2), "");  // cleared by the next request
    EXPECT_EQ(b.codesWritten(), (std::vector<std::uint8_t>{0x10, 0x12}));
    b.answer(0x13);
    EXPECT_EQ(b.session.statusBar.text(2), "第二步成功");
    EXPECT_EQ(b.lastTrace(), "\r\n第二步成功!");
    EXPECT_FALSE(b.timers.running(b.first, engine::kResponseTimer));
    EXPECT_TRUE(b.prompter.boxes.empty());

    b.timers.advance(1499ms);
    EXPECT_FALSE(b.first->form().enabled(engine::kReadButton));
    b.timers.advance(1ms);
    EXPECT_TRUE(b.first->form().enabled(engine::kReadButton));
    EXPECT_TRUE(b.first->form().enabled(engine::kWriteButton));
    EXPECT_FALSE(b.timers.running(b.first, engine::kButtonTimer));
}

TEST(PageTransaction, ClosedPortFailsAfter2000msAndButtonsReturnAfter1500ms) {
    Bench b;  // port never opened: the request is traced, nothing goes out
    b.first->form().click(engine::kReadButton);
    EXPECT_EQ(b.traces.size(), 1u);
    b.timers.advance(1500ms);
    EXPECT_TRUE(b.first->form().enabled(engine::kReadButton));
    EXPECT_TRUE(b.prompter.boxes.empty());
    b.timers.advance(500ms);
    EXPECT_EQ(b.session.statusBar.text(2), "操作失败");
    ASSERT_EQ(b.prompter.boxes.size(), 1u);
    EXPECT_EQ(b.prompter.boxes[0].text, "操作失败！请检查设备连接是否正常？");
    EXPECT_EQ(b.prompter.boxes[0].caption, "提示");
    EXPECT_EQ(b.prompter.boxes[0].icon, engine::Icon::Information);
    b.timers.advance(10000ms);  // timer 1 was killed: one box only
    EXPECT_EQ(b.prompter.boxes.size(), 1u);
}

TEST(PageTransaction, LateAnswerStillContinuesTheChain) {
    Bench b;
    ASSERT_TRUE(b.open());
    b.first->form().click(engine::kReadButton);
    b.timers.advance(2500ms);
    EXPECT_EQ(b.session.statusBar.text(2), "操作失败");
    b.answer(0x11, {7});
    EXPECT_EQ(b.first->form().text(100), "7");
    EXPECT_EQ(b.codesWritten(), (std::vector<std::uint8_t>{0x10, 0x12}));
    EXPECT_TRUE(b.timers.running(b.first, engine::kResponseTimer));
}

TEST(PageTransaction, UnknownAnswerCodeChangesNothing) {
    Bench b;
    ASSERT_TRUE(b.open());
    b.first->form().click(engine::kReadButton);
    b.answer(0x55, {1, 2});
    EXPECT_EQ(b.first->ignored, 1);
    EXPECT_EQ(b.first->form().text(100), "0");
    EXPECT_EQ(b.codesWritten().size(), 1u);
    EXPECT_TRUE(b.timers.running(b.first, engine::kResponseTimer));
}

TEST(PageTransaction, CancelledWriteLeavesEverythingUntouched) {
    Bench b;
    ASSERT_TRUE(b.open());
    b.session.requestPage = 1;
    b.first->form().setText(100, "9");
    b.prompter.answers.push_back(engine::Answer::Cancel);
    b.first->form().click(engine::kWriteButton);
    ASSERT_EQ(b.prompter.boxes.size(), 1u);
    EXPECT_EQ(b.prompter.boxes[0].text, "确认写录数据?");
    EXPECT_EQ(b.prompter.boxes[0].caption, "提问");
    EXPECT_EQ(b.prompter.boxes[0].icon, engine::Icon::Question);
    EXPECT_EQ(b.session.requestPage, 1);
    EXPECT_TRUE(b.first->form().enabled(engine::kReadButton));
    EXPECT_EQ(b.timers.count(), 0u);
    EXPECT_TRUE(b.link().writes.empty());
    EXPECT_EQ(b.first->form().text(100), "9");
}

TEST(PageTransaction, ConfirmedWriteLocksFor3000msAndValidationStopsTheChain) {
    Bench b;
    ASSERT_TRUE(b.open());
    b.first->form().setText(100, "201");
    b.first->form().click(engine::kWriteButton);
    ASSERT_EQ(b.prompter.boxes.size(), 2u);
    EXPECT_EQ(b.prompter.boxes[1].text, "数值设置错误,请设为0-200!");
    EXPECT_TRUE(b.link().writes.empty());
    b.timers.advance(2999ms);
    EXPECT_FALSE(b.first->form().enabled(engine::kWriteButton));
    b.timers.advance(1ms);
    EXPECT_TRUE(b.first->form().enabled(engine::kWriteButton));
    EXPECT_FALSE(b.timers.running(b.first, engine::kResponseTimer));
}

TEST(PageTransaction, SecondReadWhileAnswersArriveRestartsTheChain) {
    Bench b;
    ASSERT_TRUE(b.open());
    b.first->form().click(engine::kReadButton);
    b.timers.advance(1500ms);  // buttons back, chain still waiting
    b.first->form().setText(100, "3");
    b.first->form().click(engine::kReadButton);
    EXPECT_EQ(b.first->resets, 2);
    EXPECT_EQ(b.codesWritten(), (std::vector<std::uint8_t>{0x10, 0x10}));
}
