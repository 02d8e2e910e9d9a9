// The codes of the QX-7100 base page beyond those both 0xEA base pages share
// (eapages/base_codes.h): its own commands, the codes its choices travel as, the widths of its
// fields on the wire.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "families/eapages/base_codes.h"

namespace rb::families::qx710::base_codes {

using namespace eapages::base_codes;

inline constexpr std::uint8_t kSetIdentityCode = 0x10;
inline constexpr std::uint8_t kPowerCode = 0x29;
inline constexpr std::uint8_t kPowerAnswer = 0x2A;
inline constexpr std::uint8_t kQueryNoChecksum = 0x55;  // the station's own query, and its reply
inline constexpr std::uint8_t kQuery = 0x96;
inline constexpr std::uint8_t kQueryPayload = 0x10;

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
inline constexpr std::size_t kAlarmChars = 14;
inline constexpr std::size_t kVersionChars = 63;

}  // namespace rb::families::qx710::base_codes
