#include "sim/train_terminal.h"

#include <gtest/gtest.h>

#include "wire/codecs.h"
#include "wire/frame.h"

namespace rb::sim {
namespace {

using wire::Bytes;
using wire::frame96;

Bytes payloadOf(const Bytes& frame) { return Bytes(frame.begin() + 4, frame.end() - 1); }

Bytes cat(Bytes head, const Bytes& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

Bytes pattern(std::size_t n, std::uint8_t first, std::uint8_t step = 7) {
    Bytes b(n);
    for (std::size_t i = 0; i < n; ++i) b[i] = std::uint8_t(first + i * step);
    return b;
}

std::vector<Bytes> ask(Terminal& t, const Bytes& frame) { return t.answer(wire::FrameView(frame)); }

Bytes single(Terminal& t, const Bytes& frame) {
    const std::vector<Bytes> answers = ask(t, frame);
    EXPECT_EQ(answers.size(), 1u) << wire::toHex(frame);
    return answers.empty() ? Bytes{} : answers.front();
}

Bytes commonAt(std::uint8_t spacing) {
    return frame96(0x20, {0x00, 0x01, 1, 2, 0x4F, 0x22, 0x44, 0xCC, 3, 0, 0x22, spacing});
}

TEST(TrainTerminal, PlainGroupsReadBackWhatWasWrittenByteForByte) {
    const std::pair<Bytes, Bytes> writeAndRead[] = {
        {frame96(0x20, {0x00, 0x01, 5, 7, 0xF5, 0x22, 0x66, 0x3C, 0x07, 0x01, 0x44, 0x55}),
         frame96(0x22)},
        {frame96(0x78, {0x00, 0x00, 0x37}), frame96(0x7A, {0x00, 0x00})},
        {frame96(0x50, cat({0x00, 0x00, 0x00, 0x03, 0x05}, pattern(82, 0x41, 1))), frame96(0x52)},
        {frame96(0x70, {0x00, 0x01, 0x03, 0x05, 0x02, 0x63}),
         frame96(0x72, {0x00, 0x01, 0x00})},  // any channel asked: the one set
        {frame96(0x74, cat({0x00, 0x01, 0x04, 0xB0, 0x01, 0xF4, 0x17, 0x70}, pattern(21, 0x40))),
         frame96(0x76, {0x00, 0x01})},
    };
    for (const auto& [write, read] : writeAndRead) {
        SCOPED_TRACE(wire::toHex(write));
        TrainTerminal t;
        EXPECT_EQ(single(t, write), frame96(std::uint8_t(write[3] + 1), {write[4], write[5]}));
        const Bytes answer = single(t, read);
        EXPECT_EQ(answer[3], read[3] + 1);
        EXPECT_EQ(payloadOf(answer), payloadOf(write));
        // One byte short or long: no answer, nothing kept.
        Bytes shortWrite(write.begin(), write.end() - 1);
        shortWrite[1] = std::uint8_t(shortWrite.size() - 2);
        wire::sealFrame(shortWrite);
        EXPECT_TRUE(ask(t, shortWrite).empty());
    }
}

TEST(TrainTerminal, FrequenciesFollowTheStationsSpacing) {
    TrainTerminal t;
    // 25 kHz (factory): 2-byte codes. Group 2 channel 1 reads 16016 (4004000).
    Bytes read = single(t, frame96(0x16, {0x00, 0x02}));
    ASSERT_EQ(read.size(), 71u);
    EXPECT_EQ(wire::FrameView(read).u16be(6), 16016);
    // The same frequencies at 6.25 kHz: 3-byte codes, four times the number.
    single(t, commonAt(0x66));
    read = single(t, frame96(0x16, {0x00, 0x02}));
    ASSERT_EQ(read.size(), 103u);
    EXPECT_EQ(wire::FrameView(read).u24be(6), 64064u);
    // A 2-byte layout at 6.25 kHz is refused; the 3-byte one is kept.
    EXPECT_TRUE(ask(t, frame96(0x14, cat({0x00, 0x02}, Bytes(64, 0x11)))).empty());
    Bytes codes = {0x00, 0x08};
    for (int i = 0; i < 32; ++i) wire::putU24be(codes, 64001 + std::uint32_t(i));
    EXPECT_EQ(single(t, frame96(0x14, codes)), frame96(0x15, {0x00, 0x08}));
    EXPECT_EQ(payloadOf(single(t, frame96(0x16, {0x00, 0x08}))), codes);
    // Back at 12.5 kHz an odd 6.25 kHz channel reads as the channel below it.
    single(t, commonAt(0x55));
    read = single(t, frame96(0x16, {0x00, 0x08}));
    EXPECT_EQ(wire::FrameView(read).u16be(6), 32000);
    // Groups outside 1..8 get no answer.
    for (std::uint8_t g : {0, 9}) {
        EXPECT_TRUE(ask(t, frame96(0x16, {0x00, g})).empty());
        EXPECT_TRUE(ask(t, frame96(0x1E, {0x00, g})).empty());
    }
}

TEST(TrainTerminal, ChannelFunctionsPerGroup) {
    TrainTerminal t;
    const Bytes functions = cat({0x00, 0x03}, pattern(48, 0x80, 5));
    EXPECT_EQ(single(t, frame96(0x1C, functions)), frame96(0x1D, {0x00, 0x03}));
    EXPECT_EQ(payloadOf(single(t, frame96(0x1E, {0x00, 0x03}))), functions);
    const Bytes factory = payloadOf(single(t, frame96(0x1E, {0x00, 0x04})));
    ASSERT_EQ(factory.size(), 50u);
    EXPECT_EQ(factory[2], 0x80);
}

TEST(TrainTerminal, VersionAndUnknownRequests) {
    TrainTerminal t;
    const Bytes version = single(t, frame96(0x99, {0x00, 0x01}));
    const std::string text(version.begin() + 10, version.end() - 2);
    EXPECT_EQ(text, TrainTerminal::kFactoryVersion);
    EXPECT_EQ(version[version.size() - 2], 0);
    EXPECT_TRUE(ask(t, frame96(0x30, {0x00, 0x01, 0, 0, 0})).empty());
    EXPECT_TRUE(ask(t, frame96(0x99)).empty());  // too short
    EXPECT_TRUE(makeTerminal("TRAIN"));
    EXPECT_EQ(makeTerminal("train")->baud(), 9600);
}

}  // namespace
}  // namespace rb::sim
