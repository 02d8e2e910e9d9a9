#include "monitor/auto_reply.h"

#include <gtest/gtest.h>

namespace rb::monitor {
namespace {

TEST(AutoReplyTrigger, OnlyReceivedFramesWithTheExactLowerCaseCode) {
    const std::string received = "\r\n\r\n接收信息(2008-08-11 09:30:05)\r\n96 05 80 96 ";
    const std::string sent = "\r\n\r\n发送信息(2008-08-11 09:30:05)\r\n96 05 80 96 ";
    struct Case {
        bool enabled;
        std::string code;
        std::uint8_t frameCode;
        const std::string& text;
        bool fires;
    } cases[] = {
        {true, "96", 0x96, received, true},    {false, "96", 0x96, received, false},
        {true, "96", 0x96, sent, false},       {true, "96", 0x97, received, false},
        {true, "0x96", 0x96, received, false}, {true, "9A", 0x9A, received, false},
        {true, "9a", 0x9A, received, true},    {true, "80", 0x80, received, false},
        {true, "81", 0x81, received, false},   {true, "", 0x00, received, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(triggersAutoReply({c.enabled, c.code, {}}, c.frameCode, c.text), c.fires)
            << c.code << " / " << int(c.frameCode);
    }
}

}  // namespace
}  // namespace rb::monitor
