#include "monitor/trace_log.h"

#include <gtest/gtest.h>

namespace rb::monitor {
namespace {

TEST(TraceLog, FirstTextLosesItsLeadingLineBreakAndDigitsShowUpperCase) {
    TraceLog log;
    auto u = log.append("\r\n\r\n接收信息(2008-08-11 09:30:05)\r\n96 05 80 9a ea ");
    ASSERT_TRUE(u);
    EXPECT_FALSE(u->cleared);
    EXPECT_EQ(u->appended, "\r\n接收信息(2008-08-11 09:30:05)\r\n96 05 80 9A EA ");
    // Later texts keep their line breaks.
    u = log.append("\r\n读取成功!");
    EXPECT_EQ(u->appended, "\r\n读取成功!");
    EXPECT_EQ(log.text(), "\r\n接收信息(2008-08-11 09:30:05)\r\n96 05 80 9A EA \r\n读取成功!");
}

TEST(TraceLog, ShortFirstTextIsKeptWhole) {
    struct Case {
        const char* text;
        const char* shown;
    } cases[] = {{"ab", "AB"}, {"abc", "C"}, {"\r\n", "\r\n"}, {"\r\n接", "接"}, {"接收信", "信"}};
    for (const auto& c : cases) {
        TraceLog log;
        EXPECT_EQ(log.append(c.text)->appended, c.shown) << c.text;
    }
}

TEST(TraceLog, RestartsWithTheNewestTextAboveTheLimit) {
    TraceLog log;
    log.append("xx" + std::string(8000, 'a'));
    EXPECT_EQ(log.length(), 8000u);
    auto u = log.append("\r\nb");  // exactly 8000 held: not above the limit yet
    EXPECT_FALSE(u->cleared);
    EXPECT_EQ(log.length(), 8003u);
    u = log.append("\r\n\r\n发送信息");
    EXPECT_TRUE(u->cleared);
    // The log was not empty when the text came, so its line breaks stay.
    EXPECT_EQ(log.text(), "\r\n\r\n发送信息");
    EXPECT_EQ(log.length(), 8u);
}

TEST(TraceLog, ChineseCountsOneCharacterEach) {
    TraceLog log;
    log.append("xx" + std::string(7998, 'a') + "接收");
    EXPECT_EQ(log.length(), 8000u);
    EXPECT_FALSE(log.append("c")->cleared);
    EXPECT_TRUE(log.append("d")->cleared);
}

TEST(TraceLog, TextsWhileStoppedAreLost) {
    TraceLog log;
    log.append("xxone");
    log.setStopped(true);
    EXPECT_FALSE(log.append("two"));
    log.setStopped(false);
    log.append("three");
    EXPECT_EQ(log.text(), "ONETHREE");
    log.clear();
    EXPECT_EQ(log.append("xxfour")->appended, "FOUR");  // empty again: the first rule applies
}

}  // namespace
}  // namespace rb::monitor
