#include "families/netradio/netradio_user.h"

#include <algorithm>
#include <climits>

#include "families/common96/common_params.h"
#include "families/common96/encryption_group.h"
#include "families/common96/number_checks.h"
#include "families/hopmap/hop_frames.h"
#include "families/hopmap/hop_map.h"
#include "wire/codecs.h"
#include "wire/version_text.h"

namespace rb::families::netradio {

using namespace user_ids;
using namespace common96;

namespace {

constexpr std::uint8_t kIdentityWrite = 0x50;
constexpr std::uint8_t kIdentityAck = 0x51;
constexpr std::uint8_t kIdentityRead = 0x52;
constexpr std::uint8_t kIdentityAnswer = 0x53;
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

constexpr std::size_t kSavedCommonSize = 512;
constexpr std::size_t kNameBytes = 19;
constexpr std::size_t kOwnerTextBytes = 63;
constexpr long long kMaxKey = 65535;
constexpr int kMaxGroup = 63;
constexpr int kMaxNumber = 15;

int atoi(const std::string& text) { return wire::parseInt(text); }

}  // namespace

CNetRadioUser::CNetRadioUser(engine::Session& session)
    : Page(session, kIndex),
      hopMap_(session, form(), this),
      sender_(hopMap_, form(), {engine::kReadButton, engine::kWriteButton},
              [this](const wire::Bytes& frame) { sendHopChunk(frame); }),
      texts_(form()),
      savedCommon_(kSavedCommonSize, 0) {
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
    texts_.guard(kOwnerNameEdit, kNameBytes + 1);
    texts_.guard(kOwnerTextEdit, kOwnerTextBytes + 1);
    texts_.guard(kKeyWordEdit, kKeyWordBytes + 1);
    f.onChange(kKeyParamEdit, [this] { clampNumber(form(), kKeyParamEdit, 0, kMaxKey); });
    f.onClick(kEncryptSetButton, [this] { OnEncryptSet(); });
    f.onClick(kEncryptReadButton, [this] { OnEncryptRead(); });
    f.onClick(hopmap::kReadButton, [this] { OnHopRead(); });
    f.onClick(hopmap::kSetButton, [this] { OnHopSet(); });
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
    texts_.set(kOwnerNameEdit, "");
    texts_.set(kOwnerTextEdit, "");
    for (int id : kGroupCodeEdits) f.setText(id, "");
    f.setChecked(kAuthCheck, true);
    f.setChecked(kRelayCheck, true);
    f.setChecked(kCrossGroupCheck, false);
    f.setText(kKeyParamEdit, "0");
    texts_.set(kKeyWordEdit, "");
}

// ---- read and write chains -------------------------------------------------------------------

void CNetRadioUser::sendFirstRead() {
    // The terminal answers the version request in its own time: nothing waits for it.
    send(wire::frame96(kReadVersion, {0x00, 0x01}));
}

void CNetRadioUser::sendFirstWrite() { sendCommonRead(); }

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

bool CNetRadioUser::checkText(int editId, std::size_t maxBytes, const std::string& field,
                              const std::string& tooLong) {
    // A character GBK has no code for would go out as '?'.
    const std::string& text = form().text(editId);
    if (!wire::gbkEncodable(text)) return refuse(textNotGbkMessage(field));
    if (wire::gbkLength(text) > maxBytes) return refuse(tooLong);
    return true;
}

bool CNetRadioUser::checkIdentityValues() {
    if (!numberIn(form().text(kIdentityEdit), 0, 1024)) {
        return refuse("身份码设置错误,请设为0-1024!");
    }
    return checkText(kOwnerNameEdit, kNameBytes, "机主姓名", "机主姓名设置错误,请设为0-19位!") &&
           checkText(kOwnerTextEdit, kOwnerTextBytes, "机主身份信息",
                     "机主身份信息设置错误,请设为0-63位!");
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

void CNetRadioUser::sendCommonRead() { send(wire::frame96(kReadCommon)); }

void CNetRadioUser::sendCommonWrite() {
    // The terminal's own bytes 6-15, with only this page's two bits of the flags byte replaced.
    wire::Bytes payload{0x00, 0x01};
    payload.insert(payload.end(), savedCommon_.begin() + 6, savedCommon_.begin() + 16);
    std::uint8_t bits = 0;
    if (form().checked(kAuthCheck)) bits |= kAuthBit;
    if (form().checked(kCrossGroupCheck)) bits |= kCrossGroupBit;
    std::uint8_t& flags = payload[2 + (kFlagsByte - 6)];
    flags = std::uint8_t((flags & ~kOwnBits) | bits);
    send(wire::frame96(kWriteCommon, payload));
}

bool CNetRadioUser::sendIdentityWrite() {
    if (!checkIdentityValues()) return false;
    const auto& f = form();
    const long long identity = wire::parseLong(f.text(kIdentityEdit));
    const std::string& name = f.text(kOwnerNameEdit);
    const std::string& text = f.text(kOwnerTextEdit);
    wire::Bytes payload{0x00, 0x00};
    wire::putU24be(payload, std::uint32_t(identity));
    wire::putGbkField(payload, name, kNameBytes);
    wire::putGbkField(payload, text, kOwnerTextBytes);
    send(wire::frame96(kIdentityWrite, payload));
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

bool CNetRadioUser::refuse(const std::string& text) {
    // The page's own boxes carry no icon.
    return showMessage(text, engine::kInfoCaption, engine::Icon::None);
}

// ---- encryption --------------------------------------------------------------------------------

void CNetRadioUser::OnEncryptSet() {
    beginRequest();
    if (auto refusal = common96::encryptionRefusal(form())) {
        refuse(*refusal);
        return;
    }
    if (!wire::gbkEncodable(form().text(kKeyWordEdit))) {
        refuse(textNotGbkMessage("定义密钥"));
        return;
    }
    send(common96::encryptionWriteRequest(form()));
}

void CNetRadioUser::OnEncryptRead() {
    beginRequest();
    send(common96::encryptionReadRequest(form()));
}

// ---- hop map -----------------------------------------------------------------------------------

void CNetRadioUser::OnHopRead() {
    beginRequest();
    form().setText(hopmap::kDataEdit, "");
    send(hopmap::hopReadRequest(hopMap_.scheme()));
    hopMap_.clear();
}

void CNetRadioUser::OnHopSet() {
    beginRequest();
    // Every value is checked before the first chunk: a map the terminal holds only in part, or
    // with values wrapped, is worse than none.
    if (const std::size_t bad = hopmap::firstUnsendableItem(hopMap_.text())) {
        showMessage(hopmap::unsendableItemMessage(bad));
        return;
    }
    // A text without items sends nothing and shows nothing.
    if (!sender_.start()) return;
    // A button timer still running from a read would unlock the buttons in the middle of the
    // transfer.
    stopTimer(engine::kButtonTimer);
}

void CNetRadioUser::sendHopChunk(const wire::Bytes& frame) {
    startTimer(hopmap::kChunkTimer, hopmap::kChunkTimeout);
    send(frame, /*expectAnswer=*/false);
}

void CNetRadioUser::onHopAck(const wire::FrameView& f) {
    // An acknowledgement after the transfer ended (it timed out) reports no success.
    if (!sender_.running()) return;
    // Nor a second acknowledgement of a chunk: only the one of the chunk in flight moves it on.
    // (It is matched by its chunk number: a read's time-out may have come in between.)
    if (!sender_.acknowledges(f)) return;
    takeAnswer(hopmap::kHopWrite);
    stopTimer(hopmap::kChunkTimer);
    reportOnly(f, "跳频图设置成功");
    sender_.chunkAccepted();
}

void CNetRadioUser::OnTimer(int id) {
    if (id != hopmap::kChunkTimer) return;
    stopTimer(hopmap::kChunkTimer);
    // A chunk the terminal did not take leaves its map incomplete: the transfer ends failed
    // instead of sending the chunks after it.
    if (!sender_.chunkTimedOut()) return;
    session().events.timedOut();
    session().statusBar.SetText(2, engine::kFailedStatus);
    session().prompter.info(engine::kFailedBox, engine::kInfoCaption, this);
}

void CNetRadioUser::onHopMap(const wire::FrameView& f) {
    const hopmap::HopAnswer answer = hopmap::decodeHopAnswer(f);
    // Scheme and length only from a frame that holds them (not from its checksum byte).
    constexpr std::size_t kHeaderEnd = 11;  // bytes 0-9 and the checksum
    if (f.size() >= kHeaderEnd) {
        if (answer.scheme <= 3) form().setSelection(hopmap::kSchemeCombo, answer.scheme);
        form().setSelection(hopmap::kLengthCombo, hopmap::indexOfLength(answer.length));
    }
    hopMap_.append(answer.items);
}

// ---- answers -----------------------------------------------------------------------------------

void CNetRadioUser::reportOnly(const wire::FrameView& answer, const std::string& text) {
    session().AppendTrace(answer.code(), "\r\n" + text + "!");
    session().statusBar.SetText(2, text);
    session().events.succeeded(text);
}

void CNetRadioUser::OnFrame(const wire::FrameView& f) {
    // Only the answer to the request sent last (its code + 1) moves a chain or reports; a stray
    // (a write acknowledgement during a read, a late or second answer) is left alone and
    // timer 1 keeps running. The sender and hopReads_ match the hop-map chunks.
    if (f.code() != hopmap::kHopWriteAck && f.code() != hopmap::kHopReadAnswer &&
        !takeAnswer(std::uint8_t(f.code() - 1))) {
        return;
    }
    switch (f.code()) {
        case kVersionAnswer:
            session().statusBar.SetText(1, wire::versionText(f));
            reportSuccess(f, "读取版本信息成功");
            sendCommonRead();
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
        case kEncryptAck:
            reportSuccess(f, "加密方式设置成功");
            break;
        case kEncryptAnswer:
            onEncryption(f);
            reportSuccess(f, "加密方式读取成功");
            break;
        case hopmap::kHopWriteAck:
            onHopAck(f);
            break;
        case hopmap::kHopReadAnswer:
            if (!hopReads_.take(f, [this] { return takeAnswer(hopmap::kHopRead); })) break;
            onHopMap(f);
            reportSuccess(f, "跳频图读取成功");
            break;
        default:
            break;
    }
}

void CNetRadioUser::onCommonParams(const wire::FrameView& f) {
    savedCommon_.assign(kSavedCommonSize, 0);
    for (std::size_t k = 0; k < f.size() && k < kSavedCommonSize; ++k) savedCommon_[k] = f[k];
    // The common parameters belong to the base page: only the trace, no status text.
    session().AppendTrace(f.code(), "\r\n公共参数读取成功!");
    stopTimer(engine::kResponseTimer);
    if (modeFlag() == 1) {
        modeFlag() = 0;
        sendCommonWrite();
        return;
    }
    form().setChecked(kAuthCheck, f[kFlagsByte] & kAuthBit);
    form().setChecked(kCrossGroupCheck, f[kFlagsByte] & kCrossGroupBit);
    send(wire::frame96(kIdentityRead));
}

void CNetRadioUser::onIdentity(const wire::FrameView& f) {
    texts_.set(kOwnerNameEdit, wire::gbkField(f, 9, kNameBytes));
    texts_.set(kOwnerTextEdit, wire::gbkField(f, 28, kOwnerTextBytes));
}

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

void CNetRadioUser::onEncryption(const wire::FrameView& f) {
    const common96::EncryptionAnswer a = common96::decodeEncryption(f);
    if (a.scheme) form().setInt(kSchemeEdit, *a.scheme);
    form().setInt(kKeyParamEdit, a.keyParam);
    texts_.set(kKeyWordEdit, a.keyWord);
}

// ---- configuration file ----------------------------------------------------------------------

void CNetRadioUser::storeFile(ini::IniFile& file) {
    const auto& f = form();
    file.setText(kSection, "UserCode", f.text(kIdentityEdit));
    file.setText(kSection, "UserName", f.text(kOwnerNameEdit));
    file.setText(kSection, "UserInfo", f.text(kOwnerTextEdit));
    file.setRaw(kSection, "JQ", f.checked(kAuthCheck) ? "1" : "0");
    file.setRaw(kSection, "GROUP", f.checked(kCrossGroupCheck) ? "1" : "0");
    file.setInt(kSection, "EncryptPara", wire::parseLong(f.text(kKeyParamEdit)));
    file.setText(kSection, "DefineKey", f.text(kKeyWordEdit));
}

void CNetRadioUser::loadFile(const ini::IniFile& file) {
    auto& f = form();
    setIdentity(file.getText(kSection, "UserCode"));
    texts_.set(kOwnerNameEdit, file.getText(kSection, "UserName"));
    texts_.set(kOwnerTextEdit, file.getText(kSection, "UserInfo"));
    f.setChecked(kAuthCheck, file.getInt(kSection, "JQ") != 0);
    f.setChecked(kCrossGroupCheck, file.getInt(kSection, "GROUP") != 0);
    f.setInt(kKeyParamEdit, file.getInt(kSection, "EncryptPara"));
    texts_.set(kKeyWordEdit, file.getText(kSection, "DefineKey"));
}

std::set<int> CNetRadioUser::verifyIgnores() const {
    // The encryption group has its own "设置" button: the write chain leaves it as the
    // terminal holds it, and the read shows that.
    return {kSchemeEdit, kKeyParamEdit, kKeyWordEdit};
}

}  // namespace rb::families::netradio
