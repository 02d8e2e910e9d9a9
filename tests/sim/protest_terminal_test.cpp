// The simulated bench terminal, frame by frame: what it answers, what it keeps, what it refuses.
#include "sim/protest_terminal.h"

#include <gtest/gtest.h>

#include "wire/codecs.h"
#include "wire/frame.h"

namespace rb::sim {
namespace {

using wire::Bytes;
using wire::frame96;

std::vector<Bytes> ask(ProtestTerminal& t, const Bytes& request) {
    return t.answer(wire::FrameView(request));
}

Bytes single(ProtestTerminal& t, const Bytes& request) {
    auto answers = ask(t, request);
    EXPECT_EQ(answers.size(), 1u);
    return answers.empty() ? Bytes{} : answers[0];
}

TEST(ProtestTerminal, KeepsAndAnswersEveryGroup) {
    ProtestTerminal t;
    EXPECT_EQ(makeTerminal("PROTEST")->family(), "protest");
    // Calibration per row and power byte.
    EXPECT_EQ(single(t, frame96(0x91, {0, 1, 1, 2, 3, 4, 5, 6, 7, 8, 0x44, 0x33})),
              frame96(0x92, {0, 1}));
    EXPECT_EQ(single(t, frame96(0x93, {0, 1, 0x44, 0x33})),
              frame96(0x94, {0, 1, 1, 2, 3, 4, 5, 6, 7, 8, 0x44, 0x33}));
    EXPECT_NE(t.calibration(0x33, 0x22), t.calibration(0x33, 0x44));
    // Band table.
    Bytes band = {0, 1};
    for (int k = 0; k < 12; ++k) wire::putU16be(band, std::uint32_t(1000 + k));
    EXPECT_EQ(single(t, frame96(0x9B, band)), frame96(0x9C, {0, 1}));
    EXPECT_EQ(single(t, frame96(0x9D, {0, 1})), frame96(0x9E, band));
    // Switch, transmitter, field strength, machine type.
    EXPECT_EQ(single(t, frame96(0x10, {0, 1, 0xF3, 0x3E, 0x80, 0x3E, 0x80})),
              frame96(0x11, {0, 1}));
    EXPECT_EQ(t.tunedRow(), 0xF3);
    EXPECT_EQ(single(t, frame96(0x97, {0, 1, 0xAA, 0x55})), frame96(0x98, {0, 1}));
    EXPECT_TRUE(t.transmitting());
    EXPECT_EQ(t.model(), 0xAA);
    EXPECT_EQ(single(t, frame96(0xA0, {0, 1, 0x22})), frame96(0xA1, {0, 1}));
    EXPECT_EQ(t.fieldPoints(), std::vector<std::uint8_t>{0x22});
    EXPECT_EQ(single(t, frame96(0x9F, {0, 1, 0x21, 0x0C, 0x5C, 0x11})), frame96(0x90, {0, 1}));
    EXPECT_EQ(t.machineCode(), 810001u);
    const Bytes version = single(t, frame96(0x99, {0, 1}));
    ASSERT_GT(version.size(), 12u);
    EXPECT_EQ(version[6], 0x21);
    EXPECT_EQ(wire::FrameView(version).u24be(7), 810001u);
    EXPECT_EQ(std::string(version.begin() + 10, version.end() - 2),
              ProtestTerminal::kFactoryVersion);
    EXPECT_EQ(version[version.size() - 2], 0);
}

TEST(ProtestTerminal, MonitorReadingsCoverEveryGrade) {
    ProtestTerminal t;
    std::vector<int> qualities;
    for (int i = 0; i < 4; ++i) qualities.push_back(single(t, frame96(0x95, {0, 1}))[10]);
    EXPECT_GT(qualities[0], 230);
    EXPECT_TRUE(qualities[1] > 210 && qualities[1] <= 230);
    EXPECT_TRUE(qualities[2] > 170 && qualities[2] <= 210);
    EXPECT_LE(qualities[3], 170);
    t.setMonitor(ProtestTerminal::Monitor{0x0102, 0x0304, 0xE7});
    EXPECT_EQ(single(t, frame96(0x95, {0, 1})), frame96(0x96, {0, 1, 1, 2, 3, 4, 0xE7}));
}

TEST(ProtestTerminal, StaysSilentOnWhatItCannotTake) {
    ProtestTerminal t;
    const Bytes refused[] = {
        frame96(0x91, {0, 1, 1, 2, 3, 4, 5, 6, 7, 8, 0x44}),        // too short
        frame96(0x91, {0, 1, 1, 2, 3, 4, 5, 6, 7, 8, 0x45, 0x33}),  // no power byte
        frame96(0x93, {0, 1, 0x22, 0x66}),                          // no row byte
        frame96(0x10, {0, 1, 0xF6, 0, 0, 0, 0}),                    // no row
        frame96(0x97, {0, 1, 0x12, 0x55}),                          // no model
        frame96(0xA0, {0, 1, 0x44}),                                // no point
        frame96(0xA2, {0, 1}),                                      // no mode byte
    };
    for (const Bytes& r : refused) EXPECT_TRUE(ask(t, r).empty()) << wire::toHex(r);
    // A terminal told to name no row answers one read with row byte 0.
    t.answerNextReadWithRow(0x00);
    EXPECT_EQ(single(t, frame96(0x93, {0, 1, 0x22, 0x11}))[15], 0x00);
    EXPECT_EQ(single(t, frame96(0x93, {0, 1, 0x22, 0x11}))[15], 0x11);
}

TEST(ProtestTerminal, DataFramesByMode) {
    struct Case {
        Bytes request;
        std::size_t answers;
        Bytes first;  // the first answer, when there is one
    };
    const std::string pattern = ProtestTerminal::kTestPattern;
    Bytes patternAnswer = {0, 1, 255};
    patternAnswer.insert(patternAnswer.end(), pattern.begin(), pattern.end());
    const Case cases[] = {
        {frame96(0xA2, {0, 1, 1, 0}), std::size_t(ProtestTerminal::kPatternBurst),
         frame96(0xA3, patternAnswer)},
        {frame96(0xA2, {0, 1, 0, 0}), 0, {}},
        {frame96(0xA2, {0, 1, 2, 'h', 'i'}), 1, frame96(0xA3, {0, 1, 255, 'h', 'i'})},
        {frame96(0xA2, {0, 1, 3, 0xAA, 0x00}), 1, frame96(0xA3, {0, 1, 255, 0xAA, 0x00})},
        {frame96(0xA2, {0, 1, 3}), 1, frame96(0xA3, {0, 1, 255})},  // nothing to echo
        {frame96(0xA2, {0, 1, 7, 1}), 0, {}},                       // no such mode
    };
    for (const Case& c : cases) {
        ProtestTerminal t;
        const auto answers = ask(t, c.request);
        ASSERT_EQ(answers.size(), c.answers);
        if (c.answers) {
            EXPECT_EQ(answers[0], c.first);
        }
        EXPECT_EQ(t.dataRequests().back().mode, c.request[6]);
    }
}

TEST(ProtestTerminal, BitErrorsFlipBitsAndLowerTheQuality) {
    ProtestTerminal t;
    t.setBitErrors(1.0);  // every bit
    EXPECT_EQ(single(t, frame96(0xA2, {0, 1, 3, 0x0F, 0xFF})),
              frame96(0xA3, {0, 1, 0, 0xF0, 0x00}));
    t.setBitErrors(0.05, 3);
    Bytes data(110, 'Q');
    Bytes request = {0, 1, 3};
    for (std::uint8_t b : data) request.push_back(b);
    const Bytes a = single(t, frame96(0xA2, request));
    ASSERT_EQ(a.size(), 118u);
    int wrongBits = 0;
    for (std::size_t k = 0; k < data.size(); ++k)
        wrongBits += __builtin_popcount(unsigned(a[7 + k] ^ data[k]));
    EXPECT_GT(wrongBits, 10);  // about 44 expected
    EXPECT_LT(wrongBits, 90);
    EXPECT_LT(a[6], 255);
    t.setBitErrors(0.0);
    EXPECT_EQ(single(t, frame96(0xA2, request))[6], 255);
}

}  // namespace
}  // namespace rb::sim
