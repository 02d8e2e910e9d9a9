// State the QX-7100 pages share: the channel step. Clicking 25 KHz or 12.5KHz on the base page
// sets it, the basic-parameter answer sets it from the terminal, and the control page reads it
// for its frequency codes.
#pragma once

namespace rb::families::qx710 {

struct Qx710State {
    int freqStep = 250;  // 125 at 12.5 kHz, 250 at 25 kHz (100 Hz units)
};

}  // namespace rb::families::qx710
