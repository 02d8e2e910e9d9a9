#include "sim/simulated_line.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "wire/frame.h"

namespace rb::sim {
namespace {

using namespace std::chrono_literals;
using wire::Bytes;
using wire::frame96;

const Bytes kVoxRead = frame96(0x3E, {0x00, 0x01});  // 96 05 80 3E 00 01 2C
const Bytes kVoxAnswer = {0x96, 0x07, 0x80, 0x3F, 0x00, 0x01, 0x2C, 0x01, 0x02};  // VOX 300
const Bytes kVoxAnswerCorrupt = {0x96, 0x07, 0x80, 0x3F, 0x00, 0x01, 0x2C, 0x01, 0xFD};

SimulatedLine lm52rLine(const Faults& faults = {}) {
    return SimulatedLine(makeTerminal("lm52r"), faults);
}

std::vector<TimedChunk> concat(std::vector<TimedChunk> a, const std::vector<TimedChunk>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Writes the VOX read at 0, 100 and 200 ms and gathers every chunk.
std::vector<TimedChunk> threeVoxReads(SimulatedLine& line) {
    std::vector<TimedChunk> all;
    for (Micros t : {Micros(0ms), Micros(100ms), Micros(200ms)})
        all = concat(all, line.write(kVoxRead, t));
    return all;
}

std::string show(const std::vector<TimedChunk>& chunks) {
    std::string s;
    for (const TimedChunk& c : chunks)
        s += std::to_string(c.at.count()) + "us: " + wire::toHex(c.bytes) + "\n";
    return s;
}

TEST(SimulatedLine, AnswerArrivesAfterTheDelayInOneChunk) {
    SimulatedLine line = lm52rLine();
    const std::vector<TimedChunk> out = line.write(kVoxRead, 100ms);
    EXPECT_EQ(out, (std::vector<TimedChunk>{{105ms, kVoxAnswer}})) << show(out);
    EXPECT_EQ(out.front().atMillis(), 105ms);
    EXPECT_FALSE(line.deadline());
}

TEST(SimulatedLine, RequestInPiecesAfterStrayBytesIsHeardWhenComplete) {
    SimulatedLine line = lm52rLine();
    EXPECT_TRUE(line.write(Bytes{0x00, 0x55, 0x96, 0x05, 0x80}, 0ms).empty());
    ASSERT_TRUE(line.deadline());
    const std::vector<TimedChunk> out = line.write(wire::ByteSpan(kVoxRead).subspan(3), 4ms);
    EXPECT_EQ(out, (std::vector<TimedChunk>{{9ms, kVoxAnswer}})) << show(out);
}

TEST(SimulatedLine, FramesItCannotTakeGetNoAnswerAndTheLineRecovers) {
    Bytes badChecksum = kVoxRead;
    badChecksum.back() ^= 0x01;
    const struct {
        const char* what;
        Bytes bytes;
    } cases[] = {
        {"bad checksum", badChecksum},
        {"unknown code", frame96(0x77, {0x00, 0x01})},
        {"cut short", Bytes(kVoxRead.begin(), kVoxRead.end() - 2)},
        {"0xEC frame", {0xEC, 0x00, 0x00, 0x22, 0x22}},
        {"garbage only", {0x01, 0x02, 0x03}},
    };
    for (const auto& c : cases) {
        SimulatedLine line = lm52rLine();
        std::vector<TimedChunk> out = line.write(c.bytes, 0ms);
        if (const auto due = line.deadline()) out = concat(out, line.poll(*due));
        EXPECT_TRUE(out.empty()) << c.what << "\n" << show(out);
        EXPECT_FALSE(line.deadline()) << c.what;
        EXPECT_EQ(line.write(kVoxRead, 1s), (std::vector<TimedChunk>{{1005ms, kVoxAnswer}}))
            << c.what;
    }
}

Bytes withGarbage(const Bytes& frame) {
    Bytes b{0x00, 0x11, 0xEB};
    b.insert(b.end(), frame.begin(), frame.end());
    return b;
}

struct FaultCase {
    const char* name;
    Faults faults;
    std::vector<TimedChunk> expected;  // for the VOX read at 0, 100 and 200 ms
};

Faults with(void (*set)(Faults&)) {
    Faults f;
    set(f);
    return f;
}

void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.name; }

class LineFaults : public ::testing::TestWithParam<FaultCase> {};

TEST_P(LineFaults, DoWhatTheySayByteForByte) {
    SimulatedLine line = lm52rLine(GetParam().faults);
    const std::vector<TimedChunk> out = threeVoxReads(line);
    EXPECT_EQ(out, GetParam().expected) << show(out);
}

INSTANTIATE_TEST_SUITE_P(
    EachFault, LineFaults,
    ::testing::Values(
        FaultCase{"none", {}, {{5ms, kVoxAnswer}, {105ms, kVoxAnswer}, {205ms, kVoxAnswer}}},
        FaultCase{"silent", with([](Faults& f) { f.silent = true; }), {}},
        FaultCase{"drop_second",
                  with([](Faults& f) { f.dropNth = 2; }),
                  {{5ms, kVoxAnswer}, {205ms, kVoxAnswer}}},
        FaultCase{"drop_all", with([](Faults& f) { f.dropFraction = 1.0; }), {}},
        FaultCase{"delay_beyond_2000ms",
                  with([](Faults& f) { f.delay = 2500ms; }),
                  {{2500ms, kVoxAnswer}, {2600ms, kVoxAnswer}, {2700ms, kVoxAnswer}}},
        FaultCase{
            "corrupt_all",
            with([](Faults& f) { f.corruptChecksum = true; }),
            {{5ms, kVoxAnswerCorrupt}, {105ms, kVoxAnswerCorrupt}, {205ms, kVoxAnswerCorrupt}}},
        FaultCase{"corrupt_third",
                  with([](Faults& f) { f.corruptNth = 3; }),
                  {{5ms, kVoxAnswer}, {105ms, kVoxAnswer}, {205ms, kVoxAnswerCorrupt}}},
        FaultCase{"garbage",
                  with([](Faults& f) {
                      f.garbage = {0x00, 0x11, 0xEB};
                  }),
                  {{5ms, withGarbage(kVoxAnswer)},
                   {105ms, withGarbage(kVoxAnswer)},
                   {205ms, withGarbage(kVoxAnswer)}}},
        FaultCase{"split",
                  with([](Faults& f) {
                      f.splitSize = 4;
                      f.splitGap = 3ms;
                  }),
                  {{5ms, {0x96, 0x07, 0x80, 0x3F}},
                   {8ms, {0x00, 0x01, 0x2C, 0x01}},
                   {11ms, {0x02}},
                   {105ms, {0x96, 0x07, 0x80, 0x3F}},
                   {108ms, {0x00, 0x01, 0x2C, 0x01}},
                   {111ms, {0x02}},
                   {205ms, {0x96, 0x07, 0x80, 0x3F}},
                   {208ms, {0x00, 0x01, 0x2C, 0x01}},
                   {211ms, {0x02}}}},
        FaultCase{"split_without_gap",
                  with([](Faults& f) { f.splitSize = 5; }),
                  {{5ms, {0x96, 0x07, 0x80, 0x3F, 0x00}},
                   {5ms, {0x01, 0x2C, 0x01, 0x02}},
                   {105ms, {0x96, 0x07, 0x80, 0x3F, 0x00}},
                   {105ms, {0x01, 0x2C, 0x01, 0x02}},
                   {205ms, {0x96, 0x07, 0x80, 0x3F, 0x00}},
                   {205ms, {0x01, 0x2C, 0x01, 0x02}}}}),
    [](const ::testing::TestParamInfo<FaultCase>& info) { return std::string(info.param.name); });

TEST(SimulatedLine, PacingPutsEveryByteOnTheWireAtTheLineRate) {
    Faults faults;
    faults.pace = true;
    SimulatedLine line = lm52rLine(faults);
    // Two requests written at once follow each other on the wire: the first is heard when its
    // 7th byte has arrived (7 x 1041.67 us), the second at 14 bytes.
    Bytes twoReads = kVoxRead;
    twoReads.insert(twoReads.end(), kVoxRead.begin(), kVoxRead.end());
    const std::vector<TimedChunk> out = line.write(twoReads, 0ms);
    ASSERT_EQ(out.size(), 18u) << show(out);
    // First answer: starts 5 ms after 7291 us; byte k has arrived at start + (k+1) x 1041.67 us.
    const long long first[] = {13332, 14374, 15416, 16457, 17499, 18541, 19582, 20624, 21666};
    for (std::size_t k = 0; k < 9; ++k) {
        EXPECT_EQ(out[k].at, Micros(first[k])) << k;
        EXPECT_EQ(out[k].bytes, Bytes{kVoxAnswer[k]}) << k;
    }
    // The second answer waits for the wire: it starts when the first has ended.
    EXPECT_EQ(out[9].at, Micros(21666 + 1041));
    EXPECT_EQ(out[17].at, Micros(21666 + 9375));

    faults.paceBaud = 19200;
    SimulatedLine fast = lm52rLine(faults);
    EXPECT_EQ(fast.lineBaud(), 19200);
    const std::vector<TimedChunk> quick = fast.write(kVoxRead, 1ms);
    ASSERT_EQ(quick.size(), 9u);
    EXPECT_EQ(quick.back().at, Micros(1000 + 3645 + 5000 + 4687));  // 7 and 9 bytes at 19200
}

TEST(SimulatedLine, DropFractionRepeatsWithItsSeed) {
    auto pattern = [](std::uint32_t seed, double fraction) {
        Faults faults;
        faults.dropFraction = fraction;
        faults.seed = seed;
        SimulatedLine line = lm52rLine(faults);
        std::string answered;
        for (int i = 0; i < 200; ++i)
            answered += line.write(kVoxRead, Micros(i * 10'000)).empty() ? '-' : 'A';
        return answered;
    };
    const std::string half = pattern(7, 0.5);
    EXPECT_EQ(pattern(7, 0.5), half);
    EXPECT_NE(pattern(8, 0.5), half);
    const auto kept = std::count(half.begin(), half.end(), 'A');
    EXPECT_GT(kept, 70);
    EXPECT_LT(kept, 130);
    EXPECT_EQ(pattern(7, 0.0), std::string(200, 'A'));
}

TEST(SimulatedLine, UnsolicitedFrameComesAtItsTimesThroughPoll) {
    const Bytes unsolicited = frame96(0x77, {0x10});
    Faults faults;
    faults.unsolicited = unsolicited;
    faults.unsolicitedAt = 50ms;
    faults.unsolicitedEvery = 100ms;
    SimulatedLine line = lm52rLine(faults);
    EXPECT_EQ(line.deadline(), Micros(50ms));
    EXPECT_TRUE(line.poll(49ms).empty());
    EXPECT_EQ(line.poll(50ms), (std::vector<TimedChunk>{{50ms, unsolicited}}));
    EXPECT_EQ(line.deadline(), Micros(150ms));
    EXPECT_EQ(line.poll(260ms),
              (std::vector<TimedChunk>{{150ms, unsolicited}, {250ms, unsolicited}}));

    // Once only, and an answer on the wire delays it.
    faults.unsolicitedAt = 15ms;
    faults.unsolicitedEvery = 0ms;
    faults.pace = true;
    line.setFaults(faults);
    const std::vector<TimedChunk> out = line.write(kVoxRead, 0ms);  // answer on the wire 12..21 ms
    const std::vector<TimedChunk> late = line.poll(30ms);
    ASSERT_EQ(late.size(), unsolicited.size());
    EXPECT_EQ(late.front().at, out.back().at + 1041us);
    EXPECT_FALSE(line.deadline());
}

TEST(SimulatedLine, DroppedAnswersAreActedOnButASilentTerminalStoresNothing) {
    const Bytes voxWrite = frame96(0x3C, {0x00, 0x01, 0x58, 0x02});  // 600
    const Bytes vox600 = frame96(0x3F, {0x00, 0x01, 0x58, 0x02});

    Faults drop;
    drop.dropNth = 1;
    SimulatedLine dropping = lm52rLine(drop);
    EXPECT_TRUE(dropping.write(voxWrite, 0ms).empty());
    EXPECT_EQ(dropping.write(kVoxRead, 10ms), (std::vector<TimedChunk>{{15ms, vox600}}));

    Faults silent;
    silent.silent = true;
    SimulatedLine quiet = lm52rLine(silent);
    EXPECT_TRUE(quiet.write(voxWrite, 0ms).empty());
    quiet.setFaults({});
    EXPECT_EQ(quiet.write(kVoxRead, 10ms), (std::vector<TimedChunk>{{15ms, kVoxAnswer}}));
}

TEST(SimulatedLine, SeveralAnswerFramesFollowEachOther) {
    Faults faults;
    faults.splitSize = 20;
    faults.splitGap = 1ms;
    SimulatedLine line = lm52rLine(faults);
    line.write(frame96(0x38,
                       [] {
                           Bytes p{0x00, 0x01, 0x00, 0x00, 0x00, 0x80};
                           p.resize(p.size() + 112, 0x01);
                           return p;
                       }()),
               0ms);
    line.write(frame96(0x38, Bytes{0x00, 0x01, 0x00, 0x01, 0x00, 0x80, 0x02}), 10ms);
    const std::vector<TimedChunk> out = line.write(frame96(0x3A, {0x00, 0x01, 0x00}), 20ms);
    // 0x3B of 112 values (123 bytes = 7 pieces) and of 1 value (12 bytes = 1 piece).
    ASSERT_EQ(out.size(), 8u) << show(out);
    EXPECT_EQ(out[6].at, 31ms);
    EXPECT_EQ(out[7].at, 31ms);
    EXPECT_EQ(out[7].bytes, frame96(0x3B, {0x00, 0x01, 0x00, 0x01, 0x00, 0x80, 0x02}));
}

}  // namespace
}  // namespace rb::sim
