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

#include <string>

#include "families/common96/encryption_hop_page.h"
#include "families/netradio/netradio_user_ids.h"

namespace rb::families::netradio {

class CNetRadioUser : public common96::EncryptionHopPage {
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

    bool takesPartInFile() const override { return true; }
    void storeFile(ini::IniFile& file) override;
    void loadFile(const ini::IniFile& file) override;

    // The write button: the three checks, then the confirmation and the chain.
    void OnWriteClicked();

protected:
    void resetFields() override;
    void sendFirstRead() override;   // 0x99
    void sendFirstWrite() override;  // 0x22

private:
    void declareForm();  // netradio_user_form.cpp; the file: netradio_user_file.cpp
    engine::LayoutItem formLayout() const;
    void bindHandlers();

    // The identity rule: identity = group × 16 + number, kept consistent in both directions.
    void onIdentityChanged();
    void onGroupChanged();
    void onNumberChanged();
    void recomputeIdentity();
    // Puts an identity text in and re-derives group and number from it.
    void setIdentity(const std::string& text);

    // Requests (the version, common and identity reads are IdentityPage's).
    std::uint8_t ownCommonBits() const;  // this page's two bits of the flags byte
    bool sendIdentityWrite();            // 0x50
    bool sendNumbersWrite();             // 0x44

    // Answers.
    void onCommonParams(const wire::FrameView& f);
    void onIdentity(const wire::FrameView& f);
    void onNumbers(const wire::FrameView& f);

    // Checks; each shows its message on a refusal.
    bool checkButtonValues();    // the write button: identity, group, number
    bool checkIdentityValues();  // 0x50: identity, owner name and text
    bool checkNumbersValues();   // 0x44: group, number, group-call codes 2-16

    bool identityGuard_ = false;  // set while group and number follow the identity
};

}  // namespace rb::families::netradio
