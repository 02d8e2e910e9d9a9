// Control ids of the train-station base page ("基本信息"), shared by its logic, its form
// declaration and the tests.
#pragma once

#include <array>

#include "families/train/train_state.h"

namespace rb::families::train::base_ids {

inline constexpr int kGroupEdit = 1165;  // "信道组号:" 1-8
inline constexpr int kGroupSpin = 1166;
// Radio group "信道间隔(Hz)" in index order 0 / 1 / 2.
inline constexpr int kSpacing6_25 = 1169;
inline constexpr int kSpacing12_5 = 1167;
inline constexpr int kSpacing25 = 1168;
inline constexpr int kCompanderOn = 1174;  // "语音压扩": "打开" / "关闭"
inline constexpr int kCompanderOff = 1175;
// Radio group "发射功率" in index order 0-4 (0.5W and 3.0W are hidden).
inline constexpr int kPower0_5W = 1124;
inline constexpr int kPowerLow = 1125;
inline constexpr int kPower3W = 1126;
inline constexpr int kPowerHigh = 1127;
inline constexpr int kPowerCustom = 1129;  // "人工功率"
inline constexpr int kCustomIndex = 4;
inline constexpr int kCustomLevel = 1664;  // track bar 0-255, "低" ... "高"
inline constexpr int kTonePowerOn = 1186;  // "开机"
inline constexpr int kTonePttOff = 1185;   // "PTT松开"
inline constexpr int kToneChannel = 1184;  // "频道切换"
inline constexpr int kParityList = 1393;
inline constexpr int kSpeedList = 1394;
inline constexpr int kDataBitsList = 1400;
inline constexpr int kStopBitsList = 1401;
inline constexpr int kAirSpeedList = 1399;  // hidden and disabled
inline constexpr int kPttEdit = 1180;       // "PTT时限" seconds
inline constexpr int kPttSpin = 1181;
inline constexpr int kStandbyEdit = 1182;  // "转待机时长" seconds
inline constexpr int kStandbySpin = 1183;
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
