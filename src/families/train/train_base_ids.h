// Control ids of the train-station base page ("基本信息"), shared by its logic, its form
// declaration and the tests.
#pragma once

#include <array>

#include "families/common96/common_ids.h"
#include "families/train/train_state.h"

namespace rb::families::train::base_ids {

inline constexpr int kGroupEdit = 1165;  // "信道组号:" 1-8
inline constexpr int kGroupSpin = 1166;
// The common-parameter group's controls (families/common96/common_ids.h), without the VOX
// level; the air-speed list is hidden and disabled, 0.5W and 3.0W are hidden.
using common96::common_ids::kAirSpeedList;
using common96::common_ids::kCompanderOff;
using common96::common_ids::kCompanderOn;
using common96::common_ids::kDataBitsList;
using common96::common_ids::kParityList;
using common96::common_ids::kPower0_5W;
using common96::common_ids::kPower3W;
using common96::common_ids::kPowerHigh;
using common96::common_ids::kPowerLow;
using common96::common_ids::kPttEdit;
using common96::common_ids::kPttSpin;
using common96::common_ids::kSpacing12_5;
using common96::common_ids::kSpacing25;
using common96::common_ids::kSpeedList;
using common96::common_ids::kStandbyEdit;
using common96::common_ids::kStandbySpin;
using common96::common_ids::kStopBitsList;
// Radio group "信道间隔(Hz)" in index order 6.25 / 12.5 / 25 kHz.
inline constexpr int kSpacing6_25 = 1169;
inline constexpr int kPowerCustom = 1129;  // "人工功率", index 4 of "发射功率"
inline constexpr int kCustomIndex = 4;
inline constexpr int kCustomLevel = 1664;  // track bar 0-255, "低" ... "高"
// 提示音 "开机", "PTT松开", "频道切换".
inline constexpr int kTonePowerOn = common96::common_ids::kBeepPowerOn;
inline constexpr int kTonePttOff = common96::common_ids::kBeepPttOff;
inline constexpr int kToneChannel = common96::common_ids::kBeepChannel;
inline constexpr int kSingleChannel = 1211;  // "单一信道频率"

struct ChannelRow {
    int label;  // "01" ... or the channel number in its group
    int tx;
    int rx;
    int digital;  // "数字"
};

// Row k of the channel table at index k-1.
inline constexpr std::array<ChannelRow, kChannels> kRows = {{
    {1616, 1187, 1188, 1257},
    {1617, 1189, 1190, 1265},
    {1618, 1191, 1192, 1273},
    {1619, 1193, 1194, 1281},
    {1620, 1195, 1196, 1289},
    {1621, 1197, 1198, 1297},
    {1622, 1199, 1200, 1313},
    {1623, 1201, 1202, 1321},
    {1624, 1203, 1204, 1329},
    {1625, 1205, 1206, 1337},
    {1626, 1207, 1208, 1345},
    {1627, 1209, 1210, 1353},
    {1628, 2219, 2220, 1361},
    {1629, 2221, 1222, 1369},
    {1630, 1223, 1224, 1377},
    {1631, 1225, 1226, 1385},
}};

inline constexpr int kFrequencyChars = 7;

}  // namespace rb::families::train::base_ids
