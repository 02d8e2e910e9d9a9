// Control ids of the network-radio base page ("基本信息"), shared by its logic, its form
// declaration and the tests.
#pragma once

#include <array>

namespace rb::families::netradio::base_ids {

inline constexpr int kSpacing12_5 = 1167;  // radio group "信道间隔": "12.5KHz" / "25KHz"
inline constexpr int kSpacing25 = 1168;
inline constexpr int kCompanderOn = 1174;  // radio group "语音压扩": "打开" / "关闭"
inline constexpr int kCompanderOff = 1175;
// Radio group "发射功率" in index order: 0.5W and 3.0W (hidden), 低功率, 高功率.
inline constexpr int kPower0_5W = 1124;
inline constexpr int kPower3W = 1126;
inline constexpr int kPowerLow = 1125;
inline constexpr int kPowerHigh = 1127;
inline constexpr int kBeepPowerOn = 1186;  // 提示音 "开机"
inline constexpr int kBeepPttOff = 1185;   // 提示音 "PTT松开"
inline constexpr int kBacklight = 1212;    // "液晶背光灯有效", hidden
inline constexpr int kParityList = 1393;
inline constexpr int kSpeedList = 1394;
inline constexpr int kDataBitsList = 1400;
inline constexpr int kStopBitsList = 1401;
inline constexpr int kAirSpeedList = 1399;  // disabled
inline constexpr int kPttEdit = 1180;       // "PTT时限"
inline constexpr int kPttSpin = 1181;
inline constexpr int kStandbyEdit = 1182;  // "转待机时长"
inline constexpr int kStandbySpin = 1183;
inline constexpr int kVoxEdit = 1211;  // "声控电平" (only the file carries it)
inline constexpr int kVoxSpin = 1213;
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
