// CommonBasePage: what the base page ("基本信息") of every 0x96 family does with the
// common-parameter group the same way: the version read (0x99 -> 0x9A), the group's read
// (0x22 -> 0x23) and write (0x20 -> 0x21) with the PTT-limit and standby checks, the reset
// defaults, and the fields a 0x23 answer shows (common_params.h lists its bytes).
//
// The family keeps what differs: its flags-byte bits beyond the shared four, its power and
// spacing codes, and the codes it shows for a list entry outside the tables.
#pragma once

#include <cstdint>

#include "engine/page.h"

namespace rb::families::common96 {

class CommonBasePage : public engine::Page {
protected:
    // `channelBeep`: the page has the "频道切换" beep box (bit 2 of the flags byte).
    CommonBasePage(engine::Session& session, int index, bool channelBeep)
        : Page(session, index), channelBeep_(channelBeep) {}

    // The list entry shown for a speed or air-speed code outside its table; -1 leaves the list
    // as it is.
    struct UnknownCodes {
        int speed = -1;
        int airSpeed = -1;
    };

    void requestVersion();                       // 0x99
    void requestCommon();                        // 0x22
    void showVersion(const wire::FrameView& f);  // the 0x9A text in status part 1

    // The channel group the frequency and function reads name (bytes 4-5): checked, its message
    // shown on a refusal. A family without channel groups always names group 1.
    virtual bool checkGroup(int& group) {
        group = 1;
        return true;
    }
    // 0x16 or 0x1E for the checked group; false, with nothing sent, when it was refused.
    bool requestForGroup(std::uint8_t code);

    // PTT limit and standby delay: one byte each on the wire, refused (with the message) when
    // outside 0-255, never wrapped.
    bool checkCommonValues();
    // 0x20 from the fields after checkCommonValues: the family's flags byte, power code and
    // spacing code in bytes 8, 9 and 15. Without codes, the power is the shared table's code of
    // the "发射功率" index and the spacing 12.5 kHz (0x55) or 25 kHz (0xAA).
    void writeCommon(std::uint8_t flags, std::uint8_t powerCode, std::uint8_t spacingCode);
    void writeCommon(std::uint8_t flags);

    // Compander on, high power, the beeps off, the lists' opening entries, both timers 0.
    void resetCommonFields();
    // What every family shows of a 0x23 answer: the timers, the shared flag bits and the
    // data-port lists (parity and data bits fall back to 无校验 and "9").
    void showCommonFields(const wire::FrameView& f, UnknownCodes unknown);
    // The "发射功率" index of a power code in the shared table; a code outside leaves it.
    void showPower(std::uint8_t code);
    // Bits 0-3 of the flags byte from the compander and the beep boxes.
    std::uint8_t commonFlagBits() const;

private:
    bool channelBeep_;
};

}  // namespace rb::families::common96
