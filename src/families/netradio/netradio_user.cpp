#include "families/netradio/netradio_user.h"

#include <algorithm>
#include <climits>

#include "families/common96/common_params.h"
#include "families/common96/number_checks.h"
#include "wire/codecs.h"
#include "wire/version_text.h"

namespace rb::families::netradio {

using namespace user_ids;
using namespace common96;

namespace {

constexpr std::uint8_t kNumbersWrite = 0x44;
constexpr std::uint8_t kNumbersAck = 0x45;
constexpr std::uint8_t kNumbersRead = 0x46;
constexpr std::uint8_t kNumbersAnswer = 0x47;

constexpr std::uint8_t kRelayOn = 0xF5;
constexpr std::uint8_t kNoCode = 0xFF;  // a group-call code that is not set
// Bits of the common flags byte that belong to this page.
constexpr std::uint8_t kCrossGroupBit = 0x20;
constexpr std::uint8_t kAuthBit = 0x80;
constexpr std::uint8_t kOwnBits = kCrossGroupBit | kAuthBit;

constexpr int kMaxGroup = 63;
constexpr int kMaxNumber = 15;

int atoi(const std::string& text) { return wire::parseInt(text); }

}  // namespace

CNetRadioUser::CNetRadioUser(engine::Session& session)
    : EncryptionHopPage(session, kIndex, {.showAnswerHeader = true}) {
    declareForm();
    bindReadWrite();
    bindHandlers();
}

// ---- controls ------------------------------------------------------------------------------

void CNetRadioUser::bindHandlers() {
    auto& f = form();
    // The write button checks identity, group and number before it asks for confirmation.
    f.onClick(engine::kWriteButton, [this] { OnWriteClicked(); });
    f.onChange(kIdentityEdit, [this] { onIdentityChanged(); });
    f.onChange(kGroupEdit, [this] { onGroupChanged(); });
    f.onChange(kNumberEdit, [this] { onNumberChanged(); });
    guardOwnerTexts();
    bindEncryptionHop();
}

// ---- identity rule ---------------------------------------------------------------------------

void CNetRadioUser::onIdentityChanged() {
    // Group and number follow the identity; while they change, they do not recompute it.
    identityGuard_ = true;
    const int identity = atoi(form().text(kIdentityEdit));
    const std::string group = std::to_string(identity / 16);
    const std::string number = std::to_string(identity - 16 * (identity / 16));
    if (form().text(kGroupEdit) != group) {
        form().setText(kGroupEdit, group);
        onGroupChanged();
    }
    if (form().text(kNumberEdit) != number) {
        form().setText(kNumberEdit, number);
        onNumberChanged();
    }
    identityGuard_ = false;
}

void CNetRadioUser::onGroupChanged() {
    // Group-call code 01 is always the local group-call code.
    form().setText(kGroupCodeEdits[0], form().text(kGroupEdit));
    recomputeIdentity();
}

void CNetRadioUser::onNumberChanged() { recomputeIdentity(); }

void CNetRadioUser::recomputeIdentity() {
    if (identityGuard_) return;
    // A group typed with many digits must not overflow: the identity saturates like the
    // numbers read from the edits, and the checks before a write refuse it.
    const long long wide =
        (long long)atoi(form().text(kGroupEdit)) * 16 + atoi(form().text(kNumberEdit));
    const int identity = int(std::clamp<long long>(wide, INT_MIN, INT_MAX));
    const std::string text = std::to_string(identity);
    if (form().text(kIdentityEdit) == text) return;
    form().setText(kIdentityEdit, text);
    onIdentityChanged();
}

void CNetRadioUser::setIdentity(const std::string& text) {
    form().setText(kIdentityEdit, text);
    onIdentityChanged();
}

// ---- reset --------------------------------------------------------------------------------------

void CNetRadioUser::resetFields() {
    auto& f = form();
    identityGuard_ = true;  // the three edits empty together, none re-derives the others
    f.setText(kIdentityEdit, "");
    f.setText(kGroupEdit, "");
    f.setText(kNumberEdit, "");
    identityGuard_ = false;
    setGuardedText(kOwnerNameEdit, "");
    setGuardedText(kOwnerTextEdit, "");
    for (int id : kGroupCodeEdits) f.setText(id, "");
    f.setChecked(kAuthCheck, true);
    f.setChecked(kRelayCheck, true);
    f.setChecked(kCrossGroupCheck, false);
    f.setText(kKeyParamEdit, "0");
    setGuardedText(kKeyWordEdit, "");
}

// ---- read and write chains -------------------------------------------------------------------

void CNetRadioUser::sendFirstRead() {
    // The terminal answers the version request in its own time: nothing waits for it.
    send(wire::frame96(kReadVersion, {0x00, 0x01}));
}

void CNetRadioUser::sendFirstWrite() { requestCommon(); }

bool CNetRadioUser::checkButtonValues() {
    // The write button's own checks, before the confirmation.
    const auto& f = form();
    if (!numberIn(f.text(kIdentityEdit), 17, 1023)) {
        return showMessage("身份码设置不正确,请设置为17-1023!");
    }
    if (!numberIn(f.text(kGroupEdit), 1, kMaxGroup)) {
        return showMessage("本机组呼码设置错误,请设为1-63!");
    }
    if (!numberIn(f.text(kNumberEdit), 1, kMaxNumber)) {
        return showMessage("组内编号设置不正确,请设置为1-15!");
    }
    return true;
}

bool CNetRadioUser::checkIdentityValues() {
    if (!numberIn(form().text(kIdentityEdit), 0, 1024)) {
        return refuse("身份码设置错误,请设为0-1024!");
    }
    return checkOwnerTexts();
}

bool CNetRadioUser::checkNumbersValues() {
    const auto& f = form();
    if (!numberIn(f.text(kGroupEdit), 1, kMaxGroup)) {
        return refuse("本机组呼码设置错误,请设为1-63!");
    }
    if (!numberIn(f.text(kNumberEdit), 1, 63)) return refuse("组内编号设置错误,请设为1-63!");
    for (int k = 2; k <= 16; ++k) {
        // An empty code (or 0) is no code; a negative one has no byte either.
        if (!numberIn(f.text(kGroupCodeEdits[k - 1]), 0, kMaxGroup, 0)) {
            return refuse("所属组呼码" + std::to_string(k) + "设置错误,请设为1-63!");
        }
    }
    return true;
}

bool CNetRadioUser::precheckWrite() {
    // The button's checks, then those of the identity (0x50) and numbers (0x44) steps that
    // follow the common parameters: all before the chain's first frame.
    return checkButtonValues() && checkIdentityValues() && checkNumbersValues();
}

void CNetRadioUser::OnWriteClicked() {
    beginRequest();
    if (!checkButtonValues()) return;
    OnWrite();
}

std::uint8_t CNetRadioUser::ownCommonBits() const {
    std::uint8_t bits = 0;
    if (form().checked(kAuthCheck)) bits |= kAuthBit;
    if (form().checked(kCrossGroupCheck)) bits |= kCrossGroupBit;
    return bits;
}

bool CNetRadioUser::sendIdentityWrite() {
    if (!checkIdentityValues()) return false;
    writeIdentity(std::uint32_t(wire::parseLong(form().text(kIdentityEdit))));
    return true;
}

bool CNetRadioUser::sendNumbersWrite() {
    if (!checkNumbersValues()) return false;
    const auto& f = form();
    const int group = atoi(f.text(kGroupEdit));
    const int number = atoi(f.text(kNumberEdit));
    wire::Bytes codes;
    for (int k = 2; k <= 16; ++k) {
        const int code = atoi(f.text(kGroupCodeEdits[k - 1]));
        codes.push_back(code == 0 ? kNoCode : std::uint8_t(code));
    }
    const int identity = atoi(f.text(kIdentityEdit));
    wire::Bytes payload{0x00, 0x01, 0x00};
    wire::putU16be(payload, std::uint32_t(identity));
    payload.push_back(f.checked(kRelayCheck) ? kRelayOn : 0x00);
    payload.push_back(std::uint8_t(group));
    payload.push_back(std::uint8_t(number));
    payload.push_back(std::uint8_t(group));  // group-call code 01
    payload.insert(payload.end(), codes.begin(), codes.end());
    send(wire::frame96(kNumbersWrite, payload));
    return true;
}

void CNetRadioUser::OnFrame(const wire::FrameView& f) {
    // The hop-map frames are matched by the sender and the read answers. Otherwise only the
    // answer to the request sent last (its code + 1) moves a chain or reports; a stray (a write
    // acknowledgement during a read, a late or second answer) is left alone and timer 1 keeps
    // running.
    if (takeHopFrame(f) || !takeAnswer(std::uint8_t(f.code() - 1))) return;
    if (takeEncryptionAnswer(f)) return;
    switch (f.code()) {
        case kVersionAnswer:
            session().statusBar.SetText(1, wire::versionText(f));
            reportSuccess(f, "读取版本信息成功");
            requestCommon();
            break;
        case kCommonAnswer:
            onCommonParams(f);
            break;
        case kIdentityAnswer:
            onIdentity(f);
            reportSuccess(f, "身份信息读取成功");
            send(wire::frame96(kNumbersRead));
            break;
        case kNumbersAnswer:
            onNumbers(f);
            reportSuccess(f, "本机号码设置读取成功");
            break;
        case kCommonWritten:
            reportSuccess(f, "公共参数设置成功");
            sendIdentityWrite();
            break;
        case kIdentityAck:
            reportSuccess(f, "身份信息设置成功");
            sendNumbersWrite();
            break;
        case kNumbersAck:
            reportSuccess(f, "本机号码设置成功");
            break;
        default:
            break;
    }
}

void CNetRadioUser::onCommonParams(const wire::FrameView& f) {
    // In a write, the terminal's own bytes 6-15 go back with only this page's bits replaced.
    if (takeCommon(f, kOwnBits, ownCommonBits())) return;
    form().setChecked(kAuthCheck, f[kFlagsByte] & kAuthBit);
    form().setChecked(kCrossGroupCheck, f[kFlagsByte] & kCrossGroupBit);
    requestIdentity();
}

void CNetRadioUser::onIdentity(const wire::FrameView& f) { showOwnerTexts(f); }

void CNetRadioUser::onNumbers(const wire::FrameView& f) {
    auto& form = this->form();
    setIdentity(std::to_string(f.u16be(7)));
    form.setChecked(kRelayCheck, f[9] == kRelayOn);
    form.setInt(kGroupEdit, f[10]);
    form.setInt(kNumberEdit, f[11]);
    form.setInt(kGroupCodeEdits[0], f[12]);
    // Codes 02-16: the first 0xFF ends the list (it and every code after it are empty); a value
    // above 63 is no code.
    bool ended = false;
    for (int k = 2; k <= 16; ++k) {
        const std::uint8_t b = f[12 + std::size_t(k - 1)];
        ended = ended || b == kNoCode;
        form.setText(kGroupCodeEdits[k - 1], ended || b > 63 ? "" : std::to_string(b));
    }
}

std::set<int> CNetRadioUser::verifyIgnores() const {
    // The encryption group has its own "设置" button: the write chain leaves it as the
    // terminal holds it, and the read shows that.
    return {kSchemeEdit, kKeyParamEdit, kKeyWordEdit};
}

}  // namespace rb::families::netradio
