// Control ids of the muster page (强制调度类) both 0xEA families number alike: the timed muster
// and roll call, and the auxiliary commands (reset, work mode, power-on / power-off time).
#pragma once

namespace rb::families::eapages::muster_ids {

inline constexpr int kMusterButton = 2048;    // 召集指令
inline constexpr int kRollCallButton = 1110;  // 点名指令
inline constexpr int kMusterInterval = 2148;  // 定时召集 interval (ms)
inline constexpr int kMusterSpin = 2149;
inline constexpr int kRollCallInterval = 1150;  // 定时点名 interval (ms)
inline constexpr int kRollCallSpin = 1151;
inline constexpr int kTimedMuster = 1152;    // 定时召集
inline constexpr int kTimedRollCall = 1153;  // 定时点名

}  // namespace rb::families::eapages::muster_ids

namespace rb::families::eapages::aux_ids {

inline constexpr int kResetDelay = 2067;      // 复位延时秒数
inline constexpr int kResetButton = 2112;     // 电台复位
inline constexpr int kFactoryMode = 2408;     // 工作模式: 出厂模式 (0); group 2408
inline constexpr int kOnlineMode = 1409;      // 连机模式 (1)
inline constexpr int kWorkModeButton = 1113;  // 工作模式设置
inline constexpr int kPowerOn = 1114;         // 开机 (time / notice)
inline constexpr int kPowerOff = 1115;        // 关机 (time / notice)

}  // namespace rb::families::eapages::aux_ids
