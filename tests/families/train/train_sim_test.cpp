// Both train-station pages end to end against the simulated station over the in-process link:
// what one container writes, a fresh container reads back, field for field.
#include <gtest/gtest.h>

#include "families/train/train_bench.h"
#include "sim/train_terminal.h"

using namespace rb;
namespace ids = rb::families::train::base_ids;
namespace kid = rb::families::train::key_ids;

namespace {

// Values unlike the opening ones, the read resets' and the station's factory contents.
void fillBase(engine::FormModel& f, int spacing) {
    f.click(spacing);
    f.click(ids::kCompanderOff);
    f.click(ids::kPowerCustom);
    f.click(ids::kToneChannel);
    f.click(ids::kSingleChannel);
    f.slide(ids::kCustomLevel, 201);
    f.type(ids::kPttEdit, "254");
    f.type(ids::kStandbyEdit, "17");
    f.type(ids::kGroupEdit, "5");
    f.select(ids::kParityList, 1);
    f.select(ids::kSpeedList, 0);
    f.select(ids::kDataBitsList, 4);
    f.select(ids::kStopBitsList, 1);
    f.setSelection(ids::kAirSpeedList, 2);
    for (int k = 1; k <= 16; ++k) {
        f.type(ids::kRows[k - 1].tx, std::to_string(4500000 + 250 * k));
        f.type(ids::kRows[k - 1].rx, std::to_string(3000000 - 500 * k));
        if (k % 2) f.click(ids::kRows[k - 1].digital);
    }
}

void fillKey(engine::FormModel& f) {
    f.type(kid::kOwnerNameEdit, "赵六");
    f.type(kid::kOwnerTextEdit, "上海局 调度所 B");
    f.setChecked(kid::kAuthCheck, false);
    f.type(kid::kLongPressEdit, "2999");
    f.type(kid::kComboEdit, "301");
    f.type(kid::kTestEdit, "7999");
    for (int k = 0; k < 21; ++k) {
        if (k % 2) f.click(kid::kKeys[std::size_t(k)].press);
        if (k % 3) f.click(kid::kKeys[std::size_t(k)].test);
    }
}

}  // namespace

TEST(TrainSim, WriteThenReadGivesBackEveryFieldOfBothPages) {
    for (int spacing : {ids::kSpacing6_25, ids::kSpacing12_5, ids::kSpacing25}) {
        SCOPED_TRACE(spacing);
        rb::testing::TrainBench b(/*simulated=*/true);
        ASSERT_TRUE(b.session.theComm.IsOpen());
        fillBase(b.form(0), spacing);
        fillKey(b.form(1));

        b.form(0).click(2091);
        b.advance(3000);
        EXPECT_EQ(b.traces.back(), "\r\n人工功率设置成功!");
        auto& k = b.form(1);
        k.click(kid::kWriteKeysButton);  // while the type is still 手持台
        b.advance(2000);
        EXPECT_EQ(b.session.statusBar.text(2), "按键设置成功");
        k.click(kid::kOrdinaryRadio);
        k.type(kid::kChannelEdit, "30");
        k.type(kid::kDispatchEdit, "77");
        k.type(kid::kStaffEdit, "13");
        k.click(kid::kWriteTrainButton);
        b.advance(2000);
        EXPECT_EQ(b.session.statusBar.text(2), "列调参数设置成功");
        k.click(kid::kWriteIdentityButton);
        b.advance(2000);
        EXPECT_EQ(b.session.statusBar.text(2), "身份信息设置成功");
        EXPECT_EQ(b.prompter.texts(), std::vector<std::string>{"确认写录数据?"});

        auto written = b.replaceContainer();
        b.form(0).type(ids::kGroupEdit, "5");  // the group to read, as the user picks it
        b.form(0).click(2090);
        b.advance(1500);
        EXPECT_EQ(b.session.statusBar.text(2), "数据读取成功");
        EXPECT_EQ(b.session.statusBar.text(1), sim::TrainTerminal::kFactoryVersion);
        auto& r = b.form(1);
        r.click(kid::kReadIdentityButton);
        b.advance(2000);
        EXPECT_EQ(b.session.statusBar.text(2), "身份信息读取成功");
        r.click(kid::kReadKeysButton);
        b.advance(2000);
        r.click(kid::kReadTrainButton);  // channel 1 asked; the station names its own
        b.advance(2000);
        EXPECT_EQ(b.session.statusBar.text(2), "列调参数读取成功");
        EXPECT_EQ(b.prompter.boxes.size(), 1u);  // no failure anywhere

        rb::testing::expectSameTrainPage(b.form(0), written->page(0).form());
        rb::testing::expectSameTrainPage(b.form(1), written->page(1).form());
        EXPECT_EQ(r.text(kid::kIdentityEdit), std::to_string(77 * 256 + 13));
        EXPECT_FALSE(r.checked(kid::kAuthCheck));
    }
}

TEST(TrainSim, ReadOfAFactoryStation) {
    rb::testing::TrainBench b(/*simulated=*/true);
    b.form(0).click(2090);
    b.advance(1500);
    auto& f = b.form(0);
    EXPECT_EQ(f.text(ids::kRows[0].tx), "4000000");
    EXPECT_EQ(f.text(ids::kRows[0].rx), "4100000");
    EXPECT_EQ(f.text(ids::kPttEdit), "60");
    EXPECT_EQ(f.value(ids::kCustomLevel), 128);
    EXPECT_TRUE(f.checked(ids::kRows[15].digital));
    for (auto& chain : b.container->key().fileReadChains()) {
        chain();
        b.advance(2000);
    }
    auto& k = b.form(1);
    EXPECT_EQ(k.text(kid::kOwnerNameEdit), "王建军");
    EXPECT_EQ(k.text(kid::kIdentityEdit), "773");
    EXPECT_EQ(k.text(kid::kTestEdit), "6000");
    EXPECT_TRUE(k.checked(kid::kKeys[0].press) && k.checked(kid::kKeys[0].test));
    EXPECT_TRUE(k.checked(kid::kAuthCheck));
    EXPECT_TRUE(b.prompter.boxes.empty());
}
