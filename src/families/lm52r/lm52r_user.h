// CLM52RUser: second tab of the LM52R container ("用户信息"). Reads and writes the terminal's
// identity data (system category, identity code, owner name and text), the group-call code
// bound to each of the 16 channels, the 16 standby groups, the relay flag, three switches kept in
// the common parameters, the encryption setting and the hop map.
//
// Read chain:  0x99 -> 0x9A -> 0x22 -> 0x23 -> 0x52 -> 0x53 -> 0x2A -> 0x2B -> 0x2E -> 0x2F
// Write chain: 0x22 -> 0x23 -> 0x20 -> 0x21 -> 0x50 -> 0x51 -> 0x28 -> 0x29 -> 0x2C -> 0x2D
// The write reads the common parameters first and sends them back with only this page's three
// bits of the flags byte (4 = 绑定允许, 5 = 守候全有效, 7 = 鉴权(使能)) replaced, so the base
// page's settings survive.
#pragma once

#include <array>
#include <map>
#include <string>

#include "engine/page.h"
#include "families/common96/edit_guards.h"
#include "families/common96/encryption_group.h"
#include "families/hopmap/hop_frames.h"
#include "families/hopmap/hop_map_group.h"
#include "families/hopmap/hop_sender.h"
#include "families/lm52r/lm52r_state.h"

namespace rb::families::lm52r {

namespace user_ids {
inline constexpr int kCategoryEdit = 1012;  // "系统类别:" 1-4
inline constexpr int kCategorySpin = 3251;
inline constexpr int kIdentityEdit = 1007;      // "身份码:" 0-65535, at most 5 characters
inline constexpr int kOwnerNameEdit = 1056;     // "机主姓名:" below 20 GBK bytes
inline constexpr int kOwnerTextEdit = 1171;     // "机主身份信息:" below 64 GBK bytes
inline constexpr int kRelayCheck = 1215;        // "中转台标志"
inline constexpr int kAuthCheck = 1214;         // "鉴权(使能)"
inline constexpr int kBindAllowedCheck = 1306;  // "绑定允许"
inline constexpr int kAllStandbyCheck = 1307;   // "守候全有效"
inline constexpr int kSelectAllCheck = 1309;    // "选择全部守候组"
using common96::kSchemeEdit;                    // "加密方案:" 0-15
inline constexpr int kSchemeSpin = 2248;
using common96::kEncryptReadButton;  // "读取"
using common96::kEncryptSetButton;   // "设置"
using common96::kKeyParamEdit;       // "密钥参数:" 0-65535
using common96::kKeyWordEdit;        // "定义密钥:" at most 12 GBK bytes

// Channel k (1-16) at index k-1.
inline constexpr std::array<int, 16> kBindingEdits = {
    1315, 2316, 2317, 2318, 2319, 1320, 2321, 2322, 1323, 2324, 2325, 2326, 2327, 1328, 2329, 2330};
// Standby group g (1-16) at index g-1: the selection check box and its code edit.
inline constexpr std::array<int, 16> kStandbyChecks = {
    1308, 1310, 1311, 1312, 1313, 2314, 1331, 2332, 2333, 2334, 2335, 1336, 2337, 2338, 1339, 2340};
inline constexpr std::array<int, 16> kStandbyEdits = {
    1347, 2348, 2349, 2350, 2351, 1352, 2353, 2354, 1355, 2356, 2357, 2358, 2359, 1360, 2361, 2362};
}  // namespace user_ids

class CLM52RUser : public engine::Page {
public:
    static constexpr int kIndex = 1;

    CLM52RUser(engine::Session& session, Lm52rState& state);

    void OnFrame(const wire::FrameView& frame) override;

    bool takesPartInFile() const override { return true; }
    void storeFile(ini::IniFile& file) override;
    void loadFile(const ini::IniFile& file) override;

    bool hasReadChain() const override { return true; }
    bool hasWriteChain() const override { return true; }
    // The checks of every step of the write chain, before its first frame.
    bool precheckWrite() override;
    // Not compared after a write (see engine::Page).
    std::set<int> verifyIgnores() const override;

    hopmap::HopMapGroup& hopMap() { return hopMap_; }
    bool hopTransferRunning() const { return sender_.running(); }
    bool transferInProgress() const override { return sender_.running(); }

    // Encryption "设置" / "读取" and hop map "读取" / "设置".
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
    // lm52r_user_form.cpp: controls, opening values, layout.
    void declareForm();
    engine::LayoutItem formLayout() const;
    // Handlers of the switches and the edit guards.
    void bindHandlers();
    void clampCode(int editId, long long lo, long long hi);
    void setGuardedText(int editId, const std::string& text);
    void showBindingEdits();
    void showStandbySelection(int group, bool on);

    // Requests.
    void sendVersionRead();
    void sendCommonRead();
    void sendCommonWrite();
    void sendIdentityRead();
    bool sendIdentityWrite();
    void sendBindingRead();
    bool sendBindingWrite();
    void sendStandbyRead();
    bool sendStandbyWrite();
    void sendHopChunk(const wire::Bytes& frame);  // timer 3, no response timer

    // Answers.
    void onCommonParams(const wire::FrameView& f);
    void onIdentity(const wire::FrameView& f);
    void onBindings(const wire::FrameView& f);
    void onStandby(const wire::FrameView& f);
    void onEncryption(const wire::FrameView& f);
    void onHopAck(const wire::FrameView& f);

    // The checks of the write steps 0x50, 0x28 and 0x2C; each shows its message on a refusal.
    bool checkIdentityValues();
    bool checkBindingValues();
    bool checkStandbyValues();
    // A text for a GBK field: refused when GBK cannot encode it or it is longer than the field.
    bool checkText(int editId, std::size_t maxBytes, const std::string& field,
                   const std::string& tooLong);

    // A check that failed while building a request: the message (caption "提示", OK only).
    bool refuse(const std::string& text);
    // Trace "\r\n" + text + "!" and status part 2, without touching timer 1.
    void reportOnly(const wire::FrameView& answer, const std::string& text);

    [[maybe_unused]] Lm52rState& state_;  // the family state; this page keeps none of it yet
    hopmap::HopMapGroup hopMap_;
    hopmap::HopSender sender_;
    hopmap::HopReadAnswers hopReads_;
    wire::Bytes savedCommon_;           // the last 0x23 received, up to 512 bytes
    common96::ByteLimitedTexts texts_;  // owner name, owner text, key word
};

}  // namespace rb::families::lm52r
