#include "families/qx710/qx710_base.h"

#include "families/eapages/base_answers.h"
#include "families/eapages/ea_codes.h"
#include "families/qx710/qx710_base_codes.h"
#include "families/qx710/qx710_numbers.h"
#include "wire/codecs.h"
#include "wire/comm_tool.h"
#include "wire/ea_payload.h"
#include "wire/utf8.h"

namespace rb::families::qx710 {

using namespace base_ids;
using namespace base_codes;

CQX710Base::CQX710Base(engine::Session& session, Qx710State& state)
    : EaPage(session, kIndex), state_(state) {
    declareForm(form());
    setPeriods({engine::Millis(1500), engine::Millis(2500)});
    bindControls();
    bindEditGuards();
    // The periodic read's timer runs for the life of the page; it reads only while the box is
    // ticked.
    startTimer(kPeriodicTimer, engine::Millis(2000));
}

void CQX710Base::bindControls() {
    auto& f = form();
    bindReadWrite();
    f.onClick(kSetIdentity, [this] { setIdentity(); });
    f.onClick(kSpacing25, [this] { state_.freqStep = wire::kStep25; });
    f.onClick(kSpacing12_5, [this] { state_.freqStep = wire::kStep12_5; });
}

void CQX710Base::setSpacing(bool twelveAndHalf) {
    form().setRadio(kSpacing25, twelveAndHalf ? 1 : 0);
    state_.freqStep = twelveAndHalf ? wire::kStep12_5 : wire::kStep25;
}

void CQX710Base::showRowLabels(int page) {
    for (int r = 0; r < 4; ++r) form().setInt(kRowLabels[std::size_t(r)], page * 4 + r);
}

// ---- reset --------------------------------------------------------------------------------

void CQX710Base::resetFields() {
    auto& f = form();
    f.setText(kIdentity, "1");
    f.setRadio(kAuthOn, 1);
    f.setInt(kVersionA, 1);
    f.setInt(kVersionB, 0);
    f.setRadio(kControlDesk, 0);
    f.setInt(kBaseNumber, 0);
    f.setText(kOwnerName, "");
    f.setText(kOwnerText, "");
    f.setInt(kDefaultNumber, 0);
    for (int id : {kOffNet, kDefaultTx, kDefaultRx}) f.setText(id, "0");
    for (int r = 0; r < 4; ++r) {
        f.setText(kRowTx[std::size_t(r)], "0");
        f.setText(kRowRx[std::size_t(r)], "0");
    }
    f.setText(kAlarmNumber, "1");
    f.setRadio(kEncryptOn, 0);
    f.setInt(kKeyParameter, 0);
    f.setText(kKeyWord, "");
    f.setText(kRollCallTimeout, "5");
    f.setText(kOffNetTimeout, "1");
    f.setText(kChannelHold, "10");
    f.setText(kPttHold, "30");
    for (int id : kStatusFields) f.setText(id, "");
    for (int id : {kIdentity, kOwnerName, kOwnerText, kAlarmNumber, kKeyWord}) accepted_.accept(id);
}

// ---- timers -------------------------------------------------------------------------------

void CQX710Base::OnTimer(int id) {
    if (id != kPeriodicTimer || !form().checked(kPeriodicRead)) return;
    // A read exactly as the button starts it, also over a sequence still running.
    periodicStart_ = true;
    OnRead();
    periodicStart_ = false;
}

void CQX710Base::OnResponseTimeout() {
    // A silent terminal ends the periodic read too: one box, not one every two seconds.
    form().setChecked(kPeriodicRead, false);
    engine::Page::OnResponseTimeout();
}

// ---- requests -----------------------------------------------------------------------------

void CQX710Base::request(const wire::Bytes& frame, bool expectAnswer) {
    const bool keepTimer = periodicStart_ && timerRunning(engine::kResponseTimer);
    send(frame, SendOptions{expectAnswer && !keepTimer, true, false});
}

void CQX710Base::setIdentity() {
    // At once from the fields: no confirmation, no response timer, and status part 2 is left as
    // it is. An identity outside 1-262143 (or no number) would go out cut to 24 bits: refused.
    const auto& f = form();
    const auto identity = wire::parseWhole(f.text(kIdentity));
    if (auto msg = wire::CCommTool::CheckIdentity(identity.value_or(-1))) {
        titledBox(*msg);
        return;
    }
    beginRequest();
    wire::Bytes p;
    wire::putU24be(p, std::uint32_t(*identity));
    p.push_back(f.radio(kAuthOn) == 0 ? 1 : 0);
    p.push_back(std::uint8_t(std::max(0, f.selection(kSystemCategory))));
    send(wire::frameEA(kSetIdentityCode, p), SendOptions{false, false, false});
}

std::set<int> CQX710Base::verifyIgnores() const { return {kSystemCategory}; }

void CQX710Base::requestBasic() { request(wire::frameEA(kReadBasic)); }

void CQX710Base::requestTable() {
    request(wire::frameEA(kReadTable, {std::uint8_t(form().intValue(kTablePage))}));
}

void CQX710Base::requestVersion() { request(wire::frameEA(kReadVersion)); }

void CQX710Base::requestPower(bool write) {
    const std::uint8_t power = form().radio(kPower5W) == 0 ? kPower5WCode : kPower20WCode;
    request(wire::frameEA(kPowerCode, {std::uint8_t(write ? 1 : 0), power}));
}

void CQX710Base::requestStatus() { request(wire::frameEA(kReadStatus), false); }

// ---- write checks -------------------------------------------------------------------------

bool CQX710Base::precheckWrite() {
    return checkBasic() && checkSpacing() && checkAlarm() && checkEncryption() && checkTiming() &&
           checkTable();
}

bool CQX710Base::checkBasic() {
    const auto& f = form();
    if (!whole(f.text(kBaseNumber), 0, 63)) return plainBox("基站编号设置错误,请设为0-63!");
    const auto identity = wire::parseWhole(f.text(kIdentity));
    if (auto msg = wire::CCommTool::CheckIdentity(identity.value_or(-1))) return titledBox(*msg);
    if (wire::gbkLength(f.text(kOwnerName)) > kOwnerNameBytes)
        return plainBox("机主姓名设置错误,请设为0-19位!");
    if (!checkText(f.text(kOwnerName), kOwnerNameBytes, "机主姓名")) return false;
    if (wire::gbkLength(f.text(kOwnerText)) > kOwnerTextBytes)
        return plainBox("机主身份信息设置错误,请设为0-63位!");
    if (!checkText(f.text(kOwnerText), kOwnerTextBytes, "机主身份信息")) return false;
    if (!whole(f.text(kVersionA), 0, 15) || !whole(f.text(kVersionB), 0, 15))
        return plainBox("基站频率表版本号错误,版本范围:15.15!");
    return true;
}

bool CQX710Base::checkSpacing() {
    const auto& f = form();
    const int step = state_.freqStep;
    if (!wire::CCommTool::IsFrequencyValid(f.text(kOffNet), step))
        return plainBox("脱网信道频率设置不正确!");
    if (!wire::CCommTool::IsFrequencyValid(f.text(kDefaultTx), step))
        return plainBox("默认信道发射频率设置不正确!");
    if (!wire::CCommTool::IsFrequencyValid(f.text(kDefaultRx), step))
        return plainBox("默认信道接收频率设置不正确!");
    // One byte on the wire, 0-254 in the form: 256 from a file must not go out as 0.
    if (!whole(f.text(kDefaultNumber), 0, 254))
        return plainBox("默认频率编号设置错误,请设为0-254!");
    return true;
}

bool CQX710Base::checkAlarm() {
    const auto& f = form();
    const std::string& number = f.text(kAlarmNumber);
    if (number.empty()) return true;  // written as identity 0
    if (wire::utf8CharCount(number) > kAlarmChars)
        return plainBox("报警电话号码长度设置错误,请设为0-14!");
    if (f.radio(kAlarmByIdentity) == 0 && !whole(number, 0, eapages::kMaxIdentity))
        return plainBox("身份码范围为:0-262143,请重新输入!");
    return true;
}

bool CQX710Base::checkEncryption() {
    const auto& f = form();
    if (!whole(f.text(kKeyParameter), 0, 65535)) return plainBox("密钥参数设置错误,请设为0-65535!");
    if (wire::gbkLength(f.text(kKeyWord)) > kKeyWordBytes)
        return plainBox("密钥字设置错误,请设为0-12位!");
    return checkText(f.text(kKeyWord), kKeyWordBytes, "密钥字");
}

bool CQX710Base::checkTiming() {
    const auto& f = form();
    if (!whole(f.text(kChannelHold), 0, 255)) return plainBox("信道保持时间设置错误,请设为0-255!");
    if (!whole(f.text(kRollCallTimeout), 0, 255))
        return plainBox("点名超时周期设置错误,请设为0-255!");
    if (!whole(f.text(kPttHold), 0, 255)) return plainBox("PTT保持时间设置错误,请设为0-255!");
    if (!whole(f.text(kOffNetTimeout), 0, 255))
        return plainBox("脱网超时周期设置错误,请设为0-255!");
    return true;
}

bool CQX710Base::checkTable() {
    const auto& f = form();
    if (!whole(f.text(kTablePage), 0, 63)) return plainBox("基站编号设置错误,请设为0-63!");
    const int step = state_.freqStep;
    for (const auto& column : {kRowTx, kRowRx}) {
        for (int r = 0; r < 4; ++r) {
            if (auto msg = wire::CCommTool::CheckFrequency(f.text(column[std::size_t(r)]), step, r))
                return titledBox(*msg);
        }
    }
    return true;
}

// ---- write steps --------------------------------------------------------------------------

bool CQX710Base::writeBasic() {
    if (!checkBasic()) return false;
    const auto& f = form();
    wire::Bytes p;
    wire::putU24be(p, std::uint32_t(*wire::parseWhole(f.text(kIdentity))));
    p.push_back(f.radio(kAuthOn) == 0 ? 1 : 0);
    p.push_back(std::uint8_t(*wire::parseWhole(f.text(kVersionA)) * 16 +
                             *wire::parseWhole(f.text(kVersionB))));
    p.push_back(eapages::stationCode(kStationCodes, f.radio(kControlDesk)));
    p.push_back(std::uint8_t(*wire::parseWhole(f.text(kBaseNumber))));
    wire::putGbkField(p, f.text(kOwnerName), kOwnerNameBytes);
    wire::putGbkField(p, f.text(kOwnerText), kOwnerTextBytes);
    request(wire::frameEA(kWriteBasic, p));
    return true;
}

bool CQX710Base::writeSpacing() {
    if (!checkSpacing()) return false;
    const auto& f = form();
    const int step = state_.freqStep;
    wire::Bytes p;
    p.push_back(f.radio(kSpacing25) == 0 ? kSpacing25Code : kSpacing12_5Code);
    wire::putU16be(p, wire::frequencyCode(f.text(kOffNet), step));
    wire::putU16be(p, wire::frequencyCode(f.text(kDefaultTx), step));
    wire::putU16be(p, wire::frequencyCode(f.text(kDefaultRx), step));
    p.push_back(std::uint8_t(*wire::parseWhole(f.text(kDefaultNumber))));
    request(wire::frameEA(kWriteFrequencies, p));
    return true;
}

bool CQX710Base::writeAlarm() {
    auto& f = form();
    if (f.text(kAlarmNumber).empty()) {
        f.setText(kAlarmNumber, "0");
        f.setRadio(kAlarmByIdentity, 0);
        accepted_.accept(kAlarmNumber);  // "0", as just shown
    }
    if (!checkAlarm()) return false;
    const std::string number = f.text(kAlarmNumber);
    const bool byIdentity = f.radio(kAlarmByIdentity) == 0;
    wire::Bytes p;
    putIdentityOrPhone(p, byIdentity, byIdentity ? std::uint32_t(*wire::parseWhole(number)) : 0,
                       kAlarmPhoneCode, number);
    request(wire::frameEA(kWriteAlarm, p));
    return true;
}

bool CQX710Base::writeEncryption() {
    if (!checkEncryption()) return false;
    const auto& f = form();
    wire::Bytes p;
    p.push_back(f.radio(kEncryptOn) == 0 ? kEncryptOnCode : kEncryptOffCode);
    wire::putU16be(p, std::uint32_t(*wire::parseWhole(f.text(kKeyParameter))));
    wire::putGbkField(p, f.text(kKeyWord), kKeyWordBytes);
    request(wire::frameEA(kWriteKey, p));
    return true;
}

bool CQX710Base::writeTiming() {
    if (!checkTiming()) return false;
    const auto& f = form();
    auto value = [&](int id) { return std::uint8_t(*wire::parseWhole(f.text(id))); };
    request(wire::frameEA(kWriteTiming, {value(kRollCallTimeout), value(kOffNetTimeout),
                                         value(kChannelHold), value(kPttHold)}));
    return true;
}

bool CQX710Base::writeTable() {
    if (!checkTable()) return false;
    const auto& f = form();
    const int step = state_.freqStep;
    wire::Bytes p{std::uint8_t(*wire::parseWhole(f.text(kTablePage)))};
    for (std::size_t r = 0; r < 4; ++r) {
        wire::putU16be(p, wire::frequencyCode(f.text(kRowTx[r]), step));
        wire::putU16be(p, wire::frequencyCode(f.text(kRowRx[r]), step));
    }
    request(wire::frameEA(kWriteTable, p));
    return true;
}

void CQX710Base::answerQuery(const wire::FrameView& f) {
    const wire::EaPayload p(f);
    if (p.lengthField() != 1 || p[0] != kQueryPayload) return;
    const wire::Bytes reply = wire::frameEA(f.code(), {0x01, 0x00, 0x00, 0x00, 0x20});
    if (f.code() == kQuery)
        send(reply, SendOptions{false, false, true});  // no timer, status part 2 untouched
    else
        // The 0x55 reply arms timer 1 but is no step of a chain: a read or write running
        // meanwhile keeps waiting for its own answer.
        send(reply, SendOptions{true, true, true});
}

}  // namespace rb::families::qx710
