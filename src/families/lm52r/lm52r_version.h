// The terminal's version text in the 0x9A answer, which both the base and the user page show in
// status part 1.
#pragma once

#include <string>

#include "wire/frame.h"

namespace rb::families::lm52r {

// Bytes 10 up to the byte before the checksum, ending at the first zero byte, at most 99 bytes.
// (Counting byte 1 - 8 bytes, as the length field suggests, would take in the checksum, and a
// frame too short to hold any text would give a negative length.)
std::string versionText(const wire::FrameView& answer);

}  // namespace rb::families::lm52r
