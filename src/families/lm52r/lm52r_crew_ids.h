// Control ids of the LM52R crew page ("列车信息"), shared by its logic, its form declaration
// and the tests.
#pragma once

namespace rb::families::lm52r::crew_ids {

inline constexpr int kDispatchEdit = 1416;  // "调号:" 0-15
inline constexpr int kDispatchSpin = 1417;
inline constexpr int kStaffEdit = 1418;  // "人员编号:" 0-15
inline constexpr int kStaffSpin = 1419;
inline constexpr int kNoResendCheck = 1420;    // "禁止自动重发"
inline constexpr int kHandheldRadio = 1421;    // "手持电台" (first of the "电台类型" group)
inline constexpr int kLocomotiveRadio = 1422;  // "机车电台"
inline constexpr int kReadButton = 1423;       // "读取列调参数"
inline constexpr int kWriteButton = 1424;      // "写录列调参数"

}  // namespace rb::families::lm52r::crew_ids
