// UTF-8 walks: texts inside the program are UTF-8, but a script line, a file or a terminal may
// hand over any bytes.
#pragma once

#include <cstddef>
#include <string>

namespace rb::wire {

// Length in bytes of the well-formed UTF-8 character at `at` (1..4), or 0 when the bytes there
// are no character (a stray continuation byte, an overlong form, a surrogate, a cut sequence).
std::size_t utf8CharLength(const std::string& s, std::size_t at);
// The text with every byte that starts no well-formed character replaced by U+FFFD.
std::string validUtf8(const std::string& s);
// Whether a byte continues a character rather than starting one (10xxxxxx).
inline bool isUtf8Continuation(unsigned char c) { return (c & 0xC0) == 0x80; }
// Characters in a text, counted by the bytes that start one (a stray byte counts as one).
std::size_t utf8CharCount(const std::string& s);
// The longest length, at most `maxBytes`, that does not end inside a character.
std::size_t utf8CutPoint(const std::string& s, std::size_t maxBytes);
// One ASCII place per character: a digit stays, any other character becomes `otherwise`
// (phone numbers and codes are packed one digit a character, whatever was typed).
std::string digitPerCharacter(const std::string& s, char otherwise);
// The first `maxChars` characters of a text, with "…" behind when it was longer.
std::string clipUtf8(const std::string& s, std::size_t maxChars);

}  // namespace rb::wire
