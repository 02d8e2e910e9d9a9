#include "families/lm52r/lm52r_user.h"

#include "families/common96/common_params.h"
#include "families/common96/number_checks.h"
#include "wire/codecs.h"
#include "wire/text_format.h"
#include "wire/version_text.h"

namespace rb::families::lm52r {

using namespace user_ids;
using namespace common96;

namespace {

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

constexpr long long kMaxCode = 65535;

using wire::twoDigits;

}  // namespace

CLM52RUser::CLM52RUser(engine::Session& session, Lm52rState& state)
    : EncryptionHopPage(session, kIndex, {.noMapMessage = "请加载或生成跳频图数据!"}),
      state_(state) {
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
    guardOwnerTexts();
    for (int id : kBindingEdits) f.onChange(id, [this, id] { clampCode(id, 0, kMaxCode); });
    for (int id : kStandbyEdits) f.onChange(id, [this, id] { clampCode(id, 0, kMaxCode); });
    bindEncryptionHop();
}

void CLM52RUser::clampCode(int editId, long long lo, long long hi) {
    common96::clampNumber(form(), editId, lo, hi);
}

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

void CLM52RUser::sendFirstRead() { requestVersion(); }

void CLM52RUser::sendFirstWrite() { requestCommon(); }

std::uint8_t CLM52RUser::ownCommonBits() const {
    std::uint8_t bits = 0;
    if (form().checked(kBindAllowedCheck)) bits |= kBindBit;
    if (form().checked(kAllStandbyCheck)) bits |= kAllStandbyBit;
    if (form().checked(kAuthCheck)) bits |= kAuthBit;
    return bits;
}

bool CLM52RUser::checkIdentityValues() {
    if (!common96::numberIn(form().text(kIdentityEdit), 0, kMaxCode)) {
        return refuse("身份码设置错误,请设为0-65535!");
    }
    return checkOwnerTexts();
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
    writeIdentity(std::uint32_t(wire::parseLong(form().text(kIdentityEdit))));
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

void CLM52RUser::OnFrame(const wire::FrameView& f) {
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
        default:
            break;
    }
}

void CLM52RUser::onCommonParams(const wire::FrameView& f) {
    // In a write, the terminal's own bytes 6-15 go back with only this page's bits replaced.
    if (takeCommon(f, kOwnBits, ownCommonBits())) return;
    const std::uint8_t flags = f[kFlagsByte];
    form().setChecked(kAuthCheck, flags & kAuthBit);
    form().setChecked(kBindAllowedCheck, flags & kBindBit);
    form().setChecked(kAllStandbyCheck, flags & kAllStandbyBit);
    showBindingEdits();
    requestIdentity();
}

void CLM52RUser::onIdentity(const wire::FrameView& f) { showOwnerTexts(f); }

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

std::set<int> CLM52RUser::verifyIgnores() const {
    // The encryption group has its own "设置" button: the write chain leaves it as the
    // terminal holds it, and the read shows that. "选择全部守候组" only ticks the others.
    return {kSchemeEdit, kKeyParamEdit, kKeyWordEdit, kSelectAllCheck};
}

}  // namespace rb::families::lm52r
