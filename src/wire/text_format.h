// Small text forms used across the program: zero-padded numbers ("信道03", "Group07") and the
// local time with milliseconds that traces and records show.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace rb::wire {

// The number with at least `width` digits, zeros in front ("07"); a longer number stays whole.
std::string zeroPadded(long long value, int width);
inline std::string twoDigits(long long value) { return zeroPadded(value, 2); }

// A JSON string literal of a UTF-8 text: quotes, backslashes and control characters (and DEL)
// escaped, every other byte as it is.
std::string jsonQuoted(std::string_view utf8);

// "2026-12-10 09:48:03.042" for milliseconds since the epoch, in local time. Times before the
// epoch round down to the whole second, so the milliseconds never go negative.
std::string localTimeWithMillis(std::int64_t msSinceEpoch);

}  // namespace rb::wire
