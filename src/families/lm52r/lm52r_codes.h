// Command codes both LM52R pages send: the version read and the common-parameter group, which
// the base and the user page each write back read-modify-write. A terminal answers a request
// with its code + 1.
#pragma once

#include <cstdint>

namespace rb::families::lm52r {

inline constexpr std::uint8_t kReadVersion = 0x99;
inline constexpr std::uint8_t kVersionAnswer = 0x9A;
inline constexpr std::uint8_t kWriteCommon = 0x20;
inline constexpr std::uint8_t kCommonWritten = 0x21;
inline constexpr std::uint8_t kReadCommon = 0x22;
inline constexpr std::uint8_t kCommonAnswer = 0x23;

}  // namespace rb::families::lm52r
