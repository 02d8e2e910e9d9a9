// CWZ4040Base: the first tab ("基本信息") of the trunking container. It reads and writes the
// terminal's identity and basic parameters, the default and off-net frequencies, one 16-row page
// of the frequency table, dispatch timing, the alarm-phone binding and the key parameter, and
// shows the factory text and the terminal status. The page keeps no copies: every value is read
// from and written to its controls.
//
// Read chain:  0x27 -> 0x28, 0x21 -> 0x22, 0x23 -> 0x24, 0x25 -> 0x26
// Write chain: 0x11, 0x15, 0x12, 0x14, 0x13, 0x16, each acknowledged by 0x80 echoing it
//
// The LM520W relay variant relabels the frequency rows, disables the off-net transmit row, the
// table version and page, and accepts identities up to 0xFFFF only (applyVariant).
#pragma once

#include "families/wz4040/wz4040_base_ids.h"
#include "families/wz4040/wz4040_codes.h"

namespace rb::families::wz4040 {

class CWZ4040Base : public eapages::EaPage {
public:
    static constexpr int kIndex = 0;

    explicit CWZ4040Base(engine::Session& session);

    void OnFrame(const wire::FrameView& frame) override;
    bool hasReadChain() const override { return true; }
    bool hasWriteChain() const override { return true; }
    // The checks of all six write steps (0x11, 0x15, 0x12, 0x14, 0x13, 0x16) in chain order.
    bool precheckWrite() override;

    // Labels, enabled states and identity range of a variant (the LM520W relay or trunking).
    void applyVariant(bool relay);

protected:
    void resetFields() override;
    void sendFirstRead() override { requestFactoryText(); }
    void sendFirstWrite() override { writeBasic(); }

private:
    static void declareForm(engine::FormModel& f);  // wz4040_base_form.cpp
    bool relay() const { return relay_; }
    int step() const;  // from the spacing radios

    void requestFactoryText();  // 0x27
    void requestBasic();        // 0x21
    bool requestTable();        // 0x23
    void requestStatus();       // 0x25
    // The checks of each write step; the first refusal shows its message and gives false.
    bool checkBasic();
    bool checkFrequencies();
    bool checkTable();
    bool checkTiming();
    bool checkAlarm();
    bool checkKey();

    bool writeBasic();        // 0x11
    bool writeFrequencies();  // 0x15
    bool writeTable();        // 0x12
    bool writeTiming();       // 0x14
    bool writeAlarm();        // 0x13
    bool writeKey();          // 0x16

    // Answers (wz4040_base_answers.cpp).
    void onFactoryText(const wire::FrameView& f);  // 0x28
    void onBasic(const wire::FrameView& f);        // 0x22
    void onTable(const wire::FrameView& f);        // 0x24
    void onStatus(const wire::FrameView& f);       // 0x26
    void onAck(const wire::FrameView& f);          // 0x80

    void numberRows(int page);
    bool relay_ = false;  // the face applyVariant gave it last
};

}  // namespace rb::families::wz4040
