// CLM52RTrain: third tab of the LM52R container ("列车信息"). Reads and writes the terminal's
// train-dispatch parameters: dispatch number, staff number, radio type and the automatic-resend
// switch. Two requests, 0x32 (read) and 0x30 (write); timer 2 locks both buttons for 2000 ms
// after either. The page takes no part in the configuration file.
#pragma once

#include "engine/page.h"
#include "families/lm52r/lm52r_state.h"

namespace rb::families::lm52r {

namespace train_ids {
inline constexpr int kDispatchEdit = 1416;  // "调号:" 0-15
inline constexpr int kDispatchSpin = 1417;
inline constexpr int kStaffEdit = 1418;  // "人员编号:" 0-15
inline constexpr int kStaffSpin = 1419;
inline constexpr int kNoResendCheck = 1420;    // "禁止自动重发"
inline constexpr int kHandheldRadio = 1421;    // "手持电台" (first of the "电台类型" group)
inline constexpr int kLocomotiveRadio = 1422;  // "机车电台"
inline constexpr int kReadButton = 1423;       // "读取列调参数"
inline constexpr int kWriteButton = 1424;      // "写录列调参数"
}  // namespace train_ids

class CLM52RTrain : public engine::Page {
public:
    static constexpr int kIndex = 2;

    CLM52RTrain(engine::Session& session, Lm52rState& state);

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
    void declareForm();
    // Keeps an edited number inside 0-15, so that it cannot spill into the other nibble.
    void clampNibble(int editId);

    [[maybe_unused]] Lm52rState& state_;  // the family state; this page keeps none of it yet
};

}  // namespace rb::families::lm52r
