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
    CMonitorDlg monitor;
    std::string box;  // what the window's trace box shows
};

TEST_F(MonitorDlgTest, ManualSendWritesTracesAndRefusesMoreThan1535Characters) {
    sendText(" 7e 00 80 80 ");
    EXPECT_EQ(writes(), (std::vector<wire::Bytes>{{0x7E, 0x00, 0x80, 0x80}}));
    EXPECT_EQ(box, "\r\n发送信息(2008-08-11 09:30:05)\r\n7E 00 80 80 ");

    std::string text;
    for (int i = 0; i < 512; ++i) text += "ab ";
    sendText(text);  // 1535 characters once trimmed
    EXPECT_EQ(writes().back().size(), 512u);
    sendText(text + "c");
    EXPECT_EQ(writes().size(), 2u);
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"长度大于510字节,无法发送!"});

    session.theComm.Close();  // nothing is sent, but the trace shows what was asked for
    const std::string before = box;
    sendText("01");
    EXPECT_FALSE(session.theComm.IsOpen());
    EXPECT_NE(box, before);

    engine::Session later(timers, prompter, session.paths);  // a window gone takes no traces
    { CMonitorDlg again(later); }
    EXPECT_FALSE(later.hasMonitor());
}

TEST_F(MonitorDlgTest, RunSendsTheList100MsApartAndARunAskedForMeanwhileFollows) {
    auto& list = monitor.autoReply().autoReplyList;
    monitor.form().click(kRun);  // an empty list: nothing goes out, the send box stays usable
    EXPECT_TRUE(monitor.form().enabled(kSendBox));
    list = {" 7e 00 80 80 ", "01"};
    monitor.form().click(kRun);  // returns with the first entry sent
    monitor.form().click(kRun);
    list = {"03"};
    EXPECT_EQ(writes(), (std::vector<wire::Bytes>{{0x7E, 0x00, 0x80, 0x80}}));
    EXPECT_FALSE(monitor.form().enabled(kSendBox));
    timers.advance(engine::Millis{99});
    EXPECT_EQ(writes().size(), 1u);
    timers.advance(engine::Millis{101});  // the second run starts 100 ms after the last entry
    EXPECT_EQ(writes(), (std::vector<wire::Bytes>{{0x7E, 0x00, 0x80, 0x80}, {0x01}, {0x03}}));
    timers.advance(engine::Millis{100});
    EXPECT_TRUE(monitor.form().enabled(kSendBox));
    EXPECT_EQ(timers.count(), 0u);

    // While someone reads a warning box the run waits: frames keep the order of the list.
    prompter.onBox = [this] { timers.advance(engine::Millis{300}); };
    list = {"7g", "01"};
    monitor.form().click(kRun);
    timers.advance(engine::Millis{1000});
    EXPECT_EQ(std::vector<wire::Bytes>(writes().end() - 2, writes().end()),
              (std::vector<wire::Bytes>{{0xFF}, {0x01}}));
}

TEST_F(MonitorDlgTest, ReceivedFramesStartTheReplyButNotWhileTheDisplayIsStopped) {
    monitor.autoReply() = {true, "96", {"01"}};
    receive(wire::frame96(0x96, {0}));
    EXPECT_EQ(writes().size(), 1u);
    monitor.form().click(kStopTrace);
    EXPECT_EQ(monitor.form().text(kStopTrace), "继续显示");
    const std::string before = box;
    receive(wire::frame96(0x96, {0}));  // lost: no trace, no reply
    timers.advance(engine::Millis{1000});
    EXPECT_EQ(writes().size(), 1u);
    EXPECT_EQ(box, before);
    monitor.form().click(kStopTrace);
    EXPECT_EQ(monitor.form().text(kStopTrace), "停止显示");
    monitor.form().click(kClearTrace);
    EXPECT_EQ(box, "");
}

TEST_F(MonitorDlgTest, HistoryOfTwentyDistinctTextsInOrder) {
    const std::string longText(400, 'a');  // not cut to 254 characters
    ini::IniFile f;
    f.setText("Main", "History2", longText);  // key 1 empty: no entry
    f.setText("Other", "Keep", "yes");
    ASSERT_TRUE(f.save(session.paths.historyFile));
    monitor.reloadHistory();
    EXPECT_EQ(monitor.form().items(kHistory), std::vector<std::string>{longText});

    for (int i = 2; i <= 21; ++i) {
        monitor.form().type(kSendBox, "t" + std::to_string(i));
        monitor.form().click(kSave);
        monitor.form().click(kSave);  // the same text again changes nothing
    }
    ASSERT_EQ(monitor.form().items(kHistory).size(), 20u);
    EXPECT_EQ(monitor.form().items(kHistory).front(), "t2");  // the oldest was pushed out
    ASSERT_TRUE(f.load(session.paths.historyFile));
    EXPECT_EQ(f.getText("Main", "History1"), "t2");
    EXPECT_EQ(f.getText("Main", "History20"), "t21");
    EXPECT_EQ(f.getText("Other", "Keep"), "yes");

    monitor.form().select(kHistory, 1);
    EXPECT_EQ(monitor.form().text(kSendBox), "t3");
    monitor.form().click(kClearSend);
    EXPECT_EQ(monitor.form().text(kSendBox), "");

    std::string error;  // a file that cannot be written says so
    EXPECT_FALSE(MonitorHistory(session.paths.historyFile + "/none.ini").save(&error));
    EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace rb::monitor
