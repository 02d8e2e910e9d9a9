// Control ids of the QX-7100 muster page ("强制调度类(测试使用)"): the muster and roll call both
// 0xEA families number alike, and the auxiliary commands with this page's names for them.
#pragma once

#include "families/eapages/muster_ids.h"

namespace rb::families::qx710::muster_ids {

using namespace eapages::muster_ids;
using namespace eapages::aux_ids;
inline constexpr int kPowerOnTime = eapages::aux_ids::kPowerOn;    // 船台开机时间
inline constexpr int kPowerOffTime = eapages::aux_ids::kPowerOff;  // 船台关机时间

}  // namespace rb::families::qx710::muster_ids
