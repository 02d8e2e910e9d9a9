#include "wire/receive_check.h"

#include <gtest/gtest.h>

#include "wire/comm_tool.h"

namespace rb::wire {
namespace {

constexpr auto kAlways = ChecksumTest::AlwaysCompared;
constexpr auto kSkip55 = ChecksumTest::SkippedFor55;

FrameSlot slotOf(const std::string& text) {
    Bytes bytes;
    std::string error;
    EXPECT_TRUE(parseHex(text, bytes, error)) << error;
    FrameSlot slot{};
    std::copy(bytes.begin(), bytes.end(), slot.begin());
    return slot;
}

TEST(ReceiveCheckTest, ChecksLengthAndChecksumLikeTheContainers) {
    struct Case {
        std::string slot;
        ChecksumTest test;
        bool traced, ok, forPages;
        std::size_t n;
    };
    const Case cases[] = {
        {"96 05 80 16 00 01 04", kAlways, true, true, true, 7},
        {"96 05 80 16 00 01 05", kAlways, true, false, false, 7},
        {"EA 00 00 23 23", kAlways, true, true, true, 5},
        {"EA 00 00 23 24", kSkip55, true, false, false, 5},
        // A 0x55 answer passes both tests: compared with 0, it meets the zero fill.
        {"EA 01 00 55 09", kAlways, true, true, true, 6},
        {"EA 01 00 55 09", kSkip55, true, true, true, 6},
        // Only the skipping test lets one through with something behind it.
        {"EA 01 00 55 09 33", kAlways, true, false, false, 6},
        {"EA 01 00 55 09 33", kSkip55, true, true, true, 6},
        {"96 03 80 55 00", kSkip55, true, true, true, 5},
        {"96 03 80 55 00", kAlways, true, false, false, 5},
        {"EC 01 00 20 07 28", kAlways, true, true, false, 6},  // traced only
        {"EA FB 01 20", kAlways, true, false, false, 512},
        {"EA FC 01 20", kAlways, false, false, false, 513},  // dropped without trace
        {"12 05 80 16 00 01 04", kAlways, false, false, false, 0},
    };
    const CCommTool tool([] { return std::string("2008-08-11 09:30:05"); });
    for (const Case& c : cases) {
        const ReceiveCheck r = checkReceived(slotOf(c.slot), c.test, tool);
        SCOPED_TRACE(c.slot);
        EXPECT_EQ(r.traced, c.traced);
        EXPECT_EQ(r.checksumOk, c.ok);
        EXPECT_EQ(r.forPages, c.forPages);
        EXPECT_EQ(r.n, c.n);
        EXPECT_EQ(r.trace.empty(), !c.traced);
    }
}

TEST(ReceiveCheckTest, TraceTexts) {
    const CCommTool tool([] { return std::string("2008-08-11 09:30:05"); });
    const std::string head = "\r\n\r\n接收信息(2008-08-11 09:30:05)\r\n";

    auto good = checkReceived(slotOf("96 03 80 99 8C"), kAlways, tool);
    EXPECT_EQ(good.trace, head + "96 03 80 99 8c ");
    EXPECT_EQ(good.code, 0x99);

    auto bad = checkReceived(slotOf("96 05 80 16 00 01 05"), kAlways, tool);
    EXPECT_EQ(bad.trace, head + "96 05 80 16 00 01 05 \r\n数据校验不正确!");

    // The 0x55 trace shows the zero byte behind the frame that was never on the wire.
    auto noChecksum = checkReceived(slotOf("EA 01 00 55 09"), kAlways, tool);
    EXPECT_EQ(noChecksum.trace, head + "ea 01 00 55 09 00 ");

    EXPECT_EQ(tool.FormatSendTrace(Bytes{0x96, 0xAB}),
              "\r\n\r\n发送信息(2008-08-11 09:30:05)\r\n96 ab ");
}

}  // namespace
}  // namespace rb::wire
