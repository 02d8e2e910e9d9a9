// Control ids of the WZ-4040 base page ("基本信息"), as the dialog numbers them.
#pragma once

#include <array>

#include "families/eapages/form_parts.h"

namespace rb::families::wz4040 {

namespace base_ids {
// 身份码, 鉴权 / 取消鉴权, 系统类别, numbered as on every 0xEA base page.
using namespace eapages::identity_ids;
inline constexpr int kControlDesk = 1530;   // 电台类型: 控制调度台 (0); group 1530
inline constexpr int kServiceDesk = 1531;   // 业务调度台 (1)
inline constexpr int kRelayStation = 1532;  // 延伸中转台 (2)
inline constexpr int kPlainStation = 1533;  // 普通电台 (3)
inline constexpr std::array<int, 6> kSwitches = {1534, 1535, 1536, 1537, 1587, 1589};
inline constexpr int kHardware = 1586;       // 硬件版本, read-only
inline constexpr int kSoftware = 1588;       // 软件版本, read-only
inline constexpr int kBaseNumber = 1012;     // 基站编号 1-255
inline constexpr int kChannelNumber = 1013;  // 信道编号 1-255
inline constexpr int kSpacing25 = 1009;      // 25 KHz (index 0); group 1009
inline constexpr int kSpacing12_5 = 1010;    // 12.5KHz (index 1)
inline constexpr int kDefaultTx = 1539;
inline constexpr int kDefaultRx = 1538;
inline constexpr int kOffNetTx = 1060;
inline constexpr int kOffNetRx = 1061;
inline constexpr int kOffNet = 1057;
inline constexpr std::array<int, 4> kFrequencyLabels = {1665, 1666, 1667, 1668};
inline constexpr int kOffNetLabel = 1669;  // "脱网频率:" (our own id for the fifth row)
inline constexpr int kVersionA = 1540;
inline constexpr int kVersionB = 1541;
inline constexpr int kTablePage = 1574;  // 页号 1-16
inline constexpr std::array<int, 16> kRowLabels = {1615, 2413, 2414, 2415, 2416, 2417, 2418, 2419,
                                                   2420, 2421, 2422, 2423, 2424, 2425, 2426, 2427};
inline constexpr int kFirstRowTx = 1542;  // row i TX 1542 + 2i, RX 1543 + 2i
inline constexpr int kRollCallTimeout = 1047;
inline constexpr int kOffNetTimeout = 1048;
inline constexpr int kChannelHold = 1049;
inline constexpr int kPttHold = 1050;
inline constexpr int kAlarmByIdentity = 1575;  // 身份码 (0); group 1575
inline constexpr int kAlarmByPhone = 1576;     // 电话号码 (1)
inline constexpr int kAlarmNumber = 1577;
inline constexpr int kKeyParameter = 1062;
inline constexpr int kKeyWord = 1063;
inline constexpr int kStatusBase = 1578;
inline constexpr int kStatusChannel = 1579;
inline constexpr int kStatusType = 1580;
inline constexpr int kStatusCall = 1581;
inline constexpr int kStatusTxRx = 1582;
inline constexpr int kStatusQuality = 1583;
inline constexpr int kStatusStrength = 1585;
inline constexpr int kStatusSwitch = 1584;
inline constexpr std::array<int, 8> kStatusFields = {
    kStatusBase, kStatusChannel, kStatusType,     kStatusCall,
    kStatusTxRx, kStatusQuality, kStatusStrength, kStatusSwitch};
constexpr int rowTx(int i) { return kFirstRowTx + 2 * i; }
constexpr int rowRx(int i) { return kFirstRowTx + 2 * i + 1; }
}  // namespace base_ids

}  // namespace rb::families::wz4040
