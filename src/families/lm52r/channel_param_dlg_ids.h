// Control ids of the channel dialog ("信道参数设置"), shared by its logic, its form declaration
// and the tests.
#pragma once

#include <array>

#include "families/lm52r/lm52r_base_ids.h"

namespace rb::families::lm52r::channel_dlg_ids {

inline constexpr int kChannelList = 2242;  // "信道编号:", disabled
inline constexpr int kTxEdit = 2082;       // "发射频率:"
inline constexpr int kRxEdit = 2084;       // "接收频率:"
// "数字语音", "声控功能", "数传通讯", "数字加密", "时分通讯", "跳频通讯".
inline constexpr std::array<int, base_ids::kFlagCount> kFlagChecks = {2245, 1256, 2246,
                                                                      2247, 2255, 2253};
inline constexpr int kKeySchemeEdit = 2085;  // "密钥方案:" 0-15
inline constexpr int kKeySchemeSpin = 2248;
inline constexpr int kHopSchemeEdit = 2086;  // "跳频方案:"
inline constexpr int kHopSchemeSpin = 2249;
inline constexpr int kKeySchemeMax = 15;  // the two spins' upper ends
inline constexpr int kHopSchemeMax = 3;
inline constexpr int kOkButton = 1004;      // "确定"
inline constexpr int kCancelButton = 2251;  // "取消"

}  // namespace rb::families::lm52r::channel_dlg_ids
