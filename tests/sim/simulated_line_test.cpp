#include "sim/simulated_line.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "wire/frame.h"

// Faults are given with designated initializers; the faults not named keep their defaults.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace rb::sim {

// Chunks in failure messages: "time: bytes".
void PrintTo(const TimedChunk& c, std::ostream* os) {
    *os << c.at.count() << "us: " << wire::toHex(c.bytes);
}

namespace {

using namespace std::chrono_literals;
using wire::Bytes;
using wire::frame96;
using Chunks = std::vector<TimedChunk>;

const Bytes kVoxRead = frame96(0x3E, {0x00, 0x01});  // 96 05 80 3E 00 01 2C
const Bytes kVoxAnswer = {0x96, 0x07, 0x80, 0x3F, 0x00, 0x01, 0x2C, 0x01, 0x02};  // VOX 300
const Bytes kVoxAnswerCorrupt = {0x96, 0x07, 0x80, 0x3F, 0x00, 0x01, 0x2C, 0x01, 0xFD};

SimulatedLine lm52rLine(const Faults& faults = {}) {
    return SimulatedLine(makeTerminal("lm52r"), faults);
}

Chunks concat(Chunks a, const Chunks& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// The chunks of the answer to a VOX read at 0 ms, again for the reads at 100 and 200 ms.
Chunks thrice(const Chunks& first) {
    Chunks all;
    for (Micros shift : {0ms, 100ms, 200ms})
        for (TimedChunk c : first) all.push_back({c.at + shift, c.bytes});
    return all;
}

TEST(SimulatedLine, EachFaultDoesWhatItSaysByteForByte) {
    const Bytes garbage = {0x00, 0x11, 0xEB}, unsolicited = frame96(0x77, {0x10});
    const struct {
        const char* name;
        Faults faults;
        Chunks expected;  // for the VOX read at 0, 100 and 200 ms
    } cases[] = {
        {"none", {}, thrice({{5ms, kVoxAnswer}})},
        {"silent", {.silent = true}, {}},
        {"delay beyond 2000 ms", {.delay = 2500ms}, thrice({{2500ms, kVoxAnswer}})},
        {"corrupt all", {.corruptChecksum = true}, thrice({{5ms, kVoxAnswerCorrupt}})},
        {"garbage",
         {.garbage = garbage},
         thrice({{5ms, {0x00, 0x11, 0xEB, 0x96, 0x07, 0x80, 0x3F, 0x00, 0x01, 0x2C, 0x01, 0x02}}})},
        {"split",
         {.splitSize = 4, .splitGap = 3ms},
         thrice(
             {{5ms, {0x96, 0x07, 0x80, 0x3F}}, {8ms, {0x00, 0x01, 0x2C, 0x01}}, {11ms, {0x02}}})},
        {"split without gap",
         {.splitSize = 5},
         thrice({{5ms, {0x96, 0x07, 0x80, 0x3F, 0x00}}, {5ms, {0x01, 0x2C, 0x01, 0x02}}})},
        {"unsolicited frame every 100 ms",
         {.unsolicited = unsolicited, .unsolicitedAt = 50ms, .unsolicitedEvery = 100ms},
         {{5ms, kVoxAnswer},
          {50ms, unsolicited},
          {105ms, kVoxAnswer},
          {150ms, unsolicited},
          {205ms, kVoxAnswer}}},
    };
    for (const auto& c : cases) {
        SimulatedLine line = lm52rLine(c.faults);
        Chunks out;
        for (Micros t : {0ms, 100ms, 200ms}) out = concat(out, line.write(kVoxRead, t));
        EXPECT_EQ(out, c.expected) << c.name;
    }

    // A dropped answer's request was acted on; a silent terminal stored nothing.
    const Bytes voxWrite = frame96(0x3C, {0x00, 0x01, 0x58, 0x02});  // 600
    for (const Faults& faults : {Faults{.dropNth = 1}, Faults{.silent = true}}) {
        SimulatedLine line = lm52rLine(faults);
        EXPECT_TRUE(line.write(voxWrite, 0ms).empty());
        line.setFaults({});
        EXPECT_EQ(
            line.write(kVoxRead, 10ms),
            (Chunks{{15ms, faults.silent ? kVoxAnswer : frame96(0x3F, {0x00, 0x01, 0x58, 0x02})}}));
    }
    // Several answer frames to one request (a hop map in two chunks) follow each other.
    SimulatedLine hop = lm52rLine({.splitSize = 20, .splitGap = 1ms});
    Bytes chunk0 = {0x00, 0x01, 0x00, 0x00, 0x00, 0x80};
    chunk0.resize(chunk0.size() + 112, 0x01);
    hop.write(frame96(0x38, chunk0), 0ms);
    hop.write(frame96(0x38, {0x00, 0x01, 0x00, 0x01, 0x00, 0x80, 0x02}), 10ms);
    const Chunks out = hop.write(frame96(0x3A, {0x00, 0x01, 0x00}), 20ms);
    // 0x3B of 112 values (123 bytes = 7 pieces at 25..31 ms), then the one of 1 value.
    ASSERT_EQ(out.size(), 8u);
    EXPECT_EQ(out[7],
              (TimedChunk{31ms, frame96(0x3B, {0x00, 0x01, 0x00, 0x01, 0x00, 0x80, 0x02})}));
}

TEST(SimulatedLine, OnlyWholeGoodFramesAreHeardAndTheLineRecovers) {
    SimulatedLine line = lm52rLine();
    EXPECT_TRUE(line.write(Bytes{0x00, 0x55, 0x96, 0x05, 0x80}, 0ms).empty());
    ASSERT_TRUE(line.deadline());
    EXPECT_EQ(line.write(wire::ByteSpan(kVoxRead).subspan(3), 4ms), (Chunks{{9ms, kVoxAnswer}}));

    Bytes badChecksum = kVoxRead;
    badChecksum.back() ^= 0x01;
    const std::pair<const char*, Bytes> cases[] = {
        {"bad checksum", badChecksum},
        {"cut short", Bytes(kVoxRead.begin(), kVoxRead.end() - 2)},
        {"0xEC frame", {0xEC, 0x00, 0x00, 0x22, 0x22}},
        {"garbage only", {0x01, 0x02, 0x03}},
    };
    for (const auto& [what, bytes] : cases) {
        SimulatedLine line = lm52rLine();
        Chunks out = line.write(bytes, 0ms);
        if (const auto due = line.deadline()) out = concat(out, line.poll(*due));
        EXPECT_EQ(out, Chunks{}) << what;
        EXPECT_FALSE(line.deadline()) << what;
        EXPECT_EQ(line.write(kVoxRead, 1s), (Chunks{{1005ms, kVoxAnswer}})) << what;
    }
}

TEST(SimulatedLine, PacingPutsEveryByteOnTheWireAtTheLineRate) {
    SimulatedLine line = lm52rLine({.pace = true});
    // Two requests written at once follow each other on the wire: the first is heard when its
    // 7th byte has arrived (7 x 1041.67 us), the second at 14 bytes.
    Bytes twoReads = kVoxRead;
    twoReads.insert(twoReads.end(), kVoxRead.begin(), kVoxRead.end());
    const Chunks out = line.write(twoReads, 0ms);
    ASSERT_EQ(out.size(), 18u);
    // First answer: starts 5 ms after 7291 us; byte k has arrived at start + (k+1) x 1041.67 us.
    const long long first[] = {13332, 14374, 15416, 16457, 17499, 18541, 19582, 20624, 21666};
    for (std::size_t k = 0; k < 9; ++k)
        EXPECT_EQ(out[k], (TimedChunk{Micros(first[k]), {kVoxAnswer[k]}})) << k;
    // The second answer waits for the wire: it starts when the first has ended.
    EXPECT_EQ(out[9].at, Micros(21666 + 1041));
    EXPECT_EQ(out[17].at, Micros(21666 + 9375));

    SimulatedLine fast = lm52rLine({.pace = true, .paceBaud = 19200});
    const Chunks quick = fast.write(kVoxRead, 1ms);
    ASSERT_EQ(quick.size(), 9u);
    EXPECT_EQ(quick.back().at, Micros(1000 + 3645 + 5000 + 4687));  // 7 and 9 bytes at 19200
}

TEST(SimulatedLine, DropFractionRepeatsWithItsSeed) {
    auto pattern = [](std::uint32_t seed, double fraction) {
        SimulatedLine line = lm52rLine({.dropFraction = fraction, .seed = seed});
        std::string answered;
        for (int i = 0; i < 200; ++i)
            answered += line.write(kVoxRead, Micros(i * 10'000)).empty() ? '-' : 'A';
        return answered;
    };
    const std::string half = pattern(7, 0.5);
    const auto kept = std::count(half.begin(), half.end(), 'A');
    EXPECT_TRUE(kept > 70 && kept < 130) << kept;
    EXPECT_EQ(pattern(7, 0.5), half);
    EXPECT_NE(pattern(8, 0.5), half);
}

TEST(SimulatedLine, UnsolicitedFrameComesThroughPollAndWaitsForTheWire) {
    const Bytes unsolicited = frame96(0x77, {0x10});
    SimulatedLine line =
        lm52rLine({.unsolicited = unsolicited, .unsolicitedAt = 15ms, .pace = true});
    EXPECT_EQ(line.deadline(), Micros(15ms));
    const Chunks out = line.write(kVoxRead, 0ms);  // the answer is on the wire 12..21 ms
    EXPECT_EQ(line.poll(14ms), Chunks{});
    const Chunks late = line.poll(30ms);
    ASSERT_EQ(late.size(), unsolicited.size());
    EXPECT_EQ(late.front().at, out.back().at + 1041us);
    EXPECT_FALSE(line.deadline());  // once only
}

// A write of the ignored command code is acknowledged as usual, but the terminal keeps what it
// held; other writes are stored. The read answers show it.
TEST(SimulatedLine, AnIgnoredWriteIsAcknowledgedAndNotStored) {
    const Bytes voxWrite400 = frame96(0x3C, {0x00, 0x01, 0x90, 0x01});  // VOX 400
    auto voxAfterWrite = [&](std::uint8_t ignored) {
        SimulatedLine line = lm52rLine(Faults{.delay = 0ms, .keepOldFor = ignored});
        const Chunks ack = line.write(voxWrite400, 0ms);
        EXPECT_EQ(ack.size(), 1u);
        EXPECT_EQ(ack.empty() ? 0 : ack[0].bytes[3], 0x3D);
        const Chunks read = line.write(kVoxRead, 100ms);
        return read.empty() ? Bytes{} : read[0].bytes;
    };
    EXPECT_EQ(voxAfterWrite(0x3C), kVoxAnswer);                               // still 300
    EXPECT_EQ(voxAfterWrite(0x14), frame96(0x3F, {0x00, 0x01, 0x90, 0x01}));  // stored
}

}  // namespace
}  // namespace rb::sim

namespace rb::sim {
namespace {

TEST(SimulatedLine, AStrayFrameFollowsTheNthAnswerOrTakesItsPlace) {
    const Bytes stray = {0x96, 0x05, 0x80, 0x21, 0x00, 0x01, 0x33};
    const std::vector<std::pair<Faults, Chunks>> cases = {
        // After the second answer only; the first answer goes alone.
        {Faults{.strayAfter = 2, .stray = stray}, Chunks{{5ms, kVoxAnswer}}},
        {Faults{.strayAfter = 1, .stray = stray}, Chunks{{5ms, kVoxAnswer}, {5ms, stray}}},
        // The answer is lost and the stray comes instead.
        {Faults{.dropNth = 1, .strayAfter = 1, .stray = stray}, Chunks{{5ms, stray}}},
    };
    for (const auto& [faults, expected] : cases) {
        SimulatedLine line = lm52rLine(faults);
        EXPECT_EQ(line.write(kVoxRead, 0ms), expected) << faults.strayAfter;
    }
}

}  // namespace
}  // namespace rb::sim
