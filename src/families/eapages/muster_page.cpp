#include "families/eapages/muster_page.h"

#include <algorithm>

#include "families/eapages/muster_ids.h"
#include "wire/codecs.h"

namespace rb::families::eapages {

using namespace muster_ids;

MusterPage::MusterPage(engine::Session& session, int index) : EaPage(session, index) {}

void MusterPage::declareIntervals(engine::FormModel& f) {
    const std::string start = std::to_string(kIntervalMin);
    f.addEdit(kMusterInterval, 0, start);
    f.addSpin(kMusterSpin, kMusterInterval, kIntervalMin, kIntervalMax);
    f.addEdit(kRollCallInterval, 0, start);
    f.addSpin(kRollCallSpin, kRollCallInterval, kIntervalMin, kIntervalMax);
}

void MusterPage::declareTimedBoxes(engine::FormModel& f) {
    f.addCheck(kTimedMuster, "定时召集");
    f.addCheck(kTimedRollCall, "定时点名");
}

void MusterPage::declareSendButtons(engine::FormModel& f) {
    f.addButton(kMusterButton, "召集指令");
    f.addButton(kRollCallButton, "点名指令");
}

engine::LayoutItem MusterPage::timedRow(int box, int edit, int spin, int button) {
    namespace L = engine::layout;
    return L::row(
        {L::ctl(box), L::ctl(edit), L::ctl(spin), L::label("ms"), L::stretch(), L::ctl(button)});
}

engine::LayoutItem MusterPage::musterGroup() {
    namespace L = engine::layout;
    return L::group("召集船数量N（1<=N<=16）",
                    L::column({dispatch::musterSlotGrid(8), timedRow(kTimedMuster, kMusterInterval,
                                                                     kMusterSpin, kMusterButton)}));
}

engine::LayoutItem MusterPage::rollCallGroup() {
    namespace L = engine::layout;
    return L::group(
        "点名船数量N（0<=N<=32）",
        L::column({dispatch::rollCallSlotGrid(8),
                   timedRow(kTimedRollCall, kRollCallInterval, kRollCallSpin, kRollCallButton)}));
}

void MusterPage::bindMuster() {
    auto& f = form();
    f.onClick(kMusterButton, [this] { sendMuster(false); });
    f.onClick(kRollCallButton, [this] { sendRollCall(false); });
    f.onClick(kTimedMuster, [this] { toggleTimed(kTimedMuster, kMusterTimer, musterInterval_); });
    f.onClick(kTimedRollCall,
              [this] { toggleTimed(kTimedRollCall, kRollCallTimer, rollCallInterval_); });
}

void MusterPage::takeFields() {
    const auto& f = form();
    musterSlots_ = dispatch::musterIdentities(f);
    rollCallSlots_ = dispatch::rollCallIdentities(f);
    musterInterval_ = wire::parseInt(f.text(kMusterInterval));
    rollCallInterval_ = wire::parseInt(f.text(kRollCallInterval));
}

bool MusterPage::slotsAccepted(const std::optional<std::string>& refusal, int box, int timer) {
    if (!refusal) return true;
    // A timed send stops with its box: one message, not one per period.
    if (form().checked(box)) {
        form().setChecked(box, false);
        stopTimer(timer);
    }
    return showMessage(*refusal);
}

void MusterPage::sendMuster(bool timed) {
    if (!slotsAccepted(dispatch::musterRefusal(form()), kTimedMuster, kMusterTimer)) return;
    takeFields();
    sendAtOnce(dispatch::musterFrame(musterSlots_), timed);
}

void MusterPage::sendRollCall(bool timed) {
    if (!slotsAccepted(dispatch::rollCallRefusal(form()), kTimedRollCall, kRollCallTimer)) return;
    takeFields();
    sendAtOnce(dispatch::rollCallFrame(rollCallSlots_), timed);
}

void MusterPage::toggleTimed(int box, int timer, const int& interval) {
    if (!form().checked(box)) {
        stopTimer(timer);
        return;
    }
    // The period is the interval the page holds now (taken at the last send), not the edit's.
    // A period outside the spin's range would flood the line (0 ms) or never come; it is kept
    // inside 1000-10000 ms.
    startTimer(timer, engine::Millis(std::clamp(interval, kIntervalMin, kIntervalMax)));
}

void MusterPage::OnTimer(int id) {
    if (id == kMusterTimer) sendMuster(true);
    if (id == kRollCallTimer) sendRollCall(true);
}

void MusterPage::OnFrame(const wire::FrameView& f) {
    if (f.code() == dispatch::kMusterAnswer) report(f.code(), dispatch::kMusterAnswerText);
    if (f.code() == dispatch::kRollCallAnswer) report(f.code(), dispatch::kRollCallAnswerText);
}

}  // namespace rb::families::eapages
