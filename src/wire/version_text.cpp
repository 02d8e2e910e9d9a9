#include "wire/version_text.h"

#include <algorithm>

#include "wire/codecs.h"

namespace rb::wire {

namespace {
constexpr std::size_t kVersionStart = 10;
constexpr std::size_t kVersionMaxBytes = 99;
}  // namespace

std::string versionText(const FrameView& answer) {
    const std::size_t end = answer.size() > 0 ? answer.size() - 1 : 0;  // the checksum's position
    if (end <= kVersionStart) return {};
    const std::size_t len = std::min(end - kVersionStart, kVersionMaxBytes);
    return gbkField(answer.bytes().subspan(kVersionStart, len));
}

}  // namespace rb::wire
