// The WZ-4040 muster page: muster, roll call and beacon with their three timers, and the
// channel-switch order with its enable rules and checks.
#include "families/wz4040/wz4040_muster.h"

#include <gtest/gtest.h>

#include "families/dispatch/muster_frames.h"
#include "wz4040_bench.h"

using namespace rb;
using rb::testing::sealedHex;
using rb::testing::Wz4040Bench;
namespace ids = rb::families::wz4040::muster_ids;
namespace dispatch = rb::families::dispatch;

namespace {
constexpr int kSdd = 2;
}

TEST(Wz4040Sdd, ChannelSwitchFramesAndChecks) {
    struct Case {
        const char* name;
        std::vector<int> clicks;
        std::vector<std::pair<int, std::string>> texts;
        std::string frame;    // empty: nothing is sent
        std::string message;  // the box shown instead
    };
    const Case cases[] = {
        {"initial fields", {}, {}, "EA 07 00 A6 00 00 00 00 00 00 00 AD", ""},
        {"by frequency at 25 kHz",
         {ids::kByFrequency},
         {{ids::kTxFrequency, "2300000"}, {ids::kRxFrequency, "2300000"}},
         "EA 07 00 A6 03 00 00 23 F0 23 F0 D6",
         ""},
        {"12.5 kHz gives 18400",
         {ids::kByFrequency, ids::kSpacing12_5},
         {{ids::kTxFrequency, "2300000"}},
         sealedHex("EA 07 00 A6 03 00 00 47 E0 00 00"),
         ""},
        {"not a multiple of 250",
         {ids::kByFrequency},
         {{ids::kTxFrequency, "2300125"}},
         "",
         "指定信道发射频率设置不正确!"},
        {"six digits refused",
         {ids::kByFrequency},
         {{ids::kRxFrequency, "230000"}},
         "",
         "指定信道接收频率设置不正确!"},
        {"empty passes as 0",
         {ids::kByFrequency},
         {{ids::kTxFrequency, ""}},
         sealedHex("EA 07 00 A6 03 00 00 00 00 00 00"),
         ""},
        {"channel 5 goes as 04",
         {ids::kSwitch, ids::kStates[1]},
         {{ids::kChannelNumber, "5"}},
         sealedHex("EA 07 00 A6 01 01 04 00 00 00 00"),
         ""},
        {"channel 0 goes as 00",
         {ids::kSwitch, ids::kStates[5]},
         {{ids::kChannelNumber, "0"}},
         sealedHex("EA 07 00 A6 01 05 00 00 00 00 00"),
         ""},
        {"disabled frequency edits are still checked",
         {},
         {{ids::kTxFrequency, "1"}},
         "",
         "指定信道发射频率设置不正确!"},
    };
    for (const Case& c : cases) {
        Wz4040Bench b;
        auto& f = b.form(kSdd);
        for (int id : c.clicks) EXPECT_TRUE(f.click(id)) << c.name << " " << id;
        for (const auto& [id, text] : c.texts) f.setText(id, text);
        f.click(ids::kSwitchButton);
        if (c.frame.empty()) {
            EXPECT_TRUE(b.writes().empty()) << c.name;
            EXPECT_EQ(b.prompter.lastText(), c.message) << c.name;
        } else {
            ASSERT_EQ(b.writes().size(), 1u) << c.name;
            EXPECT_EQ(b.lastHex(), c.frame) << c.name;
            EXPECT_FALSE(b.responseTimerRunning(kSdd)) << c.name;
        }
    }
}

TEST(Wz4040Sdd, EnableRulesFollowTheTwoRadioGroups) {
    Wz4040Bench b;
    auto& f = b.form(kSdd);
    const int frequencyControls[] = {ids::kSpacing25, ids::kSpacing12_5, ids::kTxFrequency,
                                     ids::kRxFrequency};
    auto expect = [&](const char* when, bool states, bool channel, bool frequencies) {
        for (int id : ids::kStates) EXPECT_EQ(f.enabled(id), states) << when << " " << id;
        EXPECT_EQ(f.enabled(ids::kChannelNumber), channel) << when;
        for (int id : frequencyControls) EXPECT_EQ(f.enabled(id), frequencies) << when << " " << id;
    };
    expect("at creation", false, false, false);
    f.click(ids::kByFrequency);
    expect("按指定信道频率切换", false, false, true);
    f.click(ids::kSwitch);
    expect("切换 + 默认信道", true, false, false);
    f.click(ids::kStates[1]);
    expect("切换 + 指定信道编号", true, true, false);
    f.click(ids::kStates[2]);
    expect("切换 + 脱网信道", true, false, false);
    f.click(ids::kStates[5]);
    expect("切换 + 指定信道编号，并收发频率调换", true, true, false);
    f.click(ids::kResearch);
    expect("重新搜索控制信道", false, false, false);
}

TEST(Wz4040Sdd, CommandsAndAnswers) {
    std::string musterHex = "EA 31 00 31 10 03 FF FF 00 00 00";
    for (int k = 3; k <= 16; ++k)
        musterHex += " 00 00 " + wire::toHex(wire::Bytes{std::uint8_t(k)});
    Wz4040Bench b;
    auto& f = b.form(kSdd);
    b.session.statusBar.SetText(2, "kept");
    f.setText(dispatch::kMusterSlotIds[0], "262143");
    f.setText(dispatch::kMusterSlotIds[1], "");
    f.click(ids::kMusterButton);
    EXPECT_EQ(b.lastHex(), sealedHex(musterHex));
    EXPECT_EQ(b.session.statusBar.text(2), "kept");  // musters leave the status bar alone
    f.click(ids::kRollCallButton);
    EXPECT_EQ(b.lastWrite().size(), 102u);
    f.click(ids::kBeaconButton);
    EXPECT_EQ(b.lastHex(), "EA 02 00 30 00 00 32");
    EXPECT_EQ(b.session.statusBar.text(2), "");
    b.answer(0x42, {0x20});
    EXPECT_EQ(b.session.statusBar.text(2), "点名数据回送返回成功");
    // 0x41 is also the GPS fix: the control page acts last, so its text stays.
    b.answer(0x41, {0x10});
    EXPECT_EQ(b.traces[b.traces.size() - 2], "\r\n召集数据返回成功!");
    EXPECT_EQ(b.session.statusBar.text(2), "GPS数据读取成功");
}

TEST(Wz4040Sdd, ThreeTimedSendsOnceASecondEachAlsoWhileHidden) {
    Wz4040Bench b;
    auto& f = b.form(kSdd);
    f.setText(ids::kBeaconInterval, "3000");  // not taken: no muster or roll call sent yet
    f.click(ids::kTimedBeacon);
    f.click(ids::kTimedMuster);
    f.click(ids::kTimedRollCall);
    b.session.theComm.SetWnd(nullptr);  // another terminal type shows
    b.advance(3000);
    int counts[3] = {};
    for (const auto& w : b.writes())
        if (w[3] >= 0x30 && w[3] <= 0x32) ++counts[w[3] - 0x30];
    EXPECT_EQ(counts[0], 3);
    EXPECT_EQ(counts[1], 3);
    EXPECT_EQ(counts[2], 3);
    EXPECT_FALSE(b.session.activity.awaitingAnswer);  // timed sends never hold up a click
    // The musters took 3000 into the page: ticking the beacon again now uses it.
    EXPECT_EQ(b.container->muster().beaconInterval(), 3000);
    f.click(ids::kTimedMuster);
    f.click(ids::kTimedRollCall);
    f.click(ids::kTimedBeacon);
    f.click(ids::kTimedBeacon);
    const std::size_t sent = b.writes().size();
    b.advance(2999);
    EXPECT_EQ(b.writes().size(), sent);
    b.advance(1);
    EXPECT_EQ(b.writes().size(), sent + 1);
    EXPECT_EQ(b.lastHex(), "EA 02 00 30 00 00 32");
}
