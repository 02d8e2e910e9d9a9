#include "families/lm52r/lm52r_user.h"

#include <cstdio>

#include "families/common96/encryption_group.h"
#include "families/common96/number_checks.h"
#include "families/hopmap/hop_frames.h"
#include "families/hopmap/hop_map.h"
#include "families/lm52r/lm52r_codes.h"
#include "wire/codecs.h"
#include "wire/text_format.h"
#include "wire/version_text.h"

namespace rb::families::lm52r {

using namespace user_ids;

using common96::kEncryptAck;
using common96::kEncryptAnswer;
using common96::kKeyWordBytes;

namespace {

constexpr std::uint8_t kIdentityWrite = 0x50;
constexpr std::uint8_t kIdentityAck = 0x51;
constexpr std::uint8_t kIdentityRead = 0x52;
constexpr std::uint8_t kIdentityAnswer = 0x53;
constexpr std::uint8_t kBindingWrite = 0x28;
constexpr std::uint8_t kBindingAck = 0x29;
constexpr std::uint8_t kBindingRead = 0x2A;
constexpr std::uint8_t kBindingAnswer = 0x2B;
constexpr std::uint8_t kStandbyWrite = 0x2C;
constexpr std::uint8_t kStandbyAck = 0x2D;
constexpr std::uint8_t kStandbyRead = 0x2E;
constexpr std::uint8_t kStandbyAnswer = 0x2F;

constexpr std::uint8_t kRelayOn = 0xF5;
// Bits of the common flags byte (frame byte 8) that belong to this page.
constexpr std::uint8_t kBindBit = 0x10;        // 绑定允许
constexpr std::uint8_t kAllStandbyBit = 0x20;  // 守候全有效
constexpr std::uint8_t kAuthBit = 0x80;        // 鉴权(使能)
constexpr std::uint8_t kOwnBits = kBindBit | kAllStandbyBit | kAuthBit;

constexpr std::size_t kSavedCommonSize = 512;
constexpr std::size_t kNameBytes = 19;
constexpr std::size_t kOwnerTextBytes = 63;
constexpr long long kMaxCode = 65535;

constexpr const char* kSection = "TelSet";

using wire::twoDigits;

// A fixed-width GBK text of a received frame (stops at the first zero byte).
const char* flag(bool on) { return on ? "1" : "0"; }

}  // namespace

CLM52RUser::CLM52RUser(engine::Session& session, Lm52rState& state)
    : Page(session, kIndex),
      state_(state),
      hopMap_(session, form(), this),
      sender_(hopMap_, form(), {engine::kReadButton, engine::kWriteButton},
              [this](const wire::Bytes& frame) { sendHopChunk(frame); }),
      savedCommon_(kSavedCommonSize, 0),
      texts_(form()) {
    declareForm();
    bindReadWrite();
    bindHandlers();
}

// ---- controls ------------------------------------------------------------------------------

void CLM52RUser::bindHandlers() {
    auto& f = form();
    f.onClick(kBindAllowedCheck, [this] { showBindingEdits(); });
    f.onClick(kSelectAllCheck, [this] {
        const bool on = form().checked(kSelectAllCheck);
        for (int g = 1; g <= 16; ++g) showStandbySelection(g, on);
    });
    for (int g = 1; g <= 16; ++g) {
        f.onClick(kStandbyChecks[g - 1],
                  [this, g] { showStandbySelection(g, form().checked(kStandbyChecks[g - 1])); });
    }
    // Byte-limited texts: an edit that reaches the limit gets its previous text back.
    texts_.guard(kOwnerNameEdit, kNameBytes + 1);
    texts_.guard(kOwnerTextEdit, kOwnerTextBytes + 1);
    texts_.guard(kKeyWordEdit, kKeyWordBytes + 1);
    f.onChange(kKeyParamEdit, [this] { clampCode(kKeyParamEdit, 0, kMaxCode); });
    for (int id : kBindingEdits) f.onChange(id, [this, id] { clampCode(id, 0, kMaxCode); });
    for (int id : kStandbyEdits) f.onChange(id, [this, id] { clampCode(id, 0, kMaxCode); });

    f.onClick(kEncryptSetButton, [this] { OnEncryptSet(); });
    f.onClick(kEncryptReadButton, [this] { OnEncryptRead(); });
    f.onClick(hopmap::kReadButton, [this] { OnHopRead(); });
    f.onClick(hopmap::kSetButton, [this] { OnHopSet(); });
}

void CLM52RUser::clampCode(int editId, long long lo, long long hi) {
    common96::clampNumber(form(), editId, lo, hi);
}

void CLM52RUser::setGuardedText(int editId, const std::string& text) { texts_.set(editId, text); }

void CLM52RUser::showBindingEdits() {
    const bool on = form().checked(kBindAllowedCheck);
    for (int id : kBindingEdits) form().enable(id, on);
}

void CLM52RUser::showStandbySelection(int group, bool on) {
    form().setChecked(kStandbyChecks[group - 1], on);
    form().enable(kStandbyEdits[group - 1], on);
}

void CLM52RUser::resetFields() {
    auto& f = form();
    f.setText(kCategoryEdit, "");
    f.setText(kIdentityEdit, "");
    setGuardedText(kOwnerNameEdit, "");
    setGuardedText(kOwnerTextEdit, "");
    f.setChecked(kRelayCheck, false);
    f.setChecked(kAuthCheck, true);
    f.setText(kKeyParamEdit, "0");
    setGuardedText(kKeyWordEdit, "");
    for (int id : kBindingEdits) f.setText(id, "");
    for (int g = 1; g <= 16; ++g) {
        f.setText(kStandbyEdits[g - 1], "");
        showStandbySelection(g, false);
    }
}

// ---- requests --------------------------------------------------------------------------------

void CLM52RUser::sendFirstRead() { sendVersionRead(); }

void CLM52RUser::sendFirstWrite() { sendCommonRead(); }

void CLM52RUser::sendVersionRead() { send(wire::frame96(kReadVersion, {0x00, 0x01})); }

void CLM52RUser::sendCommonRead() { send(wire::frame96(kReadCommon)); }

void CLM52RUser::sendCommonWrite() {
    // The terminal's own bytes 6-15, with only this page's bits of the flags byte replaced.
    wire::Bytes payload{0x00, 0x01};
    payload.insert(payload.end(), savedCommon_.begin() + 6, savedCommon_.begin() + 16);
    std::uint8_t bits = 0;
    if (form().checked(kBindAllowedCheck)) bits |= kBindBit;
    if (form().checked(kAllStandbyCheck)) bits |= kAllStandbyBit;
    if (form().checked(kAuthCheck)) bits |= kAuthBit;
    std::uint8_t& flags = payload[2 + (8 - 6)];
    flags = std::uint8_t((flags & ~kOwnBits) | bits);
    send(wire::frame96(kWriteCommon, payload));
}

void CLM52RUser::sendIdentityRead() { send(wire::frame96(kIdentityRead)); }

bool CLM52RUser::checkText(int editId, std::size_t maxBytes, const std::string& field,
                           const std::string& tooLong) {
    // A character GBK has no code for would go out as '?'.
    const std::string& text = form().text(editId);
    if (!wire::gbkEncodable(text)) return refuse(textNotGbkMessage(field));
    if (wire::gbkLength(text) > maxBytes) return refuse(tooLong);
    return true;
}

bool CLM52RUser::checkIdentityValues() {
    if (!common96::numberIn(form().text(kIdentityEdit), 0, kMaxCode)) {
        return refuse("身份码设置错误,请设为0-65535!");
    }
    return checkText(kOwnerNameEdit, kNameBytes, "机主姓名", "机主姓名设置错误,请设为0-19位!") &&
           checkText(kOwnerTextEdit, kOwnerTextBytes, "机主身份信息",
                     "机主身份信息设置错误,请设为0-63位!");
}

bool CLM52RUser::checkBindingValues() {
    for (int k = 1; k <= 16; ++k) {
        // An empty code goes out as 0.
        if (!common96::numberIn(form().text(kBindingEdits[k - 1]), 0, kMaxCode, 0)) {
            return refuse(twoDigits(k) + "信道绑定号码设置错误,请设为0-65535!");
        }
    }
    return true;
}

bool CLM52RUser::checkStandbyValues() {
    if (!common96::numberIn(form().text(kCategoryEdit), 1, 4)) {
        return refuse("系统类别设置错误,请设为1-4!");
    }
    for (int g = 1; g <= 16; ++g) {
        // An empty code goes out as 0, as it always has.
        if (!common96::numberIn(form().text(kStandbyEdits[g - 1]), 0, kMaxCode, 0)) {
            return refuse(twoDigits(g) + "信道守候组设置错误,请设为0-65535!");
        }
    }
    return true;
}

bool CLM52RUser::precheckWrite() {
    // The write chain sends the identity (0x50), the bindings (0x28) and the standby groups
    // (0x2C) after the common parameters: all of them are checked before its first frame.
    return checkIdentityValues() && checkBindingValues() && checkStandbyValues();
}

bool CLM52RUser::sendIdentityWrite() {
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

void CLM52RUser::sendBindingRead() { send(wire::frame96(kBindingRead)); }

bool CLM52RUser::sendBindingWrite() {
    if (!checkBindingValues()) return false;
    wire::Bytes payload{0x00, 0x01};
    for (int k = 1; k <= 16; ++k) {
        const auto code = common96::numberIn(form().text(kBindingEdits[k - 1]), 0, kMaxCode, 0);
        wire::putU16be(payload, std::uint32_t(*code));
    }
    send(wire::frame96(kBindingWrite, payload));
    return true;
}

void CLM52RUser::sendStandbyRead() { send(wire::frame96(kStandbyRead)); }

bool CLM52RUser::sendStandbyWrite() {
    if (!checkStandbyValues()) return false;
    const auto& f = form();
    const long long category = wire::parseLong(f.text(kCategoryEdit));
    wire::Bytes codes;
    for (int g = 1; g <= 16; ++g) {
        wire::putU16be(codes, std::uint32_t(wire::parseLong(f.text(kStandbyEdits[g - 1]))));
    }
    // Selection: high byte bit 7 = group 16 ... bit 0 = group 9; low byte bit 7 = group 8 ...
    // bit 0 = group 1.
    std::uint16_t selection = 0;
    for (int g = 1; g <= 16; ++g) {
        if (f.checked(kStandbyChecks[g - 1])) selection |= std::uint16_t(1u << (g - 1));
    }
    wire::Bytes payload{0x00, 0x01, std::uint8_t(f.checked(kRelayCheck) ? kRelayOn : 0x00)};
    wire::putU16be(payload, selection);
    payload.push_back(std::uint8_t(category - 1));
    wire::putU16be(payload, std::uint32_t(wire::parseLong(f.text(kIdentityEdit))));
    payload.insert(payload.end(), codes.begin(), codes.end());
    send(wire::frame96(kStandbyWrite, payload));
    return true;
}

bool CLM52RUser::refuse(const std::string& text) {
    // The page's own boxes carry no icon.
    return showMessage(text, engine::kInfoCaption, engine::Icon::None);
}

// ---- encryption --------------------------------------------------------------------------------

void CLM52RUser::OnEncryptSet() {
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

void CLM52RUser::OnEncryptRead() {
    beginRequest();
    send(common96::encryptionReadRequest(form()));
}

// ---- hop map -----------------------------------------------------------------------------------

void CLM52RUser::OnHopRead() {
    beginRequest();
    form().setText(hopmap::kDataEdit, "");
    send(hopmap::hopReadRequest(hopMap_.scheme()));
    hopMap_.clear();
}

void CLM52RUser::OnHopSet() {
    beginRequest();
    // Every value is checked before the first chunk: a map the terminal holds only in part, or
    // with values wrapped, is worse than none.
    if (const std::size_t bad = hopmap::firstUnsendableItem(hopMap_.text())) {
        showMessage(hopmap::unsendableItemMessage(bad));
        return;
    }
    if (hopMap_.text().empty() || !sender_.start()) {
        showMessage("请加载或生成跳频图数据!");
        return;
    }
    // A button timer still running from a read would unlock the buttons in the middle of the
    // transfer.
    stopTimer(engine::kButtonTimer);
}

void CLM52RUser::sendHopChunk(const wire::Bytes& frame) {
    startTimer(hopmap::kChunkTimer, hopmap::kChunkTimeout);
    send(frame, /*expectAnswer=*/false);
}

void CLM52RUser::onHopAck(const wire::FrameView& f) {
    // An acknowledgement after the transfer ended (it timed out) must not report success.
    if (!sender_.running()) return;
    // Nor a second acknowledgement of a chunk: only the one of the chunk in flight moves it on.
    // (It is matched by its chunk number: a read's time-out may have come in between.)
    if (!sender_.acknowledges(f)) return;
    takeAnswer(hopmap::kHopWrite);
    stopTimer(hopmap::kChunkTimer);
    reportOnly(f, "跳频图设置成功");
    sender_.chunkAccepted();
}

void CLM52RUser::OnTimer(int id) {
    if (id != hopmap::kChunkTimer) return;
    stopTimer(hopmap::kChunkTimer);
    // A chunk the terminal did not take: the map is incomplete, so the transfer stops here.
    if (!sender_.chunkTimedOut()) return;
    session().events.timedOut();
    session().statusBar.SetText(2, engine::kFailedStatus);
    session().prompter.info(engine::kFailedBox, engine::kInfoCaption, this);
}

// ---- answers -----------------------------------------------------------------------------------

void CLM52RUser::reportOnly(const wire::FrameView& answer, const std::string& text) {
    session().AppendTrace(answer.code(), "\r\n" + text + "!");
    session().statusBar.SetText(2, text);
    session().events.succeeded(text);
}

void CLM52RUser::OnFrame(const wire::FrameView& f) {
    // Only the answer to the request sent last (its code + 1) moves a chain or reports; a stray
    // (a write acknowledgement during a read, a late or second answer) is left alone and
    // timer 1 keeps running. The hop-map acknowledgement is matched by the sender.
    // A hop map read back comes in several chunks: the sender and hopReads_ match those.
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
            sendBindingRead();
            break;
        case kBindingAnswer:
            onBindings(f);
            reportSuccess(f, "绑定号码读取成功");
            sendStandbyRead();
            break;
        case kStandbyAnswer:
            onStandby(f);
            reportSuccess(f, "信道守候组读取成功");
            break;
        case kCommonWritten:
            reportSuccess(f, "公共参数设置成功");
            sendIdentityWrite();
            break;
        case kIdentityAck:
            reportSuccess(f, "身份信息设置成功");
            sendBindingWrite();
            break;
        case kBindingAck:
            reportSuccess(f, "信道绑定码设置成功");
            sendStandbyWrite();
            break;
        case kStandbyAck:
            reportSuccess(f, "信道守候组设置成功");
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
            hopMap_.append(hopmap::decodeHopAnswer(f).items);
            reportSuccess(f, "跳频图读取成功");
            break;
        default:
            break;
    }
}

void CLM52RUser::onCommonParams(const wire::FrameView& f) {
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
    const std::uint8_t flags = f[8];
    form().setChecked(kAuthCheck, flags & kAuthBit);
    form().setChecked(kBindAllowedCheck, flags & kBindBit);
    form().setChecked(kAllStandbyCheck, flags & kAllStandbyBit);
    showBindingEdits();
    sendIdentityRead();
}

void CLM52RUser::onIdentity(const wire::FrameView& f) {
    setGuardedText(kOwnerNameEdit, wire::gbkField(f, 9, kNameBytes));
    setGuardedText(kOwnerTextEdit, wire::gbkField(f, 28, kOwnerTextBytes));
}

void CLM52RUser::onBindings(const wire::FrameView& f) {
    // The category shares byte 6 with the high byte of channel 1's code.
    form().setInt(kCategoryEdit, f[6] / 16 + 1);
    for (int k = 1; k <= 16; ++k) {
        form().setInt(kBindingEdits[k - 1], f.u16be(6 + 2 * std::size_t(k - 1)));
    }
}

void CLM52RUser::onStandby(const wire::FrameView& f) {
    auto& form = this->form();
    form.setChecked(kRelayCheck, f[6] == kRelayOn);
    const std::uint16_t selection = f.u16be(7);
    for (int g = 1; g <= 16; ++g) showStandbySelection(g, selection & (1u << (g - 1)));
    form.setInt(kCategoryEdit, f[9] + 1);
    form.setInt(kIdentityEdit, f.u16be(10));
    for (int g = 1; g <= 16; ++g) {
        form.setInt(kStandbyEdits[g - 1], f.u16be(12 + 2 * std::size_t(g - 1)));
    }
}

void CLM52RUser::onEncryption(const wire::FrameView& f) {
    const common96::EncryptionAnswer a = common96::decodeEncryption(f);
    if (a.scheme) form().setInt(kSchemeEdit, *a.scheme);
    form().setInt(kKeyParamEdit, a.keyParam);
    setGuardedText(kKeyWordEdit, a.keyWord);
}

// ---- configuration file ----------------------------------------------------------------------

void CLM52RUser::storeFile(ini::IniFile& file) {
    const auto& f = form();
    file.setText(kSection, "BaseSite", f.text(kCategoryEdit));
    file.setText(kSection, "UserCode", f.text(kIdentityEdit));
    file.setText(kSection, "UserName", f.text(kOwnerNameEdit));
    file.setText(kSection, "UserInfo", f.text(kOwnerTextEdit));
    file.setInt(kSection, "EncryptPara", wire::parseLong(f.text(kKeyParamEdit)));
    file.setText(kSection, "DefineKey", f.text(kKeyWordEdit));
    file.setRaw(kSection, "Allow Bind", flag(f.checked(kBindAllowedCheck)));
    file.setRaw(kSection, "All Availability", flag(f.checked(kAllStandbyCheck)));
    for (int k = 1; k <= 16; ++k) {
        file.setText(kSection, "ChannelBind" + twoDigits(k), f.text(kBindingEdits[k - 1]));
    }
    for (int g = 1; g <= 16; ++g) {
        const std::string key = "Group" + twoDigits(g);
        file.setText(kSection, key, f.text(kStandbyEdits[g - 1]));
        file.setRaw(kSection, key + "Sel", flag(f.checked(kStandbyChecks[g - 1])));
    }
}

void CLM52RUser::loadFile(const ini::IniFile& file) {
    auto& f = form();
    f.setText(kCategoryEdit, file.getText(kSection, "BaseSite"));
    f.setText(kIdentityEdit, file.getText(kSection, "UserCode"));
    setGuardedText(kOwnerNameEdit, file.getText(kSection, "UserName"));
    setGuardedText(kOwnerTextEdit, file.getText(kSection, "UserInfo"));
    f.setInt(kKeyParamEdit, file.getInt(kSection, "EncryptPara"));
    setGuardedText(kKeyWordEdit, file.getText(kSection, "DefineKey"));
    f.setChecked(kBindAllowedCheck, file.getInt(kSection, "Allow Bind") != 0);
    f.setChecked(kAllStandbyCheck, file.getInt(kSection, "All Availability") != 0);
    showBindingEdits();
    for (int k = 1; k <= 16; ++k) {
        f.setText(kBindingEdits[k - 1], file.getText(kSection, "ChannelBind" + twoDigits(k)));
    }
    for (int g = 1; g <= 16; ++g) {
        const std::string key = "Group" + twoDigits(g);
        f.setText(kStandbyEdits[g - 1], file.getText(kSection, key));
        showStandbySelection(g, file.getInt(kSection, key + "Sel") != 0);
    }
}

std::set<int> CLM52RUser::verifyIgnores() const {
    // The encryption group has its own "设置" button: the write chain leaves it as the
    // terminal holds it, and the read shows that. "选择全部守候组" only ticks the others.
    return {kSchemeEdit, kKeyParamEdit, kKeyWordEdit, kSelectAllCheck};
}

}  // namespace rb::families::lm52r
