// The value rules both 0xEA families decode with: the alarm telephone number in its two
// readings, the station-type radios and the PC clock bytes.
#include "families/eapages/ea_codes.h"

#include <gtest/gtest.h>

#include "families/eapages/base_answers.h"
#include "wire/frame.h"

namespace ea = rb::families::eapages;
using rb::wire::Bytes;

namespace {

struct PhoneCase {
    Bytes digits;
    ea::ZeroNibble zero;
    std::size_t count;
    const char* expected;
};

class AlarmPhoneText : public ::testing::TestWithParam<PhoneCase> {};

TEST_P(AlarmPhoneText, ReadsTheDigitBytes) {
    const PhoneCase& c = GetParam();
    const Bytes frame = rb::wire::frameEA(0x22, c.digits);
    const rb::wire::EaPayload p{rb::wire::FrameView(rb::wire::ByteSpan(frame))};
    EXPECT_EQ(ea::alarmPhoneText(p, 0, c.digits.size(), c.zero, c.count), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    BothReadings, AlarmPhoneText,
    ::testing::Values(
        // "A" is the digit 0, upper case, high nibble first.
        PhoneCase{{0x13, 0x9A, 0x57}, ea::ZeroNibble::Ends, 14, "139057"},
        PhoneCase{{0x13, 0x9A, 0x57}, ea::ZeroNibble::Skipped, std::string::npos, "139057"},
        // The ship station ends at the first zero nibble ...
        PhoneCase{{0x12, 0x30, 0x45}, ea::ZeroNibble::Ends, 14, "123"},
        PhoneCase{{0x12, 0x03, 0x45}, ea::ZeroNibble::Ends, 14, "12"},
        // ... the trunking terminal skips it: a zero low digit alone, a zero high digit the byte.
        PhoneCase{{0x12, 0x30, 0x45}, ea::ZeroNibble::Skipped, std::string::npos, "12345"},
        PhoneCase{{0x12, 0x03, 0x45}, ea::ZeroNibble::Skipped, std::string::npos, "1245"},
        // Cut to the digit count the answer states.
        PhoneCase{{0x12, 0x34, 0x56}, ea::ZeroNibble::Ends, 4, "1234"},
        PhoneCase{{0xBC, 0xDE}, ea::ZeroNibble::Ends, 14, "BCDE"}));

TEST(StationRadio, CodesOutsideTheTableShowThePlainStation) {
    // Ship station: 控制调度台, 业务调度台, 船台 (0x00), 模拟船台.
    const std::array<std::uint8_t, 4> ship = {0xDD, 0xAA, 0x00, 0x55};
    // Trunking: 控制调度台, 业务调度台, 延伸中转台, 普通电台 (0x00).
    const std::array<std::uint8_t, 4> trunk = {0xDD, 0xAA, 0xCC, 0x00};
    const struct {
        const std::array<std::uint8_t, 4>& codes;
        std::uint8_t code;
        int radio;
    } cases[] = {
        {ship, 0xDD, 0},  {ship, 0xAA, 1},  {ship, 0x00, 2},  {ship, 0x55, 3},  {ship, 0xCC, 2},
        {trunk, 0xDD, 0}, {trunk, 0xCC, 2}, {trunk, 0x00, 3}, {trunk, 0x55, 3}, {trunk, 0x12, 3},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ea::stationRadio(c.codes, c.code), c.radio) << int(c.code);
        EXPECT_EQ(ea::stationCode(c.codes, c.radio), c.codes[std::size_t(c.radio)]);
    }
    EXPECT_EQ(ea::stationCode(ship, -1), 0x00);
    EXPECT_EQ(ea::stationCode(trunk, 4), 0x00);
}

TEST(ClockBytes, PlainBytesFromTheTraceClock) {
    EXPECT_EQ(ea::clockBytes("2026-12-10 09:05:59.123"), (Bytes{26, 12, 10, 9, 5, 59}));
    // Text that is no time leaves the fields at 2000-01-01 00:00:00.
    EXPECT_EQ(ea::clockBytes("late"), (Bytes{0, 1, 1, 0, 0, 0}));
}

}  // namespace
