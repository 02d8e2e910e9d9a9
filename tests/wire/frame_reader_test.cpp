#include "wire/frame_reader.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace rb::wire {
namespace {

using namespace std::chrono_literals;

Bytes hex(const std::string& text) {
    Bytes out;
    std::string error;
    EXPECT_TRUE(parseHex(text, out, error)) << error;
    return out;
}

// One step of a scenario: bytes arriving at a time, or (no bytes) a poll at that time.
struct Step {
    int atMs;
    std::string bytes;
};

struct Scenario {
    const char* name;
    std::vector<Step> steps;
    std::vector<std::string> frames;  // delivered frames; the rest of each slot must be zeros
};

void expectFrames(const Scenario& s) {
    FrameReader reader;
    std::vector<FrameSlot> got;
    for (const Step& step : s.steps) {
        auto frames = step.bytes.empty() ? reader.poll(Millis(step.atMs))
                                         : reader.feed(hex(step.bytes), Millis(step.atMs));
        got.insert(got.end(), frames.begin(), frames.end());
    }
    ASSERT_EQ(got.size(), s.frames.size()) << s.name;
    for (std::size_t i = 0; i < got.size(); ++i) {
        const std::size_t len = hex(s.frames[i]).size();
        EXPECT_EQ(toHex(ByteSpan(got[i]).first(len)), toHex(hex(s.frames[i]))) << s.name << i;
        EXPECT_TRUE(std::all_of(got[i].begin() + std::ptrdiff_t(len), got[i].end(),
                                [](std::uint8_t b) { return b == 0; }))
            << s.name << " frame " << i << " is not zero-filled";
    }
}

const std::string kFrame96 = "96 05 80 16 00 01 04";

TEST(FrameReaderTest, CutsTheStreamLikeTheDriver) {
    const std::string ea506 = toHex(frameEA(0x20, Bytes(506, 0x11)));
    const std::string ea507 = "EA FB 01 20 " + toHex(Bytes(508, 0x11)) + " ";
    const Scenario scenarios[] = {
        {"garbage before the lead byte",
         {{0, "00 11 EA 03 00 20 01 02 03 29"}},
         {"EA 03 00 20 01 02 03 29"}},
        {"L = 506 is read", {{0, ea506}}, {ea506}},
        {"L = 507 is dropped with its header", {{0, ea507 + kFrame96}}, {kFrame96}},
        {"0x55 answer has no checksum byte",
         {{0, "EA 01 00 55 09 " + kFrame96}},
         {"EA 01 00 55 09", kFrame96}},
        {"0xEC is read like 0xEA", {{0, "EC 01 00 20 07 28"}}, {"EC 01 00 20 07 28"}},
        {"0x96 length 7 gives 9 bytes",
         {{0, "96 07 80 10 01 02 03 04 FF " + kFrame96}},
         {"96 07 80 10 01 02 03 04 FF", kFrame96}},
        {"0x96 length below 2 gives the header alone",
         {{0, "96 01 80 10 " + kFrame96 + " 96 00 80 11"}},
         {"96 01 80 10", kFrame96, "96 00 80 11"}},
        {"two frames in one feed",
         {{0, kFrame96 + " EA 00 00 23 23"}},
         {kFrame96, "EA 00 00 23 23"}},
        {"one byte a feed",
         {{0, "96"}, {1, "05"}, {2, "80"}, {3, "16"}, {4, "00"}, {5, "01"}, {6, "04"}},
         {kFrame96}},
        {"frame cut short is delivered at its deadline",
         {{0, "96 07 80 10 01"}, {49, ""}, {50, ""}},
         {"96 07 80 10 01"}},
        {"late bytes after a cut-short frame start a new hunt",
         {{0, "96 07 80 10 01"}, {100, "02 03 " + kFrame96}},
         {"96 07 80 10 01", kFrame96}},
        {"0x96 header cut short reads its length as 0", {{0, "96"}, {30, ""}}, {"96"}},
        // The driver reads the body into byte 4 on even when the header came short.
        {"0xEA header cut short",
         {{0, "EA 02"}, {30, ""}, {40, "00 20 01"}},
         {"EA 02 00 00 00 20 01"}},
    };
    for (const Scenario& s : scenarios) expectFrames(s);
}

TEST(FrameReaderTest, DeadlinesFollowTheBytesAskedFor) {
    FrameReader reader;
    EXPECT_FALSE(reader.deadline());
    EXPECT_TRUE(reader.feed(hex("00 96"), 5ms).empty());
    EXPECT_EQ(reader.deadline(), Millis(35));  // 3 header bytes x 10 ms
    EXPECT_TRUE(reader.feed(hex("07 80 10"), 10ms).empty());
    EXPECT_EQ(reader.deadline(), Millis(60));  // 5 more bytes x 10 ms from the header
    EXPECT_TRUE(reader.poll(59ms).empty());
    EXPECT_EQ(reader.feed(hex("01 02 03 04 FF"), 60ms).size(), 1u);  // on the deadline: in time
    EXPECT_FALSE(reader.deadline());

    // A header that runs out at 30 ms starts a body wait from there.
    reader.feed(hex("EA 01"), 0ms);
    EXPECT_TRUE(reader.poll(30ms).empty());
    EXPECT_EQ(reader.deadline(), Millis(30 + 2 * 10));
    reader.reset();
    EXPECT_FALSE(reader.deadline());
    EXPECT_TRUE(reader.poll(1000ms).empty());
}

}  // namespace
}  // namespace rb::wire
