// The simulated QX-7100 station, spoken to in raw frames built from the wire layouts: writes are
// acknowledged with 0x80 echoing them and read back, test commands get their answers, malformed
// requests and the tool's replies get none, and the line sends the station's own query.
#include "sim/qx710_terminal.h"

#include <gtest/gtest.h>

#include "sim/simulated_line.h"
#include "wire/codecs.h"

namespace rb::sim {
namespace {

using wire::Bytes;
using wire::frameEA;

std::vector<Bytes> ask(Terminal& t, const Bytes& frame) { return t.answer(wire::FrameView(frame)); }

Bytes single(Terminal& t, const Bytes& frame) {
    const auto answers = ask(t, frame);
    EXPECT_EQ(answers.size(), 1u) << wire::toHex(frame);
    return answers.empty() ? Bytes{} : answers.front();
}

Bytes payloadOf(const Bytes& frame) { return Bytes(frame.begin() + 4, frame.end() - 1); }

TEST(Qx710Terminal, WritesAreAcknowledgedAndReadBack) {
    Qx710Terminal t;
    Bytes basic = {0x03, 0xFF, 0xFE, 0x01, 0x4F, 0xDD, 0x3F};
    basic.resize(7 + 19 + 63, 0x41);
    const std::pair<Bytes, std::uint8_t> writes[] = {
        {frameEA(0x11, basic), 0x11},
        {frameEA(0x15, {0x55, 0x01, 0x90, 0x00, 0x02, 0xFF, 0xFF, 0x09}), 0x15},
        {frameEA(0x13, {0xAA, 0x04, 0x1A, 0x5A}), 0x13},
        {frameEA(0x16, {0x55, 0x00, 0x00, 'k', 'e', 'y', 0, 0, 0, 0, 0, 0, 0, 0, 0}), 0x16},
        {frameEA(0x14, {1, 2, 3, 4}), 0x14},
        {frameEA(0x12, {63, 0, 1, 0, 2, 0, 3, 0, 4, 0, 5, 0, 6, 0, 7, 0, 8}), 0x12},
        {frameEA(0x10, {0x00, 0x00, 0x07, 0x00, 0x02}), 0x10},
    };
    for (const auto& [frame, echo] : writes)
        EXPECT_EQ(single(t, frame), frameEA(0x80, {echo})) << wire::toHex(frame);

    const Bytes p = payloadOf(single(t, frameEA(0x21)));
    ASSERT_EQ(p.size(), 130u);
    EXPECT_EQ(Bytes(p.begin(), p.begin() + 3), (Bytes{0x00, 0x00, 0x07}));  // the later 0x10
    EXPECT_EQ(p[6], 0x55);
    EXPECT_EQ(p[7], 0x00);
    EXPECT_EQ(p[8], 0x4F);
    EXPECT_EQ(p[9], 0xDD);
    EXPECT_EQ(p[10], 0x3F);
    EXPECT_EQ(p[12], 0x09);
    EXPECT_EQ(Bytes(p.begin() + 13, p.begin() + 19), (Bytes{0x01, 0x90, 0x00, 0x02, 0xFF, 0xFF}));
    EXPECT_EQ(Bytes(p.begin() + 19, p.begin() + 23), (Bytes{1, 2, 3, 4}));
    EXPECT_EQ(Bytes(p.begin() + 23, p.begin() + 28), (Bytes{0xAA, 0x04, 0x1A, 0x5A, 0x00}));
    EXPECT_EQ(p[32], 0x02);
    EXPECT_EQ(p[33], 0x55);
    EXPECT_EQ(p[36], 'k');
    EXPECT_EQ(p[48], 0x41);
    EXPECT_EQ(p[129], 0x41);

    EXPECT_EQ(single(t, frameEA(0x23, {63})),
              frameEA(0x24, {63, 0, 1, 0, 2, 0, 3, 0, 4, 0, 5, 0, 6, 0, 7, 0, 8}));
    EXPECT_EQ(single(t, frameEA(0x29, {0x01, 0x00})), frameEA(0x2A, {0x00}));
    EXPECT_EQ(single(t, frameEA(0x29, {0x00, 0x11})), frameEA(0x2A, {0x00}));  // a read keeps it
    const Bytes version = payloadOf(single(t, frameEA(0x27)));
    EXPECT_EQ(std::string(version.begin() + 4, version.end() - 1), Qx710Terminal::kFactoryVersion);
    EXPECT_EQ(version.back(), 0);
    EXPECT_EQ(payloadOf(single(t, frameEA(0x25))).size(), 7u);
}

TEST(Qx710Terminal, TestCommandsAndWhatGetsNoAnswer) {
    Qx710Terminal t;
    const std::pair<Bytes, Bytes> answered[] = {
        {frameEA(0x31, Bytes(49, 0x10)), frameEA(0x41, {0x10})},
        {frameEA(0x32, Bytes(97, 0x20)), frameEA(0x42, {0x20})},
        {frameEA(0xA3, Bytes(24, 0xAA)), frameEA(0x80, {0x51})},
        {frameEA(0xA6, {1, 3, 0, 0x80, 0xE8}), frameEA(0x80, {0x52})},
        {frameEA(0x90, {6, 0, 3, 0x1A, 0x50}), frameEA(0x80, {0x53})},
        {frameEA(0x92, Bytes(15, 0)), frameEA(0x80, {0x54})},
        {frameEA(0x96, {1, 0, 0, 0x7B, '1'}), frameEA(0x80, {0x55})},
        {frameEA(0x97, {0, 0, 0x7B}), frameEA(0x80, {0x56})},
        {frameEA(0xA8, Bytes(12, 0)), frameEA(0x80, {0x57})},
        {frameEA(0xA9, Bytes(3, 0)), frameEA(0x80, {0x58})},
        {frameEA(0xA7), frameEA(0x80, {0x59})},
        {frameEA(0x94, {0, 0, 5, 0}), frameEA(0x80, {0x5A})},
        {frameEA(0xA0, {0xCC, 0xDD, 5}), frameEA(0x80, {0xA0})},
    };
    for (const auto& [request, answer] : answered) EXPECT_EQ(single(t, request), answer);
    const Bytes silent[] = {
        frameEA(0x96, {0x01, 0x00, 0x00, 0x00, 0x20}),  // the tool's reply to the own query
        frameEA(0x96, {0x04, 0x00, 0x00, 0x7B, 0x10}),  // prompt data
        {0xEA, 0x05, 0x00, 0x55, 0x01, 0x00, 0x00, 0x00, 0x20},  // the 0x55 reply, as heard
        frameEA(0x23, {64}),                                     // no such table page
        frameEA(0x11, {0x01}),                                   // a write of the wrong length
        frameEA(0x12, Bytes(17, 0xFF)),                          // page 255
        wire::frame96(0x21),
    };
    for (const Bytes& request : silent)
        EXPECT_TRUE(ask(t, request).empty()) << wire::toHex(request);
}

TEST(Qx710Terminal, TheLineSendsTheStationsOwnQueryWhenAsked) {
    Faults faults;
    Qx710Terminal probe;
    faults.unsolicited = probe.ownFrame();
    faults.unsolicitedAt = Micros(1000000);
    faults.unsolicitedEvery = Micros(1000000);
    SimulatedLine line(std::make_unique<Qx710Terminal>(), faults);
    EXPECT_EQ(wire::toHex(probe.ownFrame()), "EA 01 00 96 10 A7");
    const auto chunks = line.poll(Micros(2500000));
    ASSERT_EQ(chunks.size(), 2u);
    EXPECT_EQ(chunks[0].bytes, probe.ownFrame());
    EXPECT_EQ(makeTerminal("QX710")->family(), "qx710");
}

}  // namespace
}  // namespace rb::sim
