// The CDMA/WZ selection (0xA2) both 0xEA control pages carry: the 控制类型 radios (CDMA / WZ,
// numbered per page), the 音频控制 radios and the button, numbered alike on both.
#pragma once

#include "engine/form_model.h"
#include "wire/frame.h"

namespace rb::families::eapages {

namespace cdma_ids {
inline constexpr int kAudioOff = 2223;    // 音频控制: 关 (0); group 2223
inline constexpr int kAudioOn = 2224;     // 开 (1)
inline constexpr int kRingOn = 2225;      // 振铃开 (2)
inline constexpr int kRingOff = 2226;     // 振铃关 (3)
inline constexpr int kCdmaButton = 1046;  // CDMA/WZ选择
}  // namespace cdma_ids

// The radios and the button, CDMA and 关 ticked; `cdma` names the 控制类型 group.
void declareCdmaSelect(engine::FormModel& f, int cdma, int wz);
// Its group "CDMA/WZ选择（船台）" for the page layout.
engine::LayoutItem cdmaSelectGroup(int cdma, int wz);
// 0xA2: 0xCD for CDMA or 0x00 for WZ, then the index of the audio control.
wire::Bytes cdmaSelectFrame(const engine::FormModel& f, int cdma);

}  // namespace rb::families::eapages
