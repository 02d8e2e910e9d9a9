// Control ids of the network-radio base page ("基本信息"), shared by its logic, its form
// declaration and the tests.
#pragma once

#include <array>

#include "families/common96/common_ids.h"

namespace rb::families::netradio::base_ids {

// The common-parameter group's controls (families/common96/common_ids.h): no "频道切换" beep,
// the air-speed list disabled, and the VOX level only carried by the file. The radio group
// "发射功率" is in index order 0.5W and 3.0W (hidden), 低功率, 高功率.
using namespace common96::common_ids;
inline constexpr int kBacklight = 1212;     // "液晶背光灯有效", hidden
inline constexpr int kVoxCheck = 1479;      // "声控"
inline constexpr int kEncryptCheck = 1480;  // "加密"
inline constexpr int kHoppingCheck = 1481;  // "跳频"

inline constexpr int kFrequencies = 15;  // numbered frequencies 01-15
inline constexpr int kFrequencyChars = 7;
// Frequency k (1-15) at index k-1; the off-net frequency is row 16.
inline constexpr std::array<int, kFrequencies> kFrequencyEdits = {
    1456, 1457, 1458, 1459, 1460, 1461, 1462, 1463, 1464, 1465, 1466, 1467, 1215, 1217, 2219};
inline constexpr int kOffNetEdit = 1221;  // "脱网频率"
// Own-frequency boxes of rows 1-15 (1482 ... 1496).
inline constexpr int kFirstOwnBox = 1482;
inline constexpr int kLastOwnBox = 1496;
// Never carrying data, always disabled: the off-net row's box, then rows 17-32 (edits and
// boxes).
inline constexpr int kOffNetOwnBox = 1497;
inline constexpr int kFirstSpareEdit = 3454;  // 3454 ... 3469
inline constexpr int kFirstSpareBox = 1498;   // 1498 ... 1513
inline constexpr int kSpareRows = 16;

}  // namespace rb::families::netradio::base_ids
