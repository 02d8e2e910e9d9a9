// EaPayload reads only what a received 0xEA frame holds: never its checksum, never the zero fill
// of the slot behind it, whatever its length field claims.
#include "wire/ea_payload.h"

#include <gtest/gtest.h>

namespace rb::wire {
namespace {

TEST(EaPayloadTest, BoundedByTheLengthFieldAndTheBytesHeld) {
    struct Case {
        const char* name;
        Bytes frame;
        std::size_t size;
        std::string text;  // text(0, 8)
    };
    const Case cases[] = {
        {"whole frame", frameEA(0x28, {'A', 'B', 0, 'C'}), 4, "AB"},
        {"no zero byte: the text ends with the payload", frameEA(0x28, {'A', 'B', 'C'}), 3, "ABC"},
        {"length field beyond the frame", {0xEA, 0x09, 0x00, 0x28, 'A', 'B', 0x99}, 2, "AB"},
        {"0x55 frame without checksum", {0xEA, 0x02, 0x00, 0x55, 'X', 'Y'}, 2, "XY"},
        {"header only", {0xEA, 0x05, 0x00}, 0, ""},
    };
    for (const Case& c : cases) {
        const EaPayload p{FrameView(ByteSpan(c.frame))};
        EXPECT_EQ(p.size(), c.size) << c.name;
        EXPECT_EQ(p.text(0, 8), c.text) << c.name;
        EXPECT_EQ(p[c.size], 0) << c.name;  // the checksum or what lies beyond reads as 0
        EXPECT_EQ(p.u24be(c.size + 5), 0u) << c.name;
    }
    const Bytes f = frameEA(0x22, {0x01, 0x90, 0xFF});
    const EaPayload p{FrameView(ByteSpan(f))};
    EXPECT_EQ(p.u16be(0), 0x0190);
    EXPECT_EQ(p.u16be(2), 0xFF00);  // the second byte lies beyond the payload
    EXPECT_EQ(p.lengthField(), 3u);
}

}  // namespace
}  // namespace rb::wire
