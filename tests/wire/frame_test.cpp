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

TEST(FrameTest, RequestsCarryTheirChecksum) {
    struct Case {
        Bytes built;
        std::string expected;
    };
    const Case cases[] = {
        {frame96(0x16, {0x00, 0x01}), "96 05 80 16 00 01 04"},
        {frame96(0x99), "96 03 80 99 8C"},
        {frameEA(0x23), "EA 00 00 23 23"},             // L = 0: byte 4 = byte1 + byte2 + byte3
        {frameEA(0x55, {0x01}), "EA 01 00 55 01 57"},  // requests with 0x55 keep the checksum
    };
    for (const Case& c : cases) EXPECT_EQ(toHex(c.built), c.expected);
    // A long 0xEA payload: little-endian length, sum of everything after the lead byte.
    const Bytes big = frameEA(0x10, Bytes(300, 0x01));
    ASSERT_EQ(big.size(), 305u);
    EXPECT_EQ(big[1], 0x2C);
    EXPECT_EQ(big[2], 0x01);
    EXPECT_EQ(big.back(), std::uint8_t(0x2C + 0x01 + 0x10 + 300));
}

TEST(FrameTest, OversizedRequestsAreRefused) {
    EXPECT_NO_THROW(frame96(0x01, Bytes(252, 0)));
    EXPECT_THROW(frame96(0x01, Bytes(253, 0)), std::length_error);
    EXPECT_THROW(frameEA(0x01, Bytes(kMaxEaPayload + 1, 0)), std::length_error);
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
    struct Case {
        std::string text;
        bool ok;
        std::string bytes;
    };
    const Case cases[] = {
        {"96 05 80", true, "96 05 80"},
        {"960580", true, "96 05 80"},
        {"  ea\t0a ", true, "EA 0A"},
        {"", true, ""},
        {"96 5 80", false, ""},
        {"96 0G", false, ""},
        {"0x96", false, ""},
    };
    for (const Case& c : cases) {
        Bytes out;
        std::string error;
        EXPECT_EQ(parseHex(c.text, out, error), c.ok) << c.text;
        EXPECT_EQ(c.ok ? toHex(out) : std::string(), c.bytes) << c.text;
        EXPECT_EQ(error.empty(), c.ok) << c.text;
    }
}

TEST(FrameTest, CompleteAndCheckFrames) {
    struct Case {
        std::string input;
        bool completes;
        std::string completed;
    };
    const Case cases[] = {
        {"96 05 80 16 00 01", true, "96 05 80 16 00 01 04"},
        {"EA 00 00 23", true, "EA 00 00 23 23"},
        {"EC 01 00 20 07", true, "EC 01 00 20 07 28"},
        {"96 06 80 16 00 01", false, ""},  // length byte disagrees
        {"EA 02 00 23 00", false, ""},
        {"12 03 80 01", false, ""},  // unknown lead
        {"96 03", false, ""},        // shorter than a header
    };
    for (const Case& c : cases) {
        Bytes out;
        std::string error;
        EXPECT_EQ(completeFrame(hex(c.input), out, error), c.completes) << c.input;
        if (c.completes) {
            EXPECT_EQ(toHex(out), c.completed);
            EXPECT_TRUE(checkFrame(out).ok) << c.completed;
        } else {
            EXPECT_FALSE(error.empty());
        }
    }

    const FrameCheck wrong = checkFrame(hex("96 05 80 16 00 01 05"));
    EXPECT_FALSE(wrong.ok);
    EXPECT_FALSE(wrong.usage);
    EXPECT_EQ(wrong.expected, 0x04);
    // An answer with command 0x55 comes without a checksum byte.
    EXPECT_TRUE(checkFrame(hex("EA 01 00 55 09")).ok);
    EXPECT_TRUE(checkFrame(hex("96 05 80 16 00 01")).usage);
}

}  // namespace
}  // namespace rb::wire
