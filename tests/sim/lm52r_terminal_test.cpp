#include "sim/lm52r_terminal.h"

#include <gtest/gtest.h>

#include <string>

#include "wire/frame.h"

namespace rb::sim {
namespace {

using wire::Bytes;
using wire::frame96;

std::vector<Bytes> ask(Terminal& t, const Bytes& frame) { return t.answer(wire::FrameView(frame)); }

// Frame bytes 4 .. n-2.
Bytes payloadOf(const Bytes& frame) { return Bytes(frame.begin() + 4, frame.end() - 1); }

Bytes cat(Bytes head, const Bytes& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

// n bytes first, first+step, ... (wrapping), so every position differs from its neighbours.
Bytes pattern(std::size_t n, std::uint8_t first, std::uint8_t step = 7) {
    Bytes b(n);
    for (std::size_t i = 0; i < n; ++i) b[i] = std::uint8_t(first + i * step);
    return b;
}

// The single answer to a request; fails the test when there is not exactly one.
Bytes single(Terminal& t, const Bytes& frame) {
    const std::vector<Bytes> answers = ask(t, frame);
    EXPECT_EQ(answers.size(), 1u) << wire::toHex(frame);
    return answers.empty() ? Bytes{} : answers.front();
}

TEST(Lm52rTerminal, EveryGroupReadsBackWhatWasWrittenByteForByte) {
    const Bytes ownerName = {0xC0, 0xEE, 0xCB, 0xC4};  // 李四 in GBK
    const std::pair<Bytes, Bytes> writeAndRead[] = {
        // Common parameters with the terminal's bits 4, 5 and 7 set in the flags byte.
        {frame96(0x20, {0x00, 0x01, 5, 7, 0xB5, 0x22, 0x66, 0x3C, 0x07, 0x01, 0x44, 0x55}),
         frame96(0x22)},
        {frame96(0x14, cat({0x00, 0x07}, pattern(64, 0x10))), frame96(0x16, {0x00, 0x07})},
        {frame96(0x1C, cat({0x00, 0x03}, pattern(48, 0xDE, 3))), frame96(0x1E, {0x00, 0x03})},
        {frame96(0x3C, {0x00, 0x01, 0x10, 0x27}), frame96(0x3E, {0x00, 0x01})},
        {frame96(0x50, cat(cat(cat({0x00, 0x00, 0x00, 0xFF, 0xFF}, ownerName), Bytes(15, 0)),
                           pattern(63, 0x41, 1))),
         frame96(0x52)},
        {frame96(0x28, cat({0x00, 0x01}, pattern(32, 0x25))), frame96(0x2A)},
        {frame96(0x2C, cat({0x00, 0x01, 0xF5, 0x80, 0x01, 0x03, 0xFF, 0xFE}, pattern(32, 1))),
         frame96(0x2E)},
        {frame96(0x34, cat({0x00, 0x01, 0x09, 0x00, 0x00}, pattern(12, 0x41, 1))),
         frame96(0x36, {0x00, 0x01, 0x09})},
        {frame96(0x30, {0x00, 0x01, 0x35, 0x55, 0x55}), frame96(0x32, {0x00, 0x01})},
    };
    for (const auto& [write, read] : writeAndRead) {
        SCOPED_TRACE(wire::toHex(wire::ByteSpan(write).first(4)));
        Lm52rTerminal terminal;
        ASSERT_NE(payloadOf(single(terminal, read)), payloadOf(write)) << "must change the group";
        EXPECT_EQ(single(terminal, write), frame96(write[3] + 1, {write[4], write[5]}));
        const Bytes after = single(terminal, read);
        EXPECT_EQ(after[3], read[3] + 1);
        EXPECT_EQ(payloadOf(after), payloadOf(write));
        EXPECT_TRUE(wire::checkFrame(after).ok) << wire::toHex(after);
    }

    // Channel groups and encryption schemes are kept apart; a scheme never written reads blank.
    Lm52rTerminal terminal;
    const Bytes group3 = single(terminal, frame96(0x16, {0x00, 0x03}));
    single(terminal, frame96(0x14, cat({0x00, 0x02}, Bytes(64, 0x11))));
    EXPECT_EQ(single(terminal, frame96(0x16, {0x00, 0x03})), group3);
    single(terminal, frame96(0x34, cat({0x00, 0x01, 0x01, 0x12, 0x34}, Bytes(12, 0))));
    EXPECT_EQ(payloadOf(single(terminal, frame96(0x36, {0x00, 0x01, 0x02}))),
              cat({0x00, 0x01, 0x02}, Bytes(14, 0)));
}

// 0x38 frame: 00 01, scheme, chunk, length (high, low), values.
Bytes hopChunk(std::uint8_t scheme, std::uint8_t chunk, std::uint16_t length, const Bytes& values) {
    return frame96(0x38, cat({0x00, 0x01, scheme, chunk, std::uint8_t(length >> 8),
                              std::uint8_t(length & 0xFF)},
                             values));
}

TEST(Lm52rTerminal, HopMapIsStoredPerSchemeAndReadBackInChunks) {
    Lm52rTerminal terminal;
    const std::vector<Bytes> scheme1 = ask(terminal, frame96(0x3A, {0x00, 0x01, 0x01}));
    const Bytes values = pattern(256, 0x80, 1);
    std::vector<Bytes> parts;
    for (std::uint8_t c = 0; c < 3; ++c) {
        parts.emplace_back(values.begin() + 112 * c, values.begin() + std::min(256, 112 * c + 112));
        EXPECT_EQ(single(terminal, hopChunk(2, c, 256, parts[c])),
                  frame96(0x39, {0x00, 0x01, 0x02, c}));
    }
    const std::vector<Bytes> read = ask(terminal, frame96(0x3A, {0x00, 0x01, 0x02}));
    ASSERT_EQ(read.size(), 3u);
    for (std::uint8_t c = 0; c < 3; ++c)
        EXPECT_EQ(read[c], frame96(0x3B, cat({0x00, 0x01, 0x02, c, 0x01, 0x00}, parts[c])));
    EXPECT_EQ(ask(terminal, frame96(0x3A, {0x00, 0x01, 0x01})), scheme1);

    // Chunk 0 starts a new map; values beyond 256 are acknowledged and dropped.
    single(terminal, hopChunk(2, 0, 32, Bytes(32, 0x05)));
    EXPECT_EQ(ask(terminal, frame96(0x3A, {0x00, 0x01, 0x02})),
              std::vector<Bytes>{
                  frame96(0x3B, cat({0x00, 0x01, 0x02, 0x00, 0x00, 0x20}, Bytes(32, 0x05)))});
    for (std::uint8_t c = 0; c < 3; ++c) single(terminal, hopChunk(3, c, 256, Bytes(112, c)));
    EXPECT_EQ(payloadOf(ask(terminal, frame96(0x3A, {0x00, 0x01, 0x03})).at(2)),
              cat({0x00, 0x01, 0x03, 0x02, 0x01, 0x00}, Bytes(32, 2)));
    // A scheme with no map answers one frame with length 0 and no values.
    EXPECT_EQ(ask(terminal, frame96(0x3A, {0x00, 0x01, 0x09})),
              std::vector<Bytes>{frame96(0x3B, {0x00, 0x01, 0x09, 0x00, 0x00, 0x00})});
}

TEST(Lm52rTerminal, FactoryContentsAreBelievable) {
    EXPECT_EQ(makeTerminal("qx710x"), nullptr);
    EXPECT_EQ(terminalFamilies(), (std::vector<std::string>{"lm52r", "qx710"}));
    // Version: ASCII text from byte 10, closed by a zero byte before the checksum.
    Lm52rTerminal terminal;
    const Bytes version = single(terminal, frame96(0x99, {0x00, 0x01}));
    ASSERT_GT(version.size(), 12u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&version[10])),
              Lm52rTerminal::kFactoryVersion);
    EXPECT_EQ(version[version.size() - 2], 0x00);
    EXPECT_EQ(version[1] - 8u, version.size() - 10);
    // Seven-digit frequencies (codes of 25 kHz) on every channel; an owner name in Chinese.
    for (std::uint8_t group = 1; group <= 10; ++group) {
        const Bytes answer = single(terminal, frame96(0x16, {0x00, group}));
        for (std::size_t k = 6; k < 70; k += 2) {
            const auto code = wire::FrameView(answer).u16be(k);
            EXPECT_TRUE(code >= 4000 && code < 40000) << int(group) << " byte " << k;
        }
    }
    EXPECT_EQ(payloadOf(single(terminal, frame96(0x52))).at(5), 0xD5);  // 张 in GBK
}

TEST(Lm52rTerminal, RequestsItCannotTakeGetNoAnswerAndChangeNothing) {
    const std::pair<const char*, Bytes> cases[] = {
        {"unknown code", frame96(0x77, {0x00, 0x01})},
        {"an answer code", frame96(0x23, {0x00, 0x01})},
        {"channel group 0", frame96(0x16, {0x00, 0x00})},
        {"channel group 11", frame96(0x1E, {0x00, 0x0B})},
        {"channel group 257", frame96(0x16, {0x01, 0x01})},
        {"frequency write one byte short", frame96(0x14, cat({0x00, 0x01}, Bytes(63, 0)))},
        {"common write one byte long", frame96(0x20, cat({0x00, 0x01}, Bytes(11, 0)))},
        {"frequency write to group 11", frame96(0x14, cat({0x00, 0x0B}, Bytes(64, 0)))},
        {"version read without payload", frame96(0x99)},
        {"encryption read without scheme", frame96(0x36, {0x00, 0x01})},
        {"hop chunk without its header", frame96(0x38, {0x00, 0x01, 0x00, 0x00, 0x00})},
        {"0xEA form", wire::frameEA(0x22, {0x00, 0x01})},
    };
    Lm52rTerminal terminal;
    const Bytes before = single(terminal, frame96(0x16, {0x00, 0x01}));
    for (const auto& [what, frame] : cases) EXPECT_TRUE(ask(terminal, frame).empty()) << what;
    EXPECT_EQ(single(terminal, frame96(0x16, {0x00, 0x01})), before);  // the short write
}

}  // namespace
}  // namespace rb::sim
