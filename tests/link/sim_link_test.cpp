// The built-in simulated terminal behind the port object, on a manual clock.
#include "link/sim_link.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <vector>

#include "engine/cn_comm.h"
#include "sim/lm52r_terminal.h"
#include "wire/frame.h"

namespace rb::link {
namespace {

using engine::CnComm;
using engine::ManualTimers;
using engine::PortRequest;
using std::chrono::milliseconds;
using wire::Bytes;

// Records frames; optionally answers the first frame with a follow-up request (a chain).
struct Receiver : engine::FrameReceiver {
    std::vector<Bytes> frames;
    std::vector<milliseconds> times;
    const engine::Timers* clock = nullptr;
    std::function<void()> onFirst;

    void OnCommFrame(const wire::FrameSlot& slot) override {
        // A 0x96 frame's length is in byte 1; the slot is zero-filled after it.
        frames.emplace_back(slot.begin(), slot.begin() + slot[1] + 2);
        times.push_back(clock ? clock->now() : milliseconds{0});
        if (frames.size() == 1 && onFirst) onFirst();
    }
};

const Bytes kVersionRead = wire::frame96(0x99, {0x00, 0x01});
const Bytes kTrainRead = wire::frame96(0x32, {0x00, 0x01});

// What a terminal fresh from the factory answers to one request.
Bytes factoryAnswer(const Bytes& request) {
    sim::Lm52rTerminal terminal;
    auto answers = terminal.answer(wire::FrameView(request));
    return answers.empty() ? Bytes{} : answers.front();
}

struct SimPort {
    ManualTimers timers;
    CnComm comm{timers};
    Receiver receiver;
    SimLink* link = nullptr;

    explicit SimPort(const sim::Faults& faults = {}) {
        comm.setOpener([this, faults](const PortRequest& r) {
            engine::OpenResult result = openSimulator(r, timers, faults);
            link = static_cast<SimLink*>(result.link.get());
            return result;
        });
        receiver.clock = &timers;
        comm.SetWnd(&receiver);
        PortRequest request;
        request.device = "sim";
        request.family = "LM52R";  // any case
        comm.Open(request);
    }
};

TEST(SimLink, AnswerArrivesLaterNeverInsideWrite) {
    SimPort port;
    ASSERT_TRUE(port.comm.IsOpen());
    // A chain: the first answer's handler sends the next request from inside the delivery.
    port.receiver.onFirst = [&] { port.comm.Write(kTrainRead); };

    EXPECT_EQ(port.comm.Write(kVersionRead), kVersionRead.size());
    EXPECT_TRUE(port.receiver.frames.empty());

    port.timers.advance(milliseconds{200});
    ASSERT_EQ(port.receiver.frames.size(), 2u);
    EXPECT_EQ(port.receiver.frames[0], factoryAnswer(kVersionRead));
    EXPECT_EQ(port.receiver.frames[1], factoryAnswer(kTrainRead));
    EXPECT_EQ(port.link->pendingChunks(), 0u);
}

TEST(SimLink, ReceiverMayCloseThePortWhileAnAnswerIsDelivered) {
    SimPort port;
    port.receiver.onFirst = [&] { port.comm.Close(); };  // destroys the link mid-delivery
    port.comm.Write(kVersionRead);
    port.timers.advance(milliseconds{2});
    port.comm.Write(kTrainRead);  // its answer is still on its way when the port closes
    port.timers.advance(milliseconds{500});
    EXPECT_EQ(port.receiver.frames.size(), 1u);
    EXPECT_FALSE(port.comm.IsOpen());
    EXPECT_EQ(port.timers.count(), 0u);
}

TEST(SimLink, CloseDropsAnswersOnTheirWay) {
    SimPort port;
    port.comm.Write(kVersionRead);
    ASSERT_GT(port.link->pendingChunks(), 0u);
    port.comm.Close();
    port.timers.advance(milliseconds{500});
    EXPECT_TRUE(port.receiver.frames.empty());
    EXPECT_EQ(port.timers.count(), 0u);  // no timer of the link is left behind
}

TEST(SimLink, PacedAnswerTakesWireTime) {
    sim::Faults paced;
    paced.pace = true;
    SimPort port(paced);
    port.comm.Write(kVersionRead);
    for (int ms = 0; ms < 200 && port.receiver.frames.empty(); ++ms)
        port.timers.advance(milliseconds{1});
    ASSERT_EQ(port.receiver.frames.size(), 1u);

    // Request and answer both cross the line at 9600 baud, 10 bits a byte, plus the delay.
    const std::size_t bytes = kVersionRead.size() + port.receiver.frames[0].size();
    const double wire = double(bytes) * 10 * 1000 / sim::Lm52rTerminal::kBaud +
                        double(sim::Faults::kDefaultDelay.count()) / 1000;
    const double arrived = double(port.receiver.times[0].count());
    EXPECT_GE(arrived, wire);
    EXPECT_LE(arrived, wire + 2);
}

TEST(SimLink, UnsolicitedFrameArrivesWithoutAWrite) {
    sim::Faults faults;
    faults.unsolicited = wire::frame96(0x9A, {0x00, 0x01});
    faults.unsolicitedAt = milliseconds{40};
    faults.unsolicitedEvery = milliseconds{100};
    SimPort port(faults);
    port.timers.advance(milliseconds{39});
    EXPECT_TRUE(port.receiver.frames.empty());
    port.timers.advance(milliseconds{200});
    ASSERT_EQ(port.receiver.frames.size(), 2u);  // at 40 and 140 ms
    EXPECT_EQ(port.receiver.frames[0], faults.unsolicited);
}

TEST(SimLink, UnknownFamilyIsRefusedWithAReason) {
    ManualTimers timers;
    for (const char* family : {"", "qx710x"}) {
        PortRequest request;
        request.device = "sim";
        request.family = family;
        engine::OpenResult result = openSimulator(request, timers);
        EXPECT_EQ(result.link, nullptr);
        EXPECT_FALSE(result.error.empty());
    }
}

// Timers fired by hand in any order, to show that chunks still leave in line order.
class HandTimers : public engine::Timers {
public:
    void start(const void* owner, int id, engine::Millis, engine::TimerCallback cb) override {
        timers_[{owner, id}] = std::move(cb);
    }
    void stop(const void* owner, int id) override { timers_.erase({owner, id}); }
    bool running(const void* owner, int id) const override {
        return timers_.count({owner, id}) != 0;
    }
    void stopAll(const void* owner) override {
        std::erase_if(timers_, [owner](const auto& t) { return t.first.first == owner; });
    }
    engine::Millis now() const override { return engine::Millis{0}; }

    std::vector<int> ids() const {
        std::vector<int> out;
        for (const auto& t : timers_) out.push_back(t.first.second);
        return out;
    }
    void fire(const void* owner, int id) {
        auto callback = timers_.at({owner, id});
        callback();
    }

private:
    std::map<std::pair<const void*, int>, engine::TimerCallback> timers_;
};

TEST(SimLink, ChunksKeepLineOrderWhicheverTimerFiresFirst) {
    HandTimers timers;
    sim::Faults split;
    split.splitSize = 3;
    split.splitGap = milliseconds{1};
    SimLink link(std::make_unique<sim::Lm52rTerminal>(), timers, split);
    Bytes received;
    link.setHandlers([&](wire::ByteSpan b) { received.insert(received.end(), b.begin(), b.end()); },
                     nullptr);
    link.write(kVersionRead);
    const std::vector<int> ids = timers.ids();
    ASSERT_GE(ids.size(), 3u);
    timers.fire(&link, ids[2]);  // the third chunk's timer fires first
    EXPECT_EQ(link.pendingChunks(), ids.size() - 3);
    while (!timers.ids().empty()) timers.fire(&link, timers.ids().front());
    EXPECT_EQ(received, factoryAnswer(kVersionRead));
}

}  // namespace
}  // namespace rb::link
