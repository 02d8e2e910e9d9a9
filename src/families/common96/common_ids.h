// Control ids of the common-parameter group, the same on the base page of every 0x96 family
// (LM52R, network radio, train station): the family's base_ids take them from here.
#pragma once

namespace rb::families::common96::common_ids {

inline constexpr int kSpacing12_5 = 1167;  // "信道间隔" 12.5 kHz
inline constexpr int kSpacing25 = 1168;    // "信道间隔" 25 kHz
inline constexpr int kCompanderOn = 1174;  // radio group "语音压扩": "打开" / "关闭"
inline constexpr int kCompanderOff = 1175;
inline constexpr int kPower0_5W = 1124;  // radio group "发射功率" (0.5W and 3.0W are hidden)
inline constexpr int kPowerLow = 1125;
inline constexpr int kPower3W = 1126;
inline constexpr int kPowerHigh = 1127;
inline constexpr int kBeepPowerOn = 1186;   // 提示音 "开机"
inline constexpr int kBeepPttOff = 1185;    // 提示音 "PTT松开"
inline constexpr int kBeepChannel = 1184;   // 提示音 "频道切换" (not on the network radio)
inline constexpr int kParityList = 1393;    // "校验方式:"
inline constexpr int kSpeedList = 1394;     // "串口速率:"
inline constexpr int kDataBitsList = 1400;  // "数据位:"
inline constexpr int kStopBitsList = 1401;  // "停止位:"
inline constexpr int kAirSpeedList = 1399;  // "空中速率:"
inline constexpr int kPttEdit = 1180;       // "PTT时限" seconds
inline constexpr int kPttSpin = 1181;
inline constexpr int kStandbyEdit = 1182;  // "转待机时长" seconds
inline constexpr int kStandbySpin = 1183;
// "声控电平" of the LM52R and the network radio (the train station has none: its 1211 is
// another control).
inline constexpr int kVoxEdit = 1211;
inline constexpr int kVoxSpin = 1213;

}  // namespace rb::families::common96::common_ids
