#include "families/common96/identity_page.h"

#include "families/common96/common_params.h"
#include "wire/codecs.h"

namespace rb::families::common96 {

namespace {
constexpr std::size_t kNameStart = 9;
constexpr std::size_t kOwnerTextStart = 28;
}  // namespace

void IdentityPage::guardOwnerTexts() {
    texts_.guard(kOwnerNameEdit, kNameBytes + 1);
    texts_.guard(kOwnerTextEdit, kOwnerTextBytes + 1);
}

bool IdentityPage::checkText(int editId, std::size_t maxBytes, const std::string& field,
                             const std::string& tooLong) {
    // A character GBK has no code for would go out as '?'.
    const std::string& text = form().text(editId);
    if (!wire::gbkEncodable(text)) return refuse(textNotGbkMessage(field));
    if (wire::gbkLength(text) > maxBytes) return refuse(tooLong);
    return true;
}

bool IdentityPage::checkOwnerTexts() {
    return checkText(kOwnerNameEdit, kNameBytes, "机主姓名", "机主姓名设置错误,请设为0-19位!") &&
           checkText(kOwnerTextEdit, kOwnerTextBytes, "机主身份信息",
                     "机主身份信息设置错误,请设为0-63位!");
}

void IdentityPage::requestVersion() { send(wire::frame96(kReadVersion, {0x00, 0x01})); }

void IdentityPage::requestCommon() { send(wire::frame96(kReadCommon)); }

void IdentityPage::requestIdentity() { send(wire::frame96(kIdentityRead)); }

void IdentityPage::writeIdentity(std::uint32_t identity) {
    wire::Bytes payload{0x00, 0x00};
    wire::putU24be(payload, identity);
    wire::putGbkField(payload, form().text(kOwnerNameEdit), kNameBytes);
    wire::putGbkField(payload, form().text(kOwnerTextEdit), kOwnerTextBytes);
    send(wire::frame96(kIdentityWrite, payload));
}

void IdentityPage::showOwnerTexts(const wire::FrameView& f) {
    setGuardedText(kOwnerNameEdit, wire::gbkField(f, kNameStart, kNameBytes));
    setGuardedText(kOwnerTextEdit, wire::gbkField(f, kOwnerTextStart, kOwnerTextBytes));
}

bool IdentityPage::takeCommon(const wire::FrameView& f, std::uint8_t ownMask,
                              std::uint8_t ownBits) {
    kept_.take(f);
    session().AppendTrace(f.code(), "\r\n公共参数读取成功!");
    stopTimer(engine::kResponseTimer);
    if (modeFlag() != 1) return false;
    modeFlag() = 0;
    send(kept_.writeRequest(ownMask, ownBits));
    return true;
}

bool IdentityPage::refuse(const std::string& text) {
    return showMessage(text, engine::kInfoCaption, engine::Icon::None);
}

void IdentityPage::reportOnly(const wire::FrameView& answer, const std::string& text) {
    session().AppendTrace(answer.code(), "\r\n" + text + "!");
    session().statusBar.SetText(2, text);
    session().events.succeeded(text);
}

}  // namespace rb::families::common96
