// The real serial code on the real event loop: the port object on a SerialLink and QtTimers,
// talking to the simulated terminal that serves a pseudo-terminal (as radiosim does). Waits are
// real but short and end as soon as what they wait for has happened.
#include "link/serial_link.h"

#include <gtest/gtest.h>

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QTest>
#include <cstdlib>
#include <thread>
#include <tuple>

#include "engine/cn_comm.h"
#include "link/link_opener.h"
#include "link/port_names.h"
#include "link/qt_timers.h"
#include "sim/lm52r_terminal.h"
#include "sim/pty_host.h"
#include "wire/frame.h"

namespace rb::link {
namespace {

using engine::CnComm;
using engine::PortRequest;
using namespace std::chrono_literals;
using wire::Bytes;

constexpr int kWaitMs = 500;  // upper bound of any wait; most end within a few ms
const Bytes kVersionRead = wire::frame96(0x99, {0x00, 0x01});
const Bytes kTrainRead = wire::frame96(0x32, {0x00, 0x01});

void qtApp() {
    static int argc = 1;
    static char name[] = "link_tests";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
}

TEST(QtTimers, RepeatStopFromInsideAndRestart) {
    qtApp();
    QtTimers timers;
    const int a = 0, b = 0;  // two owners
    int repeats = 0, once = 0, owner = 0, replaced = 0;
    timers.start(&a, 1, 5ms, [&] { ++repeats; });
    timers.start(&a, 2, 5ms, [&] { ++once, timers.stop(&a, 2); });
    timers.start(&b, 1, 5ms, [&] { ++owner, timers.stopAll(&b); });  // its owner goes away
    timers.start(&b, 2, 20ms, [&] { ++owner; });
    timers.start(&a, 3, 5ms, [&] {  // replaces its own callback while it runs
        timers.start(&a, 3, 5ms, [&] { ++replaced, timers.stop(&a, 3); });
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return repeats >= 3 && replaced; }, kWaitMs));
    timers.stop(&a, 1);
    const int atStop = repeats;
    QTest::qWait(40);  // longer than any period: nothing more fires
    EXPECT_EQ(repeats, atStop);
    EXPECT_EQ(std::tie(once, owner, replaced), std::make_tuple(1, 1, 1));
    EXPECT_FALSE(timers.running(&a, 1) || timers.running(&b, 2));

    // Starting a running timer restarts its period.
    auto firedAt = -1ms;
    timers.start(&a, 1, 40ms, [&] { firedAt = timers.now(); });
    QTest::qWait(25);
    const auto restarted = timers.now();
    timers.start(&a, 1, 40ms, [&] { firedAt = timers.now(), timers.stop(&a, 1); });
    ASSERT_TRUE(QTest::qWaitFor([&] { return firedAt >= 0ms; }, kWaitMs));
    EXPECT_GE(firedAt, restarted + 38ms);  // not 40 ms after the first start
}

// What a terminal fresh from the factory answers to one request.
Bytes factoryAnswer(const Bytes& request) {
    sim::Lm52rTerminal terminal;
    return terminal.answer(wire::FrameView(request)).at(0);
}

// The simulated terminal on a pseudo-terminal, served from a thread of its own as radiosim
// serves it; vanish() takes the device away.
struct PtyTerminal {
    sim::SimulatedLine line{sim::makeTerminal("lm52r")};
    std::unique_ptr<sim::PtyHost> host = std::make_unique<sim::PtyHost>(line);
    std::thread server;

    bool start() {
        std::string error;
        if (!host->open(error)) return false;
        server = std::thread([h = host.get()] {
            std::string ignored;
            h->serve(ignored);
        });
        return true;
    }
    void vanish() {
        if (server.joinable()) host->requestStop(), server.join();
        host.reset();
    }
    ~PtyTerminal() { vanish(); }
};

struct PtyPort : ::testing::Test, engine::FrameReceiver {
    PtyTerminal terminal;
    QtTimers timers;
    CnComm comm{timers};
    std::vector<Bytes> frames;
    std::function<void()> onFrame;
    int stateChanges = 0;
    std::vector<std::string> losses;

    void SetUp() override {
        qtApp();
        ASSERT_TRUE(terminal.start());
        comm.setOpener(makeLinkOpener(timers));
        comm.SetWnd(this);
        comm.onStateChanged = [this] { ++stateChanges; };
        comm.onLost = [this](const std::string& reason) { losses.push_back(reason); };
        PortRequest request;
        request.device = terminal.host->devicePath();
        ASSERT_TRUE(comm.Open(request)) << comm.lastError();
    }
    void OnCommFrame(const wire::FrameSlot& slot) override {
        frames.emplace_back(slot.begin(), slot.begin() + slot[1] + 2);  // a 0x96 frame
        if (onFrame) onFrame();
    }
};

TEST_F(PtyPort, RequestsAreAnsweredInOrderThenTheTerminalVanishes) {
    comm.Write(kVersionRead);
    comm.Write(kTrainRead);  // queued behind the first
    ASSERT_TRUE(QTest::qWaitFor([&] { return frames.size() >= 2; }, kWaitMs));
    EXPECT_EQ(frames, (std::vector<Bytes>{factoryAnswer(kVersionRead), factoryAnswer(kTrainRead)}));

    const int changesBefore = stateChanges;
    terminal.vanish();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !losses.empty(); }, kWaitMs));
    EXPECT_FALSE(comm.IsOpen());
    EXPECT_NE(comm.lastError().find("串口已断开"), std::string::npos) << comm.lastError();
    // Quiet afterwards: no second report, and the event loop is not kept busy by the dead
    // descriptor (a flood of read errors would wake it thousands of times).
    int wakeUps = 0;
    const auto counter = QObject::connect(QAbstractEventDispatcher::instance(),
                                          &QAbstractEventDispatcher::awake, [&] { ++wakeUps; });
    QTest::qWait(150);
    QObject::disconnect(counter);
    EXPECT_LT(wakeUps, 50);
    EXPECT_EQ(losses.size(), 1u);
    EXPECT_EQ(stateChanges, changesBefore + 1);
    EXPECT_EQ(comm.Write(kVersionRead), 0u);
}

TEST_F(PtyPort, ReceiverMayCloseThePortInsideTheDelivery) {
    onFrame = [&] { comm.Close(); };  // the link goes away inside its own read signal
    comm.Write(kVersionRead);
    comm.Write(kTrainRead);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !frames.empty(); }, kWaitMs));
    QTest::qWait(20);  // the port object is deleted from the event loop meanwhile
    EXPECT_FALSE(comm.IsOpen());
    EXPECT_TRUE(losses.empty());
}

TEST(SerialLinkOpen, RefusalsComeWithAReasonAndPortNumbersMapToDevices) {
    qtApp();
    // Out-of-range numbers never reach a device.
    for (const unsigned number : {0u, 1025u}) {
        PortRequest request;
        request.number = number;
        EXPECT_EQ(portDeviceName(number), "");
        EXPECT_NE(SerialLink::open(request).error, "");
    }
    PtyTerminal terminal;
    ASSERT_TRUE(terminal.start());
    const std::string device = terminal.host->devicePath();
    engine::OpenResult first = SerialLink::open(device, 19200);
    ASSERT_NE(first.link, nullptr) << first.error;
    const std::pair<std::string, const char*> cases[] = {
        {"/dev/radiobench-no-such-port", "串口不存在"},
        {device, "占用"},            // the first link holds it
        {"/dev/null", "/dev/null"},  // opens, but is no serial line
    };
    for (const auto& [path, reasonHas] : cases) {
        engine::OpenResult result = SerialLink::open(path, 9600);
        EXPECT_EQ(result.link, nullptr) << path;
        EXPECT_NE(result.error.find(reasonHas), std::string::npos) << result.error;
    }
    first.link->close();
    EXPECT_NE(SerialLink::open(device, 9600).link, nullptr);  // free again

    ::unsetenv("RADIOBENCH_COM_PREFIX");
    ::unsetenv("RADIOBENCH_COM2");
    EXPECT_EQ(portDeviceName(1), "/dev/ttyS0");
    EXPECT_EQ(portDeviceName(1024), "/dev/ttyS1023");
    ::setenv("RADIOBENCH_COM_PREFIX", "/dev/ttyUSB", 1);
    ::setenv("RADIOBENCH_COM2", "/dev/pts/9", 1);
    EXPECT_EQ(portDeviceName(1), "/dev/ttyUSB0");
    EXPECT_EQ(portDeviceName(2), "/dev/pts/9");
    ::unsetenv("RADIOBENCH_COM_PREFIX");
    ::unsetenv("RADIOBENCH_COM2");
}

}  // namespace
}  // namespace rb::link
