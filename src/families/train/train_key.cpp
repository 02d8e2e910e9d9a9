#include "families/train/train_key.h"

#include <algorithm>

#include "families/common96/number_checks.h"
#include "families/train/train_codes.h"
#include "wire/codecs.h"
#include "wire/version_text.h"

namespace rb::families::train {

using namespace key_ids;

namespace {

using common96::kIdentityAck;
using common96::kIdentityAnswer;
constexpr std::uint8_t kTrainWrite = 0x70;
constexpr std::uint8_t kTrainAck = 0x71;
constexpr std::uint8_t kTrainRead = 0x72;
constexpr std::uint8_t kTrainAnswer = 0x73;
constexpr std::uint8_t kKeysWrite = 0x74;
constexpr std::uint8_t kKeysAck = 0x75;
constexpr std::uint8_t kKeysRead = 0x76;
constexpr std::uint8_t kKeysAnswer = 0x77;

constexpr std::uint8_t kPressBit = 0x80;
constexpr std::uint8_t kTestBit = 0x40;
constexpr std::size_t kKeyBytesStart = 12;

// Highest channel number a station type has.
int channelBound(int type) {
    switch (type) {
        case kSectionChief:
            return 128;
        case kOrdinary:
            return 32;
        default:
            return 16;
    }
}

struct Limit {
    int edit;
    int min;
    int max;
    const char* message;
};
constexpr Limit kTimeLimits[] = {
    {kLongPressEdit, 1000, 3000, "长按键时限输入不正确,请设置为1000~3000!"},
    {kComboEdit, 300, 800, "组合键时限输入不正确,请设置为300~800!"},
    {kTestEdit, 2000, 8000, "测机间隔输入不正确,请设置为2000~8000!"},
};

}  // namespace

CTrainKey::CTrainKey(engine::Session& session, TrainState& state)
    : IdentityPage(session, kIndex), state_(state) {
    declareForm();
    bindControls();
    updateIdentity();  // "1" and "1": 257
    applyType();
}

void CTrainKey::bindControls() {
    auto& f = form();
    f.onClick(kReadIdentityButton, [this] { OnReadIdentity(); });
    f.onClick(kWriteIdentityButton, [this] { OnWriteIdentity(); });
    f.onClick(kReadTrainButton, [this] { OnReadTrain(); });
    f.onClick(kWriteTrainButton, [this] { OnWriteTrain(); });
    f.onClick(kReadKeysButton, [this] { OnReadKeys(); });
    f.onClick(kWriteKeysButton, [this] { OnWriteKeys(); });
    for (int id : {kHandheldRadio, kLocomotiveRadio, kSectionRadio, kOrdinaryRadio})
        f.onClick(id, [this] { applyType(); });
    guardOwnerTexts();  // a text longer than its field gets the last one in bounds back
    // The identity follows 调号 and 编号 whatever changes their texts.
    f.addListener([this](int id) {
        if (id == kDispatchEdit || id == kStaffEdit) updateIdentity();
    });
}

void CTrainKey::updateIdentity() {
    const int dispatch = form().intValue(kDispatchEdit);
    const int staff = form().intValue(kStaffEdit);
    form().setInt(kIdentityEdit, (long long)dispatch << 8 | staff);
}

void CTrainKey::selectType(int type) {
    form().setRadio(kHandheldRadio, type);
    applyType();
}

void CTrainKey::applyType() {
    const int type = form().radio(kHandheldRadio);
    const bool keys = type == kHandheld;
    auto& f = form();
    f.enable({kReadKeysButton, kWriteKeysButton, kLongPressEdit, kComboEdit, kTestEdit}, keys);
    for (const KeyRow& row : kKeys) f.enable({row.press, row.test}, keys);
    f.setRange(kChannelSpin, 1, channelBound(type));
}

std::vector<engine::Page::Chain> CTrainKey::fileReadChains() {
    return {[this] { OnReadIdentity(); }, [this] { OnReadTrain(); }, [this] { OnReadKeys(); }};
}

std::vector<engine::Page::Chain> CTrainKey::fileWriteChains() {
    return {[this] { OnWriteIdentity(); }, [this] { OnWriteTrain(); }, [this] { OnWriteKeys(); }};
}

// ---- 个人信息
// ------------------------------------------------------------------------------------

void CTrainKey::OnReadIdentity() {
    beginRequest();
    form().setText(kIdentityEdit, "");
    setGuardedText(kOwnerNameEdit, "");
    setGuardedText(kOwnerTextEdit, "");
    form().setChecked(kAuthCheck, true);
    writeMode_ = 0;
    requestVersion();
}

void CTrainKey::OnWriteIdentity() {
    beginRequest();
    // The identity frame (0x50) goes out third, after the common parameters: its checks come
    // before the first frame.
    if (!checkIdentityValues()) return;
    writeMode_ = 1;
    requestCommon();
}

long long CTrainKey::identityToSend() const {
    // The identity shows (调号 << 8) | 编号; "读取数据" blanks it, and a blank must not go out as
    // identity 0, so an empty field sends what it stands for.
    const auto& f = form();
    const std::string& shown = f.text(kIdentityEdit);
    return shown.empty() ? (long long)f.intValue(kDispatchEdit) << 8 | f.intValue(kStaffEdit)
                         : wire::parseLong(shown);
}

bool CTrainKey::checkIdentityValues() {
    if (!checkOwnerTexts()) return false;
    // Three bytes on the wire.
    const long long identity = identityToSend();
    if (identity < 0 || identity > 0xFFFFFF) return refuse("身份码设置错误,请设为0-16777215!");
    return true;
}

bool CTrainKey::sendIdentityWrite() {
    if (!checkIdentityValues()) return false;
    writeIdentity(std::uint32_t(identityToSend()));
    return true;
}

// ---- 列调参数
// ------------------------------------------------------------------------------------

bool CTrainKey::checkChannel() {
    const int bound = channelBound(form().radio(kHandheldRadio));
    if (common96::numberIn(form().text(kChannelEdit), 1, bound)) return true;
    return showMessage("信道号设置不正确,请设置为1-" + std::to_string(bound) + "!");
}

bool CTrainKey::checkTrainValues() {
    if (!checkChannel()) return false;
    if (!common96::numberIn(form().text(kDispatchEdit), 1, 255)) {
        return showMessage("调号设置不正确,请设置为1-255!");
    }
    if (!common96::numberIn(form().text(kStaffEdit), 1, 15)) {
        return showMessage("人员编号设置不正确,请设置为1-15!");
    }
    return true;
}

bool CTrainKey::checkKeyValues() {
    for (const Limit& l : kTimeLimits) {
        if (!common96::numberIn(form().text(l.edit), l.min, l.max)) return showMessage(l.message);
    }
    return true;
}

bool CTrainKey::precheckWrite() { return checkIdentityValues(); }

bool CTrainKey::precheckFileWrite() {
    // `write` runs all three chains (identity, train parameters, keys): every one is checked
    // before the first frame.
    return checkIdentityValues() && checkTrainValues() && checkKeyValues();
}

void CTrainKey::OnReadTrain() {
    beginRequest();
    if (!checkChannel()) return;
    const int channel = form().intValue(kChannelEdit);
    form().setText(kDispatchEdit, "1");
    form().setText(kStaffEdit, "1");
    updateIdentity();
    selectType(kHandheld);
    send(wire::frame96(kTrainRead, {0x00, 0x01, std::uint8_t(channel - 1)}));
}

void CTrainKey::OnWriteTrain() {
    beginRequest();
    if (!checkTrainValues()) return;
    const auto& f = form();
    const int dispatch = f.intValue(kDispatchEdit);
    const int staff = f.intValue(kStaffEdit);
    const int type = std::max(0, f.radio(kHandheldRadio));
    send(wire::frame96(kTrainWrite,
                       {0x00, 0x01, std::uint8_t(dispatch), std::uint8_t(staff), std::uint8_t(type),
                        std::uint8_t(f.intValue(kChannelEdit) - 1)}));
}

// ---- 按键设置
// ------------------------------------------------------------------------------------

void CTrainKey::OnReadKeys() {
    beginRequest();
    for (const Limit& l : kTimeLimits) form().setText(l.edit, "");
    for (const KeyRow& row : kKeys) {
        form().setChecked(row.press, false);
        form().setChecked(row.test, false);
    }
    send(wire::frame96(kKeysRead, {0x00, 0x01}));
}

void CTrainKey::OnWriteKeys() {
    beginRequest();
    if (!checkKeyValues()) return;
    wire::Bytes payload{0x00, 0x01};
    for (const Limit& l : kTimeLimits) {
        wire::putU16be(payload, std::uint32_t(form().intValue(l.edit)));
    }
    for (const KeyRow& row : kKeys) {
        std::uint8_t b = 0;
        if (form().checked(row.press)) b |= kPressBit;
        if (form().checked(row.test)) b |= kTestBit;
        payload.push_back(b);
    }
    send(wire::frame96(kKeysWrite, payload));
}

// ---- answers -----------------------------------------------------------------------------------

void CTrainKey::OnFrame(const wire::FrameView& f) {
    // Only the answer to the request sent last (its code + 1) moves a chain or reports: a stray
    // write acknowledgement during a read, a read answer during a write, a second or late answer
    // is left alone and timer 1 keeps running.
    if (!takeAnswer(std::uint8_t(f.code() - 1))) return;
    switch (f.code()) {
        case kVersionAnswer:
            session().statusBar.SetText(1, wire::versionText(f));
            reportSuccess(f, "读取版本信息成功");
            requestCommon();
            break;
        case kCommonAnswer:
            onCommon(f);
            break;
        case kCommonWritten:
            reportSuccess(f, "公共参数设置成功");
            sendIdentityWrite();
            break;
        case kIdentityAnswer:
            onIdentity(f);
            reportSuccess(f, "身份信息读取成功");
            break;
        case kIdentityAck:
            reportSuccess(f, "身份信息设置成功");
            break;
        case kTrainAnswer:
            onTrain(f);
            reportSuccess(f, "列调参数读取成功");
            break;
        case kTrainAck:
            reportSuccess(f, "列调参数设置成功");
            break;
        case kKeysAnswer:
            onKeys(f);
            reportSuccess(f, "按键设置读取成功");
            break;
        case kKeysAck:
            reportSuccess(f, "按键设置成功");
            break;
        default:
            break;
    }
}

void CTrainKey::onCommon(const wire::FrameView& f) {
    // In a write, the terminal's own bytes 6-15 go back; only the authentication bit is this
    // page's.
    if (takeCommon(f, kAuthBit, form().checked(kAuthCheck) ? kAuthBit : 0)) return;
    form().setChecked(kAuthCheck, f[kFlagsByte] & kAuthBit);
    requestIdentity();
}

void CTrainKey::onIdentity(const wire::FrameView& f) { showOwnerTexts(f); }

void CTrainKey::onTrain(const wire::FrameView& f) {
    form().setInt(kDispatchEdit, f[6]);
    form().setInt(kStaffEdit, f[7]);
    updateIdentity();
    const std::uint8_t type = f[8];
    selectType(type >= 1 && type <= 3 ? int(type) : int(kHandheld));
    form().setInt(kChannelEdit, f[9] + 1);
}

void CTrainKey::onKeys(const wire::FrameView& f) {
    form().setInt(kLongPressEdit, f.u16be(6));
    form().setInt(kComboEdit, f.u16be(8));
    form().setInt(kTestEdit, f.u16be(10));
    for (int k = 0; k < kKeyRows; ++k) {
        const std::uint8_t b = f[kKeyBytesStart + std::size_t(k)];
        form().setChecked(kKeys[std::size_t(k)].press, b & kPressBit);
        form().setChecked(kKeys[std::size_t(k)].test, b & kTestBit);
    }
}

}  // namespace rb::families::train
