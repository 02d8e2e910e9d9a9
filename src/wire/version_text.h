// The terminal's version text in the 0x9A answer of the 0x96 families (LM52R, network radio,
// train, production test), which their pages show in status part 1.
#pragma once

#include <string>

#include "wire/frame.h"

namespace rb::wire {

// Bytes 10 up to the byte before the checksum, ending at the first zero byte, at most 99 bytes.
// (Counting byte 1 - 8 bytes, as the length field suggests, would take in the checksum, and a
// frame too short to hold any text would give a negative length.)
std::string versionText(const FrameView& answer);

}  // namespace rb::wire
