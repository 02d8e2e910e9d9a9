// The common-parameter group of the 0x96 families (LM52R, network radio, train): the command
// codes both pages of a family send for it and for the version, and the code every list or
// radio index of the group stands for in bytes 6-15 of 0x20 / 0x23:
//
//   6 PTT time limit  7 standby time  8 flags  9 power  10 data-port speed  11 parity
//   12 data bits  13 stop bits  14 air speed  15 channel spacing
//
// Each family keeps its own reading of the flags byte and of codes outside these tables.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

namespace rb::families::common96 {

inline constexpr std::uint8_t kReadVersion = 0x99;
inline constexpr std::uint8_t kVersionAnswer = 0x9A;
inline constexpr std::uint8_t kWriteCommon = 0x20;
inline constexpr std::uint8_t kCommonWritten = 0x21;
inline constexpr std::uint8_t kReadCommon = 0x22;
inline constexpr std::uint8_t kCommonAnswer = 0x23;
// The base pages' frequency and channel-function groups (the function write is each family's).
inline constexpr std::uint8_t kWriteFrequencies = 0x14;
inline constexpr std::uint8_t kFrequenciesWritten = 0x15;
inline constexpr std::uint8_t kReadFrequencies = 0x16;
inline constexpr std::uint8_t kFrequenciesAnswer = 0x17;
inline constexpr std::uint8_t kReadFunctions = 0x1E;
inline constexpr std::uint8_t kFunctionsAnswer = 0x1F;

inline constexpr std::size_t kFlagsByte = 8;  // frame byte of the shared flags
// Bits of the flags byte every family reads the same way; the others are each family's own.
inline constexpr std::uint8_t kCompanderBit = 0x01;    // 语音压扩 on
inline constexpr std::uint8_t kPttOffBeepBit = 0x02;   // 提示音 PTT松开
inline constexpr std::uint8_t kChannelBeepBit = 0x04;  // 提示音 频道切换
inline constexpr std::uint8_t kPowerOnBeepBit = 0x08;  // 提示音 开机

inline constexpr std::array<std::uint8_t, 4> kPowerCodes = {0x11, 0x22, 0x33, 0x44};
inline constexpr std::array<std::uint8_t, 10> kSpeedCodes = {0x03, 0x06, 0x11, 0x22, 0x33,
                                                             0x34, 0x44, 0x55, 0x66, 0x77};
inline constexpr std::array<std::uint8_t, 3> kParityCodes = {0xCC, 0x3C, 0xC3};
inline constexpr std::array<std::uint8_t, 5> kDataBitsCodes = {0, 1, 2, 3, 7};
inline constexpr std::array<std::uint8_t, 2> kStopBitsCodes = {0, 1};
inline constexpr std::array<std::uint8_t, 4> kAirSpeedCodes = {0x11, 0x22, 0x33, 0x44};
inline constexpr std::uint8_t kSpacing12_5Code = 0x55;
inline constexpr std::uint8_t kSpacing25Code = 0xAA;

// A list or radio index's code; an index without one (nothing selected) leaves the byte 0.
template <std::size_t N>
std::uint8_t codeOf(const std::array<std::uint8_t, N>& codes, int index) {
    return index >= 0 && index < int(N) ? codes[std::size_t(index)] : 0;
}

// The index a received code stands for, -1 for a code outside the table.
template <std::size_t N>
int indexOf(const std::array<std::uint8_t, N>& codes, std::uint8_t code) {
    auto it = std::find(codes.begin(), codes.end(), code);
    return it == codes.end() ? -1 : int(it - codes.begin());
}

}  // namespace rb::families::common96
