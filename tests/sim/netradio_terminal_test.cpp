#include "sim/netradio_terminal.h"

#include <gtest/gtest.h>

#include <string>

#include "wire/codecs.h"
#include "wire/frame.h"

namespace rb::sim {
namespace {

using wire::Bytes;
using wire::frame96;

Bytes payloadOf(const Bytes& frame) { return Bytes(frame.begin() + 4, frame.end() - 1); }

Bytes single(Terminal& t, const Bytes& frame) {
    const std::vector<Bytes> answers = t.answer(wire::FrameView(frame));
    EXPECT_EQ(answers.size(), 1u) << wire::toHex(frame);
    return answers.empty() ? Bytes{} : answers.front();
}

Bytes pattern(std::size_t n, std::uint8_t first) {
    Bytes b(n);
    for (std::size_t i = 0; i < n; ++i) b[i] = std::uint8_t(first + i * 7);
    return b;
}

Bytes cat(Bytes head, const Bytes& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

TEST(NetRadioTerminal, GroupsReadBackWhatWasWritten) {
    struct Case {
        Bytes write;
        Bytes read;
        Bytes answerPayload;  // empty: the write's own payload
    };
    const std::vector<Case> cases = {
        {frame96(0x20, {0x00, 0x01, 5, 7, 0xFF, 0x22, 0x66, 0x3C, 0x07, 0x01, 0x44, 0x55}),
         frame96(0x22),
         {}},
        {frame96(0x14, cat({0x00, 0x0F}, pattern(64, 0x10))), frame96(0x16, {0x00, 0x01}), {}},
        // Functions: written in byte 7, answered in byte 6.
        {frame96(0x18, {0x00, 0x01, 0x00, 0xCA, 0x00, 0x00}),
         frame96(0x1E, {0x00, 0x01}),
         {0x00, 0x01, 0xCA, 0x00, 0x00, 0x00}},
        {frame96(0x3C, {0x00, 0x01, 0x10, 0x27}), frame96(0x3E, {0x00, 0x01}), {}},
        {frame96(0x50, cat({0x00, 0x00, 0x00, 0x03, 0xFF}, pattern(82, 0x41))), frame96(0x52), {}},
        {frame96(0x44, cat({0x00, 0x01, 0x00, 0x03, 0xFF, 0xF5, 63, 15, 63}, pattern(15, 1))),
         frame96(0x46),
         {}},
        {frame96(0x34, cat({0x00, 0x01, 0x09, 0x00, 0x00}, pattern(12, 0x41))),
         frame96(0x36, {0x00, 0x01, 0x09}),
         {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(wire::toHex(wire::ByteSpan(c.write).first(4)));
        NetRadioTerminal terminal;
        EXPECT_EQ(single(terminal, c.write), frame96(c.write[3] + 1, {c.write[4], c.write[5]}));
        const Bytes answer = single(terminal, c.read);
        EXPECT_EQ(answer[3], c.read[3] + 1);
        EXPECT_EQ(payloadOf(answer),
                  c.answerPayload.empty() ? payloadOf(c.write) : c.answerPayload);
        // A write one byte short of its layout is not taken.
        const Bytes shortWrite = frame96(c.write[3], Bytes(c.write.begin() + 4, c.write.end() - 2));
        EXPECT_TRUE(terminal.answer(wire::FrameView(shortWrite)).empty());
    }
}

TEST(NetRadioTerminal, FactoryContentsExerciseTheDecoders) {
    EXPECT_NE(makeTerminal("NetRadio"), nullptr);
    NetRadioTerminal terminal;
    EXPECT_EQ(terminal.baud(), 9600);
    const Bytes version = single(terminal, frame96(0x99, {0x00, 0x01}));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&version[10])),
              NetRadioTerminal::kFactoryVersion);

    // Both pages' bits in the flags byte; unused frequencies and group-call codes all ones.
    const Bytes common = single(terminal, frame96(0x22));
    EXPECT_EQ(common[8] & 0xA0, 0xA0);
    const Bytes freq = single(terminal, frame96(0x16, {0x00, 0x01}));
    ASSERT_EQ(freq.size(), 71u);
    EXPECT_GE(freq[5], 1);
    EXPECT_LE(freq[5], 15);
    EXPECT_EQ(wire::FrameView(freq).u16be(4 + 2 * 16), 0xFFFF);
    const Bytes numbers = single(terminal, frame96(0x46));
    ASSERT_EQ(numbers.size(), 29u);
    EXPECT_EQ(numbers[27], 0xFF);
    const Bytes identity = single(terminal, frame96(0x52));
    EXPECT_GE(identity[9], 0x80);  // a GBK name

    // Unknown codes and an unwritten scheme.
    EXPECT_TRUE(terminal.answer(wire::FrameView(frame96(0x2A))).empty());
    EXPECT_EQ(payloadOf(single(terminal, frame96(0x36, {0x00, 0x01, 0x07}))),
              cat({0x00, 0x01, 0x07}, Bytes(14, 0)));

    // Hop map: a 300-value write keeps 256, read back in chunks of 112.
    for (std::uint8_t c = 0; c < 3; ++c) {
        const Bytes chunk = cat({0x00, 0x01, 0x01, c, 0x01, 0x00}, Bytes(c < 2 ? 112 : 76, c));
        EXPECT_EQ(single(terminal, frame96(0x38, chunk)), frame96(0x39, {0x00, 0x01, 0x01, c}));
    }
    const auto maps = terminal.answer(wire::FrameView(frame96(0x3A, {0x00, 0x01, 0x01})));
    ASSERT_EQ(maps.size(), 3u);
    EXPECT_EQ(maps[2].size(), 11u + 32u);
}

}  // namespace
}  // namespace rb::sim
