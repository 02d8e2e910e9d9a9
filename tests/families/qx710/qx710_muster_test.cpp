// The QX-7100 muster page: muster and roll-call frames, reset, work mode and power times, and
// the timed musters on the page's own two timers.
#include <gtest/gtest.h>

#include "families/dispatch/muster_frames.h"
#include "qx710_bench.h"

using namespace rb;
using rb::testing::hexOf;
using rb::testing::Qx710Bench;
using rb::testing::sealed;
namespace ids = rb::families::qx710::muster_ids;
namespace dispatch = rb::families::dispatch;

namespace {
constexpr int kMuster = 1;
}

TEST(Qx710Muster, CommandsSendTheirFrames) {
    std::string musterHex = "EA 31 00 31 10";
    for (int k = 1; k <= 16; ++k)
        musterHex += " 00 00 " + wire::toHex(wire::Bytes{std::uint8_t(k)});
    std::string rollHex = "EA 61 00 32 20";
    for (int k = 1; k <= 32; ++k) rollHex += " 00 00 " + wire::toHex(wire::Bytes{std::uint8_t(k)});
    std::string edgeHex = "EA 31 00 31 10 03 FF FF 00 00 00";
    for (int k = 3; k <= 16; ++k) edgeHex += " 00 00 " + wire::toHex(wire::Bytes{std::uint8_t(k)});

    struct Case {
        const char* name;
        std::vector<std::pair<int, std::string>> texts;
        std::vector<int> clicks;
        std::string frame;
    };
    const Case cases[] = {
        {"muster with the initial fields", {}, {ids::kMusterButton}, sealed(musterHex)},
        {"roll call with the initial fields", {}, {ids::kRollCallButton}, sealed(rollHex)},
        {"muster 262143 and an empty slot",
         {{dispatch::kMusterSlotIds[0], "262143"}, {dispatch::kMusterSlotIds[1], ""}},
         {ids::kMusterButton},
         sealed(edgeHex)},
        {"reset after 5 s",
         {{ids::kResetDelay, "5"}},
         {ids::kResetButton},
         sealed("EA 03 00 A0 CC DD 05")},
        {"reset delay's low byte",
         {{ids::kResetDelay, "261"}},
         {ids::kResetButton},
         sealed("EA 03 00 A0 CC DD 05")},
        {"online mode", {}, {ids::kOnlineMode, ids::kWorkModeButton}, sealed("EA 01 00 A1 01")},
        {"power-on time", {}, {ids::kPowerOnTime}, sealed("EA 07 00 A5 01 1A 03 07 08 09 0A")},
        {"power-off time", {}, {ids::kPowerOffTime}, sealed("EA 07 00 A5 00 1A 03 07 08 09 0A")},
    };
    for (const Case& c : cases) {
        Qx710Bench b;
        auto& f = b.form(kMuster);
        for (const auto& [id, text] : c.texts) f.setText(id, text);
        for (int id : c.clicks) f.click(id);
        ASSERT_EQ(b.writes().size(), 1u) << c.name;
        EXPECT_EQ(hexOf(b.lastWrite()), c.frame) << c.name;
        EXPECT_FALSE(b.responseTimerRunning(kMuster)) << c.name;
    }
    EXPECT_EQ(dispatch::musterFrame({}).size(), 54u);
    EXPECT_EQ(dispatch::rollCallFrame({}).size(), 102u);
}

TEST(Qx710Muster, AnswersAreReportedWithoutTouchingTimers) {
    Qx710Bench b;
    b.form(0).click(2090);  // the base page waits for its answer
    b.answer(0x41, {0x10, 0x01});
    EXPECT_EQ(b.session.statusBar.text(2), "召集数据返回成功");
    EXPECT_EQ(b.traces.back(), "\r\n召集数据返回成功!");
    b.answer(0x42, {0x20});
    EXPECT_EQ(b.session.statusBar.text(2), "点名数据回送返回成功");
    EXPECT_TRUE(b.responseTimerRunning(0));
}

TEST(Qx710Muster, TimedMusterAndRollCallOnceASecondEach) {
    Qx710Bench b;
    auto& f = b.form(kMuster);
    f.click(ids::kTimedMuster);
    f.click(ids::kTimedRollCall);
    b.advance(3000);
    int musters = 0, rolls = 0;
    for (const auto& w : b.writes()) {
        musters += w[3] == 0x31;
        rolls += w[3] == 0x32;
    }
    EXPECT_EQ(musters, 3);
    EXPECT_EQ(rolls, 3);
    EXPECT_FALSE(b.session.activity.awaitingAnswer);  // timed sends never hold up a click
    // Both keep running while the container is hidden: nothing stops them but their boxes.
    f.click(ids::kTimedMuster);
    b.advance(2000);
    EXPECT_EQ(b.writes().size(), 8u);
    EXPECT_EQ(b.writes().back()[3], 0x32);
}

TEST(Qx710Muster, TheIntervalIsTheOneHeldWhenTheBoxIsTicked) {
    Qx710Bench b;
    auto& f = b.form(kMuster);
    f.setText(ids::kMusterInterval, "5000");
    f.click(ids::kTimedMuster);  // no send yet: the page still holds 1000
    b.advance(1000);
    ASSERT_EQ(b.writes().size(), 1u);  // that send took 5000 into the page
    b.advance(1000);
    EXPECT_EQ(b.writes().size(), 2u);  // still every 1000 ms until ticked again
    f.click(ids::kTimedMuster);
    f.click(ids::kTimedMuster);
    b.advance(4999);
    EXPECT_EQ(b.writes().size(), 2u);
    b.advance(1);
    EXPECT_EQ(b.writes().size(), 3u);
    // An interval outside the spin's range cannot flood the line.
    f.setText(ids::kMusterInterval, "0");
    f.click(ids::kMusterButton);
    f.click(ids::kTimedMuster);
    f.click(ids::kTimedMuster);
    const std::size_t sent = b.writes().size();
    b.advance(999);
    EXPECT_EQ(b.writes().size(), sent);
}
