#include "families/wz4040/wz4040_muster.h"

#include <algorithm>

#include "wire/codecs.h"

namespace rb::families::wz4040 {

using namespace muster_ids;

namespace {

constexpr std::uint8_t kBeacon = 0x30;
constexpr std::uint8_t kChannelSwitch = 0xA6;

}  // namespace

CWZ4040Muster::CWZ4040Muster(engine::Session& session) : MusterPage(session, kIndex) {
    declareForm();
    bindMuster();
    auto& f = form();
    f.onClick(kBeaconButton, [this] { sendBeacon(false); });
    f.onClick(kSwitchButton, [this] { sendSwitch(); });
    f.onClick(kTimedBeacon, [this] { toggleTimed(kTimedBeacon, kBeaconTimer, beaconInterval_); });
    for (int id : {kRestore, kSwitch, kResearch, kByFrequency}) {
        f.onClick(id, [this] { applyEnableRules(); });
    }
    for (int id : kStates) f.onClick(id, [this] { applyEnableRules(); });
    applyEnableRules();
}

void CWZ4040Muster::takeFields() {
    MusterPage::takeFields();
    beaconInterval_ = wire::parseInt(form().text(kBeaconInterval));
}

void CWZ4040Muster::sendBeacon(bool timed) {
    command(wire::frameEA(kBeacon, {0x00, 0x00}), true, timed);
}

void CWZ4040Muster::sendSwitch() {
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

void CWZ4040Muster::applyEnableRules() {
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

void CWZ4040Muster::OnTimer(int id) {
    MusterPage::OnTimer(id);
    if (id == kBeaconTimer) sendBeacon(true);
}

}  // namespace rb::families::wz4040
