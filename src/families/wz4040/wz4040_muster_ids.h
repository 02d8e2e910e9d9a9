// Control ids of the WZ-4040 muster page ("强制调度类(测试使用)"), as the dialog numbers them.
#pragma once

#include <array>

#include "families/eapages/muster_ids.h"

namespace rb::families::wz4040 {

namespace muster_ids {
// The timed muster and roll call, numbered as on every 0xEA muster page.
using namespace eapages::muster_ids;
inline constexpr int kBeaconButton = 2051;
inline constexpr int kBeaconInterval = 2150;
inline constexpr int kBeaconSpin = 2151;
inline constexpr int kTimedBeacon = 1154;
inline constexpr int kRestore = 2056;  // 切换控制: 恢复到前次切换时的频率 (code 0); group 2056
inline constexpr int kSwitch = 2055;       // 切换 (1)
inline constexpr int kResearch = 2057;     // 重新搜索控制信道 (2)
inline constexpr int kByFrequency = 2058;  // 按指定信道频率切换 (3)
// 信道切换状态 radios in code order 0-6; group 1219.
inline constexpr std::array<int, 7> kStates = {1219, 1227, 1228, 1220, 1229, 1230, 1231};
inline constexpr int kChannelNumber = 1609;
inline constexpr int kSpacing25 = 1009;  // group 1009
inline constexpr int kSpacing12_5 = 1010;
inline constexpr int kTxFrequency = 1610;
inline constexpr int kRxFrequency = 1611;
inline constexpr int kSwitchButton = 2065;
}  // namespace muster_ids

}  // namespace rb::families::wz4040
