#include "families/lm52r/lm52r_version.h"

#include <algorithm>

#include "wire/codecs.h"

namespace rb::families::lm52r {

namespace {
constexpr std::size_t kVersionStart = 10;
constexpr std::size_t kVersionMaxBytes = 99;
}  // namespace

std::string versionText(const wire::FrameView& answer) {
    const std::size_t end = answer.size() > 0 ? answer.size() - 1 : 0;  // the checksum's position
    if (end <= kVersionStart) return {};
    const std::size_t len = std::min(end - kVersionStart, kVersionMaxBytes);
    return wire::gbkField(answer.bytes().subspan(kVersionStart, len));
}

}  // namespace rb::families::lm52r
