// The auxiliary commands both 0xEA families send at once from their own pages: radio reset
// with a delay (0xA0), work mode (0xA1) and the power-on / power-off time from the PC clock
// (0xA5). The QX-7100 keeps them on its muster page, the WZ-4040 on its user page.
#pragma once

#include <cstdint>
#include <string>

#include "engine/form_model.h"
#include "wire/frame.h"

namespace rb::families::eapages {

// The edit, the buttons and the work-mode radios, in this order; the power buttons carry the
// captions the page shows them with.
void declareAuxControls(engine::FormModel& f, const char* powerOnCaption,
                        const char* powerOffCaption);

// 0xA0: CC DD, then the delay in seconds (one byte).
wire::Bytes resetFrame(std::uint8_t delaySeconds);
// 0xA1: the work mode, 0 factory or 1 online.
wire::Bytes workModeFrame(std::uint8_t mode);
// 0xA5: 1 for power-on or 0 for power-off, then the PC clock (clockBytes of the trace time).
wire::Bytes powerTimeFrame(bool on, const std::string& timeText);

}  // namespace rb::families::eapages
