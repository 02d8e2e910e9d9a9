// The arithmetic of the data-transmission test: the fixed test pattern, the error rate of one
// answer against what it should carry, its "%7.3f%%" text, and the hexadecimal send text.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "wire/frame.h"

namespace rb::families::protest {

// What a fixture terminal carries in every answer (110 letters and digits).
inline constexpr const char* kTestPattern =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789AAAAABBBBB666666WWWWW555554444433333444443333322222111111"
    "QQQQQFFFFF00CCCCC";
inline constexpr std::size_t kTestPatternLength = 110;

// Share (0..1) of the positions 0 .. expected.size()-1 where `received` differs from `expected`;
// positions beyond the end of `received` count as zero bytes, so a short answer counts its
// missing bytes as errors. Nothing for an empty `expected` (a send of length 0 has no rate).
std::optional<double> errorRate(wire::ByteSpan expected, wire::ByteSpan received);

// A rate as a percentage right-aligned to seven characters: 0.00909 -> "  0.909%".
std::string rateText(double rate);

// One byte of two hexadecimal characters: -1 when either is a letter G-Z or g-z; any other
// character that is no hexadecimal digit makes the value 0.
int ParseHexByte(char high, char low);

// The send text as bytes: pairs at 0, 3, 6, ... (one separator of any kind after each pair, a
// trailing single character ignored). Nothing when a pair holds a letter beyond F.
std::optional<wire::Bytes> parseHexText(const std::string& text);

}  // namespace rb::families::protest
