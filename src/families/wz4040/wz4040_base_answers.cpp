// The answers of the WZ-4040 base page: each takes its values into the controls and sends the
// chain's next request.
#include <algorithm>
#include <cstdio>

#include "families/eapages/base_answers.h"
#include "families/eapages/ea_codes.h"
#include "families/wz4040/wz4040_base.h"
#include "families/wz4040/wz4040_base_codes.h"
#include "wire/codecs.h"
#include "wire/ea_payload.h"

namespace rb::families::wz4040 {

using namespace base_ids;
using namespace base_codes;

namespace {

std::string versionText(std::uint8_t b) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%X.%X", b >> 4, b & 0x0F);
    return buf;
}

// Base-station and channel numbers travel as number - 1; 0xFF stands for none.
std::string numberText(std::uint8_t b) { return b == 0xFF ? "0" : std::to_string(b + 1); }
std::string statusNumberText(std::uint8_t b) { return b == 0xFF ? "无" : std::to_string(b + 1); }

std::string stationText(std::uint8_t b) {
    switch (b) {
        case 0xDD:
            return "控制调度台";
        case 0xAA:
            return "业务调度台";
        case 0xCC:
            return "延伸中转台";
        default:
            return "普通电台";
    }
}

std::string txRxText(std::uint8_t b) {
    switch (b) {
        case 0x00:
            return "空闲";
        case 0x11:
            return "接收";
        case 0x22:
            return "发送";
        case 0x33:
            return "双工";
        case 0x44:
            return "挂机";
        case 0x55:
            return "摘机";
        default:
            return std::to_string(b);
    }
}

std::string switchText(std::uint8_t b) {
    static const char* kTexts[] = {"无切换",           "指定信道",          "脱网信道",
                                   "脱网频率",         "默认信道,收发调换", "指定信道,收发调换",
                                   "脱网信道,收发调换"};
    if (b < std::size(kTexts)) return kTexts[b];
    // Codes above 6 have no name: the code itself is shown, so the technician sees what came.
    return "未知(" + std::to_string(b) + ")";
}

}  // namespace

// ---- answers ------------------------------------------------------------------------------

void CWZ4040Base::OnFrame(const wire::FrameView& f) {
    using Route = eapages::AnswerRoute<CWZ4040Base>;
    static const Route kRoutes[] = {
        {kVersionAnswer, &CWZ4040Base::onFactoryText},
        {kBasicAnswer, &CWZ4040Base::onBasic},
        {kTableAnswer, &CWZ4040Base::onTable},
        {kStatusAnswer, &CWZ4040Base::onStatus},
        {kAck, &CWZ4040Base::onAck},
    };
    eapages::routeAnswer(*this, f, kRoutes);
}

// Each answer acts only when it answers the request the page is waiting for: a late answer
// after a time-out, a second one, or a read answer during a write is traced by the container
// and changes nothing here (timer 1 keeps running for the answer still missing).

void CWZ4040Base::onFactoryText(const wire::FrameView& frame) {
    if (!takeAnswer(kReadVersion)) return;
    // The text starts at frame offset 8 and takes at most (low byte of the length - 8) bytes, at
    // most 99: a length below 8 gives no text, and the text never runs past the frame.
    const wire::EaPayload p(frame);
    const int announced = int(p.lengthField() & 0xFF) - 8;
    const std::size_t width =
        std::min<std::size_t>(std::size_t(std::max(0, announced)), kFactoryTextMax);
    stopTimer(engine::kResponseTimer);
    session().statusBar.SetText(1, p.text(4, width));
    reportSuccess(frame, "出厂信息读取成功");
    requestBasic();
}

void CWZ4040Base::onBasic(const wire::FrameView& frame) {
    if (!takeAnswer(kReadBasic)) return;
    const wire::EaPayload p(frame);
    auto& f = form();
    f.setInt(kIdentity, p.u24be(0));
    f.setRadio(kAuthOn, p[3] == 1 ? 0 : 1);
    if (p[4] < f.items(kCategory).size()) f.setSelection(kCategory, p[4]);
    f.setRadio(kControlDesk, eapages::stationRadio(kStationCodes, p[5]));
    for (std::size_t i = 0; i < kSwitches.size(); ++i)
        f.setChecked(kSwitches[i], (p[6] & kSwitchBits[i]) != 0);
    f.setText(kBaseNumber, numberText(p[7]));
    f.setText(kChannelNumber, numberText(p[8]));
    f.setText(kHardware, versionText(p[9]));
    f.setText(kSoftware, versionText(p[10]));
    f.setInt(kVersionA, p[11] >> 4);
    f.setInt(kVersionB, p[11] & 0x0F);
    const bool narrow = p[12] == kSpacing12_5Code;
    f.setRadio(kSpacing25, narrow ? 1 : 0);
    const int s = narrow ? wire::kStep12_5 : wire::kStep25;
    const int frequencies[] = {kDefaultTx, kDefaultRx, kOffNetTx, kOffNetRx, kOffNet};
    for (std::size_t i = 0; i < std::size(frequencies); ++i)
        f.setText(frequencies[i], wire::frequencyText(p.u16be(13 + 2 * i), s));
    f.setInt(kRollCallTimeout, p[23]);
    f.setInt(kOffNetTimeout, p[24]);
    f.setInt(kChannelHold, p[25]);
    f.setInt(kPttHold, p[26]);
    eapages::showAlarmBinding(
        f, p, 27, kAlarmByIdentity, kAlarmNumber,
        eapages::alarmPhoneText(p, 29, std::min<std::size_t>(p[28] / 2, kAlarmBytesMax),
                                eapages::ZeroNibble::Skipped));
    const std::uint16_t key = p.u16be(39);
    f.setInt(kKeyParameter, key);
    if (key == 0) f.setText(kKeyWord, p.text(41, kKeyWordBytes));
    reportSuccess(frame, "基本参数读取成功");
    requestTable();
}

void CWZ4040Base::onTable(const wire::FrameView& frame) {
    if (!takeAnswer(kReadTable)) return;
    const wire::EaPayload p(frame);
    auto& f = form();
    f.setInt(kVersionA, p[0] >> 4);
    f.setInt(kVersionB, p[0] & 0x0F);
    const int s = step();
    for (int i = 0; i < 16; ++i) {
        f.setText(rowTx(i), wire::frequencyText(p.u16be(2 + 4 * std::size_t(i)), s));
        f.setText(rowRx(i), wire::frequencyText(p.u16be(4 + 4 * std::size_t(i)), s));
    }
    reportSuccess(frame, "信道频率读取成功");
    requestStatus();
}

void CWZ4040Base::onStatus(const wire::FrameView& frame) {
    if (!takeAnswer(kReadStatus)) return;
    const wire::EaPayload p(frame);
    auto& f = form();
    f.setText(kStatusBase, statusNumberText(p[0]));
    f.setText(kStatusChannel, statusNumberText(p[1]));
    f.setText(kStatusType, stationText(p[2]));
    f.setText(kStatusCall, callTypeText(p[3]));
    f.setText(kStatusTxRx, txRxText(p[4]));
    f.setInt(kStatusQuality, (p[5] >> 3) & 0x07);
    f.setInt(kStatusStrength, p[5] & 0x07);
    f.setText(kStatusSwitch, switchText(p[6]));
    reportSuccess(frame, "状态查询成功");
}

void CWZ4040Base::onAck(const wire::FrameView& frame) {
    // Only the acknowledgement of the command written last, still waited for, moves the chain
    // (and stops timer 1); an echo of anything else is left to the container's trace.
    const wire::EaPayload p(frame);
    using Step = eapages::WriteStep<CWZ4040Base>;
    static const Step kSteps[] = {
        {kWriteBasic, "基本参数设置成功", &CWZ4040Base::writeFrequencies},
        {kWriteFrequencies, "基本参数设置成功", &CWZ4040Base::writeTable},
        {kWriteTable, "电台频率表设置成功", &CWZ4040Base::writeTiming},
        {kWriteTiming, "调度时间参数设置成功", &CWZ4040Base::writeAlarm},
        {kWriteAlarm, "报警电话绑定号码设置成功", &CWZ4040Base::writeKey},
        {kWriteKey, "密钥参数设置成功", nullptr},
    };
    const Step* s = eapages::stepEchoed(kSteps, p[0]);
    if (!s || !takeAnswer(s->echo)) return;
    reportSuccess(frame, s->text);
    if (s->next) (this->*s->next)();
}

}  // namespace rb::families::wz4040
