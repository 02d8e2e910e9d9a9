#include "families/qx710/qx710_ctrl.h"

#include <algorithm>
#include <cctype>

#include "families/eapages/ea_codes.h"
#include "families/qx710/qx710_numbers.h"
#include "wire/codecs.h"
#include "wire/comm_tool.h"
#include "wire/ea_payload.h"
#include "wire/utf8.h"

namespace rb::families::qx710 {

using namespace ctrl_ids;

namespace {

constexpr std::uint8_t kGpsCode = 0xA3;
constexpr std::uint8_t kSwitchCode = 0xA6;
constexpr std::uint8_t kCallCode = 0x90;
constexpr std::uint8_t kData96 = 0x96;
constexpr std::uint8_t kData97 = 0x97;  // also the transparent-data mode request
constexpr std::uint8_t kRegroupCode = 0xA8;
constexpr std::uint8_t kUngroupCode = 0xA9;
constexpr std::uint8_t kTeardownCode = 0xA7;
constexpr std::uint8_t kAllocateCode = 0x92;
constexpr std::uint8_t kShipCallCode = 0x94;
constexpr std::uint8_t kAck = 0x80;
constexpr std::size_t kGpsRepeats = 24;
constexpr std::uint8_t kPromptType = 0x04;
constexpr std::uint8_t kPromptEnd = 0x10;
constexpr int kInBandFirst = 32768;
constexpr int kInBandLast = 33567;
constexpr int kInTableLast = 254;
constexpr int kCreationInterval = 3000;
// A 数传间隔 below this would flood the line (0 ms repeats at once); it is kept at least this.
constexpr int kShortestInterval = 100;

struct Echo {
    std::uint8_t echo;
    const char* text;
};
constexpr Echo kEchoes[] = {
    {0x51, "GPS写入成功"},      {0x52, "信道切换成功"},     {0x53, "呼叫发起成功"},
    {0x54, "呼叫分配成功"},     {0x55, "透明传输成功"},     {0x56, "透明传输模式设置成功"},
    {0x57, "动态重组成功"},     {0x58, "动态重组取消成功"}, {0x59, "强拆信道成功"},
    {0x5A, "指定船台呼叫成功"}, {0x5E, "注销登录成功"},
};
// 注销登录 is the station's own report, no answer to a command of this page.
constexpr std::uint8_t kLogoutEcho = 0x5E;

// The echo the station acknowledges a command with: its own numbering for the commands of the
// table above (the 0x97 mode request, three payload bytes, has its own), the command itself
// for the rest (CDMA/WZ选择).
std::uint8_t echoOf(const wire::Bytes& frame) {
    switch (frame[3]) {
        case kGpsCode:
            return 0x51;
        case kSwitchCode:
            return 0x52;
        case kCallCode:
            return 0x53;
        case kAllocateCode:
            return 0x54;
        case kData96:
            return 0x55;
        case kData97:
            return frame.size() == 8 ? 0x56 : 0x55;
        case kRegroupCode:
            return 0x57;
        case kUngroupCode:
            return 0x58;
        case kTeardownCode:
            return 0x59;
        case kShipCallCode:
            return 0x5A;
        default:
            return frame[3];
    }
}

// Identities of this page: 0-262143 (18 bits of the three bytes they travel in).
using eapages::kMaxIdentity;
constexpr std::size_t kCallNumberChars = 14;
constexpr long long kMaxGroupCode = 999999;  // six digits

// An identity already checked (or the empty text of a prompt frame's target, sent as 0).
std::uint32_t identityOf(const std::string& text) {
    return std::uint32_t(wire::parseWhole(text).value_or(0)) & 0xFFFFFF;
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

}  // namespace

CQX710Ctrl::CQX710Ctrl(engine::Session& session, Qx710State& state)
    : EaPage(session, kIndex), state_(state) {
    declareForm();
    bindControls();
    auto& f = form();
    f.setRadio(kLevel0, 0);
    f.setRadio(kByIdentity, 0);
    f.setSelection(kShipControl, 0);
    startTimer(kRepeatTimer, engine::Millis(kCreationInterval));
}

void CQX710Ctrl::bindControls() {
    auto& f = form();
    f.onClick(kGpsButton, [this] { sendGps(); });
    f.onClick(kSwitchButton, [this] { sendSwitch(); });
    f.onClick(kCallButton, [this] { sendCall(); });
    f.onClick(kModeButton, [this] { sendMode(); });
    f.onClick(kDataButton, [this] { sendData(); });
    f.onClick(kPromptButton, [this] { sendPrompt(); });
    f.onClick(kRegroupButton, [this] { sendRegroup(); });
    f.onClick(kUngroupButton, [this] { sendUngroup(); });
    f.onClick(kTeardownButton, [this] { sendTeardown(); });
    f.onClick(kCdmaButton, [this] { sendCdma(); });
    f.onClick(kAllocateButton, [this] { sendAllocate(); });
    f.onClick(kShipCallButton, [this] { sendShipCall(); });
    // The GPS field shows upper-case letters.
    f.onChange(kGpsValue, [this] {
        std::string t = form().text(kGpsValue);
        for (char& c : t) c = char(std::toupper(static_cast<unsigned char>(c)));
        if (t != form().text(kGpsValue)) form().setText(kGpsValue, t);
    });
    f.onClick(kInTable, [this] {
        const long long v = wire::parseLong(form().text(kChannelNumber));
        if (v < 0 || v > kInTableLast) form().setInt(kChannelNumber, 0);
    });
    f.onClick(kInBand, [this] {
        const long long v = wire::parseLong(form().text(kChannelNumber));
        if (v < kInBandFirst || v > kInBandLast) form().setInt(kChannelNumber, kInBandFirst);
    });
    f.onClick(kRepeatNormal, [this] {
        if (form().checked(kRepeatNormal)) form().setChecked(kRepeatPrompt, false);
    });
    f.onClick(kRepeatPrompt, [this] {
        if (form().checked(kRepeatPrompt)) form().setChecked(kRepeatNormal, false);
    });
}

void CQX710Ctrl::sendAwaited(const wire::Bytes& frame, const SendOptions& options) {
    beginRequest();
    awaitedEcho_ = echoOf(frame);
    awaitedCode_ = frame[3];
    send(frame, options);
}

void CQX710Ctrl::sendGps() {
    const std::string& text = form().text(kGpsValue);
    for (char c : text) {
        const char u = char(std::toupper(static_cast<unsigned char>(c)));
        if (u >= 'G' && u <= 'Z') {
            box("请输入正确的16进制字符串!", "输入错误", engine::Icon::Warning);
            return;
        }
    }
    // Read as hexadecimal; any other character that is no hex digit makes the value 0.
    int value = 0;
    for (char c : text) {
        const int d = hexValue(c);
        if (d < 0) {
            value = 0;
            break;
        }
        value = value * 16 + d;
    }
    sendAwaited(wire::frameEA(kGpsCode, wire::Bytes(kGpsRepeats, std::uint8_t(value))));
}

void CQX710Ctrl::sendSwitch() {
    const auto& f = form();
    const int control = f.radio(kSwitchDo);
    const std::uint8_t controlCode = control == 1 ? 0 : control == 2 ? 2 : 1;
    const std::uint8_t type = std::uint8_t(std::max(0, f.radio(kTypeDefault)) + 1);
    const long long number = wire::parseWhole(f.text(kChannelNumber)).value_or(-1);
    if (f.radio(kInTable) != 1) {
        if (number < 0 || number > kInTableLast) {
            showMessage("表内频率编号不正确，请输入0-254!");
            return;
        }
        sendAwaited(wire::frameEA(kSwitchCode, {controlCode, type, 0x01, std::uint8_t(number)}));
        return;
    }
    if (number < kInBandFirst || number > kInBandLast) {
        showMessage("带内频率编号不正确，请输入32768-33567!");
        return;
    }
    if (number % 2 != 0) {
        showMessage("因船台频率步进为25KHz,带内信道切换时:\r\n请输入偶数频率编号！");
        return;
    }
    sendAwaited(wire::frameEA(
        kSwitchCode, {controlCode, type, 0x00, std::uint8_t(number >> 8), std::uint8_t(number)}));
}

void CQX710Ctrl::sendCall() {
    const auto& f = form();
    const std::string& number = f.text(kCallNumber);
    if (number.empty()) {
        showMessage("发起呼叫号码不能为空!");
        return;
    }
    if (f.radio(kByIdentity) != 1) {
        if (!whole(number, 0, kMaxIdentity)) {
            showMessage("呼叫身份码设置错误,请设为0-262143!");
            return;
        }
    } else if (wire::utf8CharCount(number) > kCallNumberChars) {
        showMessage("发起呼叫号码长度设置错误,请设为0-14!");
        return;
    }
    const std::uint8_t level = std::uint8_t(5 + std::max(0, f.radio(kLevel0)));
    wire::Bytes p{level};
    putIdentityOrPhone(p, f.radio(kByIdentity) != 1, identityOf(number), 0x00, number);
    sendAwaited(wire::frameEA(kCallCode, p));
}

bool CQX710Ctrl::checkTarget() {
    const std::string& target = form().text(kTarget);
    if (target.empty()) return showMessage("目标身份码不能为空!");
    if (!whole(target, 0, kMaxIdentity)) return showMessage("目标身份码设置错误,请设为0-262143!");
    return true;
}

bool CQX710Ctrl::checkData() {
    const std::string& data = form().text(kData);
    if (data.empty()) return showMessage("传输数据不能为空!");
    // A character GBK has no code for would go out as '?'.
    if (!wire::gbkEncodable(data)) return showMessage(textNotGbkMessage("透明数据"));
    return true;
}

bool CQX710Ctrl::checkGroup() {
    const std::string& group = form().text(kGroupCode);
    if (group.empty()) return showMessage("组呼码不能为空!");
    if (!whole(group, 0, kMaxGroupCode)) return showMessage("组呼码设置错误,请设为0-999999!");
    return true;
}

void CQX710Ctrl::sendMode() {
    if (!checkTarget()) return;
    wire::Bytes p;
    wire::putU24be(p, identityOf(form().text(kTarget)));
    sendAwaited(wire::frameEA(kData97, p));
}

std::uint8_t CQX710Ctrl::dataCommand() const { return form().checked(kUse97) ? kData97 : kData96; }

wire::Bytes CQX710Ctrl::dataFrame(std::uint8_t type) const {
    // The text byte for byte (GBK), at most 1000 bytes: the frame is sized to what it carries.
    std::string data = wire::utf8ToGbk(form().text(kData));
    if (data.size() > std::size_t(kMaxData)) data.resize(kMaxData);
    wire::Bytes p{type};
    wire::putU24be(p, identityOf(form().text(kTarget)));
    p.insert(p.end(), data.begin(), data.end());
    return wire::frameEA(dataCommand(), p);
}

wire::Bytes CQX710Ctrl::promptFrame() const {
    wire::Bytes p{kPromptType};
    wire::putU24be(p, identityOf(form().text(kTarget)));
    p.push_back(kPromptEnd);
    return wire::frameEA(dataCommand(), p);
}

void CQX710Ctrl::sendData() {
    const auto& f = form();
    if (!checkTarget() || !checkData()) return;
    sendAwaited(dataFrame(std::uint8_t(std::max(0, f.radio(kLevel0)) + 1)));
}

void CQX710Ctrl::sendPrompt() {
    if (!checkTarget()) return;
    sendAwaited(promptFrame(), SendOptions{false, false, false});  // no timer, no status text
}

void CQX710Ctrl::sendRegroup() {
    if (!checkGroup()) return;
    const std::string& group = form().text(kGroupCode);
    wire::Bytes p;
    wire::putU24be(p, identityOf(group));
    for (std::uint32_t member : {1u, 2u, 3u}) wire::putU24be(p, member);
    sendAwaited(wire::frameEA(kRegroupCode, p));
}

void CQX710Ctrl::sendUngroup() {
    if (!checkGroup()) return;
    const std::string& group = form().text(kGroupCode);
    wire::Bytes p;
    wire::putU24be(p, identityOf(group));
    sendAwaited(wire::frameEA(kUngroupCode, p));
}

void CQX710Ctrl::sendTeardown() { sendAwaited(wire::frameEA(kTeardownCode)); }

void CQX710Ctrl::sendCdma() { sendAwaited(eapages::cdmaSelectFrame(form(), kCdma)); }

void CQX710Ctrl::sendAllocate() {
    const auto& f = form();
    const long long calling = wire::parseWhole(f.text(kCalling)).value_or(-1);
    const long long called = wire::parseWhole(f.text(kCalled)).value_or(-1);
    for (long long id : {calling, called}) {
        if (auto msg = wire::CCommTool::CheckIdentity(id)) {
            titledBox(*msg);
            return;
        }
    }
    const int step = state_.freqStep;
    if (!wire::CCommTool::IsFrequencyValid(f.text(kRxFrequency), step)) {
        showMessage("接收频率设置不正确!");
        return;
    }
    if (!wire::CCommTool::IsFrequencyValid(f.text(kTxFrequency), step)) {
        showMessage("发射频率设置不正确!");
        return;
    }
    wire::Bytes p{0x01};
    wire::putU24be(p, std::uint32_t(called));
    wire::putU24be(p, std::uint32_t(calling));
    p.insert(p.end(), 4, 0x00);
    wire::putU16be(p, wire::frequencyCode(f.text(kTxFrequency), step));
    wire::putU16be(p, wire::frequencyCode(f.text(kRxFrequency), step));
    sendAwaited(wire::frameEA(kAllocateCode, p));
}

void CQX710Ctrl::sendShipCall() {
    const auto& f = form();
    if (f.text(kShipIdentity).empty()) {
        showMessage("船台身份码不能为空!");
        return;
    }
    if (!whole(f.text(kShipIdentity), 0, kMaxIdentity)) {
        showMessage("船台身份码设置错误,请设为0-262143!");
        return;
    }
    const int item = f.selection(kShipControl);
    if (item < 0 || item >= int(std::size(kShipControls))) {
        showMessage("请选择控制类型!");
        return;
    }
    wire::Bytes p;
    wire::putU24be(p, identityOf(f.text(kShipIdentity)));
    p.push_back(kShipControls[item].code);
    sendAwaited(wire::frameEA(kShipCallCode, p));
}

// ---- repeated data ------------------------------------------------------------------------

void CQX710Ctrl::OnTimer(int id) {
    if (id == kRepeatTimer) repeatTick();
}

void CQX710Ctrl::repeatTick() {
    auto& f = form();
    const int interval = std::max(kShortestInterval, wire::parseInt(f.text(kDataInterval)));
    startTimer(kRepeatTimer, engine::Millis(interval));
    // Repeated frames go out in the background: no response timer, no status text.
    // A refused target or data clears its box: one message, not one per tick.
    if (f.checked(kRepeatNormal)) {
        if (!checkTarget() || !checkData())
            f.setChecked(kRepeatNormal, false);
        else
            send(dataFrame(1), SendOptions{false, false, true});
    } else if (f.checked(kRepeatPrompt)) {
        if (!checkTarget()) {
            f.setChecked(kRepeatPrompt, false);
        } else {
            send(promptFrame(), SendOptions{false, false, true});
        }
    }
}

// ---- answers ------------------------------------------------------------------------------

void CQX710Ctrl::OnFrame(const wire::FrameView& f) {
    switch (f.code()) {
        case kAck: {
            // Only the acknowledgement of the command the page is waiting for stops timer 1 and
            // reports; an echo of another command (another page's write, a second or late
            // acknowledgement) is left to the container's trace.
            const wire::EaPayload p(f);
            const Echo* echo = nullptr;
            for (const Echo& e : kEchoes)
                if (e.echo == p[0]) echo = &e;
            if (p[0] == kLogoutEcho) {
                report(f.code(), echo->text);
                break;
            }
            // Only the echo of the command sent last, still waited for, stops timer 1 and reports.
            if (p[0] != awaitedEcho_ || !takeAnswer(awaitedCode_)) break;
            stopResponseTimer();
            if (echo) report(f.code(), echo->text);  // CDMA/WZ选择 has no text of its own
            break;
        }
        case 0x5B:
        case 0x95:
            report(f.code(), "呼叫控制成功");
            break;
        case 0x5C:
        case 0x91:
            report(f.code(), "呼叫发起成功");
            break;
        case 0x5D:
        case 0x93:
            report(f.code(), "呼叫分配成功");
            break;
        default:
            break;
    }
}

}  // namespace rb::families::qx710
