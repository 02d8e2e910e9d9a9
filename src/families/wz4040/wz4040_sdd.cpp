#include "families/wz4040/wz4040_sdd.h"

#include <algorithm>

#include "wire/codecs.h"

namespace rb::families::wz4040 {

using namespace sdd_ids;

namespace {

constexpr std::uint8_t kBeacon = 0x30;
constexpr std::uint8_t kChannelSwitch = 0xA6;

constexpr const char* kStateNames[7] = {"切换到默认信道频率",
                                        "切换到指定信道编号",
                                        "切换到脱网信道频率",
                                        "切换到脱网频率",
                                        "切换到默认信道频率，并收发频率调换",
                                        "切换到指定信道编号，并收发频率调换",
                                        "切换到脱网信道频率，并收发频率调换"};

}  // namespace

CWZ4040SDD::CWZ4040SDD(engine::Session& session) : Wz4040Page(session, kIndex) {
    declareForm();
    auto& f = form();
    f.onClick(kMusterButton, [this] { sendMuster(false); });
    f.onClick(kRollCallButton, [this] { sendRollCall(false); });
    f.onClick(kBeaconButton, [this] { sendBeacon(false); });
    f.onClick(kSwitchButton, [this] { sendSwitch(); });
    f.onClick(kTimedMuster, [this] { toggleTimed(kTimedMuster, kMusterTimer, musterInterval_); });
    f.onClick(kTimedRollCall,
              [this] { toggleTimed(kTimedRollCall, kRollCallTimer, rollCallInterval_); });
    f.onClick(kTimedBeacon, [this] { toggleTimed(kTimedBeacon, kBeaconTimer, beaconInterval_); });
    for (int id : {kRestore, kSwitch, kResearch, kByFrequency}) {
        f.onClick(id, [this] { applyEnableRules(); });
    }
    for (int id : kStates) f.onClick(id, [this] { applyEnableRules(); });
    applyEnableRules();
}

void CWZ4040SDD::declareForm() {
    namespace L = engine::layout;
    auto& f = form();
    dispatch::declareSlots(f);
    const std::string start = std::to_string(kIntervalMin);
    f.addEdit(kBeaconInterval, 0, start);
    f.addSpin(kBeaconSpin, kBeaconInterval, kIntervalMin, kIntervalMax);
    f.addEdit(kMusterInterval, 0, start);
    f.addSpin(kMusterSpin, kMusterInterval, kIntervalMin, kIntervalMax);
    f.addEdit(kRollCallInterval, 0, start);
    f.addSpin(kRollCallSpin, kRollCallInterval, kIntervalMin, kIntervalMax);
    f.addCheck(kTimedBeacon, "定时信标");
    f.addCheck(kTimedMuster, "定时召集");
    f.addCheck(kTimedRollCall, "定时点名");
    f.addButton(kMusterButton, "召集指令");
    f.addButton(kRollCallButton, "点名指令");
    f.addButton(kBeaconButton, "信标指令");

    f.addRadio(kRestore, "恢复到前次切换时的频率", kRestore).value = 1;
    f.addRadio(kSwitch, "切换", kRestore);
    f.addRadio(kResearch, "重新搜索控制信道", kRestore);
    f.addRadio(kByFrequency, "按指定信道频率切换", kRestore);
    for (std::size_t i = 0; i < kStates.size(); ++i)
        f.addRadio(kStates[i], kStateNames[i], kStates[0]).value = i == 0 ? 1 : 0;
    f.addEdit(kChannelNumber, 0, "1");
    f.addRadio(kSpacing25, "25 KHz", kSpacing25).value = 1;
    f.addRadio(kSpacing12_5, "12.5KHz", kSpacing25);
    f.addEdit(kTxFrequency, 7, "0");
    f.addEdit(kRxFrequency, 7, "0");
    f.addButton(kSwitchButton, "信道切换");

    auto timed = [](int box, int edit, int spin, int button) {
        return L::row({L::ctl(box), L::ctl(edit), L::ctl(spin), L::label("ms"), L::stretch(),
                       L::ctl(button)});
    };
    f.setLayout(L::column({
        L::group("召集船数量N（1<=N<=16）",
                 L::column({dispatch::musterSlotGrid(8),
                            timed(kTimedMuster, kMusterInterval, kMusterSpin, kMusterButton)})),
        L::group("点名船数量N（0<=N<=32）",
                 L::column({dispatch::rollCallSlotGrid(8), timed(kTimedRollCall, kRollCallInterval,
                                                                 kRollCallSpin, kRollCallButton)})),
        L::group("信标", timed(kTimedBeacon, kBeaconInterval, kBeaconSpin, kBeaconButton)),
        L::group(
            "信道切换（适用于船台）",
            L::column({
                L::row({L::label("切换控制:"), L::ctl(kRestore), L::ctl(kSwitch), L::ctl(kResearch),
                        L::ctl(kByFrequency), L::stretch()}),
                L::grid(4, {L::ctl(kStates[0]), L::ctl(kStates[1]), L::ctl(kStates[2]),
                            L::ctl(kStates[3]), L::ctl(kStates[4]), L::ctl(kStates[5]),
                            L::ctl(kStates[6])}),
                L::row({L::label("指定信道编号:"), L::ctl(kChannelNumber), L::label("信道间隔:"),
                        L::ctl(kSpacing25), L::ctl(kSpacing12_5), L::label("指定信道频率 发射:"),
                        L::ctl(kTxFrequency), L::label("接收:"), L::ctl(kRxFrequency), L::stretch(),
                        L::ctl(kSwitchButton)}),
            })),
        L::stretch(),
    }));
}

void CWZ4040SDD::takeFields() {
    const auto& f = form();
    musterSlots_ = dispatch::musterIdentities(f);
    rollCallSlots_ = dispatch::rollCallIdentities(f);
    beaconInterval_ = wire::parseInt(f.text(kBeaconInterval));
    musterInterval_ = wire::parseInt(f.text(kMusterInterval));
    rollCallInterval_ = wire::parseInt(f.text(kRollCallInterval));
}

bool CWZ4040SDD::slotsAccepted(const std::optional<std::string>& refusal, int box, int timer) {
    if (!refusal) return true;
    // A timed send stops with its box: one message, not one per period.
    if (form().checked(box)) {
        form().setChecked(box, false);
        stopTimer(timer);
    }
    return showMessage(*refusal);
}

void CWZ4040SDD::sendMuster(bool timed) {
    if (!slotsAccepted(dispatch::musterRefusal(form()), kTimedMuster, kMusterTimer)) return;
    takeFields();
    command(dispatch::musterFrame(musterSlots_), false, timed);
}

void CWZ4040SDD::sendRollCall(bool timed) {
    if (!slotsAccepted(dispatch::rollCallRefusal(form()), kTimedRollCall, kRollCallTimer)) return;
    takeFields();
    command(dispatch::rollCallFrame(rollCallSlots_), false, timed);
}

void CWZ4040SDD::sendBeacon(bool timed) {
    command(wire::frameEA(kBeacon, {0x00, 0x00}), true, timed);
}

void CWZ4040SDD::sendSwitch() {
    const auto& f = form();
    const int control = f.radio(kRestore);
    const std::uint8_t controlCode = control >= 0 && control <= 3 ? std::uint8_t(control) : 0;
    const std::uint8_t state = std::uint8_t(std::max(0, f.radio(kStates[0])));
    // One byte on the wire holding the number - 1 (0 stays 0): 0-256. An empty edit sends 0.
    const std::string& number = f.text(kChannelNumber);
    const auto typed = number.empty() ? std::optional<long long>(0) : whole(number, 0, 256);
    if (!typed) return void(showMessage("指定信道编号设置错误,请设置为0-256!"));
    long long channel = *typed;
    if (channel > 0) --channel;
    const int step = f.radio(kSpacing25) == 1 ? wire::kStep12_5 : wire::kStep25;
    // Disabled edits are read and checked all the same.
    if (!frequencyAccepted(f.text(kTxFrequency), step))
        return void(showMessage("指定信道发射频率设置不正确!"));
    if (!frequencyAccepted(f.text(kRxFrequency), step))
        return void(showMessage("指定信道接收频率设置不正确!"));
    wire::Bytes p{controlCode, state, std::uint8_t(channel)};
    wire::putU16be(p, channelCode(f.text(kTxFrequency), step));
    wire::putU16be(p, channelCode(f.text(kRxFrequency), step));
    command(wire::frameEA(kChannelSwitch, p));
}

void CWZ4040SDD::applyEnableRules() {
    auto& f = form();
    const int control = f.radio(kRestore);
    const bool switching = control == 1;
    for (int id : kStates) f.enable(id, switching);
    const std::initializer_list<int> frequencyControls = {kSpacing25, kSpacing12_5, kTxFrequency,
                                                          kRxFrequency};
    if (control == 0 || control == 2) {
        f.enable(kChannelNumber, false);
        f.enable(frequencyControls, false);
    } else if (control == 3) {
        f.enable(kChannelNumber, false);
        f.enable(frequencyControls, true);
    } else if (switching) {
        const int state = f.radio(kStates[0]);
        f.enable(kChannelNumber, state == 1 || state == 5);
        f.enable(frequencyControls, false);
    }
}

void CWZ4040SDD::toggleTimed(int box, int timer, const int& interval) {
    if (!form().checked(box)) {
        stopTimer(timer);
        return;
    }
    // The period is the interval the page holds now (taken at the last muster or roll call), not
    // the edit's. One outside the spin's range would flood the line or never come: it is kept
    // inside 1000-10000 ms.
    startTimer(timer, engine::Millis(std::clamp(interval, kIntervalMin, kIntervalMax)));
}

void CWZ4040SDD::OnTimer(int id) {
    if (id == kMusterTimer) sendMuster(true);
    if (id == kRollCallTimer) sendRollCall(true);
    if (id == kBeaconTimer) sendBeacon(true);
}

void CWZ4040SDD::OnFrame(const wire::FrameView& f) {
    if (f.code() == dispatch::kMusterAnswer) report(f.code(), dispatch::kMusterAnswerText);
    if (f.code() == dispatch::kRollCallAnswer) report(f.code(), dispatch::kRollCallAnswerText);
}

}  // namespace rb::families::wz4040
