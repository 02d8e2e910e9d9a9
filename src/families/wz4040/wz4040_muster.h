// CWZ4040Muster: the third tab ("强制调度类(测试使用)") of the trunking container. Beyond the
// muster (0x31) and roll call (0x32) of every 0xEA muster page it sends a beacon (0x30), also
// repeated on its own timer (the page's timer 3), and a channel-switch order for a ship station
// (0xA6). None of them waits for an answer.
#pragma once

#include "families/eapages/muster_page.h"
#include "families/wz4040/wz4040_codes.h"
#include "families/wz4040/wz4040_muster_ids.h"

namespace rb::families::wz4040 {

class CWZ4040Muster : public eapages::MusterPage {
public:
    static constexpr int kIndex = 2;
    static constexpr int kBeaconTimer = 103;

    explicit CWZ4040Muster(engine::Session& session);

    int beaconInterval() const { return beaconInterval_; }

protected:
    void OnTimer(int id) override;
    // Also the beacon interval.
    void takeFields() override;

private:
    void declareForm();  // wz4040_muster_form.cpp
    void sendBeacon(bool timed);
    void sendSwitch();
    void applyEnableRules();

    int beaconInterval_ = kIntervalMin;
};

}  // namespace rb::families::wz4040
