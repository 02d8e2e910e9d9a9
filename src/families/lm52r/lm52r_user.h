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

#include <string>

#include "families/common96/encryption_hop_page.h"
#include "families/lm52r/lm52r_state.h"
#include "families/lm52r/lm52r_user_ids.h"

namespace rb::families::lm52r {

class CLM52RUser : public common96::EncryptionHopPage {
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

protected:
    void resetFields() override;
    void sendFirstRead() override;   // 0x99
    void sendFirstWrite() override;  // 0x22

private:
    // lm52r_user_form.cpp: controls, opening values, layout; lm52r_user_file.cpp: the file.
    void declareForm();
    engine::LayoutItem formLayout() const;
    // Handlers of the switches and the edit guards.
    void bindHandlers();
    void clampCode(int editId, long long lo, long long hi);
    void showBindingEdits();
    void showStandbySelection(int group, bool on);

    // Requests (the version, common and identity reads are IdentityPage's).
    std::uint8_t ownCommonBits() const;  // this page's bits of the flags byte
    bool sendIdentityWrite();
    void sendBindingRead();
    bool sendBindingWrite();
    void sendStandbyRead();
    bool sendStandbyWrite();

    // Answers.
    void onCommonParams(const wire::FrameView& f);
    void onIdentity(const wire::FrameView& f);
    void onBindings(const wire::FrameView& f);
    void onStandby(const wire::FrameView& f);

    // The checks of the write steps 0x50, 0x28 and 0x2C; each shows its message on a refusal.
    bool checkIdentityValues();
    bool checkBindingValues();
    bool checkStandbyValues();

    [[maybe_unused]] Lm52rState& state_;  // the family state; this page keeps none of it yet
};

}  // namespace rb::families::lm52r
