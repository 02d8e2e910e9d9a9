// Command codes both LM52R pages send: the version read and the common-parameter group, which
// the base and the user page each write back read-modify-write. A terminal answers a request
// with its code + 1. They are those of every 0x96 family (families/common96).
#pragma once

#include "families/common96/common_params.h"

namespace rb::families::lm52r {

using common96::kCommonAnswer;
using common96::kCommonWritten;
using common96::kFlagsByte;
using common96::kReadCommon;
using common96::kReadVersion;
using common96::kVersionAnswer;
using common96::kWriteCommon;

}  // namespace rb::families::lm52r
