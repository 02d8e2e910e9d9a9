#include <gtest/gtest.h>

#include "ini/ini_file.h"
#include "monitor/monitor_history.h"
#include "monitor_fixture.h"

namespace rb::monitor {
namespace {

using HistoryTest = testing::MonitorFixture;

std::vector<std::string> keysOf(const std::string& path) {
    ini::IniFile f;
    f.load(path);
    std::vector<std::string> values;
    for (int k = 1; k <= kHistorySize; ++k)
        values.push_back(f.getText("Main", MonitorHistory::keyName(k)));
    return values;
}

TEST_F(HistoryTest, AddKeepsOrderRefusesDuplicatesAndDropsTheOldest) {
    MonitorHistory h(session.paths.historyFile);
    EXPECT_TRUE(h.add("7e 00 80 80"));
    EXPECT_FALSE(h.add("7e 00 80 80"));
    EXPECT_FALSE(h.add(""));
    for (int i = 2; i <= 20; ++i) EXPECT_TRUE(h.add("text " + std::to_string(i)));
    ASSERT_EQ(h.entries().size(), 20u);
    EXPECT_TRUE(h.add("text 21"));
    ASSERT_EQ(h.entries().size(), 20u);
    EXPECT_EQ(h.entries().front(), "text 2");
    EXPECT_EQ(h.entries().back(), "text 21");
    ASSERT_TRUE(h.save());

    const auto keys = keysOf(session.paths.historyFile);
    EXPECT_EQ(keys[0], "text 2");
    EXPECT_EQ(keys[19], "text 21");
    MonitorHistory again(session.paths.historyFile);
    again.load();
    EXPECT_EQ(again.entries(), h.entries());
}

TEST_F(HistoryTest, LoadSkipsEmptyKeysKeepsLongValuesAndOtherSections) {
    const std::string longText(400, 'a');
    ini::IniFile f;
    f.setText("Main", "History1", "");
    f.setText("Main", "History2", "96 05 80 9a");
    f.setText("Main", "History7", longText);
    f.setText("Other", "Keep", "yes");
    ASSERT_TRUE(f.save(session.paths.historyFile));

    MonitorHistory h(session.paths.historyFile);
    h.load();
    EXPECT_EQ(h.entries(), (std::vector<std::string>{"96 05 80 9a", longText}));
    ASSERT_TRUE(h.save());
    ini::IniFile back;
    back.load(session.paths.historyFile);
    EXPECT_EQ(back.getText("Main", "History1"), "96 05 80 9a");
    EXPECT_EQ(back.getText("Main", "History2"), longText);
    EXPECT_EQ(back.getText("Main", "History7"), "");
    EXPECT_EQ(back.getText("Other", "Keep"), "yes");
}

TEST_F(HistoryTest, MissingFileIsAnEmptyHistoryAndAnUnwritableOneFails) {
    MonitorHistory h(dir_ + "/none/history.ini");
    h.load();
    EXPECT_TRUE(h.entries().empty());
    h.add("01");
    std::string error;
    EXPECT_FALSE(h.save(&error));
    EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace rb::monitor
