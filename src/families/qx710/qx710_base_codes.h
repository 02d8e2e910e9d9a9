// The command and answer codes of the QX-7100 base page, the codes its choices travel as, and
// the widths of its fields on the wire: what its requests and its answers both need.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace rb::families::qx710::base_codes {

inline constexpr std::uint8_t kSetIdentityCode = 0x10;
inline constexpr std::uint8_t kWriteBasicCode = 0x11;
inline constexpr std::uint8_t kWriteTableCode = 0x12;
inline constexpr std::uint8_t kWriteAlarmCode = 0x13;
inline constexpr std::uint8_t kWriteTimingCode = 0x14;
inline constexpr std::uint8_t kWriteSpacingCode = 0x15;
inline constexpr std::uint8_t kWriteEncryptionCode = 0x16;
inline constexpr std::uint8_t kReadBasicCode = 0x21;
inline constexpr std::uint8_t kBasicAnswer = 0x22;
inline constexpr std::uint8_t kReadTableCode = 0x23;
inline constexpr std::uint8_t kTableAnswer = 0x24;
inline constexpr std::uint8_t kReadStatusCode = 0x25;
inline constexpr std::uint8_t kStatusAnswer = 0x26;
inline constexpr std::uint8_t kReadVersionCode = 0x27;
inline constexpr std::uint8_t kVersionAnswer = 0x28;
inline constexpr std::uint8_t kPowerCode = 0x29;
inline constexpr std::uint8_t kPowerAnswer = 0x2A;
inline constexpr std::uint8_t kAck = 0x80;
inline constexpr std::uint8_t kQueryNoChecksum = 0x55;  // the station's own query, and its reply
inline constexpr std::uint8_t kQuery = 0x96;
inline constexpr std::uint8_t kQueryPayload = 0x10;

inline constexpr std::uint8_t kSpacing12_5Code = 0x55;
inline constexpr std::uint8_t kSpacing25Code = 0x00;
inline constexpr std::uint8_t kPower5WCode = 0x11;
inline constexpr std::uint8_t kPower20WCode = 0x00;
inline constexpr std::uint8_t kAlarmPhoneCode = 0xAA;
inline constexpr std::uint8_t kEncryptOnCode = 0x55;
inline constexpr std::uint8_t kEncryptOffCode = 0xAA;
// 电台类型 radio index -> station-type code.
inline constexpr std::array<std::uint8_t, 4> kStationCodes = {0xDD, 0xAA, 0x00, 0x55};

inline constexpr std::size_t kOwnerNameBytes = 19;
inline constexpr std::size_t kOwnerTextBytes = 63;
inline constexpr std::size_t kKeyWordBytes = 12;
inline constexpr std::size_t kAlarmChars = 14;
inline constexpr std::size_t kVersionChars = 63;

}  // namespace rb::families::qx710::base_codes
