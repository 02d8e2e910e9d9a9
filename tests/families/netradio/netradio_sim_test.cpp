// Both network-radio pages end to end against the simulated terminal over the in-process link:
// what one container writes, a fresh container reads back, control for control; and the
// common-parameter block shared by the two pages keeps each page's bits.
#include <gtest/gtest.h>

#include "families/netradio/netradio_bench.h"
#include "sim/netradio_terminal.h"

using namespace rb;
namespace bid = rb::families::netradio::base_ids;
namespace uid = rb::families::netradio::user_ids;
namespace hop = rb::families::hopmap;

namespace {

using Bench = rb::testing::NetRadioBench;

// A value unlike the opening one, the reset's and the factory contents in every control.
void fillEverything(Bench& b) {
    auto& f = b.form(0);
    for (int id : {bid::kSpacing12_5, bid::kCompanderOff, bid::kPowerLow, bid::kBeepPowerOn,
                   bid::kEncryptCheck, bid::kHoppingCheck})
        f.click(id);
    f.setChecked(bid::kBacklight, false);  // hidden: no click
    f.type(bid::kPttEdit, "255");
    f.type(bid::kStandbyEdit, "1");
    f.select(bid::kParityList, 1);
    f.select(bid::kSpeedList, 0);
    f.select(bid::kDataBitsList, 4);
    f.select(bid::kStopBitsList, 1);
    f.click(bid::kFirstOwnBox + 14);
    for (int k = 0; k < 15; ++k) f.type(bid::kFrequencyEdits[k], std::to_string(8191750 - 125 * k));
    f.type(bid::kOffNetEdit, "3500125");

    auto& u = b.form(1);
    u.type(uid::kIdentityEdit, "1023");
    u.click(uid::kRelayCheck);  // off
    u.type(uid::kOwnerNameEdit, "一二三四五六七八九A");
    u.type(uid::kOwnerTextEdit, "网络 电台 B-7");
    u.click(uid::kAuthCheck);        // off
    u.click(uid::kCrossGroupCheck);  // on
    for (int k = 2; k <= 16; ++k) u.type(uid::kGroupCodeEdits[k - 1], std::to_string(64 - k));
    u.setText(uid::kSchemeEdit, "11");
    u.type(uid::kKeyWordEdit, "钥匙12");
    u.select(hop::kSchemeCombo, 2);
    u.select(hop::kLengthCombo, 3);
    std::string map;
    for (int i = 0; i < 256; ++i) map += std::to_string((i % 81) - 40) + ",";
    u.setText(hop::kDataEdit, map);
}

}  // namespace

TEST(NetRadioSim, WriteThenReadGivesBackEveryControlOfBothPages) {
    Bench b(/*simulated=*/true);
    ASSERT_TRUE(b.session.theComm.IsOpen());
    fillEverything(b);

    b.form(0).click(2091);
    b.advance(3000);
    EXPECT_EQ(b.session.statusBar.text(2), "信道功能设置成功");
    b.form(1).click(2091);
    b.advance(3000);
    EXPECT_EQ(b.session.statusBar.text(2), "本机号码设置成功");
    b.form(1).click(uid::kEncryptSetButton);
    b.advance(2000);
    EXPECT_EQ(b.session.statusBar.text(2), "加密方式设置成功");
    b.form(1).click(hop::kSetButton);
    EXPECT_TRUE(b.user().transferInProgress());
    b.advance(2000);
    EXPECT_FALSE(b.user().transferInProgress());
    EXPECT_EQ(b.session.statusBar.text(2), "跳频图设置成功");
    EXPECT_EQ(b.prompter.texts(), (std::vector<std::string>{"确认写录数据?", "确认写录数据?"}));

    auto written = std::move(b.container);
    b.container = std::make_unique<families::netradio::CNetRadio>(b.session);
    b.session.theComm.SetWnd(b.container.get());
    b.form(0).click(2090);
    b.advance(1500);
    EXPECT_EQ(b.session.statusBar.text(2), "信道功能读取成功");
    EXPECT_EQ(b.session.statusBar.text(1), sim::NetRadioTerminal::kFactoryVersion);
    b.form(1).click(2090);
    b.advance(1500);
    EXPECT_EQ(b.session.statusBar.text(2), "本机号码设置读取成功");
    b.form(1).setText(uid::kSchemeEdit, "11");  // the scheme to read, as the user picks it
    b.form(1).click(uid::kEncryptReadButton);
    b.advance(2000);
    b.form(1).select(hop::kSchemeCombo, 2);  // the map to read; its length comes back
    b.form(1).click(hop::kReadButton);
    b.advance(2000);
    EXPECT_EQ(b.session.statusBar.text(2), "跳频图读取成功");
    EXPECT_EQ(b.prompter.boxes.size(), 2u);  // no failure anywhere

    rb::testing::expectSamePage(b.form(0), written->page(0).form());
    rb::testing::expectSamePage(b.form(1), written->page(1).form());
    EXPECT_EQ(b.base().channelStep(), 125);
}

TEST(NetRadioSim, EachPagesWriteKeepsTheOtherPagesBitsOfTheCommonBlock) {
    Bench b(/*simulated=*/true);
    auto& terminal = b.terminal;
    // A terminal whose flags byte has every bit set.
    terminal.answer(wire::FrameView(
        wire::frame96(0x20, {0x00, 0x01, 1, 2, 0xFF, 0x44, 0x44, 0xCC, 3, 0, 0x22, 0xAA})));

    // The base page writes with companding and the power-on tone off: bits 0 and 3 clear,
    // 2 and 4 as 0, the PTT-release tone (1) and the backlight (6) on, 5 and 7 kept.
    b.form(0).click(bid::kCompanderOff);
    b.form(0).click(bid::kBeepPowerOn);
    b.form(0).click(bid::kFirstOwnBox);
    b.form(0).click(2091);
    b.advance(3000);
    const wire::Bytes afterBase = terminal.stored(0x20);
    ASSERT_EQ(afterBase.size(), 12u);
    EXPECT_EQ(afterBase[4], 0xE2);

    // The user page clears 鉴权, leaves 跨组呼叫使能 off and keeps every other bit and byte.
    b.form(1).type(uid::kIdentityEdit, "37");
    b.form(1).click(uid::kAuthCheck);
    b.form(1).click(2091);
    b.advance(3000);
    wire::Bytes expected = afterBase;
    expected[4] = 0x42;
    EXPECT_EQ(terminal.stored(0x20), expected);

    // And the other way: the base page writes back the user page's bits as it found them.
    b.form(1).click(uid::kCrossGroupCheck);
    b.form(1).click(2091);
    b.advance(3000);
    b.form(0).click(bid::kBeepPowerOn);
    b.form(0).click(2091);
    b.advance(3000);
    EXPECT_EQ(terminal.stored(0x20)[4], 0x6A);
    EXPECT_EQ(b.prompter.boxes.size(), 4u);
}
