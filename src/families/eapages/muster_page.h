// MusterPage: the forced-command page (强制调度类(测试使用)) of both 0xEA families. It sends the
// dispatcher's muster of 16 ships (0x31) and roll call of 32 ships (0x32), each at a click or
// repeated on its own timer, and reports their answers 0x41 and 0x42. None of these sends waits
// for an answer: no response timer is armed. Each family's page adds its own commands.
//
// The muster and roll-call timers are the page's "timer 1" and "timer 2". They run on their own
// timer numbers, so that the engine's response and button timers never mistake them, and their
// frames go out in the background (a front end never waits for them).
#pragma once

#include <array>
#include <optional>
#include <string>

#include "families/dispatch/muster_frames.h"
#include "families/eapages/ea_page.h"

namespace rb::families::eapages {

class MusterPage : public EaPage {
public:
    static constexpr int kMusterTimer = 101;
    static constexpr int kRollCallTimer = 102;
    static constexpr int kIntervalMin = 1000;
    static constexpr int kIntervalMax = 10000;

    // Only the arrival of an answer is reported; no timer is touched.
    void OnFrame(const wire::FrameView& frame) override;

    // The page fields the interval edits are taken into (at a send, not while typing).
    int musterInterval() const { return musterInterval_; }
    int rollCallInterval() const { return rollCallInterval_; }

protected:
    MusterPage(engine::Session& session, int index);

    // Declaring, in the order each family's form lists them.
    static void declareIntervals(engine::FormModel& f);    // the two interval edits and spins
    static void declareTimedBoxes(engine::FormModel& f);   // 定时召集, 定时点名
    static void declareSendButtons(engine::FormModel& f);  // 召集指令, 点名指令
    // A timed send's row: box, interval edit, spin, "ms", the send button at the right.
    static engine::LayoutItem timedRow(int box, int edit, int spin, int button);
    static engine::LayoutItem musterGroup();
    static engine::LayoutItem rollCallGroup();

    // The click handlers of the two send buttons and their timed boxes.
    void bindMuster();
    // The timed muster and roll call; a page with more timers handles them and calls this.
    void OnTimer(int id) override;

    // Takes every control value into the page fields; a page with more fields adds them.
    virtual void takeFields();
    // Starts or stops a timed send as its box says, at the interval the page holds now.
    void toggleTimed(int box, int timer, const int& interval);
    // No response timer and no status text; a timed send goes out in the background.
    void sendAtOnce(const wire::Bytes& frame, bool timed) { command(frame, false, timed); }

private:
    // A slot that holds no identity refuses the muster or roll call (and stops its timer).
    bool slotsAccepted(const std::optional<std::string>& refusal, int box, int timer);
    void sendMuster(bool timed);
    void sendRollCall(bool timed);

    std::array<std::uint32_t, dispatch::kMusterSlots> musterSlots_{};
    std::array<std::uint32_t, dispatch::kRollCallSlots> rollCallSlots_{};
    int musterInterval_ = kIntervalMin;
    int rollCallInterval_ = kIntervalMin;
};

}  // namespace rb::families::eapages
