// CQX710Muster: the second tab ("强制调度类(测试使用)") of the QX-7100 container. Beyond the muster
// (0x31) and roll call (0x32) of every 0xEA muster page it sends a radio reset with a delay
// (0xA0), the work mode (0xA1) and the ship's power-on / power-off time from the PC clock
// (0xA5). None of them waits for an answer: the page has no response timer.
#pragma once

#include "families/eapages/muster_page.h"
#include "families/qx710/qx710_muster_ids.h"

namespace rb::families::qx710 {

class CQX710Muster : public eapages::MusterPage {
public:
    static constexpr int kIndex = 1;

    explicit CQX710Muster(engine::Session& session);

protected:
    // Also the reset delay and the work mode, which only the muster, roll-call, reset and
    // work-mode sends take from their controls.
    void takeFields() override;

private:
    void declareForm();  // qx710_muster_form.cpp
    void sendReset();
    void sendWorkMode();
    void sendPowerTime(bool on);

    int resetDelay_ = 0;
    int workMode_ = 0;
};

}  // namespace rb::families::qx710
