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
// The first `maxChars` characters of a text, with "…" behind when it was longer.
std::string clipUtf8(const std::string& s, std::size_t maxChars);

}  // namespace rb::wire
