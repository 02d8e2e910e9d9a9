// The LM52R train-parameter page: the two requests, the answer's nibbles and flags, the 2000 ms
// button lock, and the numbers kept inside their nibble.
#include "families/lm52r/lm52r_crew.h"

#include <gtest/gtest.h>

#include "families/lm52r/lm52r_bench.h"

using namespace rb;
using namespace rb::families::lm52r::crew_ids;
using rb::testing::Lm52rBench;

TEST(Lm52rCrew, WriteSendsAtOnceWithNibblesAndFlags) {
    struct Case {
        const char* dispatch;
        const char* staff;
        bool locomotive;
        bool noResend;
        wire::Bytes sent;  // bytes 6-8
    };
    const std::vector<Case> cases = {
        {"5", "3", false, false, {0x35, 0x00, 0x00}},
        {"15", "15", true, true, {0xFF, 0x55, 0x55}},
        {"16", "1", false, true, {0x1F, 0x00, 0x55}},   // 16 is held at 15
        {"-2", "99", true, false, {0xF0, 0x55, 0x00}},  // -2 at 0, 99 at 15
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.dispatch) + "/" + c.staff);
        Lm52rBench b;
        auto& f = b.form(2);
        f.type(kDispatchEdit, c.dispatch);
        f.type(kStaffEdit, c.staff);
        if (c.locomotive) f.click(kLocomotiveRadio);
        if (c.noResend) f.click(kNoResendCheck);
        // Each number is held inside its nibble as it is typed.
        EXPECT_EQ(f.text(kDispatchEdit), std::to_string(c.sent[0] % 16));
        EXPECT_EQ(f.text(kStaffEdit), std::to_string(c.sent[0] / 16));
        f.click(kWriteButton);
        EXPECT_TRUE(b.prompter.boxes.empty());  // no "确认写录数据?"
        EXPECT_EQ(b.session.requestPage, 2);
        EXPECT_EQ(b.writes(), std::vector<wire::Bytes>{wire::frame96(
                                  0x30, {0x00, 0x01, c.sent[0], c.sent[1], c.sent[2]})});
        b.answer(0x31);
        EXPECT_EQ(b.session.statusBar.text(2), "列调参数设置成功");
    }
}

TEST(Lm52rCrew, ReadShowsTheAnswer) {
    struct Case {
        wire::Bytes got;  // bytes 6-8
        const char* dispatch;
        const char* staff;
        int type;  // 0 手持电台, 1 机车电台
        bool noResend;
    };
    const std::vector<Case> cases = {
        {{0xA7, 0x55, 0x00}, "7", "10", 1, false},
        {{0x00, 0x00, 0x55}, "0", "0", 0, true},
        {{0x5F, 0x54, 0x56}, "15", "5", 0, false},  // only 0x55 counts as "yes"
    };
    for (const auto& c : cases) {
        Lm52rBench b;
        auto& f = b.form(2);
        f.click(kLocomotiveRadio);
        f.click(kReadButton);
        EXPECT_EQ(b.session.requestPage, 2);
        EXPECT_EQ(b.lastWrite(), (wire::Bytes{0x96, 0x05, 0x80, 0x32, 0x00, 0x01, 0x20}));
        b.answer(0x33, {0x00, 0x01, c.got[0], c.got[1], c.got[2]});
        EXPECT_EQ(f.text(kDispatchEdit), c.dispatch);
        EXPECT_EQ(f.text(kStaffEdit), c.staff);
        EXPECT_EQ(f.radio(kHandheldRadio), c.type);
        EXPECT_EQ(f.checked(kNoResendCheck), c.noResend);
        EXPECT_EQ(b.session.statusBar.text(2), "列调参数读取成功");
    }
}

TEST(Lm52rCrew, ButtonsLockFor2000msAndASilentTerminalIsReported) {
    for (int button : {kReadButton, kWriteButton}) {
        SCOPED_TRACE(button);
        Lm52rBench b;
        auto& f = b.form(2);
        f.click(button);
        b.advance(1999);
        EXPECT_FALSE(f.enabled(kReadButton) || f.enabled(kWriteButton));
        EXPECT_TRUE(b.prompter.boxes.empty());
        b.advance(1);
        EXPECT_TRUE(f.enabled(kReadButton) && f.enabled(kWriteButton));
        EXPECT_EQ(b.session.statusBar.text(2), "操作失败");
        EXPECT_EQ(b.prompter.texts(),
                  std::vector<std::string>{"操作失败！请检查设备连接是否正常？"});
    }
}
