// CTrainKey: the second tab ("用户信息") of the train / flat dispatch container. Three groups,
// each with its own pair of buttons:
//   "个人信息"  identity code (follows 调号 and 编号), owner name and text, authentication flag:
//              读取数据 0x99 -> 0x9A -> 0x22 -> 0x23 -> 0x52 -> 0x53
//              写录数据 0x22 -> 0x23 -> 0x20 (the terminal's own bytes, bit 7 replaced) -> 0x21
//                       -> 0x50 -> 0x51
//   "列调参数"  channel, dispatch number, staff number, station type: 0x72 / 0x73, 0x70 / 0x71
//   "按键设置"  three time limits and 21 keys with two flags each: 0x76 / 0x77, 0x74 / 0x75
// No action locks a button and none asks for confirmation. The page files the identity and the
// dispatch numbers in section "TelSet" after the base page.
#pragma once

#include "families/common96/identity_page.h"
#include "families/train/train_key_ids.h"
#include "families/train/train_state.h"

namespace rb::families::train {

// Station type codes on the wire and radio indexes.
enum StationType { kHandheld = 0, kLocomotive = 1, kSectionChief = 2, kOrdinary = 3 };

class CTrainKey : public common96::IdentityPage {
public:
    static constexpr int kIndex = 1;
    // Our own key beside the documented "Type" (which holds only 0/1): the station type 0-3.
    static constexpr const char* kStationTypeKey = "StationType";

    CTrainKey(engine::Session& session, TrainState& state);

    void OnFrame(const wire::FrameView& frame) override;

    bool takesPartInFile() const override { return true; }
    void storeFile(ini::IniFile& file) override;
    void loadFile(const ini::IniFile& file) override;

    // The three button pairs, in tab order, are what the command line runs for the file.
    std::vector<Chain> fileReadChains() override;
    std::vector<Chain> fileWriteChains() override;
    // The checks of the identity chain (the write button 2091), and of all three chains.
    bool precheckWrite() override;
    bool precheckFileWrite() override;
    // The write buttons of the three pairs, in the order of the chains above.
    std::vector<int> writeButtons() const override {
        return {key_ids::kWriteIdentityButton, key_ids::kWriteTrainButton,
                key_ids::kWriteKeysButton};
    }

    // The buttons.
    void OnReadIdentity();   // 2090
    void OnWriteIdentity();  // 2091
    void OnReadTrain();      // 1423
    void OnWriteTrain();     // 1424
    void OnReadKeys();       // 2094
    void OnWriteKeys();      // 2095

    // Selects a station type and sets what depends on it (key group, channel spin bound).
    void selectType(int type);

protected:
    int& modeFlag() override { return writeMode_; }

private:
    void declareForm();  // train_key_form.cpp; the file: train_key_file.cpp
    void bindControls();
    void updateIdentity();
    void applyType();

    bool checkChannel();
    // The checks of the three write chains; each shows its message on a refusal.
    bool checkIdentityValues();  // 0x50: owner name and text, identity
    bool checkTrainValues();     // 0x70: channel, 调号, 编号
    bool checkKeyValues();       // 0x74: the three key timings
    long long identityToSend() const;
    bool sendIdentityWrite();

    void onCommon(const wire::FrameView& f);
    void onIdentity(const wire::FrameView& f);
    void onTrain(const wire::FrameView& f);
    void onKeys(const wire::FrameView& f);

    [[maybe_unused]] TrainState& state_;
    int writeMode_ = 0;
};

}  // namespace rb::families::train
