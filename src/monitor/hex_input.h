// Hand-typed frames: hexadecimal text to bytes, the way the monitor has always read it.
//
// A pair is taken every 3 characters ("7e 00 80 80" is 4 bytes): the text is trimmed, one space
// is appended, and byte k is the pair at position 3k. Text typed without spaces therefore reads
// differently ("7e008080" gives 7E 08 80). A pair holding a letter beyond F warns the user and
// goes out as FF; any other character that is not a hexadecimal digit makes the pair 00.
#pragma once

#include <string>

#include "engine/prompter.h"
#include "wire/frame.h"

namespace rb::monitor {

inline constexpr std::size_t kMaxSendText = 1535;  // 512 pairs; longer texts are refused
inline constexpr const char* kTooLongText = "长度大于510字节,无法发送!";
inline constexpr const char* kBadHexText = "请输入正确的16进制字符串!";
inline constexpr const char* kBadHexCaption = "输入错误";

// The value of one pair (up to two characters): -1 after the warning box when it holds a letter
// G-Z or g-z, 0 when it holds any other character that is not a hexadecimal digit.
int ParseHexPair(const std::string& text, engine::Prompter& prompter);

// Blanks (spaces, tabs, line breaks) removed at both ends.
std::string trimBlanks(const std::string& text);

// The bytes of a trimmed text by the 3-character pair rule (each pair's low 8 bits).
wire::Bytes pairsToBytes(const std::string& trimmed, engine::Prompter& prompter);

}  // namespace rb::monitor
