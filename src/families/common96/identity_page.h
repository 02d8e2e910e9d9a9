// IdentityPage: what the user page of every 0x96 family (LM52R, network radio, train station)
// does alike.
//   - The identity group: 0x52 -> 0x53 shows the owner's name (19 GBK bytes from frame byte 9)
//     and text (63 from byte 28); 0x50 sends the identity (3 bytes) with both. The two edits
//     give back their last accepted text when one reaches its limit.
//   - The common parameters a write reads first (0x22 -> 0x23): kept whole and sent back
//     (0x20) with only this page's bits of the flags byte replaced.
//   - The page's own message boxes: caption "提示", OK, no icon.
#pragma once

#include <cstdint>
#include <string>

#include "engine/page.h"
#include "families/common96/edit_guards.h"
#include "families/common96/kept_common.h"

namespace rb::families::common96 {

inline constexpr std::uint8_t kIdentityWrite = 0x50;
inline constexpr std::uint8_t kIdentityAck = 0x51;
inline constexpr std::uint8_t kIdentityRead = 0x52;
inline constexpr std::uint8_t kIdentityAnswer = 0x53;

inline constexpr int kOwnerNameEdit = 1056;  // "机主姓名", at most 19 GBK bytes
inline constexpr int kOwnerTextEdit = 1171;  // "机主身份信息", at most 63 GBK bytes
inline constexpr std::size_t kNameBytes = 19;
inline constexpr std::size_t kOwnerTextBytes = 63;

class IdentityPage : public engine::Page {
protected:
    IdentityPage(engine::Session& session, int index) : Page(session, index), texts_(form()) {}

    // Guards the owner name and text as they are typed (declare them first).
    void guardOwnerTexts();
    // A text the page puts in a guarded edit itself (a reset, an answer, a file).
    void setGuardedText(int editId, const std::string& text) { texts_.set(editId, text); }
    ByteLimitedTexts& texts() { return texts_; }

    // A text for a GBK field: refused when GBK cannot encode it or it is longer than the field.
    bool checkText(int editId, std::size_t maxBytes, const std::string& field,
                   const std::string& tooLong);
    // The owner name, then the owner text ("机主姓名设置错误,请设为0-19位!", ...).
    bool checkOwnerTexts();

    void requestVersion();   // 0x99
    void requestCommon();    // 0x22
    void requestIdentity();  // 0x52
    // 0x50: `identity` in three bytes, then the owner name and text (checked before).
    void writeIdentity(std::uint32_t identity);
    // The owner name and text of a 0x53 answer.
    void showOwnerTexts(const wire::FrameView& f);

    // A 0x23 answer: kept, traced without status text (the group belongs to the base page),
    // timer 1 stopped. In a write chain it sends the kept group back with this page's bits of
    // the flags byte (`ownMask`) taken from `ownBits`, and returns true; in a read it returns
    // false and the page shows its bits and goes on.
    bool takeCommon(const wire::FrameView& f, std::uint8_t ownMask, std::uint8_t ownBits);

    // A check that failed: the message (caption "提示", OK only, no icon); returns false.
    bool refuse(const std::string& text);
    // Trace "\r\n" + text + "!" and status part 2, without touching timer 1.
    void reportOnly(const wire::FrameView& answer, const std::string& text);

private:
    ByteLimitedTexts texts_;  // owner name and text, and what the page adds
    KeptCommon kept_;
};

}  // namespace rb::families::common96
