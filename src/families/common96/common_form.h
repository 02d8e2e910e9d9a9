// Form pieces of the common-parameter group that every 0x96 base page declares alike: the
// compander radios, the five data-port lists, the PTT-limit and standby timers, and the
// layout cells that show them.
#pragma once

#include <array>
#include <vector>

#include "engine/form_model.h"

namespace rb::families::common96 {

// "语音压扩": "打开" (selected) / "关闭".
void declareCompander(engine::FormModel& f);
// The four "发射功率" radios in index order (0.5W and 3.0W hidden, 高功率 selected). The LM52R
// and the train station count 0.5W, 低功率, 3.0W, 高功率; the network radio 0.5W, 3.0W, 低功率,
// 高功率.
using PowerOrder = std::array<int, 4>;
extern const PowerOrder kLowPowerSecond;
extern const PowerOrder kLowPowerThird;
void declarePower(engine::FormModel& f, const PowerOrder& order);
// 提示音 "开机", "PTT松开" and, where the page has it, "频道切换", all ticked.
void declareBeeps(engine::FormModel& f, bool channelBeep);
// The parity, speed, data-bit, stop-bit and air-speed lists with their opening selections,
// then the PTT-limit and standby edits with their 0-255 spins. Returns the air-speed list,
// which some families hide or disable.
engine::Control& declareListsAndTimers(engine::FormModel& f);
// The VOX-level edit and its 0-65535 spin (LM52R and network radio).
void declareVox(engine::FormModel& f);

// Layout: the compander group, the two-radio spacing group (12.5 / 25 kHz) and an edit with
// its spin and the unit "秒".
engine::LayoutItem companderGroup();
engine::LayoutItem spacingGroup();
engine::LayoutItem secondsCell(int editId, int spinId);
// The power radios in their order, as the cells of a row.
std::vector<engine::LayoutItem> powerCells(const PowerOrder& order);
// Label / control pairs of the data-port lists, "校验方式:" ... "停止位:", the stop-bit list's
// cell given (a family may put a hidden control beside it).
std::vector<engine::LayoutItem> dataPortCells(engine::LayoutItem stopBitsCell);
// The ten cells of the LM52R and network-radio settings grid's second half: air speed, the
// two timers and the VOX level.
std::vector<engine::LayoutItem> airTimersVoxCells();
// "PTT时限" and "转待机时长" with their cells.
std::vector<engine::LayoutItem> timerCells();

}  // namespace rb::families::common96
