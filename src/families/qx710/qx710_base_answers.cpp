// The answers of the QX-7100 base page: each takes its values into the controls and sends the
// chain's next request.
#include <cstdio>

#include "families/eapages/base_answers.h"
#include "families/eapages/ea_codes.h"
#include "families/qx710/qx710_base.h"
#include "families/qx710/qx710_base_codes.h"
#include "wire/codecs.h"
#include "wire/ea_payload.h"

namespace rb::families::qx710 {

using namespace base_ids;
using namespace base_codes;

namespace {

std::string hex2(std::uint8_t b) {
    char buf[4];
    std::snprintf(buf, sizeof buf, "%02x", b);
    return buf;
}

}  // namespace

// ---- answers ------------------------------------------------------------------------------

void CQX710Base::OnFrame(const wire::FrameView& f) {
    using Route = eapages::AnswerRoute<CQX710Base>;
    static const Route kRoutes[] = {
        {kBasicAnswer, &CQX710Base::onBasic},         {kTableAnswer, &CQX710Base::onTable},
        {kStatusAnswer, &CQX710Base::onStatus},       {kVersionAnswer, &CQX710Base::onVersion},
        {kPowerAnswer, &CQX710Base::onPower},         {kAck, &CQX710Base::onAck},
        {kQueryNoChecksum, &CQX710Base::answerQuery}, {kQuery, &CQX710Base::answerQuery},
    };
    eapages::routeAnswer(*this, f, kRoutes);
}

// Each answer acts only when it answers the request the page is waiting for: a late answer
// after a time-out, a second one, or a read answer during a write is traced by the container
// and changes nothing here (timer 1 keeps running for the answer still missing).

void CQX710Base::onBasic(const wire::FrameView& frame) {
    if (!takeAnswer(kReadBasic)) return;
    const wire::EaPayload p(frame);
    auto& f = form();
    f.setInt(kIdentity, p.u24be(0));
    setSpacing(p[6] == kSpacing12_5Code);
    f.setRadio(kAuthOn, p[7] == 1 ? 0 : 1);
    f.setInt(kVersionA, p[8] >> 4);
    f.setInt(kVersionB, p[8] & 0x0F);
    f.setRadio(kControlDesk, eapages::stationRadio(kStationCodes, p[9]));
    f.setInt(kBaseNumber, p[10]);
    f.setInt(kSoftwareHigh, p[11] >> 4);
    f.setInt(kSoftwareLow, p[11] & 0x0F);
    f.setInt(kDefaultNumber, p[12]);
    const int step = state_.freqStep;
    f.setText(kOffNet, wire::frequencyText(p.u16be(13), step));
    f.setText(kDefaultTx, wire::frequencyText(p.u16be(15), step));
    f.setText(kDefaultRx, wire::frequencyText(p.u16be(17), step));
    f.setInt(kRollCallTimeout, p[19]);
    f.setInt(kOffNetTimeout, p[20]);
    f.setInt(kChannelHold, p[21]);
    f.setInt(kPttHold, p[22]);
    eapages::showAlarmBinding(f, p, 23, kAlarmByIdentity, kAlarmNumber,
                              eapages::alarmPhoneText(p, 25, 7, eapages::ZeroNibble::Ends, p[24]));
    const std::uint8_t category = p[32];
    f.setSelection(kSystemCategory, category == 1 || category == 2 ? category : 0);
    if (p[33] == kEncryptOnCode) {
        f.setRadio(kEncryptOn, 0);
        const std::uint16_t key = p.u16be(34);
        f.setInt(kKeyParameter, key);
        f.setText(kKeyWord, key == 0 ? p.text(36, kKeyWordBytes) : std::string());
    } else {
        f.setRadio(kEncryptOn, 1);
    }
    f.setText(kOwnerName, p.text(48, kOwnerNameBytes));
    f.setText(kOwnerText, p.text(67, kOwnerTextBytes));
    for (int id : {kIdentity, kOwnerName, kOwnerText, kAlarmNumber, kKeyWord}) accepted_.accept(id);

    reportSuccess(frame, "查询电台基本参数成功");
    requestTable();
}

void CQX710Base::onTable(const wire::FrameView& frame) {
    if (!takeAnswer(kReadTable)) return;
    const wire::EaPayload p(frame);
    auto& f = form();
    int page = int(wire::parseLong(f.text(kTablePage)));
    if (page < 0 || page > 63) {
        page = 0;
        f.setInt(kTablePage, 0);
    }
    showRowLabels(page);
    const int step = state_.freqStep;
    for (std::size_t r = 0; r < 4; ++r) {
        f.setText(kRowTx[r], wire::frequencyText(p.u16be(1 + 4 * r), step));
        f.setText(kRowRx[r], wire::frequencyText(p.u16be(3 + 4 * r), step));
    }
    reportSuccess(frame, "查询电台信道频率成功");
    requestVersion();
}

void CQX710Base::onStatus(const wire::FrameView& frame) {
    // Ends either chain; arms nothing and leaves timer 1 alone.
    if (!takeAnswer(kReadStatus)) return;
    const wire::EaPayload p(frame);
    auto& f = form();
    f.setInt(kStatusBase, p[0]);
    if (p.lengthField() == 7) {
        f.setInt(kFrequencyNumber, p[1]);
    } else if (p.lengthField() == 9) {
        const std::uint16_t number = p.u16be(7);
        f.setInt(kFrequencyNumber, number != 0 ? number : p[1]);
    }
    const std::uint8_t state = p[2];
    f.setText(kTxRxState, state == 0x11 ? "接收" : state == 0x22 ? "发送" : "空闲");
    f.setInt(kCallType, p[3]);
    f.setInt(kFieldStrength, p[5] & 0x0F);
    f.setInt(kSwr, p[5] >> 4);
    f.setText(kChannelState, p[6] == 0 ? std::string("正常") : "脱网(" + hex2(p[6]) + ")");
    report(frame.code(), "查询电台状态返回成功");
}

void CQX710Base::onVersion(const wire::FrameView& frame) {
    // The text from payload[4] up to its zero byte, or up to the payload's end when none comes.
    if (!takeAnswer(kReadVersion)) return;
    const wire::EaPayload p(frame);
    const wire::Bytes raw = p.bytes(4, p.size());
    std::size_t len = 0;
    while (len < raw.size() && raw[len] != 0) ++len;
    len = std::min(len, kVersionChars);
    const std::string text =
        wire::gbkToUtf8(std::string(raw.begin(), raw.begin() + std::ptrdiff_t(len)));
    stopResponseTimer();
    session().statusBar.SetText(1, text);
    report(frame.code(), "读取版本信息成功", false);
    requestPower(false);
}

void CQX710Base::onPower(const wire::FrameView& frame) {
    if (!takeAnswer(kPowerCode)) return;
    const wire::EaPayload p(frame);
    form().setRadio(kPower5W, p[0] == kPower5WCode ? 0 : 1);
    stopResponseTimer();
    report(frame.code(), "读取发射功率成功", false);
    requestStatus();
}

void CQX710Base::onAck(const wire::FrameView& frame) {
    // An acknowledgement counts only when it echoes the command the page wrote last and is still
    // waiting for; one that echoes another command (another page's, a step already taken, the
    // write of another program) leaves the chain and timer 1 as they are.
    const wire::EaPayload p(frame);
    using Step = eapages::WriteStep<CQX710Base>;
    static const Step kSteps[] = {
        {kSetIdentityCode, "电台身份码设置成功", nullptr},
        {kWriteBasic, "电台基本参数设置成功", &CQX710Base::writeSpacing},
        {kWriteFrequencies, "信道间隔设置成功", &CQX710Base::writeAlarm},
        {kWriteAlarm, "报警电话绑定设置成功", &CQX710Base::writeEncryption},
        {kWriteKey, "加密功能设置成功", &CQX710Base::writeTiming},
        {kWriteTiming, "调度时间参数设置成功", &CQX710Base::writeTable},
        {kWriteTable, "电台信道频率设置成功", nullptr},
    };
    const Step* s = eapages::stepEchoed(kSteps, p[0]);
    if (!s || !takeAnswer(s->echo)) return;
    stopResponseTimer();
    report(frame.code(), s->text);
    if (s->next) (this->*s->next)();
    if (s->echo == kWriteTable) requestPower(true);
}

}  // namespace rb::families::qx710
