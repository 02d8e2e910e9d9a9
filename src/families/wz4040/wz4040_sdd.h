// CWZ4040SDD: the third tab ("强制调度类(测试使用)") of the trunking container. It sends the
// dispatcher's forced commands: a muster of 16 ships (0x31), a roll call of 32 ships (0x32) and a
// beacon (0x30), each also repeated on its own timer, and a channel-switch order for a ship
// station (0xA6). None of them waits for an answer; the answers 0x41 and 0x42 are only reported.
//
// Its timers 1, 2 and 3 are the timed muster, roll call and beacon. They run on their own timer
// numbers here, so that the engine's response and button timers never mistake them, and their
// frames go out in the background (a front end never waits for them).
#pragma once

#include <array>
#include <optional>
#include <string>

#include "families/dispatch/muster_frames.h"
#include "families/wz4040/wz4040_codes.h"
#include "families/wz4040/wz4040_ids.h"

namespace rb::families::wz4040 {

class CWZ4040SDD : public Wz4040Page {
public:
    static constexpr int kIndex = 2;
    static constexpr int kMusterTimer = 101;
    static constexpr int kRollCallTimer = 102;
    static constexpr int kBeaconTimer = 103;
    static constexpr int kIntervalMin = 1000;
    static constexpr int kIntervalMax = 10000;

    explicit CWZ4040SDD(engine::Session& session);

    void OnFrame(const wire::FrameView& frame) override;

    int musterInterval() const { return musterInterval_; }
    int rollCallInterval() const { return rollCallInterval_; }
    int beaconInterval() const { return beaconInterval_; }

protected:
    void OnTimer(int id) override;

private:
    void declareForm();
    void takeFields();
    // A slot that holds no identity refuses the muster or roll call (and stops its timer).
    bool slotsAccepted(const std::optional<std::string>& refusal, int box, int timer);
    void sendMuster(bool timed);
    void sendRollCall(bool timed);
    void sendBeacon(bool timed);
    void sendSwitch();
    void applyEnableRules();
    void toggleTimed(int box, int timer, const int& interval);

    std::array<std::uint32_t, dispatch::kMusterSlots> musterSlots_{};
    std::array<std::uint32_t, dispatch::kRollCallSlots> rollCallSlots_{};
    int musterInterval_ = kIntervalMin;
    int rollCallInterval_ = kIntervalMin;
    int beaconInterval_ = kIntervalMin;
};

}  // namespace rb::families::wz4040
