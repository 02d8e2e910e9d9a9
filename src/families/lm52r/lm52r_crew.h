// CLM52RCrew: third tab of the LM52R container ("列车信息"). Reads and writes who the terminal
// answers to in train dispatching: the crew's dispatch number and staff number, whether it is a
// hand-held or a locomotive radio, and the automatic-resend switch. Two requests, 0x32 (read) and
// 0x30 (write); timer 2 locks both buttons for 2000 ms after either. The page takes no part in the
// configuration file.
#pragma once

#include "engine/page.h"
#include "families/lm52r/lm52r_crew_ids.h"
#include "families/lm52r/lm52r_state.h"

namespace rb::families::lm52r {

class CLM52RCrew : public engine::Page {
public:
    static constexpr int kIndex = 2;

    CLM52RCrew(engine::Session& session, Lm52rState& state);

    void OnFrame(const wire::FrameView& frame) override;
    bool hasReadChain() const override { return true; }
    bool hasWriteChain() const override { return true; }
    // 调号 and 人员编号 are whole numbers 0-15 (one nibble each of byte 6).
    bool precheckWrite() override;

    // The write button: sends at once, without "确认写录数据?".
    void onWriteParams();

protected:
    void sendFirstRead() override;   // 0x32
    void sendFirstWrite() override;  // 0x30 from the controls

private:
    void declareForm();  // lm52r_crew_form.cpp
    // Keeps an edited number inside 0-15, so that it cannot spill into the other nibble.
    void clampNibble(int editId);

    [[maybe_unused]] Lm52rState& state_;  // the family state; this page keeps none of it yet
};

}  // namespace rb::families::lm52r
