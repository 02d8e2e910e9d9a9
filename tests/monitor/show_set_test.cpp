#include "monitor/show_set.h"

#include <gtest/gtest.h>

#include "ini/ini_file.h"
#include "monitor/monitor_dlg.h"
#include "monitor/monitor_ids.h"
#include "monitor_fixture.h"

namespace rb::monitor {
namespace {

using namespace show_set_ids;
using Texts = std::vector<std::string>;

class ShowSetTest : public testing::MonitorFixture {
protected:
    void writeHistory(const Texts& entries) {
        MonitorHistory h(session.paths.historyFile);
        for (const auto& e : entries) h.add(e);
        ASSERT_TRUE(h.save());
    }
};

TEST_F(ShowSetTest, BuildingTheReplyList) {
    writeHistory({"a1", "b2", "c3"});
    AutoReplyState state{true, "96", {"01"}};
    CShowSet dlg(state, session.paths.historyFile, prompter, "2");
    auto& f = dlg.form();
    EXPECT_EQ(dlg.caption(), "配置(Port:2)");
    EXPECT_TRUE(f.checked(kEnabled));
    EXPECT_EQ(f.text(kCode), "96");
    f.click(kAddAll);
    f.select(kHistoryList, 1);
    f.click(kAddOne);
    f.click(kAddOne);
    EXPECT_EQ(state.autoReplyList, (Texts{"01", "a1", "b2", "c3", "b2", "b2"}));
    // "<--" removes every equal entry from the list that is sent, and the box shows that list.
    f.select(kReplyList, 4);
    f.click(kRemoveOne);
    EXPECT_EQ(state.autoReplyList, (Texts{"01", "a1", "c3"}));
    EXPECT_EQ(f.items(kReplyList), state.autoReplyList);
    f.click(kRemoveAll);
    EXPECT_TRUE(state.autoReplyList.empty());
}

TEST_F(ShowSetTest, DeletingTheThirdOfFiveThenClearing) {
    writeHistory({"e1", "e2", "e3", "e4", "e5"});
    AutoReplyState state;
    CShowSet dlg(state, session.paths.historyFile, prompter, "1");
    dlg.form().select(kHistoryList, 2);
    dlg.form().click(kDeleteHistory);
    EXPECT_EQ(dlg.form().items(kHistoryList), (Texts{"e1", "e2", "e4", "e5"}));
    ini::IniFile f;
    ASSERT_TRUE(f.load(session.paths.historyFile));
    EXPECT_EQ(f.getText("Main", "History4"), "e5");
    EXPECT_EQ(f.getText("Main", "History5"), "");
    dlg.form().click(kClearHistory);
    ASSERT_TRUE(f.load(session.paths.historyFile));
    EXPECT_EQ(f.getText("Main", "History1"), "");
    EXPECT_TRUE(dlg.form().items(kHistoryList).empty());
}

TEST_F(ShowSetTest, ATickedBoxRepliesBeforeClosingAndTheMonitorReloadsItsHistory) {
    writeHistory({"e1", "e2"});
    CMonitorDlg monitor(session);
    monitor.showDialog = [&](CShowSet& dlg) {
        dlg.form().select(kHistoryList, 0);
        dlg.form().click(kAddOne);
        dlg.form().click(kDeleteHistory);
        dlg.form().click(kEnabled);
        dlg.form().type(kCode, "96");
        receive(wire::frame96(0x96, {0}));  // the dialog is still open
    };
    monitor.form().click(monitor_ids::kConfigure);
    EXPECT_EQ(writes(), std::vector<wire::Bytes>{{0xE1}});
    EXPECT_EQ(monitor.form().items(monitor_ids::kHistory), Texts{"e2"});
}

// "取消" (and Escape, which the window maps to it) puts the reply list and the condition back as
// the dialog found them; "确定" keeps the changes. The history file is changed at once either way.
TEST_F(ShowSetTest, CancelPutsTheReplySettingsBackAndOkKeepsThem) {
    for (bool ok : {false, true}) {
        writeHistory({"a1", "b2"});
        AutoReplyState state{false, "96", {"01"}};
        CShowSet dlg(state, session.paths.historyFile, prompter, "1");
        CShowSet::Result seen = CShowSet::Result::Open;
        dlg.closed = [&](CShowSet::Result r) { seen = r; };
        auto& f = dlg.form();
        f.click(kAddAll);
        f.click(kEnabled);
        f.type(kCode, "9a");
        f.select(kHistoryList, 0);
        f.click(kDeleteHistory);
        f.click(ok ? kOk : kCancel);
        EXPECT_EQ(seen, ok ? CShowSet::Result::Ok : CShowSet::Result::Cancel);
        EXPECT_EQ(dlg.result(), seen);
        if (ok) {
            EXPECT_EQ(state.autoReplyList, (Texts{"01", "a1", "b2"}));
            EXPECT_TRUE(state.autoReplyEnabled);
            EXPECT_EQ(state.autoReplyCode, "9a");
        } else {
            EXPECT_EQ(state.autoReplyList, Texts{"01"});
            EXPECT_FALSE(state.autoReplyEnabled);
            EXPECT_EQ(state.autoReplyCode, "96");
        }
        MonitorHistory kept(session.paths.historyFile);
        kept.load();
        EXPECT_EQ(kept.entries(), Texts{"b2"}) << "ok=" << ok;
    }
}

}  // namespace
}  // namespace rb::monitor
