#include "monitor/show_set.h"

#include <gtest/gtest.h>

#include "ini/ini_file.h"
#include "monitor/monitor_dlg.h"
#include "monitor/monitor_ids.h"
#include "monitor_fixture.h"

namespace rb::monitor {
namespace {

using namespace show_set_ids;

class ShowSetTest : public testing::MonitorFixture {
protected:
    void writeHistory(const std::vector<std::string>& entries) {
        MonitorHistory h(session.paths.historyFile);
        for (const auto& e : entries) h.add(e);
        ASSERT_TRUE(h.save());
    }
    std::vector<std::string> historyKeys() {
        ini::IniFile f;
        f.load(session.paths.historyFile);
        std::vector<std::string> v;
        for (int k = 1; k <= kHistorySize; ++k)
            v.push_back(f.getText("Main", MonitorHistory::keyName(k)));
        return v;
    }
    AutoReplyState state;
};

TEST_F(ShowSetTest, StartsFromTheStateAndTheHistory) {
    writeHistory({"a1", "b2"});
    state = {true, "96", {"01"}};
    CShowSet dlg(state, session.paths.historyFile, prompter, "2");
    EXPECT_EQ(dlg.caption(), "配置(Port:2)");
    EXPECT_TRUE(dlg.form().checked(kEnabled));
    EXPECT_EQ(dlg.form().text(kCode), "96");
    EXPECT_EQ(dlg.form().items(kHistoryList), (std::vector<std::string>{"a1", "b2"}));
    EXPECT_EQ(dlg.form().items(kReplyList), (std::vector<std::string>{"01"}));
}

TEST_F(ShowSetTest, BuildingTheReplyList) {
    writeHistory({"a1", "b2", "c3"});
    CShowSet dlg(state, session.paths.historyFile, prompter, "1");
    auto& f = dlg.form();
    f.click(kAddAll);
    f.select(kHistoryList, 1);
    f.click(kAddOne);
    f.click(kAddOne);
    EXPECT_EQ(state.autoReplyList, (std::vector<std::string>{"a1", "b2", "c3", "b2", "b2"}));
    EXPECT_EQ(f.items(kReplyList), state.autoReplyList);

    // "<--" removes every equal entry, from the list that is sent and from the box.
    f.select(kReplyList, 3);
    f.click(kRemoveOne);
    EXPECT_EQ(state.autoReplyList, (std::vector<std::string>{"a1", "c3"}));
    EXPECT_EQ(f.items(kReplyList), state.autoReplyList);
    f.click(kRemoveOne);  // nothing selected any more
    EXPECT_EQ(state.autoReplyList.size(), 2u);

    f.click(kRemoveAll);
    EXPECT_TRUE(state.autoReplyList.empty());
    EXPECT_TRUE(f.items(kReplyList).empty());
}

TEST_F(ShowSetTest, ConditionChangesTakeEffectAtOnce) {
    CShowSet dlg(state, session.paths.historyFile, prompter, "1");
    dlg.form().click(kEnabled);
    EXPECT_TRUE(state.autoReplyEnabled);
    dlg.form().type(kCode, "0x96");
    EXPECT_EQ(state.autoReplyCode, "0x96");
    dlg.form().type(kCode, "96");
    EXPECT_EQ(state.autoReplyCode, "96");
    dlg.form().click(kEnabled);
    EXPECT_FALSE(state.autoReplyEnabled);
}

TEST_F(ShowSetTest, DeletingTheThirdOfFiveAndClearing) {
    writeHistory({"e1", "e2", "e3", "e4", "e5"});
    CShowSet dlg(state, session.paths.historyFile, prompter, "1");
    dlg.form().select(kHistoryList, 2);
    dlg.form().click(kDeleteHistory);
    auto keys = historyKeys();
    EXPECT_EQ(std::vector<std::string>(keys.begin(), keys.begin() + 5),
              (std::vector<std::string>{"e1", "e2", "e4", "e5", ""}));
    EXPECT_EQ(dlg.form().items(kHistoryList), (std::vector<std::string>{"e1", "e2", "e4", "e5"}));

    dlg.form().click(kClearHistory);
    for (const auto& k : historyKeys()) EXPECT_EQ(k, "");
    EXPECT_TRUE(dlg.form().items(kHistoryList).empty());
}

TEST_F(ShowSetTest, TheMonitorReloadsItsHistoryAndATickedBoxRepliesBeforeClosing) {
    writeHistory({"e1", "e2"});
    CMonitorDlg monitor(session);
    monitor.showDialog = [&](CShowSet& dlg) {
        EXPECT_EQ(dlg.caption(), "配置(Port:1)");
        dlg.form().select(kHistoryList, 0);
        dlg.form().click(kAddOne);
        dlg.form().click(kDeleteHistory);
        dlg.form().click(kEnabled);
        dlg.form().type(kCode, "96");
        // The dialog is still open when the next frame comes.
        session.AppendTrace(0x96, session.tool.FormatRecvTrace(wire::frame96(0x96, {0})));
    };
    monitor.form().click(monitor_ids::kConfigure);
    ASSERT_EQ(writes().size(), 1u);
    EXPECT_EQ(writes()[0], (wire::Bytes{0xE1}));
    EXPECT_EQ(monitor.form().items(monitor_ids::kHistory), (std::vector<std::string>{"e2"}));
}

}  // namespace
}  // namespace rb::monitor
