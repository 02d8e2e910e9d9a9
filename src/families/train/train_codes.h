// Command codes both train-station pages send, and the public-parameter flags byte they share.
// A station answers a request with its code + 1.
#pragma once

#include <cstdint>

#include "families/common96/common_params.h"

namespace rb::families::train {

// The version read and the public-parameter group are the 0x96 families' common ones.
using common96::kCommonAnswer;
using common96::kCommonWritten;
using common96::kFlagsByte;
using common96::kReadCommon;
using common96::kReadVersion;
using common96::kVersionAnswer;
using common96::kWriteCommon;

inline constexpr std::uint8_t kAuthBit = 0x80;  // "鉴权(使能)", shown on the key page

inline constexpr const char* kSection = "TelSet";

}  // namespace rb::families::train
