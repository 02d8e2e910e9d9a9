// The port object: port numbers, frame cutting over the reader's deadline, a vanished device.
#include "engine/cn_comm.h"

#include <gtest/gtest.h>

#include "support/fake_link.h"

using namespace std::chrono_literals;
using namespace rb;

namespace {
struct Collector : engine::FrameReceiver {
    std::vector<wire::FrameSlot> frames;
    void OnCommFrame(const wire::FrameSlot& s) override { frames.push_back(s); }
};
}  // namespace

TEST(CnComm, PortNumbersOutsideOneTo1024AreRefusedWithoutTouchingADevice) {
    engine::ManualTimers timers;
    engine::CnComm comm(timers);
    int opened = 0;
    comm.setOpener([&](const engine::PortRequest&) {
        ++opened;
        return engine::OpenResult{std::make_unique<rb::testing::FakeLink>(), ""};
    });
    EXPECT_FALSE(comm.Open(0, 9600));
    EXPECT_FALSE(comm.Open(1025, 9600));
    EXPECT_EQ(opened, 0);
    EXPECT_TRUE(comm.Open(1024, 9600));
    EXPECT_EQ(comm.portNumber, 1024u);
    EXPECT_TRUE(comm.IsOpen());
}

TEST(CnComm, FailedOpenKeepsTheReason) {
    engine::ManualTimers timers;
    engine::CnComm comm(timers);
    rb::testing::FakeOpener opener;
    opener.refuse = true;
    comm.setOpener(opener.opener());
    EXPECT_FALSE(comm.Open(3, 9600));
    EXPECT_FALSE(comm.IsOpen());
    EXPECT_EQ(comm.lastError(), "设备不存在");
    EXPECT_EQ(comm.Write(wire::Bytes{1, 2}), 0u);
}

TEST(CnComm, FramesAcrossPiecesGarbageAndACutShortFrame) {
    engine::ManualTimers timers;
    engine::CnComm comm(timers);
    rb::testing::FakeOpener opener;
    comm.setOpener(opener.opener());
    Collector rx;
    comm.SetWnd(&rx);
    ASSERT_TRUE(comm.Open(1, 9600));
    const wire::Bytes frame = wire::frame96(0x17, {0x00, 0x01, 0x7D, 0x00});
    opener.last->receive({0x00, 0x11});
    for (auto byte : frame) opener.last->receive({byte});
    ASSERT_EQ(rx.frames.size(), 1u);
    EXPECT_TRUE(std::equal(frame.begin(), frame.end(), rx.frames[0].begin()));
    EXPECT_EQ(rx.frames[0][frame.size()], 0);

    opener.last->receive({0x96, 0x07, 0x80, 0x17, 0x01});  // 4 of its 9 bytes never come
    EXPECT_EQ(rx.frames.size(), 1u);
    timers.advance(200ms);
    ASSERT_EQ(rx.frames.size(), 2u);
    EXPECT_EQ(rx.frames[1][4], 0x01);
    EXPECT_EQ(rx.frames[1][5], 0x00);
}

TEST(CnComm, VanishedDeviceClosesOnceAndTellsTheSession) {
    engine::ManualTimers timers;
    engine::CnComm comm(timers);
    rb::testing::FakeOpener opener;
    comm.setOpener(opener.opener());
    int lost = 0, changes = 0;
    comm.onLost = [&](const std::string& r) {
        ++lost;
        EXPECT_EQ(r, "设备已拔出");
    };
    comm.onStateChanged = [&] { ++changes; };
    ASSERT_TRUE(comm.Open(1, 9600));
    rb::testing::FakeLink* link = opener.last;
    link->vanish("设备已拔出");
    link->vanish("设备已拔出");  // a flood of errors from the same device changes nothing more
    EXPECT_FALSE(comm.IsOpen());
    EXPECT_EQ(lost, 1);
    EXPECT_EQ(changes, 2);  // opened, lost
    timers.advance(10ms);   // the link is released on the next turn
    EXPECT_EQ(comm.lastError(), "设备已拔出");
}
