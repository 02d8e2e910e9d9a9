#include "families/qx710/qx710_muster.h"

#include <algorithm>
#include <cstdio>

#include "wire/codecs.h"

namespace rb::families::qx710 {

using namespace muster_ids;

namespace {

constexpr std::uint8_t kResetCode = 0xA0;
constexpr std::uint8_t kWorkModeCode = 0xA1;
constexpr std::uint8_t kPowerTimeCode = 0xA5;

// The PC's local time as year - 2000, month, day, hour, minute, second (plain bytes, not BCD),
// taken from the trace clock's "%Y-%m-%d %H:%M:%S".
wire::Bytes clockBytes(const std::string& text) {
    int y = 2000, mo = 1, d = 1, h = 0, mi = 0, s = 0;
    std::sscanf(text.c_str(), "%d-%d-%d %d:%d:%d", &y, &mo, &d, &h, &mi, &s);
    return {std::uint8_t(y - 2000), std::uint8_t(mo), std::uint8_t(d),
            std::uint8_t(h),        std::uint8_t(mi), std::uint8_t(s)};
}

}  // namespace

CQX710Muster::CQX710Muster(engine::Session& session) : Qx710Page(session, kIndex) {
    declareForm();
    auto& f = form();
    f.onClick(kMusterButton, [this] { sendMuster(false); });
    f.onClick(kRollCallButton, [this] { sendRollCall(false); });
    f.onClick(kResetButton, [this] { sendReset(); });
    f.onClick(kWorkModeButton, [this] { sendWorkMode(); });
    f.onClick(kPowerOnTime, [this] { sendPowerTime(true); });
    f.onClick(kPowerOffTime, [this] { sendPowerTime(false); });
    f.onClick(kTimedMuster, [this] { toggleTimed(kTimedMuster, kMusterTimer, musterInterval_); });
    f.onClick(kTimedRollCall,
              [this] { toggleTimed(kTimedRollCall, kRollCallTimer, rollCallInterval_); });
}

void CQX710Muster::declareForm() {
    namespace L = engine::layout;
    auto& f = form();
    dispatch::declareSlots(f);
    f.addEdit(kMusterInterval, 0, std::to_string(kIntervalMin));
    f.addSpin(kMusterSpin, kMusterInterval, kIntervalMin, kIntervalMax);
    f.addEdit(kRollCallInterval, 0, std::to_string(kIntervalMin));
    f.addSpin(kRollCallSpin, kRollCallInterval, kIntervalMin, kIntervalMax);
    f.addCheck(kTimedMuster, "定时召集", false);
    f.addCheck(kTimedRollCall, "定时点名", false);
    f.addButton(kMusterButton, "召集指令");
    f.addButton(kRollCallButton, "点名指令");
    f.addEdit(kResetDelay, 0, "0");
    f.addButton(kResetButton, "电台复位");
    f.addRadio(kFactoryMode, "出厂模式", kFactoryMode).value = 1;
    f.addRadio(kOnlineMode, "连机模式", kFactoryMode);
    f.addButton(kWorkModeButton, "工作模式设置");
    f.addButton(kPowerOnTime, "船台开机时间");
    f.addButton(kPowerOffTime, "船台关机时间");

    f.setLayout(L::column({
        L::group(
            "召集船数量N（1<=N<=16）",
            L::column({dispatch::musterSlotGrid(8),
                       L::row({L::ctl(kTimedMuster), L::ctl(kMusterInterval), L::ctl(kMusterSpin),
                               L::label("ms"), L::stretch(), L::ctl(kMusterButton)})})),
        L::group("点名船数量N（0<=N<=32）",
                 L::column({dispatch::rollCallSlotGrid(8),
                            L::row({L::ctl(kTimedRollCall), L::ctl(kRollCallInterval),
                                    L::ctl(kRollCallSpin), L::label("ms"), L::stretch(),
                                    L::ctl(kRollCallButton)})})),
        L::row({
            L::group("电台复位", L::row({L::label("复位延时秒数:"), L::ctl(kResetDelay),
                                         L::ctl(kResetButton)})),
            L::group("工作模式",
                     L::row({L::ctl(kFactoryMode), L::ctl(kOnlineMode), L::ctl(kWorkModeButton)})),
            L::group("船台开关机时间", L::row({L::ctl(kPowerOnTime), L::ctl(kPowerOffTime)})),
            L::stretch(),
        }),
        L::stretch(),
    }));
}

void CQX710Muster::takeFields() {
    const auto& f = form();
    musterSlots_ = dispatch::musterIdentities(f);
    rollCallSlots_ = dispatch::rollCallIdentities(f);
    musterInterval_ = wire::parseInt(f.text(kMusterInterval));
    rollCallInterval_ = wire::parseInt(f.text(kRollCallInterval));
    resetDelay_ = wire::parseInt(f.text(kResetDelay));
    workMode_ = std::max(0, f.radio(kFactoryMode));
}

void CQX710Muster::sendCommand(const wire::Bytes& frame, bool timed) {
    beginRequest();
    // No response timer and no status text; a timed send goes out in the background.
    send(frame, SendOptions{false, false, timed});
}

bool CQX710Muster::slotsAccepted(const std::optional<std::string>& refusal, int box, int timer) {
    if (!refusal) return true;
    // A timed send stops with its box: one message, not one per period.
    if (form().checked(box)) {
        form().setChecked(box, false);
        stopTimer(timer);
    }
    return showMessage(*refusal);
}

void CQX710Muster::sendMuster(bool timed) {
    if (!slotsAccepted(dispatch::musterRefusal(form()), kTimedMuster, kMusterTimer)) return;
    takeFields();
    sendCommand(dispatch::musterFrame(musterSlots_), timed);
}

void CQX710Muster::sendRollCall(bool timed) {
    if (!slotsAccepted(dispatch::rollCallRefusal(form()), kTimedRollCall, kRollCallTimer)) return;
    takeFields();
    sendCommand(dispatch::rollCallFrame(rollCallSlots_), timed);
}

void CQX710Muster::sendReset() {
    takeFields();
    sendCommand(wire::frameEA(kResetCode, {0xCC, 0xDD, std::uint8_t(resetDelay_)}), false);
}

void CQX710Muster::sendWorkMode() {
    takeFields();
    sendCommand(wire::frameEA(kWorkModeCode, {std::uint8_t(workMode_)}), false);
}

void CQX710Muster::sendPowerTime(bool on) {
    wire::Bytes p{std::uint8_t(on ? 1 : 0)};
    const wire::Bytes clock = clockBytes(session().tool.timeText());
    p.insert(p.end(), clock.begin(), clock.end());
    sendCommand(wire::frameEA(kPowerTimeCode, p), false);
}

void CQX710Muster::toggleTimed(int box, int timer, const int& interval) {
    if (!form().checked(box)) {
        stopTimer(timer);
        return;
    }
    // The period is the interval the page holds now (taken at the last send), not the edit's.
    // A period outside the spin's range would flood the line (0 ms) or never come; it is kept
    // inside 1000-10000 ms.
    const int period = std::clamp(interval, kIntervalMin, kIntervalMax);
    startTimer(timer, engine::Millis(period));
}

void CQX710Muster::OnTimer(int id) {
    if (id == kMusterTimer) sendMuster(true);
    if (id == kRollCallTimer) sendRollCall(true);
}

void CQX710Muster::OnFrame(const wire::FrameView& f) {
    // Only the arrival is reported; no timer is touched.
    if (f.code() == dispatch::kMusterAnswer) report(f.code(), dispatch::kMusterAnswerText);
    if (f.code() == dispatch::kRollCallAnswer) report(f.code(), dispatch::kRollCallAnswerText);
}

}  // namespace rb::families::qx710
