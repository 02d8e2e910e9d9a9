// The common parameters as the terminal last reported them (a 0x23 answer, from its frame byte
// 0, up to 512 bytes). A user page sends them back (0x20) at the start of its write with only
// its own bits of the flags byte replaced, so that the base page's settings survive.
#pragma once

#include <cstdint>

#include "wire/frame.h"

namespace rb::families::common96 {

class KeptCommon {
public:
    KeptCommon();

    void take(const wire::FrameView& answer);
    // 0x20 with bytes 6-15 as kept; the bits of `ownMask` in the flags byte come from `ownBits`.
    wire::Bytes writeRequest(std::uint8_t ownMask, std::uint8_t ownBits) const;

private:
    wire::Bytes bytes_;
};

}  // namespace rb::families::common96
