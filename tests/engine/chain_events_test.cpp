// Chain events: what a page's chain does reaches every listener, in order, from the engine's
// own paths (request, answer, box, time-out, refusal, lost port).
#include "engine/chain_events.h"

#include <gtest/gtest.h>

#include "fake_pages.h"

using namespace std::chrono_literals;
using rb::testing::Bench;
using namespace rb;

namespace {

// Writes down every event as a short word.
struct Recorder : engine::ChainObserver {
    std::vector<std::string> seen;
    void requestSent(std::uint8_t code) override { seen.push_back("sent " + std::to_string(code)); }
    void frameArrived() override { seen.push_back("frame"); }
    void succeeded(const std::string& text) override { seen.push_back("ok " + text); }
    void messageShown(const std::string& text) override { seen.push_back("message " + text); }
    void timedOut() override { seen.push_back("timeout"); }
    void declined() override { seen.push_back("declined"); }
    void boxShown(const engine::MessageBox& box) override { seen.push_back("box " + box.text); }
    void frameHandled() override { seen.push_back("handled"); }
    void portLost(const std::string& reason) override { seen.push_back("lost " + reason); }
};

TEST(ChainEvents, AReadChainIsToldStepByStep) {
    Bench b;
    ASSERT_TRUE(b.open());
    Recorder r;
    engine::ChainSubscription sub(b.session.events, r);
    b.first->form().click(engine::kReadButton);
    b.answer(0x11, {42});
    b.answer(0x13);
    EXPECT_EQ(r.seen, (std::vector<std::string>{"sent 16", "frame", "ok 第一步成功", "sent 18",
                                                "handled", "frame", "ok 第二步成功", "handled"}));
    EXPECT_EQ(b.session.activity.requests, 2);
    EXPECT_FALSE(b.session.activity.awaitingAnswer);
    EXPECT_EQ(b.session.activity.lastSuccess, "第二步成功");
}

TEST(ChainEvents, ATimeOutADeclinedWriteAndALostPortAreTold) {
    Bench b;
    ASSERT_TRUE(b.open());
    Recorder r;
    engine::ChainSubscription sub(b.session.events, r);

    b.prompter.answers.push_back(engine::Answer::Cancel);
    b.first->form().click(engine::kWriteButton);
    EXPECT_EQ(r.seen, (std::vector<std::string>{"box 确认写录数据?", "declined"}));

    r.seen.clear();
    b.first->form().click(engine::kReadButton);
    b.timers.advance(2000ms);
    EXPECT_EQ(r.seen, (std::vector<std::string>{"sent 16", "timeout",
                                                "box 操作失败！请检查设备连接是否正常？"}));
    EXPECT_EQ(b.session.activity.failures, 1);
    EXPECT_EQ(b.session.activity.lastFailure, engine::kFailedStatus);

    r.seen.clear();
    b.link().vanish("unplugged");
    EXPECT_EQ(r.seen, (std::vector<std::string>{"lost unplugged"}));
}

// A listener that leaves while it is told, and one added then, change nothing for the others.
TEST(ChainEvents, ListenersMayLeaveWhileTheyAreTold) {
    engine::ChainEvents events;
    Recorder a, c;
    struct Leaver : engine::ChainObserver {
        engine::ChainEvents* events = nullptr;
        int told = 0;
        void timedOut() override {
            ++told;
            events->unsubscribe(*this);
        }
    } leaver;
    leaver.events = &events;
    events.subscribe(a);
    events.subscribe(leaver);
    events.subscribe(c);
    events.timedOut();
    events.timedOut();
    EXPECT_EQ(leaver.told, 1);
    EXPECT_EQ(a.seen, (std::vector<std::string>{"timeout", "timeout"}));
    EXPECT_EQ(c.seen, a.seen);
}

}  // namespace
