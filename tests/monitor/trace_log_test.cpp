#include "monitor/trace_log.h"

#include <gtest/gtest.h>

namespace rb::monitor {
namespace {

TEST(TraceLog, FirstTextLosesTwoCharactersAndDigitsShowUpperCase) {
    auto shown = [](const std::string& first, const std::string& second) {
        TraceLog log;
        log.append(first);
        log.append(second);
        return log.text();
    };
    EXPECT_EQ(shown("\r\n\r\n接收信息(1)\r\n96 9a ", "\r\n成功!"),
              "\r\n接收信息(1)\r\n96 9A \r\n成功!");
    EXPECT_EQ(shown("ab", ""), "AB");      // two characters or fewer are kept whole
    EXPECT_EQ(shown("接收信", ""), "信");  // a Chinese character counts one
}

TEST(TraceLog, RestartsAboveEightThousandCharactersAndLosesTextsWhileStopped) {
    TraceLog log;
    log.append("xx" + std::string(7998, 'a') + "接收");  // 8000 characters: not above yet
    EXPECT_FALSE(log.append("\r\nb")->cleared);
    EXPECT_TRUE(log.append("\r\n\r\n发送")->cleared);
    EXPECT_EQ(log.text(), "\r\n\r\n发送");  // the log was not empty: line breaks stay
    log.setStopped(true);
    EXPECT_FALSE(log.append("lost"));
    log.setStopped(false);
    log.clear();
    EXPECT_EQ(log.append("xxfour")->appended, "FOUR");  // empty again: the first rule applies
}

}  // namespace
}  // namespace rb::monitor
