#include "monitor/auto_reply.h"

#include <gtest/gtest.h>

#include "monitor_fixture.h"

namespace rb::monitor {
namespace {

TEST(AutoReplyTrigger, OnlyReceivedFramesWithTheExactLowerCaseCode) {
    const std::string received = "\r\n\r\n接收信息(2008-08-11 09:30:05)\r\n96 05 80 96 ";
    const std::string sent = "\r\n\r\n发送信息(2008-08-11 09:30:05)\r\n96 05 80 96 ";
    struct Case {
        bool enabled;
        std::string code;
        std::uint8_t frameCode;
        std::string text;
        bool fires;
    } cases[] = {
        {true, "96", 0x96, received, true},    {false, "96", 0x96, received, false},
        {true, "96", 0x96, sent, false},       {true, "96", 0x97, received, false},
        {true, "0x96", 0x96, received, false}, {true, "9A", 0x9A, received, false},
        {true, "9a", 0x9A, received, true},    {true, " 96", 0x96, received, false},
        {true, "80", 0x80, received, false},   {true, "81", 0x81, received, false},
        {true, "05", 0x05, received, true},    {true, "", 0x00, received, false},
    };
    for (const auto& c : cases) {
        AutoReplyState s{c.enabled, c.code, {}};
        EXPECT_EQ(triggersAutoReply(s, c.frameCode, c.text), c.fires)
            << c.code << " / " << int(c.frameCode);
    }
}

class ReplyRunTest : public testing::MonitorFixture {
protected:
    ReplyRunTest() : runner(session, state) {
        runner.running = [this](bool on) { events.push_back({timers.now().count(), on}); };
        session.attachMonitor([this](std::uint8_t code, const std::string& text) {
            traces.push_back({code, text});
        });
    }
    AutoReplyState state;
    ReplyRunner runner;
    std::vector<std::pair<long long, bool>> events;
    std::vector<std::pair<std::uint8_t, std::string>> traces;
};

TEST_F(ReplyRunTest, EntriesGoOutOneHundredMillisecondsApartWithoutBlocking) {
    state.autoReplyList = {"7e 00 80 80", " 96 05 80 9a ", "01"};
    runner.RunReplyList();
    // The first entry goes at once and the call returns.
    ASSERT_EQ(writes().size(), 1u);
    EXPECT_EQ(writes()[0], (wire::Bytes{0x7E, 0x00, 0x80, 0x80}));
    EXPECT_EQ(events, (decltype(events){{0, true}}));
    timers.advance(engine::Millis{99});
    EXPECT_EQ(writes().size(), 1u);
    timers.advance(engine::Millis{1});
    ASSERT_EQ(writes().size(), 2u);
    EXPECT_EQ(writes()[1], (wire::Bytes{0x96, 0x05, 0x80, 0x9A}));
    timers.advance(engine::Millis{100});
    ASSERT_EQ(writes().size(), 3u);
    EXPECT_TRUE(runner.isRunning());
    timers.advance(engine::Millis{100});
    EXPECT_FALSE(runner.isRunning());
    EXPECT_EQ(events, (decltype(events){{0, true}, {300, false}}));
    EXPECT_EQ(timers.count(), 0u);

    // Each entry is traced as sent, with command code 0.
    ASSERT_EQ(traces.size(), 3u);
    EXPECT_EQ(traces[1].first, 0);
    EXPECT_EQ(traces[1].second, "\r\n\r\n发送信息(2008-08-11 09:30:05)\r\n96 05 80 9a ");
}

TEST_F(ReplyRunTest, ARunAskedForDuringARunFollowsItWithTheListOfThen) {
    state.autoReplyList = {"01", "02"};
    runner.RunReplyList();
    runner.RunReplyList();
    EXPECT_EQ(runner.queuedRuns(), 1);
    state.autoReplyList = {"03"};
    timers.advance(engine::Millis{1000});
    std::vector<wire::Bytes> expected = {{0x01}, {0x02}, {0x03}};
    EXPECT_EQ(writes(), expected);
    EXPECT_EQ(events, (decltype(events){{0, true}, {200, false}, {200, true}, {300, false}}));
}

TEST_F(ReplyRunTest, EmptyListSendsNothingAndClosedPortStillTraces) {
    runner.RunReplyList();
    EXPECT_TRUE(writes().empty());
    EXPECT_EQ(events, (decltype(events){{0, true}, {0, false}}));
    EXPECT_FALSE(runner.isRunning());

    session.theComm.Close();
    state.autoReplyList = {"7g"};
    runner.RunReplyList();
    EXPECT_EQ(traces.size(), 1u);
    EXPECT_EQ(prompter.texts(), (std::vector<std::string>{"请输入正确的16进制字符串!"}));
}

}  // namespace
}  // namespace rb::monitor
