// The commands and answers of the base page both 0xEA families number alike, and the codes and
// widths their fields share on the wire.
#pragma once

#include <cstddef>
#include <cstdint>

namespace rb::families::eapages::base_codes {

// Write steps, each acknowledged by kAck echoing it.
inline constexpr std::uint8_t kWriteBasic = 0x11;
inline constexpr std::uint8_t kWriteTable = 0x12;
inline constexpr std::uint8_t kWriteAlarm = 0x13;
inline constexpr std::uint8_t kWriteTiming = 0x14;
inline constexpr std::uint8_t kWriteFrequencies = 0x15;  // spacing, default and off-net codes
inline constexpr std::uint8_t kWriteKey = 0x16;          // key parameter and key word
// Reads and their answers.
inline constexpr std::uint8_t kReadBasic = 0x21;
inline constexpr std::uint8_t kBasicAnswer = 0x22;
inline constexpr std::uint8_t kReadTable = 0x23;
inline constexpr std::uint8_t kTableAnswer = 0x24;
inline constexpr std::uint8_t kReadStatus = 0x25;
inline constexpr std::uint8_t kStatusAnswer = 0x26;
inline constexpr std::uint8_t kReadVersion = 0x27;  // the version or factory text
inline constexpr std::uint8_t kVersionAnswer = 0x28;
inline constexpr std::uint8_t kAck = 0x80;

inline constexpr std::uint8_t kSpacing12_5Code = 0x55;
inline constexpr std::size_t kKeyWordBytes = 12;

}  // namespace rb::families::eapages::base_codes
