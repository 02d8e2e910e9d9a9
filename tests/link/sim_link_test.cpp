// The built-in simulated terminal behind the port object, on a manual clock.
#include "link/sim_link.h"

#include <gtest/gtest.h>

#include <map>

#include "engine/cn_comm.h"
#include "sim/lm52r_terminal.h"

// Faults are given with designated initializers; the faults not named keep their defaults.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace rb::link {
namespace {

using namespace std::chrono_literals;
using wire::Bytes;

const Bytes kVersionRead = wire::frame96(0x99, {0x00, 0x01});
const Bytes kTrainRead = wire::frame96(0x32, {0x00, 0x01});

// What a terminal fresh from the factory answers to one request.
Bytes factoryAnswer(const Bytes& request) {
    sim::Lm52rTerminal terminal;
    return terminal.answer(wire::FrameView(request)).at(0);
}

// The port object on the simulator; the receiver records each frame and when it came, and the
// test may act on the first (send the next request of a chain, close the port).
struct SimPort : engine::FrameReceiver {
    engine::ManualTimers timers;
    engine::CnComm comm{timers};
    std::vector<Bytes> frames;
    std::vector<engine::Millis> times;
    std::function<void()> onFirst;

    explicit SimPort(const sim::Faults& faults = {}) {
        comm.setOpener([this, faults](const engine::PortRequest& r) {
            return openSimulator(r, timers, faults);
        });
        comm.SetWnd(this);
        engine::PortRequest request;
        request.device = "sim";
        request.family = "LM52R";  // any case
        comm.Open(request);
    }
    void OnCommFrame(const wire::FrameSlot& slot) override {
        frames.emplace_back(slot.begin(), slot.begin() + slot[1] + 2);
        times.push_back(timers.now());
        if (frames.size() == 1 && onFirst) onFirst();
    }
};

TEST(SimLink, AnswersArriveAtWireTimeNeverInsideWrite) {
    SimPort port({.pace = true});
    ASSERT_TRUE(port.comm.IsOpen());
    port.onFirst = [&] { port.comm.Write(kTrainRead); };  // a chain, from inside the delivery
    EXPECT_EQ(port.comm.Write(kVersionRead), kVersionRead.size());
    EXPECT_TRUE(port.frames.empty());
    port.timers.advance(200ms);
    EXPECT_EQ(port.frames,
              (std::vector<Bytes>{factoryAnswer(kVersionRead), factoryAnswer(kTrainRead)}));
    EXPECT_EQ(port.timers.count(), 0u);
    // Request and answer cross the line at 9600 baud, 10 bits a byte, plus the terminal's delay;
    // the answer is handed on in the millisecond its last byte arrives.
    const double wire = (kVersionRead.size() + port.frames[0].size()) * 10'000.0 / 9600 + 5;
    ASSERT_EQ(port.times.size(), 2u);
    EXPECT_TRUE(port.times[0].count() >= wire && port.times[0].count() < wire + 1) << wire;
}

TEST(SimLink, UnsolicitedFramesArriveWithoutAWrite) {
    const Bytes unsolicited = wire::frame96(0x9A, {0x00, 0x01});
    SimPort port({.unsolicited = unsolicited, .unsolicitedAt = 40ms, .unsolicitedEvery = 100ms});
    port.timers.advance(239ms);
    EXPECT_EQ(port.frames, (std::vector<Bytes>{unsolicited, unsolicited}));
    ASSERT_EQ(port.times.size(), 2u);
    EXPECT_TRUE(port.times[0] >= 40ms && port.times[0] <= 41ms) << port.times[0].count();
    EXPECT_EQ(port.times[1] - port.times[0], 100ms);
}

TEST(SimLink, ClosingDropsAnswersOnTheirWayAlsoFromInsideADelivery) {
    SimPort port;
    port.onFirst = [&] { port.comm.Close(); };  // destroys the link mid-delivery
    port.comm.Write(kVersionRead);
    port.timers.advance(2ms);
    port.comm.Write(kTrainRead);  // its answer is still on its way when the port closes
    port.timers.advance(500ms);
    EXPECT_EQ(port.frames.size(), 1u);
    EXPECT_FALSE(port.comm.IsOpen());
    EXPECT_EQ(port.timers.count(), 0u);  // no timer of the link is left behind

    for (const char* family : {"", "qx710x"}) {
        engine::PortRequest request;
        request.device = "sim";
        request.family = family;
        EXPECT_NE(openSimulator(request, port.timers).error, "") << family;
    }
}

// Timers that fire only when the test says, in any order.
struct HandTimers : engine::Timers {
    std::map<std::pair<const void*, int>, engine::TimerCallback> due;
    void start(const void* o, int id, engine::Millis, engine::TimerCallback cb) override {
        due[{o, id}] = std::move(cb);
    }
    void stop(const void* o, int id) override { due.erase({o, id}); }
    bool running(const void* o, int id) const override { return due.count({o, id}) != 0; }
    void stopAll(const void* o) override {
        std::erase_if(due, [o](const auto& t) { return t.first.first == o; });
    }
    engine::Millis now() const override { return {}; }
    void fire(std::size_t k) {
        auto callback = std::next(due.begin(), std::ptrdiff_t(k))->second;
        callback();
    }
};

TEST(SimLink, ChunksKeepLineOrderWhicheverTimerFiresFirst) {
    HandTimers timers;
    sim::Faults split;
    split.splitSize = 3;
    split.splitGap = 1ms;
    SimLink link(std::make_unique<sim::Lm52rTerminal>(), timers, split);
    Bytes received;
    link.setHandlers([&](wire::ByteSpan b) { received.insert(received.end(), b.begin(), b.end()); },
                     nullptr);
    link.write(kVersionRead);
    const std::size_t chunks = timers.due.size();
    ASSERT_GE(chunks, 3u);
    timers.fire(2);  // the third chunk's timer fires first
    EXPECT_EQ(link.pendingChunks(), chunks - 3);
    while (!timers.due.empty()) timers.fire(0);
    EXPECT_EQ(received, factoryAnswer(kVersionRead));
}

}  // namespace
}  // namespace rb::link
