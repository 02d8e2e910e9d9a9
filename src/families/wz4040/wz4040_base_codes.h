// The codes of the WZ-4040 base page beyond those both 0xEA base pages share
// (eapages/base_codes.h): its own commands, the codes its choices travel as, the widths of its
// fields on the wire.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "families/eapages/base_codes.h"

namespace rb::families::wz4040::base_codes {

using namespace eapages::base_codes;

inline constexpr std::uint8_t kAlarmIdentityCode = 0x55;
// 电台类型 radio index -> station-type code.
inline constexpr std::array<std::uint8_t, 4> kStationCodes = {0xDD, 0xAA, 0xCC, 0x00};
inline constexpr std::array<std::uint8_t, 6> kSwitchBits = {0x01, 0x02, 0x04, 0x08, 0x10, 0x20};
inline constexpr std::size_t kFactoryTextMax = 99;
inline constexpr std::size_t kAlarmBytesMax = 10;

}  // namespace rb::families::wz4040::base_codes
