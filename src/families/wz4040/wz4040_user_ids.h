// Control ids of the WZ-4040 user page ("用户信息"), as the dialog numbers them.
#pragma once

#include <cstddef>

#include "families/eapages/muster_ids.h"

namespace rb::families::wz4040 {

namespace user_ids {
inline constexpr int kOwnerName = 1056;    // 机主姓名, 19 bytes
inline constexpr int kOwnerText = 1171;    // 机主身份信息, 63 bytes
inline constexpr int kPower5W = 1586;      // 5W (index 0); group 1586
inline constexpr int kPower20W = 1585;     // 20W (index 1)
inline constexpr int kStaticCount = 2068;  // read-only, spin 1602
inline constexpr int kStaticSpin = 1602;
inline constexpr int kFirstStatic = 1587;   // 静态组呼码01 ... 15: 1587 ... 1601
inline constexpr int kDynamicCount = 2069;  // read-only, spin 1603
inline constexpr int kDynamicSpin = 1603;
inline constexpr int kFirstDynamic = 1604;  // 动态组呼码01 ... 15: 1604 ... 1618
inline constexpr int kGroupCodes = 15;
// The group-code edits of list position k = 1 ... 15.
constexpr int staticEdit(int k) { return kFirstStatic + k - 1; }
constexpr int dynamicEdit(int k) { return kFirstDynamic + k - 1; }
// The GBK field widths of the owner texts on the wire (their edits count GBK bytes too).
inline constexpr std::size_t kOwnerNameBytes = 19;
inline constexpr std::size_t kOwnerTextBytes = 63;
// 复位延时秒数, 电台复位, 出厂模式 / 连机模式, 工作模式设置, 开机通知, 关机通知.
using namespace eapages::aux_ids;
}  // namespace user_ids

}  // namespace rb::families::wz4040
