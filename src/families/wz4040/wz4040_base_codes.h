// The command and answer codes of the WZ-4040 base page, the codes its choices travel as, and
// the widths of its fields on the wire: what its requests and its answers both need.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace rb::families::wz4040::base_codes {

inline constexpr std::uint8_t kWriteBasic = 0x11;
inline constexpr std::uint8_t kWriteTable = 0x12;
inline constexpr std::uint8_t kWriteAlarm = 0x13;
inline constexpr std::uint8_t kWriteTiming = 0x14;
inline constexpr std::uint8_t kWriteFrequencies = 0x15;
inline constexpr std::uint8_t kWriteKey = 0x16;
inline constexpr std::uint8_t kReadBasic = 0x21;
inline constexpr std::uint8_t kBasicAnswer = 0x22;
inline constexpr std::uint8_t kReadTable = 0x23;
inline constexpr std::uint8_t kTableAnswer = 0x24;
inline constexpr std::uint8_t kReadStatus = 0x25;
inline constexpr std::uint8_t kStatusAnswer = 0x26;
inline constexpr std::uint8_t kReadFactory = 0x27;
inline constexpr std::uint8_t kFactoryAnswer = 0x28;
inline constexpr std::uint8_t kAck = 0x80;

inline constexpr std::uint8_t kSpacing12_5Code = 0x55;
inline constexpr std::uint8_t kAlarmIdentityCode = 0x55;
// 电台类型 radio index -> station-type code.
inline constexpr std::array<std::uint8_t, 4> kStationCodes = {0xDD, 0xAA, 0xCC, 0x00};
inline constexpr std::array<std::uint8_t, 6> kSwitchBits = {0x01, 0x02, 0x04, 0x08, 0x10, 0x20};
inline constexpr std::size_t kKeyWordBytes = 12;
inline constexpr std::size_t kFactoryTextMax = 99;
inline constexpr std::size_t kAlarmBytesMax = 10;

}  // namespace rb::families::wz4040::base_codes
