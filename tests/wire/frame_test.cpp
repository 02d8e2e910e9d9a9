#include "wire/frame.h"

#include <gtest/gtest.h>

namespace rb::wire {
namespace {

Bytes hex(const std::string& text) {
    Bytes out;
    std::string error;
    EXPECT_TRUE(parseHex(text, out, error)) << error;
    return out;
}

TEST(FrameTest, BuiltAndCompletedFramesCarryTheirChecksum) {
    EXPECT_EQ(toHex(frame96(0x16, {0x00, 0x01})), "96 05 80 16 00 01 04");
    EXPECT_EQ(toHex(frame96(0x99)), "96 03 80 99 8C");
    EXPECT_EQ(toHex(frameEA(0x23)), "EA 00 00 23 23");  // L = 0: byte 4 = byte1 + byte2 + byte3
    EXPECT_EQ(toHex(frameEA(0x55, {0x01})), "EA 01 00 55 01 57");  // requests keep it for 0x55
    // A long 0xEA payload: little-endian length, sum of everything after the lead byte.
    const Bytes big = frameEA(0x10, Bytes(300, 0x01));
    EXPECT_EQ(toHex(ByteSpan(big).first(3)), "EA 2C 01");
    EXPECT_EQ(big.back(), std::uint8_t(0x2C + 0x01 + 0x10 + 300));
    EXPECT_NO_THROW(frame96(0x01, Bytes(252, 0)));
    EXPECT_THROW(frame96(0x01, Bytes(253, 0)), std::length_error);
    // Requests are sized to their frame, also beyond the receive limit and a 255-byte buffer:
    // the transparent-data request with 1000 data bytes is 1009 bytes long.
    const Bytes data = frameEA(0x96, Bytes(1004, 0x31));
    ASSERT_EQ(data.size(), 1009u);
    EXPECT_EQ(toHex(ByteSpan(data).first(4)), "EA EC 03 96");
    EXPECT_EQ(data.back(), std::uint8_t(0xEC + 0x03 + 0x96 + 1004 * 0x31));
    EXPECT_TRUE(checkFrame(data).ok);
    EXPECT_THROW(frameEA(0x01, Bytes(kMaxEaRequestPayload + 1, 0)), std::length_error);

    const std::pair<std::string, std::string> completions[] = {
        {"96 05 80 16 00 01", "96 05 80 16 00 01 04"},
        {"EC 01 00 20 07", "EC 01 00 20 07 28"},
        {"96 06 80 16 00 01", ""},  // length byte disagrees
        {"EA 02 00 23 00", ""},
        {"12 03 80 01", ""},  // unknown lead
        {"96 03", ""},        // shorter than a header
    };
    for (const auto& [input, completed] : completions) {
        Bytes out;
        std::string error;
        EXPECT_EQ(completeFrame(hex(input), out, error), !completed.empty()) << input;
        EXPECT_EQ(completed.empty() ? "" : toHex(out), completed);
        EXPECT_EQ(error.empty(), !completed.empty()) << input;
    }

    EXPECT_TRUE(checkFrame(hex("EA 00 00 23 23")).ok);
    const FrameCheck wrong = checkFrame(hex("96 05 80 16 00 01 05"));
    EXPECT_FALSE(wrong.ok || wrong.usage);
    EXPECT_EQ(wrong.expected, 0x04);
    EXPECT_TRUE(checkFrame(hex("EA 01 00 55 09")).ok);  // a 0x55 answer has no checksum byte
    EXPECT_TRUE(checkFrame(hex("96 05 80 16 00 01")).usage);
}

TEST(FrameTest, FrameViewReadsZeroBeyondItsEnd) {
    const Bytes f = hex("96 05 80 16 12 34 00");
    const FrameView v(f.data(), 6);
    EXPECT_EQ(v.code(), 0x16);
    EXPECT_EQ(v.u16be(4), 0x1234);
    EXPECT_EQ(v.u16le(4), 0x3412);
    EXPECT_EQ(v[6], 0);
    EXPECT_EQ(v.u24be(5), 0x340000u);
    EXPECT_EQ(FrameView()[0], 0);
}

TEST(FrameTest, ParseHexAcceptsPairsAndRejectsJunk) {
    const std::pair<std::string, std::string> cases[] = {
        {"96 05 80", "96 05 80"}, {"960580", "96 05 80"}, {"  ea\t0a ", "EA 0A"}, {"", ""},
        {"96 5 80", "bad"},       {"96 0G", "bad"},       {"0x96", "bad"},
    };
    for (const auto& [text, bytes] : cases) {
        Bytes out;
        std::string error;
        EXPECT_EQ(parseHex(text, out, error), bytes != "bad") << text;
        EXPECT_EQ(error.empty() ? toHex(out) : "bad", bytes) << text;
    }
}

}  // namespace
}  // namespace rb::wire
