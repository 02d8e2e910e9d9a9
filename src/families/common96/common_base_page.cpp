#include "families/common96/common_base_page.h"

#include "families/common96/common_ids.h"
#include "families/common96/common_params.h"
#include "wire/codecs.h"
#include "wire/version_text.h"

namespace rb::families::common96 {

using namespace common_ids;

namespace {
constexpr long long kByteMax = 255;
}  // namespace

void CommonBasePage::requestVersion() { send(wire::frame96(kReadVersion, {0x00, 0x01})); }

void CommonBasePage::requestCommon() { send(wire::frame96(kReadCommon)); }

void CommonBasePage::showVersion(const wire::FrameView& f) {
    session().statusBar.SetText(1, wire::versionText(f));
}

bool CommonBasePage::requestForGroup(std::uint8_t code) {
    int group = 0;
    if (!checkGroup(group)) return false;
    send(wire::frame96(code, {0x00, std::uint8_t(group)}));
    return true;
}

bool CommonBasePage::checkCommonValues() {
    return checkNumber(kPttEdit, 0, kByteMax, "PTT时限设置不正确,请设为0-255!") &&
           checkNumber(kStandbyEdit, 0, kByteMax, "转待机时长设置不正确,请设为0-255!");
}

void CommonBasePage::writeCommon(std::uint8_t flags, std::uint8_t powerCode,
                                 std::uint8_t spacingCode) {
    if (!checkCommonValues()) return;
    const auto& f = form();
    const wire::Bytes payload = {
        0x00,
        0x01,
        std::uint8_t(f.intValue(kPttEdit)),
        std::uint8_t(f.intValue(kStandbyEdit)),
        flags,
        powerCode,
        codeOf(kSpeedCodes, f.selection(kSpeedList)),
        codeOf(kParityCodes, f.selection(kParityList)),
        codeOf(kDataBitsCodes, f.selection(kDataBitsList)),
        codeOf(kStopBitsCodes, f.selection(kStopBitsList)),
        codeOf(kAirSpeedCodes, f.selection(kAirSpeedList)),
        spacingCode,
    };
    send(wire::frame96(kWriteCommon, payload));
}

void CommonBasePage::writeCommon(std::uint8_t flags) {
    const auto& f = form();
    writeCommon(flags, codeOf(kPowerCodes, f.radio(kPower0_5W)),
                f.radio(kSpacing12_5) == 0 ? kSpacing12_5Code : kSpacing25Code);
}

void CommonBasePage::resetCommonFields() {
    auto& f = form();
    f.setRadio(kCompanderOn, 0);
    f.setRadio(kPower0_5W, 3);
    f.setChecked(kBeepPowerOn, false);
    f.setChecked(kBeepPttOff, false);
    if (channelBeep_) f.setChecked(kBeepChannel, false);
    f.setSelection(kParityList, 0);
    f.setSelection(kSpeedList, 6);
    f.setSelection(kDataBitsList, 3);
    f.setSelection(kStopBitsList, 0);
    f.setSelection(kAirSpeedList, 1);
    f.setInt(kPttEdit, 0);
    f.setInt(kStandbyEdit, 0);
}

void CommonBasePage::showCommonFields(const wire::FrameView& f, UnknownCodes unknown) {
    auto& form = this->form();
    form.setInt(kPttEdit, f[6]);
    form.setInt(kStandbyEdit, f[7]);
    const std::uint8_t flags = f[kFlagsByte];
    form.setRadio(kCompanderOn, flags & kCompanderBit ? 0 : 1);
    form.setChecked(kBeepPttOff, flags & kPttOffBeepBit);
    if (channelBeep_) form.setChecked(kBeepChannel, flags & kChannelBeepBit);
    form.setChecked(kBeepPowerOn, flags & kPowerOnBeepBit);
    const int speed = indexOf(kSpeedCodes, f[10]);
    if (speed >= 0 || unknown.speed >= 0) {
        form.setSelection(kSpeedList, speed >= 0 ? speed : unknown.speed);
    }
    const int parity = indexOf(kParityCodes, f[11]);
    form.setSelection(kParityList, parity > 0 ? parity : 0);
    form.setSelection(kDataBitsList, f[12] <= 3 ? f[12] : 4);
    if (int i = indexOf(kStopBitsCodes, f[13]); i >= 0) form.setSelection(kStopBitsList, i);
    const int air = indexOf(kAirSpeedCodes, f[14]);
    if (air >= 0 || unknown.airSpeed >= 0) {
        form.setSelection(kAirSpeedList, air >= 0 ? air : unknown.airSpeed);
    }
}

void CommonBasePage::showPower(std::uint8_t code) {
    if (int i = indexOf(kPowerCodes, code); i >= 0) form().setRadio(kPower0_5W, i);
}

std::uint8_t CommonBasePage::commonFlagBits() const {
    const auto& f = form();
    std::uint8_t b = 0;
    if (f.radio(kCompanderOn) == 0) b |= kCompanderBit;
    if (f.checked(kBeepPttOff)) b |= kPttOffBeepBit;
    if (channelBeep_ && f.checked(kBeepChannel)) b |= kChannelBeepBit;
    if (f.checked(kBeepPowerOn)) b |= kPowerOnBeepBit;
    return b;
}

}  // namespace rb::families::common96
