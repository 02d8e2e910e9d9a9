// The common parameters a user page writes back: bytes 6-15 of the last 0x23 as the terminal
// sent them, only the page's own bits of the flags byte (byte 8) replaced.
#include "families/common96/kept_common.h"

#include <gtest/gtest.h>

#include "wire/codecs.h"

using namespace rb;
using rb::families::common96::KeptCommon;

namespace {

// A 0x23 answer with the parameters 60 10 flags 0x44 0x44 0xCC 0x03 0x00 0x22 0xAA.
wire::Bytes commonAnswer(std::uint8_t flags) {
    return wire::frame96(0x23,
                         {0x00, 0x01, 60, 10, flags, 0x44, 0x44, 0xCC, 0x03, 0x00, 0x22, 0xAA});
}

wire::Bytes writeWithFlags(std::uint8_t flags) {
    return wire::frame96(0x20,
                         {0x00, 0x01, 60, 10, flags, 0x44, 0x44, 0xCC, 0x03, 0x00, 0x22, 0xAA});
}

struct Case {
    const char* what;
    std::uint8_t terminalFlags;
    std::uint8_t ownMask;
    std::uint8_t ownBits;
    std::uint8_t sentFlags;
};

}  // namespace

TEST(KeptCommon, ReplacesOnlyThePagesBitsOfTheFlagsByte) {
    const Case cases[] = {
        // LM52R user page: bits 4, 5, 7.
        {"lm52r sets its bits", 0x4F, 0xB0, 0xB0, 0xFF},
        {"lm52r clears its bits", 0xFF, 0xB0, 0x00, 0x4F},
        {"lm52r sets one of three", 0x0F, 0xB0, 0x10, 0x1F},
        // Network radio: bits 5 and 7.
        {"netradio keeps bit 4", 0x59, 0xA0, 0x80, 0xD9},
        // Train station: bit 7 alone.
        {"train clears auth", 0xCF, 0x80, 0x00, 0x4F},
        // Bits outside the mask are never taken from the page.
        {"stray page bits ignored", 0x00, 0x80, 0xFF, 0x80},
    };
    for (const Case& c : cases) {
        KeptCommon kept;
        const wire::Bytes answer = commonAnswer(c.terminalFlags);
        kept.take(wire::FrameView(answer.data(), answer.size()));
        EXPECT_EQ(kept.writeRequest(c.ownMask, c.ownBits), writeWithFlags(c.sentFlags)) << c.what;
    }
}

TEST(KeptCommon, BeforeAnyAnswerAndAfterAShortOneTheMissingBytesAreZero) {
    KeptCommon kept;
    EXPECT_EQ(kept.writeRequest(0x80, 0x80),
              wire::frame96(0x20, {0x00, 0x01, 0, 0, 0x80, 0, 0, 0, 0, 0, 0, 0}));

    // An answer that ends after byte 9: bytes 10-15 of the earlier answer are not kept.
    const wire::Bytes full = commonAnswer(0xFF);
    kept.take(wire::FrameView(full.data(), full.size()));
    const wire::Bytes shortAnswer(full.begin(), full.begin() + 10);
    kept.take(wire::FrameView(shortAnswer.data(), shortAnswer.size()));
    EXPECT_EQ(kept.writeRequest(0x80, 0x00),
              wire::frame96(0x20, {0x00, 0x01, 60, 10, 0x7F, 0x44, 0, 0, 0, 0, 0, 0}));
}
