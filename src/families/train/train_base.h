// CTrainBase: the first tab ("基本信息") of the train / flat dispatch container. It reads and
// writes the station's radio settings (spacing, compander, power and the custom power level,
// prompt tones, data-port settings, PTT limit, standby delay), one channel group of 16 channels
// (transmit and receive frequency, digital flag), and files them in section "TelSet".
//
// Read chain:  0x99 -> 0x9A -> 0x22 -> 0x23 -> 0x16 -> 0x17 -> 0x1E -> 0x1F -> 0x7A -> 0x7B
// Write chain: 0x22 -> 0x23 (keeps bit 7 of the flags byte) -> 0x20 -> 0x21 -> 0x14 -> 0x15
//              -> 0x1C -> 0x1D -> 0x78 -> 0x79
// At 6.25 kHz the channel codes are 24 bits wide (0x14 and 0x17 grow from 2 to 3 bytes a code).
#pragma once

#include "families/common96/common_base_page.h"
#include "families/train/train_base_ids.h"
#include "families/train/train_state.h"

namespace rb::families::train {

class CTrainBase : public common96::CommonBasePage {
public:
    static constexpr int kIndex = 0;

    CTrainBase(engine::Session& session, TrainState& state);

    void OnFrame(const wire::FrameView& frame) override;
    bool hasReadChain() const override { return true; }
    bool hasWriteChain() const override { return true; }

    bool takesPartInFile() const override { return true; }
    void storeFile(ini::IniFile& file) override;       // train_base_file.cpp
    void loadFile(const ini::IniFile& file) override;  // train_base_file.cpp

    TrainState& state() { return state_; }
    // The checks of every step of the write chain, before its first frame.
    bool precheckWrite() override;

protected:
    void resetFields() override;
    void sendFirstRead() override { requestVersion(); }
    void sendFirstWrite() override { requestCommon(); }
    int& modeFlag() override { return state_.trainWriteMode; }

private:
    static void declareForm(engine::FormModel& f);  // train_base_form.cpp
    void bindControls();

    // The common group's requests are CommonBasePage's.
    void writeTrainCommon();    // 0x20 with the station's power and spacing codes
    bool requestFrequencies();  // 0x16
    bool writeFrequencies();    // 0x14
    bool requestFunctions();    // 0x1E
    bool writeFunctions();      // 0x1C
    void requestCustomPower();  // 0x7A
    void writeCustomPower();    // 0x78
    bool checkGroup(int& group) override;
    // The checks of the write steps; each shows its message on a refusal.
    bool checkFrequencyValues(int step);  // 0x14: the 32 frequencies at the step
    bool checkCustomPower();              // 0x78: track bar 0-255

    void showCommon(const wire::FrameView& f);
    void onFrequencies(const wire::FrameView& f);
    void onFunctions(const wire::FrameView& f);
    // Trace "\r\n" + trace + "!", timer 1 killed, status part 2 = status (the base page's
    // answers report "数据读取成功" / "数据设置成功" whatever they were).
    void report(const wire::FrameView& f, const std::string& trace, const std::string& status);

    std::uint8_t flagsByte() const;
    int stepFromSpacing() const;
    void setSpacing(int index);  // shows the spacing and sets the channel step from it
    void relabelRows();          // "%d" of (group - 1) * 16 + k while the group is 1-8

    TrainState& state_;
};

}  // namespace rb::families::train
