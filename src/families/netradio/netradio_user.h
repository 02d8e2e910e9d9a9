// CNetRadioUser: second tab ("用户信息") of the network-radio container. Reads and writes the
// identity code with its split into local group-call code and number within the group, the
// relay flag, the owner's name and text, the sixteen group-call codes, two bits of the common
// parameters (鉴权(使能) = bit 7, 跨组呼叫使能 = bit 5), the encryption setting and the hop map.
//
// Read chain:  0x99 -> 0x9A -> 0x22 -> 0x23 -> 0x52 -> 0x53 -> 0x46 -> 0x47
// Write chain: (identity, group and number checked first) 0x22 -> 0x23 -> 0x20 -> 0x21 -> 0x50
//              -> 0x51 -> 0x44 -> 0x45
// The write sends the terminal's own common parameters back with only this page's two bits
// replaced, so the base page's settings survive. Encryption (0x34 / 0x36) and the hop map
// (0x38 chunks / 0x3A) have buttons of their own.
#pragma once

#include <array>
#include <string>

#include "engine/page.h"
#include "families/common96/edit_guards.h"
#include "families/common96/encryption_group.h"
#include "families/hopmap/hop_frames.h"
#include "families/hopmap/hop_map_group.h"
#include "families/hopmap/hop_sender.h"

namespace rb::families::netradio {

namespace user_ids {
inline constexpr int kIdentityEdit = 1007;  // "身份码" (17~1023), at most 4 characters
inline constexpr int kGroupEdit = 2013;     // "本机组呼码" (1~63)
inline constexpr int kGroupSpin = 3252;
inline constexpr int kNumberEdit = 2014;  // "组内编号" (1~15)
inline constexpr int kNumberSpin = 3253;
inline constexpr int kRelayCheck = 1215;       // "中转有效"
inline constexpr int kOwnerNameEdit = 1056;    // "机主姓名", below 20 GBK bytes
inline constexpr int kOwnerTextEdit = 1171;    // "机主身份信息", below 64 GBK bytes
inline constexpr int kAuthCheck = 1214;        // "鉴权(使能)"
inline constexpr int kCrossGroupCheck = 1517;  // "跨组呼叫使能"
using common96::kSchemeEdit;                   // "加密方案" 0-15
inline constexpr int kSchemeSpin = 2248;
using common96::kEncryptReadButton;      // "读取"
using common96::kEncryptSetButton;       // "设置"
using common96::kKeyParamEdit;           // "密钥参数" 0-65535
using common96::kKeyWordEdit;            // "定义密钥", at most 12 GBK bytes
inline constexpr int kNoteLabel = 2100;  // the note under the group-call codes
// 所属组呼码 01-16 at index 0-15; 01 is read-only and always the local group-call code.
inline constexpr std::array<int, 16> kGroupCodeEdits = {
    2017, 2018, 2019, 2020, 1021, 2022, 1023, 1024, 1025, 1026, 1027, 1028, 1029, 1030, 1031, 1032};
}  // namespace user_ids

class CNetRadioUser : public engine::Page {
public:
    static constexpr int kIndex = 1;
    static constexpr const char* kSection = "TelSet";

    explicit CNetRadioUser(engine::Session& session);

    void OnFrame(const wire::FrameView& frame) override;

    bool hasReadChain() const override { return true; }
    bool hasWriteChain() const override { return true; }
    // Not compared after a write (see engine::Page).
    std::set<int> verifyIgnores() const override;
    // The checks of the write button and of every step of its chain, before its first frame.
    bool precheckWrite() override;
    // The write button's action: the three checks, then the confirmation and the chain.
    std::vector<Chain> fileWriteChains() override {
        return {[this] { OnWriteClicked(); }};
    }
    bool transferInProgress() const override { return sender_.running(); }

    bool takesPartInFile() const override { return true; }
    void storeFile(ini::IniFile& file) override;
    void loadFile(const ini::IniFile& file) override;

    hopmap::HopMapGroup& hopMap() { return hopMap_; }

    // Buttons: 写录数据, encryption 设置 / 读取, hop map 读取 / 设置.
    void OnWriteClicked();
    void OnEncryptSet();
    void OnEncryptRead();
    void OnHopRead();
    void OnHopSet();

protected:
    void resetFields() override;
    void sendFirstRead() override;   // 0x99
    void sendFirstWrite() override;  // 0x22
    void OnTimer(int id) override;   // timer 3: a hop-map chunk went unanswered

private:
    void declareForm();  // netradio_user_form.cpp
    engine::LayoutItem formLayout() const;
    void bindHandlers();

    // The identity rule: identity = group × 16 + number, kept consistent in both directions.
    void onIdentityChanged();
    void onGroupChanged();
    void onNumberChanged();
    void recomputeIdentity();
    // Puts an identity text in and re-derives group and number from it.
    void setIdentity(const std::string& text);

    // Requests.
    void sendCommonRead();
    void sendCommonWrite();
    bool sendIdentityWrite();  // 0x50
    bool sendNumbersWrite();   // 0x44
    void sendHopChunk(const wire::Bytes& frame);

    // Answers.
    void onCommonParams(const wire::FrameView& f);
    void onIdentity(const wire::FrameView& f);
    void onNumbers(const wire::FrameView& f);
    void onEncryption(const wire::FrameView& f);
    void onHopMap(const wire::FrameView& f);
    void onHopAck(const wire::FrameView& f);

    // Checks; each shows its message on a refusal.
    bool checkButtonValues();    // the write button: identity, group, number
    bool checkIdentityValues();  // 0x50: identity, owner name and text
    bool checkNumbersValues();   // 0x44: group, number, group-call codes 2-16
    // A text for a GBK field: refused when GBK cannot encode it or it is longer than the field.
    bool checkText(int editId, std::size_t maxBytes, const std::string& field,
                   const std::string& tooLong);

    // A check that failed while building a request: the message (caption "提示", OK only).
    bool refuse(const std::string& text);
    // Trace "\r\n" + text + "!" and status part 2, without touching timer 1.
    void reportOnly(const wire::FrameView& answer, const std::string& text);

    hopmap::HopMapGroup hopMap_;
    hopmap::HopSender sender_;
    hopmap::HopReadAnswers hopReads_;
    common96::ByteLimitedTexts texts_;  // owner name, owner text, key word
    wire::Bytes savedCommon_;           // the last 0x23 received, up to 512 bytes
    bool identityGuard_ = false;        // set while group and number follow the identity
};

}  // namespace rb::families::netradio
