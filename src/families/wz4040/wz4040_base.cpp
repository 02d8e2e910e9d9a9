#include "families/wz4040/wz4040_base.h"

#include <algorithm>

#include "families/eapages/base_answers.h"
#include "families/wz4040/wz4040_base_codes.h"
#include "wire/codecs.h"
#include "wire/ea_payload.h"
#include "wire/utf8.h"

namespace rb::families::wz4040 {

using namespace base_ids;
using namespace base_codes;

namespace {

constexpr const char* kTrunkingLabels[4] = {
    "默认信道发射频率:", "默认信道接收频率:", "脱网信道发射频率:", "脱网信道接收频率:"};
constexpr const char* kRelayLabels[4] = {
    "信道发射频率:", "本地接收频率:", "转发发射频率:", "转发接收频率:"};

}  // namespace

CWZ4040Base::CWZ4040Base(engine::Session& session) : EaPage(session, kIndex) {
    declareForm(form());
    bindReadWrite();
    resetFields();
    form().setText(kTablePage, "1");
    applyVariant(false);  // trunking until the container is shown as the LM520W
}

int CWZ4040Base::step() const {
    return form().radio(kSpacing25) == 1 ? wire::kStep12_5 : wire::kStep25;
}

void CWZ4040Base::applyVariant(bool relayFace) {
    relay_ = relayFace;
    auto& f = form();
    for (std::size_t i = 0; i < kFrequencyLabels.size(); ++i)
        f.setText(kFrequencyLabels[i], relayFace ? kRelayLabels[i] : kTrunkingLabels[i]);
    f.enable({kFrequencyLabels[2], kOffNetTx, kVersionA, kVersionB, kTablePage}, !relayFace);
    for (std::size_t r = 0; r < kRowLabels.size(); ++r) {
        if (relayFace) {
            static const char* kRelayRows[4] = {"B1本地", "B1转发", "B2本地", "B2转发"};
            f.setText(kRowLabels[r], "CH" + std::to_string(r / 4 + 1) + "-" + kRelayRows[r % 4]);
        } else {
            f.setInt(kRowLabels[r], long(r) + 1);
        }
    }
}

void CWZ4040Base::numberRows(int page) {
    if (relay()) return;
    for (std::size_t r = 0; r < kRowLabels.size(); ++r)
        form().setInt(kRowLabels[r], 16L * (page - 1) + long(r) + 1);
}

// ---- reset --------------------------------------------------------------------------------

void CWZ4040Base::resetFields() {
    auto& f = form();
    f.setText(kIdentity, "1");
    f.setRadio(kAuthOn, 1);
    f.setSelection(kCategory, 0);
    f.setRadio(kControlDesk, 3);
    for (int id : kSwitches) f.setChecked(id, false);
    f.setText(kHardware, "0.0");
    f.setText(kSoftware, "0.0");
    f.setText(kBaseNumber, "1");
    f.setText(kChannelNumber, "1");
    f.setRadio(kSpacing25, 0);
    for (int id : {kDefaultTx, kDefaultRx, kOffNetTx, kOffNetRx, kOffNet}) f.setText(id, "0");
    f.setText(kVersionA, "0");
    f.setText(kVersionB, "0");
    for (int i = 0; i < 16; ++i) {
        f.setText(rowTx(i), "0");
        f.setText(rowRx(i), "0");
    }
    f.setText(kRollCallTimeout, "5");
    f.setText(kOffNetTimeout, "1");
    f.setText(kChannelHold, "15");
    f.setText(kPttHold, "60");
    f.setRadio(kAlarmByIdentity, 0);
    f.setText(kAlarmNumber, "0");
    f.setText(kKeyParameter, "0");
    f.setText(kKeyWord, "");
    for (int id : kStatusFields) f.setText(id, "");
}

// ---- requests -----------------------------------------------------------------------------

void CWZ4040Base::requestFactoryText() { send(wire::frameEA(kReadVersion)); }

void CWZ4040Base::requestBasic() { send(wire::frameEA(kReadBasic)); }

bool CWZ4040Base::requestTable() {
    const auto page = whole(form().text(kTablePage), 1, 16);
    if (!page) return showMessage("频率表页号错误,页号范围:1-16!");
    send(wire::frameEA(kReadTable, {std::uint8_t(*page - 1)}));
    numberRows(int(*page));
    return true;
}

void CWZ4040Base::requestStatus() { send(wire::frameEA(kReadStatus)); }

// ---- write checks -------------------------------------------------------------------------

namespace {

struct FrequencyRow {
    int id;
    const char* message;
};
constexpr FrequencyRow kFrequencyRows[] = {
    {kDefaultTx, "默认信道发射频率设置不正确!"},
    {kDefaultRx, "默认信道接收频率设置不正确!"},
    {kOffNetTx, "脱网信道发射频率设置不正确!"},
    {kOffNetRx, "脱网信道接收频率设置不正确!"},
    {kOffNet, "脱网频率设置不正确!"},
};

// The timing edits in frame order, one byte each.
struct TimingField {
    int id;
    const char* message;
};
constexpr TimingField kTimingFields[] = {
    {kRollCallTimeout, "点名超时周期设置错误,请设置为0-255!"},
    {kOffNetTimeout, "脱网超时周期设置错误,请设置为0-255!"},
    {kChannelHold, "信道保持时间设置错误,请设置为0-255!"},
    {kPttHold, "PTT保持时间设置错误,请设置为0-255!"},
};

constexpr std::size_t kAlarmChars = 20;

}  // namespace

bool CWZ4040Base::precheckWrite() {
    return checkBasic() && checkFrequencies() && checkTable() && checkTiming() && checkAlarm() &&
           checkKey();
}

bool CWZ4040Base::checkBasic() {
    const auto& f = form();
    if (!whole(f.text(kBaseNumber), 1, 255)) return showMessage("基站编号设置错误,请设置为1-255!");
    if (!whole(f.text(kChannelNumber), 1, 255))
        return showMessage("信道编号设置错误,请设置为1-255!");
    if (relay()) {
        if (!whole(f.text(kIdentity), 1, 0xFFFF))
            return showMessage("身份码设置错误,请设置为0x01-0xFFFF!");
    } else if (!whole(f.text(kIdentity), 1, kMaxIdentity)) {
        return showMessage("身份码设置错误,请设置为0x01-0x03FFFF!");
    }
    return true;
}

bool CWZ4040Base::checkFrequencies() {
    const int s = step();
    for (const FrequencyRow& r : kFrequencyRows)
        if (!frequencyAccepted(form().text(r.id), s)) return showMessage(r.message);
    return true;
}

bool CWZ4040Base::checkTable() {
    const auto& f = form();
    if (!whole(f.text(kVersionA), 0, 15) || !whole(f.text(kVersionB), 0, 15))
        return showMessage("频率表版本号错误,版本范围:15.15!");
    if (!whole(f.text(kTablePage), 1, 16)) return showMessage("频率表页号错误,页号范围:1-16!");
    const int s = step();
    for (int i = 0; i < 16; ++i) {
        if (!frequencyAccepted(f.text(rowTx(i)), s))
            return showMessage(std::to_string(i) + "信道发射频率设置不正确!");
        if (!frequencyAccepted(f.text(rowRx(i)), s))
            return showMessage(std::to_string(i) + "信道接收频率设置不正确!");
    }
    return true;
}

bool CWZ4040Base::checkTiming() {
    // One byte each on the wire: 300 must not go out as 44.
    for (const TimingField& t : kTimingFields)
        if (!whole(form().text(t.id), 0, 255)) return showMessage(t.message);
    return true;
}

bool CWZ4040Base::checkAlarm() {
    const auto& f = form();
    const std::string& number = f.text(kAlarmNumber);
    if (f.radio(kAlarmByIdentity) != 1) {
        // An empty field writes identity 0, as it always has.
        if (!number.empty() && !whole(number, 0, kMaxIdentity))
            return showMessage("报警身份码设置错误,请设置为0-0x03FFFF!");
        return true;
    }
    if (wire::utf8CharCount(number) > kAlarmChars)
        return showMessage("报警电话号码长度设置错误,请设置为0-20!");
    return true;
}

bool CWZ4040Base::checkKey() {
    const auto& f = form();
    const auto key = whole(f.text(kKeyParameter), 0, 65535);
    if (!key) return showMessage("密钥参数设置错误,请设置为0-65535!");
    // The key word goes out only with key parameter 0.
    return *key != 0 || checkText(f.text(kKeyWord), kKeyWordBytes, "密钥字");
}

// ---- write steps --------------------------------------------------------------------------

bool CWZ4040Base::writeBasic() {
    if (!checkBasic()) return false;
    const auto& f = form();
    const long long base = *wire::parseWhole(f.text(kBaseNumber));
    const long long channel = *wire::parseWhole(f.text(kChannelNumber));
    const long long identity = *wire::parseWhole(f.text(kIdentity));
    wire::Bytes p;
    wire::putU24be(p, std::uint32_t(identity));
    p.push_back(f.radio(kAuthOn) == 0 ? 1 : 0);
    p.push_back(std::uint8_t(std::max(0, f.selection(kCategory))));
    p.push_back(eapages::stationCode(kStationCodes, f.radio(kControlDesk)));
    std::uint8_t switches = 0;
    for (std::size_t i = 0; i < kSwitches.size(); ++i)
        if (f.checked(kSwitches[i])) switches |= kSwitchBits[i];
    p.push_back(switches);
    p.push_back(std::uint8_t(base - 1));
    p.push_back(std::uint8_t(channel - 1));
    send(wire::frameEA(kWriteBasic, p));
    return true;
}

bool CWZ4040Base::writeFrequencies() {
    if (!checkFrequencies()) return false;
    const auto& f = form();
    const int s = step();
    wire::Bytes p{std::uint8_t(s == wire::kStep12_5 ? kSpacing12_5Code : 0x00)};
    for (const FrequencyRow& r : kFrequencyRows) wire::putU16be(p, channelCode(f.text(r.id), s));
    send(wire::frameEA(kWriteFrequencies, p));
    return true;
}

bool CWZ4040Base::writeTable() {
    if (!checkTable()) return false;
    const auto& f = form();
    const long long a = *wire::parseWhole(f.text(kVersionA));
    const long long b = *wire::parseWhole(f.text(kVersionB));
    const long long page = *wire::parseWhole(f.text(kTablePage));
    const int s = step();
    wire::Bytes p{std::uint8_t(a * 16 + b), std::uint8_t(page - 1)};
    for (int i = 0; i < 16; ++i) {
        wire::putU16be(p, channelCode(f.text(rowTx(i)), s));
        wire::putU16be(p, channelCode(f.text(rowRx(i)), s));
    }
    send(wire::frameEA(kWriteTable, p));
    return true;
}

bool CWZ4040Base::writeTiming() {
    if (!checkTiming()) return false;
    const auto& f = form();
    wire::Bytes p;
    for (const TimingField& t : kTimingFields)
        p.push_back(std::uint8_t(*wire::parseWhole(f.text(t.id))));
    send(wire::frameEA(kWriteTiming, p));
    return true;
}

bool CWZ4040Base::writeAlarm() {
    if (!checkAlarm()) return false;
    const auto& f = form();
    const std::string& number = f.text(kAlarmNumber);
    wire::Bytes p;
    if (f.radio(kAlarmByIdentity) != 1) {
        p = {0x55, 0x03};
        wire::putU24be(p, identityOf(number));
    } else {
        p = {0x00};
        putPhoneNumber(p, number);
    }
    send(wire::frameEA(kWriteAlarm, p));
    return true;
}

bool CWZ4040Base::writeKey() {
    if (!checkKey()) return false;
    const auto& f = form();
    const long long key = *wire::parseWhole(f.text(kKeyParameter));
    wire::Bytes p;
    wire::putU16be(p, std::uint32_t(key));
    wire::putGbkField(p, key == 0 ? f.text(kKeyWord) : std::string(), kKeyWordBytes);
    send(wire::frameEA(kWriteKey, p));
    return true;
}

}  // namespace rb::families::wz4040
