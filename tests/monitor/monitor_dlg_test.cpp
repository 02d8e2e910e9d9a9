#include "monitor/monitor_dlg.h"

#include <gtest/gtest.h>

#include "ini/ini_file.h"
#include "monitor/monitor_ids.h"
#include "monitor_fixture.h"

namespace rb::monitor {
namespace {

using namespace monitor_ids;

class MonitorDlgTest : public testing::MonitorFixture {
protected:
    MonitorDlgTest() : monitor(session) {
        monitor.traceChanged = [this](const TraceUpdate& u) {
            if (u.cleared) box.clear();
            box += u.appended;
        };
    }
    void sendText(const std::string& text) {
        monitor.form().type(kSendBox, text);
        monitor.form().click(kSend);
    }
    void receive(const wire::Bytes& frame) { session.AppendTrace(frame[3], receivedTrace(frame)); }

    CMonitorDlg monitor;
    std::string box;  // what the window's trace box shows
};

TEST_F(MonitorDlgTest, NoTraceReachesTheMonitorBeforeItExists) {
    engine::ScriptedPrompter p;
    engine::Session other(timers, p, engine::UserPaths::inDirectory(dir_));
    EXPECT_FALSE(other.hasMonitor());
    {
        CMonitorDlg m(other);
        EXPECT_TRUE(other.hasMonitor());
    }
    EXPECT_FALSE(other.hasMonitor());
}

TEST_F(MonitorDlgTest, ManualSendWritesTheBytesAndTracesThemInUpperCase) {
    sendText(" 7e 00 80 80 ");
    ASSERT_EQ(writes().size(), 1u);
    EXPECT_EQ(writes()[0], (wire::Bytes{0x7E, 0x00, 0x80, 0x80}));
    EXPECT_EQ(box, "\r\n发送信息(2008-08-11 09:30:05)\r\n7E 00 80 80 ");

    sendText("7e008080");
    EXPECT_EQ(writes()[1], (wire::Bytes{0x7E, 0x08, 0x80}));
}

TEST_F(MonitorDlgTest, TooLongTextIsRefusedBeforeAnythingIsSent) {
    std::string text;
    for (int i = 0; i < 512; ++i) text += "ab ";
    sendText(text);  // 1535 characters once trimmed: still allowed
    EXPECT_EQ(writes().size(), 1u);
    EXPECT_EQ(writes()[0].size(), 512u);
    sendText(text + "c");
    EXPECT_EQ(writes().size(), 1u);
    ASSERT_EQ(prompter.boxes.size(), 1u);
    EXPECT_EQ(prompter.boxes[0].text, "长度大于510字节,无法发送!");
    EXPECT_EQ(prompter.boxes[0].caption, "提示");
}

TEST_F(MonitorDlgTest, StopAndClearTheDisplay) {
    receive(wire::frame96(0x9A, {1}));
    monitor.form().click(kStopTrace);
    EXPECT_EQ(monitor.form().text(kStopTrace), "继续显示");
    const std::string before = box;
    receive(wire::frame96(0x9A, {2}));
    EXPECT_EQ(box, before);
    monitor.form().click(kStopTrace);
    EXPECT_EQ(monitor.form().text(kStopTrace), "停止显示");
    monitor.form().click(kClearTrace);
    EXPECT_EQ(box, "");
    EXPECT_EQ(monitor.trace().text(), "");
}

TEST_F(MonitorDlgTest, AutoReplyRunsOnAReceivedFrameOfTheChosenCodeOnly) {
    monitor.autoReply() = {true, "96", {"01 02", "03"}};
    receive(wire::frame96(0x96, {0}));  // a frame 96 .. with command code 0x96
    ASSERT_EQ(writes().size(), 1u);
    EXPECT_FALSE(monitor.form().enabled(kSendBox));
    timers.advance(engine::Millis{200});
    EXPECT_EQ(writes().size(), 2u);
    EXPECT_TRUE(monitor.form().enabled(kSendBox));

    sendText("96 05 80 96 00");  // sent, not received
    EXPECT_EQ(writes().size(), 3u);
    receive(wire::frame96(0x80, {0}));
    session.AppendTrace(0x96, "\r\n读取成功!");  // an answer's success line is no frame
    timers.advance(engine::Millis{1000});
    EXPECT_EQ(writes().size(), 3u);

    // Lost while stopped: no trace, no reply.
    monitor.form().click(kStopTrace);
    receive(wire::frame96(0x96, {0}));
    timers.advance(engine::Millis{1000});
    EXPECT_EQ(writes().size(), 3u);
}

TEST_F(MonitorDlgTest, SaveAddsToTheHistoryAndAChoiceFillsTheSendBox) {
    monitor.form().type(kSendBox, "7e 00 80 80");
    monitor.form().click(kSave);
    monitor.form().click(kSave);
    monitor.form().type(kSendBox, "96 05 80 9a");
    monitor.form().click(kSave);
    EXPECT_EQ(monitor.form().items(kHistory),
              (std::vector<std::string>{"7e 00 80 80", "96 05 80 9a"}));
    ini::IniFile f;
    ASSERT_TRUE(f.load(session.paths.historyFile));
    EXPECT_EQ(f.getText("Main", "History1"), "7e 00 80 80");
    EXPECT_EQ(f.getText("Main", "History2"), "96 05 80 9a");

    monitor.form().select(kHistory, 0);
    EXPECT_EQ(monitor.form().text(kSendBox), "7e 00 80 80");
    monitor.form().click(kClearSend);
    EXPECT_EQ(monitor.form().text(kSendBox), "");

    // A new window of a later run finds the history again.
    CMonitorDlg later(session);
    EXPECT_EQ(later.form().items(kHistory).size(), 2u);
}

TEST_F(MonitorDlgTest, CaptionNamesThePort) {
    EXPECT_EQ(monitor.caption(), "收发数据显示(Port:1)");
    monitor.setPortLabel("3");
    EXPECT_EQ(monitor.caption(), "收发数据显示(Port:3)");
}

}  // namespace
}  // namespace rb::monitor
