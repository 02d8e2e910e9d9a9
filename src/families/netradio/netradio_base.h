// CNetRadioBase: first tab ("基本信息") of the network-radio container. It reads and writes the
// terminal's common parameters, its frequency table (fifteen numbered frequencies, the off-net
// frequency and which of the fifteen is the terminal's own) and its function flags (声控, 加密,
// 跳频), and files them with the VOX level in section "TelSet".
//
// Read chain:  0x99 -> 0x9A -> 0x22 -> 0x23 -> 0x16 -> 0x17 -> 0x1E -> 0x1F
// Write chain: 0x22 -> 0x23 (keeps bits 7 and 5 of the flags byte, the user page's) -> 0x20
//              -> 0x21 -> 0x14 -> 0x15 -> 0x18 -> 0x19
// The page never asks for the VOX level; 0x3D and 0x3F are taken when a terminal sends them.
#pragma once

#include <cstdint>

#include "families/common96/common_base_page.h"

namespace rb::families::netradio {

class CNetRadioBase : public common96::CommonBasePage {
public:
    static constexpr int kIndex = 0;
    static constexpr const char* kSection = "TelSet";

    explicit CNetRadioBase(engine::Session& session);

    void OnFrame(const wire::FrameView& frame) override;
    bool hasReadChain() const override { return true; }
    bool hasWriteChain() const override { return true; }
    // Not compared after a write (see engine::Page).
    std::set<int> verifyIgnores() const override;
    // The checks of every step of the write chain, before its first frame.
    bool precheckWrite() override;

    bool takesPartInFile() const override { return true; }
    void storeFile(ini::IniFile& file) override;  // netradio_base_file.cpp
    void loadFile(const ini::IniFile& file) override;

    // Position (1-15) of the ticked own-frequency box, 0 when none is ticked.
    int ownFrequencyNumber() const;
    // Ticks the own-frequency box of row 1-15 alone (any other number clears them all).
    void setOwnFrequency(int number);
    int channelStep() const { return freqStep_; }

protected:
    void resetFields() override;
    void sendFirstRead() override { requestVersion(); }
    void sendFirstWrite() override { requestCommon(); }
    int& modeFlag() override { return writeMode_; }

private:
    static void declareForm(engine::FormModel& f);  // netradio_base_form.cpp
    void bindControls();
    void onOwnBoxClicked(int id);

    // Requests (the common group's are CommonBasePage's). Those that take values from the
    // controls check them first and return false, after the message, when one is out of range.
    void requestFrequencies();  // 0x16
    bool writeFrequencies();    // 0x14
    void requestFunctions();    // 0x1E
    void writeFunctions();      // 0x18

    // The checks of the write steps; each shows its message on a refusal.
    bool checkFrequencyValues(int step);  // 0x14: own frequency, the 16 frequencies

    // Answers.
    // A frame nothing asked for (0x3D, 0x3F): trace and status text, timer 1 left running.
    void reportUnasked(const wire::FrameView& f, const std::string& text);
    void onCommon(const wire::FrameView& f);  // 0x23
    void showCommon(const wire::FrameView& f);
    void onFrequencies(const wire::FrameView& f);  // 0x17
    void onFunctions(const wire::FrameView& f);    // 0x1F

    std::uint8_t commonFlagsByte() const;
    int stepFromSpacing() const;

    int freqStep_ = 250;         // 125 at 12.5 kHz, 250 at 25 kHz (100 Hz units)
    int writeMode_ = 0;          // mode flag: 0 read chain, 1 write chain
    std::uint8_t keptBits_ = 0;  // bits 7 and 5 of the flags byte as the write chain read them
};

}  // namespace rb::families::netradio
