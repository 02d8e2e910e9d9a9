// The LM52R train-parameter page: the two requests, the answer's nibbles and flags, the 2000 ms
// button lock, and the numbers kept inside their nibble.
#include "families/lm52r/lm52r_train.h"

#include <gtest/gtest.h>

#include "lm52r_page_bench.h"

using namespace rb;
using namespace rb::families::lm52r::train_ids;
using rb::testing::Lm52rPageBench;

namespace {
struct TrainBench : Lm52rPageBench {
    TrainBench() : Lm52rPageBench(2) {}
};
}  // namespace

TEST(Lm52rTrain, WriteSendsAtOnceWithNibblesAndFlags) {
    struct Case {
        const char* dispatch;
        const char* staff;
        bool locomotive;
        bool noResend;
        wire::Bytes payload;
    };
    const std::vector<Case> cases = {
        {"5", "3", false, false, {0x00, 0x01, 0x35, 0x00, 0x00}},
        {"15", "15", true, true, {0x00, 0x01, 0xFF, 0x55, 0x55}},
        {"0", "0", true, false, {0x00, 0x01, 0x00, 0x55, 0x00}},
        {"16", "1", false, true, {0x00, 0x01, 0x1F, 0x00, 0x55}},    // 16 is held at 15
        {"-2", "99", false, false, {0x00, 0x01, 0xF0, 0x00, 0x00}},  // -2 at 0, 99 at 15
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.dispatch) + "/" + c.staff);
        TrainBench b;
        auto& f = b.form();
        f.type(kDispatchEdit, c.dispatch);
        f.type(kStaffEdit, c.staff);
        if (c.locomotive) f.click(kLocomotiveRadio);
        if (c.noResend) f.click(kNoResendCheck);
        f.click(kWriteButton);
        EXPECT_TRUE(b.prompter.boxes.empty());  // no "确认写录数据?"
        EXPECT_EQ(b.session.requestPage, 2);
        ASSERT_EQ(b.writes().size(), 1u);
        EXPECT_EQ(b.lastWrite(), wire::frame96(0x30, c.payload));
        EXPECT_EQ(b.lastWrite().size(), 10u);
        b.answer(0x31, {0x00, 0x01});
        EXPECT_EQ(b.session.statusBar.text(2), "列调参数设置成功");
    }
}

TEST(Lm52rTrain, ReadShowsTheAnswer) {
    struct Case {
        std::uint8_t b6, b7, b8;
        const char* dispatch;
        const char* staff;
        int type;  // 0 手持电台, 1 机车电台
        bool noResend;
    };
    const std::vector<Case> cases = {
        {0xA7, 0x55, 0x00, "7", "10", 1, false},
        {0x00, 0x00, 0x55, "0", "0", 0, true},
        {0x5F, 0x54, 0x56, "15", "5", 0, false},  // only 0x55 counts as "yes"
    };
    for (const auto& c : cases) {
        TrainBench b;
        b.form().click(kLocomotiveRadio);
        b.form().click(kReadButton);
        EXPECT_EQ(b.session.requestPage, 2);
        EXPECT_EQ(b.lastWrite(), (wire::Bytes{0x96, 0x05, 0x80, 0x32, 0x00, 0x01, 0x20}));
        b.answer(0x33, {0x00, 0x01, c.b6, c.b7, c.b8});
        EXPECT_EQ(b.form().text(kDispatchEdit), c.dispatch);
        EXPECT_EQ(b.form().text(kStaffEdit), c.staff);
        EXPECT_EQ(b.form().radio(kHandheldRadio), c.type);
        EXPECT_EQ(b.form().checked(kNoResendCheck), c.noResend);
        EXPECT_EQ(b.session.statusBar.text(2), "列调参数读取成功");
    }
}

TEST(Lm52rTrain, ButtonsLockFor2000msAndASilentTerminalIsReported) {
    for (int button : {kReadButton, kWriteButton}) {
        SCOPED_TRACE(button);
        TrainBench b;
        b.form().click(button);
        EXPECT_FALSE(b.form().enabled(kReadButton));
        EXPECT_FALSE(b.form().enabled(kWriteButton));
        b.advance(1999);
        EXPECT_FALSE(b.form().enabled(kReadButton));
        EXPECT_TRUE(b.prompter.boxes.empty());
        b.advance(1);
        EXPECT_TRUE(b.form().enabled(kReadButton));
        EXPECT_TRUE(b.form().enabled(kWriteButton));
        EXPECT_EQ(b.session.statusBar.text(2), "操作失败");
        EXPECT_EQ(b.prompter.lastText(), "操作失败！请检查设备连接是否正常？");
    }
}
