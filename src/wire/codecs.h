// Value codecs shared by every family: numbers typed as text, frequency codes, identities,
// packed telephone digits, fixed-width GBK texts and hop-map bytes.
//
// Texts inside the program are UTF-8; GBK (code page 936) exists only on the wire and in
// INI files. Lengths the terminals count are GBK bytes (a Chinese character is two).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "wire/frame.h"

namespace rb::wire {

// The pages' number parse of a text: leading blanks, an optional sign, digits up to the first
// non-digit, 0 when there are none. Saturates at the int range instead of overflowing.
int parseInt(const std::string& text);
long long parseLong(const std::string& text);
// The strict parse a write checks a typed number with: optional blanks around an optional '-'
// and ASCII digits, nothing else. Empty text, other characters ("12abc", full-width digits)
// and a number beyond the long long range give nothing.
std::optional<long long> parseWhole(const std::string& text);

// --- frequencies ---------------------------------------------------------------------------
// A frequency is typed as a decimal integer in units of 100 Hz (at most 7 characters). On the
// wire it is a channel code:
//   step 125 (12.5 kHz) and 250 (25 kHz): code = value / step (integer division), 16 bits big-
//     endian on the wire (a code above 65535 goes out as its low 16 bits); read back as
//     code * step; the code 0xFFFF reads as 0.
//   step 625 (6.25 kHz, train family): code = value * 10 / 625 (integer division), 24 bits big-
//     endian; read back as code * 625 / 10 (integer division); the code 0xFFFFFF reads as 0.
//     4000000 -> 64000 = 00 FA 00.
// A value read back is shown as its decimal text cut to the first 7 characters
// (65535 * 250 = 16383750 shows as "1638375").
// A text is a valid frequency when its value is not negative and (value * 10 at step 625,
// else value) is a whole multiple of the step (see CCommTool::IsFrequencyValid).
inline constexpr int kStep12_5 = 125;
inline constexpr int kStep25 = 250;
inline constexpr int kStep6_25 = 625;

// Channel code of a frequency text, parsed as `parseLong` does. A negative value gives the
// code's two's-complement bits (the pages check the text before they send it).
std::uint32_t frequencyCode(const std::string& text, int step);
// Text shown for a received code. `allOnesReadsZero` = false for the production-test page,
// which shows 0xFFFF as 1638375 at step 250.
std::string frequencyText(std::uint32_t code, int step, bool allOnesReadsZero = true);
// Append the low 16 bits (big- / little-endian) or the low 24 bits (big-endian) of a value.
void putU16be(Bytes& out, std::uint32_t value);
void putU16le(Bytes& out, std::uint32_t value);
void putU24be(Bytes& out, std::uint32_t value);

// --- telephone numbers ---------------------------------------------------------------------
// Packed decimal, two digits a byte, first digit in the high nibble, digit 0 as nibble 0xA,
// an odd count padded with a zero nibble (a zero nibble ends a number). A character that is not
// a digit packs as the digit 0, so every typed character keeps its place and the count byte the
// pages send (the number of characters) matches the nibbles.
Bytes packPhoneDigits(const std::string& digits);
// The inverse: nibble 0xA reads as '0', a zero nibble ends the number, other nibbles above 9
// are skipped.
std::string unpackPhoneDigits(ByteSpan packed);

// --- GBK texts -----------------------------------------------------------------------------
// UTF-8 <-> code page 936 ("windows-936-2000" of ICU). Characters GBK cannot hold become '?'.
std::string utf8ToGbk(const std::string& utf8);
std::string gbkToUtf8(const std::string& gbk);
// Length in GBK bytes of a UTF-8 text.
std::size_t gbkLength(const std::string& utf8);
// Whether every character of a UTF-8 text has a GBK code (an emoji, U+1E9E or a character of
// the supplementary planes has none and would go out as '?'). Invalid UTF-8 has none either.
bool gbkEncodable(const std::string& utf8);
// Appends the text as GBK in a field of exactly `width` bytes, zero-filled; a text too long is
// cut at the width without splitting a two-byte character.
void putGbkField(Bytes& out, const std::string& utf8, std::size_t width);
// Reads a GBK text from a field: stops at the first zero byte or the field's end.
std::string gbkField(ByteSpan field);
// The same for the field of `width` bytes at `first` of a received frame; bytes the frame does
// not hold read as zero, so a short frame gives a short text, never bytes past its end.
std::string gbkField(const FrameView& frame, std::size_t first, std::size_t width);

// --- GPS fixes -----------------------------------------------------------------------------
// Longitude and latitude travel as the typed decimal degrees x 10 000 000, truncated towards
// zero, as a signed 32-bit big-endian number. A value whose product does not fit in 32 bits
// (beyond +-214.7483647 degrees) has no code: gpsCoordinate gives nothing and the page refuses
// it. The text is read as the C library's atof does (0 when it holds no number).
std::optional<std::int32_t> gpsCoordinate(const std::string& text);
// The degrees of a received coordinate, and their text with six decimals ("%.6f").
double gpsDegrees(std::int32_t raw);
std::string gpsDegreesText(std::int32_t raw);
// Direction (degrees) and speed: each x 10, truncated, as 12 bits; packed in three bytes as
// direction bits 11-4, then direction bits 3-0 with speed bits 11-8, then speed bits 7-0.
void putGpsCourse(Bytes& out, const std::string& direction, const std::string& speed);
// The two 12-bit fields of three received bytes, and their texts with one decimal ("%.1f").
std::string gpsDirectionText(std::uint8_t b0, std::uint8_t b1);
std::string gpsSpeedText(std::uint8_t b1, std::uint8_t b2);

// --- hop-map values ------------------------------------------------------------------------
// One sign-and-magnitude byte per value: v when v >= 0, 0x80 | |v| when v < 0 (values
// -127..127; a value outside that range goes out as those same bits, cut to 8).
std::uint8_t hopByte(int value);
int hopValue(std::uint8_t byte);
// The hop-map text item of a received byte: "%d," below 0x80, else "-%d," of byte - 0x80
// (so 0x80 reads "-0,").
std::string hopItem(std::uint8_t byte);

}  // namespace rb::wire
