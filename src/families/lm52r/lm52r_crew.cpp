#include "families/lm52r/lm52r_crew.h"

#include <algorithm>

#include "families/common96/edit_guards.h"
#include "families/common96/number_checks.h"
#include "wire/codecs.h"

namespace rb::families::lm52r {

using namespace crew_ids;

namespace {
constexpr std::uint8_t kTrainWrite = 0x30;
constexpr std::uint8_t kTrainAck = 0x31;
constexpr std::uint8_t kTrainRead = 0x32;
constexpr std::uint8_t kTrainAnswer = 0x33;
constexpr std::uint8_t kYes = 0x55;  // 机车电台 / 禁止自动重发
constexpr engine::Millis kButtonLock{2000};
}  // namespace

CLM52RCrew::CLM52RCrew(engine::Session& session, Lm52rState& state)
    : Page(session, kIndex), state_(state) {
    declareForm();
    setPeriods({kButtonLock, kButtonLock});
    bindReadWrite(kReadButton, kWriteButton);
    // Writing needs no confirmation: the write button does not go through OnWrite.
    form().onClick(kWriteButton, [this] { onWriteParams(); });
    form().onChange(kDispatchEdit, [this] { clampNibble(kDispatchEdit); });
    form().onChange(kStaffEdit, [this] { clampNibble(kStaffEdit); });
}

void CLM52RCrew::clampNibble(int editId) { common96::clampNumber(form(), editId, 0, 15); }

bool CLM52RCrew::precheckWrite() {
    // Each number owns one nibble of byte 6: a value outside 0-15 is refused, never cut.
    if (!common96::numberIn(form().text(kDispatchEdit), 0, 15)) {
        return showMessage("调号设置不正确,请设为0-15!");
    }
    if (!common96::numberIn(form().text(kStaffEdit), 0, 15)) {
        return showMessage("人员编号设置不正确,请设为0-15!");
    }
    return true;
}

void CLM52RCrew::onWriteParams() {
    // No confirmation, so the button runs the checks itself.
    if (!precheckWrite()) return;
    beginRequest();
    lockButtons(kButtonLock);
    modeFlag() = 1;
    sendFirstWrite();
}

void CLM52RCrew::sendFirstRead() { send(wire::frame96(kTrainRead, {0x00, 0x01})); }

void CLM52RCrew::sendFirstWrite() {
    if (!precheckWrite()) return;
    const auto& f = form();
    const int dispatch = f.intValue(kDispatchEdit);
    const int staff = f.intValue(kStaffEdit);
    const std::uint8_t type = f.radio(kHandheldRadio) == 1 ? kYes : 0x00;
    const std::uint8_t resend = f.checked(kNoResendCheck) ? kYes : 0x00;
    send(wire::frame96(kTrainWrite,
                       {0x00, 0x01, std::uint8_t(staff * 16 + dispatch), type, resend}));
}

void CLM52RCrew::OnFrame(const wire::FrameView& f) {
    // Only the answer to the request sent last (its code + 1) is taken; a stray leaves the
    // fields and timer 1 alone.
    if (!takeAnswer(std::uint8_t(f.code() - 1))) return;
    switch (f.code()) {
        case kTrainAnswer:
            form().setInt(kDispatchEdit, f[6] % 16);
            form().setInt(kStaffEdit, f[6] / 16);
            form().setRadio(kHandheldRadio, f[7] == kYes ? 1 : 0);
            form().setChecked(kNoResendCheck, f[8] == kYes);
            reportSuccess(f, "列调参数读取成功");
            break;
        case kTrainAck:
            reportSuccess(f, "列调参数设置成功");
            break;
        default:
            break;
    }
}

}  // namespace rb::families::lm52r
