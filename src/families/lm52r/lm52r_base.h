// CLM52RBase: the first tab ("基本信息") of the LM52R container. It reads and writes the
// terminal's common parameters (power, spacing, beeps, data-port settings, timers), the 16
// channel frequencies of one channel group, the channel functions (six flags and two
// per-channel parameters each) and the VOX level, and files all of it in section "TelSet".
//
// Read chain:  0x99 -> 0x9A -> 0x22 -> 0x23 -> 0x16 -> 0x17 -> 0x1E -> 0x1F -> 0x3E -> 0x3F
// Write chain: 0x22 -> 0x23 (keeps bits 4, 5, 7 of the flags byte) -> 0x20 -> 0x21 -> 0x14
//              -> 0x15 -> 0x1C -> 0x1D -> 0x3C -> 0x3D
// The VOX requests arm no response timer: a terminal that does not answer them ends the chain
// silently.
#pragma once

#include <functional>

#include "families/common96/common_base_page.h"
#include "families/lm52r/channel_param_dlg.h"
#include "families/lm52r/lm52r_state.h"

namespace rb::families::lm52r {

class CLM52RBase : public common96::CommonBasePage {
public:
    static constexpr int kIndex = 0;
    static constexpr const char* kSection = "TelSet";

    CLM52RBase(engine::Session& session, Lm52rState& state);

    void OnFrame(const wire::FrameView& frame) override;
    bool hasReadChain() const override { return true; }
    bool hasWriteChain() const override { return true; }
    // Not compared after a write (see engine::Page).
    std::set<int> verifyIgnores() const override;

    // The checks of every step of the write chain, before its first frame.
    bool precheckWrite() override;

    bool takesPartInFile() const override { return true; }
    void storeFile(ini::IniFile& file) override;
    void loadFile(const ini::IniFile& file) override;

    // Shows the channel dialog modally. The GUI sets it; while it is unset the channel buttons
    // do nothing. The hook returns when the dialog has closed; the page then takes the values
    // back if it closed with "确定".
    std::function<void(CChannelParamDlg&)> showDialog;
    // The channel buttons' action ("信道01" ... "信道16"), channel k = 1..16.
    void openChannelDialog(int channel);

    Lm52rState& state() { return state_; }

protected:
    void resetFields() override;
    void sendFirstRead() override { requestVersion(); }
    void sendFirstWrite() override { requestCommon(); }
    int& modeFlag() override { return state_.lm52rWriteMode; }

private:
    static void declareForm(engine::FormModel& f);  // lm52r_base_form.cpp
    void bindControls();

    // Request functions, one per frame kind (the common group's are CommonBasePage's). Those
    // that take values from the controls check them first and return false, after showing the
    // message, when one is out of range.
    bool requestFrequencies();  // 0x16
    bool writeFrequencies();    // 0x14
    bool requestFunctions();    // 0x1E
    bool writeFunctions();      // 0x1C
    void requestVox();          // 0x3E, no timer
    void writeVox();            // 0x3C, no timer
    bool checkGroup(int& group) override;
    // The checks of the write steps (each shows its message and returns false on a refusal).
    bool checkFrequencyValues(int step);  // 0x14: the 32 frequencies at the step
    bool checkChannelParams();            // 0x1C: the per-channel parameters, a byte each
    bool checkVoxValue();                 // 0x3C

    // Answers.
    void onCommon(const wire::FrameView& f);       // 0x23
    void onFrequencies(const wire::FrameView& f);  // 0x17
    void onFunctions(const wire::FrameView& f);    // 0x1F
    void showCommon(const wire::FrameView& f);

    std::uint8_t commonFlagsByte() const;
    std::uint8_t channelFlagsByte(int channel) const;
    void setChannelFlags(int channel, std::uint8_t flags);
    void setSpacing(int radioIndex);  // shows the spacing and sets `freqStep` from it
    int stepFromSpacing() const;

    ChannelParams channelParams(int channel) const;
    void applyChannelParams(int channel, const ChannelParams& p);

    Lm52rState& state_;
};

}  // namespace rb::families::lm52r
