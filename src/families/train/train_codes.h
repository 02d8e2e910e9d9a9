// Command codes both train-station pages send, and the public-parameter flags byte they share.
// A station answers a request with its code + 1.
#pragma once

#include <cstdint>

namespace rb::families::train {

inline constexpr std::uint8_t kReadVersion = 0x99;
inline constexpr std::uint8_t kVersionAnswer = 0x9A;
inline constexpr std::uint8_t kWriteCommon = 0x20;
inline constexpr std::uint8_t kCommonWritten = 0x21;
inline constexpr std::uint8_t kReadCommon = 0x22;
inline constexpr std::uint8_t kCommonAnswer = 0x23;

// Frame byte 8 of 0x20 / 0x23.
inline constexpr std::size_t kFlagsByte = 8;
inline constexpr std::uint8_t kAuthBit = 0x80;  // "鉴权(使能)", shown on the key page

inline constexpr const char* kSection = "TelSet";

}  // namespace rb::families::train
