// The number checks the 0x96 family pages make on a typed value before it is sent: a whole
// decimal number inside its control's range, which is never wider than its bytes on the wire.
// Text that is not a number ("abc", "12abc") is refused like a value outside the range, never
// read as 0 or cut.
#pragma once

#include <optional>
#include <string>

#include "wire/codecs.h"

namespace rb::families::common96 {

// The value of `text` when it is a whole number from lo to hi. An edit left empty stands for
// `emptyAs` where the field has such a meaning (an unused binding code is 0); otherwise it is
// refused too.
inline std::optional<long long> numberIn(const std::string& text, long long lo, long long hi,
                                         std::optional<long long> emptyAs = std::nullopt) {
    if (text.find_first_not_of(" \t") == std::string::npos) return emptyAs;
    const auto v = wire::parseWhole(text);
    if (!v || *v < lo || *v > hi) return std::nullopt;
    return v;
}

}  // namespace rb::families::common96
