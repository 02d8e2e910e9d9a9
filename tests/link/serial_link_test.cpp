// The real serial code over a pseudo-terminal: the port object on a SerialLink and QtTimers,
// the test playing the terminal on the master side. Waits are real but short and bounded.
#include "link/serial_link.h"

#include <gtest/gtest.h>

#include <QTest>
#include <cstdlib>
#include <vector>

#include "engine/cn_comm.h"
#include "link/link_opener.h"
#include "link/port_names.h"
#include "link/qt_app.h"
#include "link/qt_timers.h"
#include "support/pty_pair.h"
#include "wire/frame.h"

namespace rb::link {
namespace {

using engine::CnComm;
using engine::PortRequest;
using rb::testing::PtyPair;
using rb::testing::qtApp;
using wire::Bytes;

constexpr int kWaitMs = 500;  // upper bound of any wait; most end within a few ms

struct Receiver : engine::FrameReceiver {
    std::vector<wire::FrameSlot> frames;
    void OnCommFrame(const wire::FrameSlot& slot) override { frames.push_back(slot); }
};

// The first `n` bytes of a slot.
Bytes head(const wire::FrameSlot& slot, std::size_t n) {
    return Bytes(slot.begin(), slot.begin() + n);
}

struct PtyPort : ::testing::Test {
    PtyPair pty;
    QtTimers timers;
    CnComm comm{timers};
    Receiver receiver;
    int stateChanges = 0;
    std::vector<std::string> losses;

    void SetUp() override {
        qtApp();
        ASSERT_TRUE(pty.ok());
        comm.setOpener(makeLinkOpener(timers));
        comm.SetWnd(&receiver);
        comm.onStateChanged = [this] { ++stateChanges; };
        comm.onLost = [this](const std::string& reason) { losses.push_back(reason); };
        PortRequest request;
        request.device = pty.slavePath();
        request.baud = 9600;
        ASSERT_TRUE(comm.Open(request)) << comm.lastError();
    }

    // Everything the device side sends, collected until `n` bytes are in.
    Bytes peerReads(std::size_t n) {
        Bytes got;
        (void)QTest::qWaitFor(
            [&] {
                Bytes more = pty.readAvailable();
                got.insert(got.end(), more.begin(), more.end());
                return got.size() >= n;
            },
            kWaitMs);
        return got;
    }
};

TEST_F(PtyPort, RequestReachesThePeerAndTheAnswerComesBackAsAFrame) {
    const Bytes request = wire::frame96(0x32, {0x00, 0x01});
    const Bytes second = wire::frame96(0x22, {0x00, 0x01});
    comm.Write(request);
    comm.Write(second);  // queued behind the first, in order
    Bytes expected = request;
    expected.insert(expected.end(), second.begin(), second.end());
    EXPECT_EQ(peerReads(expected.size()), expected);

    const Bytes answer = wire::frame96(0x33, {0x00, 0x01, 0x27, 0x55, 0x55});
    ASSERT_TRUE(pty.write(answer));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !receiver.frames.empty(); }, kWaitMs));
    EXPECT_EQ(head(receiver.frames[0], answer.size()), answer);
    EXPECT_EQ(receiver.frames[0][answer.size()], 0);
}

TEST_F(PtyPort, ReceiverMayCloseThePortWhileAFrameIsDelivered) {
    struct Closer : engine::FrameReceiver {
        CnComm* comm = nullptr;
        int frames = 0;
        void OnCommFrame(const wire::FrameSlot&) override {
            ++frames;
            comm->Close();  // the link goes away inside its own read notification
        }
    } closer;
    closer.comm = &comm;
    comm.SetWnd(&closer);
    Bytes two = wire::frame96(0x33, {0x00, 0x01});
    two.insert(two.end(), two.begin(), two.end());
    ASSERT_TRUE(pty.write(two));
    ASSERT_TRUE(QTest::qWaitFor([&] { return closer.frames > 0; }, kWaitMs));
    QTest::qWait(20);
    EXPECT_FALSE(comm.IsOpen());
    EXPECT_TRUE(losses.empty());
}

TEST_F(PtyPort, AFrameCutShortIsHandedOnWhenTheReadersWaitRunsOut) {
    // A header announcing 5 more bytes of which only 2 come: the reader waits 5 x 10 ms on the
    // real clock, then hands the frame on zero-filled.
    const Bytes cut = {0x96, 0x07, 0x80, 0x33, 0x00, 0x01};
    ASSERT_TRUE(pty.write(cut));
    QTest::qWait(20);
    EXPECT_TRUE(receiver.frames.empty());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !receiver.frames.empty(); }, kWaitMs));
    Bytes expected = cut;
    expected.resize(9, 0x00);
    EXPECT_EQ(head(receiver.frames[0], 9), expected);
}

TEST_F(PtyPort, PeerVanishingClosesThePortOnceWithoutSpinning) {
    const int changesAfterOpen = stateChanges;
    pty.closeSlave();
    pty.closeMaster();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !losses.empty(); }, kWaitMs));
    EXPECT_FALSE(comm.IsOpen());
    EXPECT_NE(comm.lastError().find("串口已断开"), std::string::npos) << comm.lastError();

    // Quiet afterwards: no second report, and the event loop is not kept busy by the dead
    // descriptor (a flood of read errors would wake it thousands of times).
    EXPECT_LT(rb::testing::wakeUpsDuring(150), 50);
    EXPECT_EQ(losses.size(), 1u);
    EXPECT_EQ(stateChanges, changesAfterOpen + 1);
    EXPECT_EQ(comm.Write(wire::frame96(0x32, {0x00, 0x01})), 0u);
}

TEST(SerialLinkOpen, RefusalsComeWithAReason) {
    qtApp();
    int opened = 0;
    QtTimers timers;
    CnComm comm(timers);
    const engine::LinkOpener real = makeLinkOpener(timers);
    comm.setOpener([&](const PortRequest& r) {
        ++opened;
        return real(r);
    });
    // Out-of-range numbers never reach a device.
    EXPECT_FALSE(comm.Open(0, 9600));
    EXPECT_FALSE(comm.Open(1025, 9600));
    EXPECT_EQ(opened, 0);
    PortRequest zero;
    EXPECT_FALSE(SerialLink::open(zero).error.empty());

    PtyPair pty;
    ASSERT_TRUE(pty.ok());
    engine::OpenResult first = SerialLink::open(pty.slavePath(), 19200);
    ASSERT_NE(first.link, nullptr) << first.error;

    struct Case {
        std::string device;
        const char* reasonHas;
    };
    const Case cases[] = {
        {"/dev/radiobench-no-such-port", "串口不存在"},
        {pty.slavePath(), "占用"},   // the first link holds it
        {"/dev/null", "/dev/null"},  // opens, but is no serial line
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.device);
        engine::OpenResult result = SerialLink::open(c.device, 9600);
        EXPECT_EQ(result.link, nullptr);
        EXPECT_NE(result.error.find(c.reasonHas), std::string::npos) << result.error;
    }
    first.link->close();
    EXPECT_NE(SerialLink::open(pty.slavePath(), 9600).link, nullptr);  // free again
}

TEST(PortDeviceName, NumbersMapToDevicesAndTheEnvironmentOverrides) {
    ::unsetenv("RADIOBENCH_COM_PREFIX");
    ::unsetenv("RADIOBENCH_COM2");
    EXPECT_EQ(portDeviceName(1), "/dev/ttyS0");
    EXPECT_EQ(portDeviceName(1024), "/dev/ttyS1023");
    EXPECT_EQ(portDeviceName(0), "");
    EXPECT_EQ(portDeviceName(1025), "");

    ::setenv("RADIOBENCH_COM_PREFIX", "/dev/ttyUSB", 1);
    ::setenv("RADIOBENCH_COM2", "/dev/pts/9", 1);
    EXPECT_EQ(portDeviceName(1), "/dev/ttyUSB0");
    EXPECT_EQ(portDeviceName(2), "/dev/pts/9");
    ::unsetenv("RADIOBENCH_COM_PREFIX");
    ::unsetenv("RADIOBENCH_COM2");
}

}  // namespace
}  // namespace rb::link
