#include "families/lm52r/lm52r_train.h"

#include <algorithm>

#include "families/common96/number_checks.h"
#include "wire/codecs.h"

namespace rb::families::lm52r {

using namespace train_ids;
using namespace engine::layout;

namespace {
constexpr std::uint8_t kTrainWrite = 0x30;
constexpr std::uint8_t kTrainAck = 0x31;
constexpr std::uint8_t kTrainRead = 0x32;
constexpr std::uint8_t kTrainAnswer = 0x33;
constexpr std::uint8_t kYes = 0x55;  // 机车电台 / 禁止自动重发
constexpr engine::Millis kButtonLock{2000};
}  // namespace

CLM52RTrain::CLM52RTrain(engine::Session& session, Lm52rState& state)
    : Page(session, kIndex), state_(state) {
    declareForm();
    setPeriods({kButtonLock, kButtonLock});
    bindReadWrite(kReadButton, kWriteButton);
    // Writing needs no confirmation: the write button does not go through OnWrite.
    form().onClick(kWriteButton, [this] { onWriteParams(); });
    form().onChange(kDispatchEdit, [this] { clampNibble(kDispatchEdit); });
    form().onChange(kStaffEdit, [this] { clampNibble(kStaffEdit); });
}

void CLM52RTrain::declareForm() {
    auto& f = form();
    f.addEdit(kDispatchEdit, 0, "0");
    f.addSpin(kDispatchSpin, kDispatchEdit, 0, 15);
    f.addEdit(kStaffEdit, 0, "0");
    f.addSpin(kStaffSpin, kStaffEdit, 0, 15);
    f.addCheck(kNoResendCheck, "禁止自动重发", false);
    f.addRadio(kHandheldRadio, "手持电台", kHandheldRadio).value = 1;
    f.addRadio(kLocomotiveRadio, "机车电台", kHandheldRadio);
    f.addButton(kReadButton, "读取列调参数");
    f.addButton(kWriteButton, "写录列调参数");
    f.setLayout(group("列车调度型参数设置:",
                      column({grid(3, {label("调号:"), ctl(kDispatchEdit), ctl(kDispatchSpin),
                                       label("人员编号:"), ctl(kStaffEdit), ctl(kStaffSpin)}),
                              ctl(kNoResendCheck),
                              group("电台类型", row({ctl(kHandheldRadio), ctl(kLocomotiveRadio)})),
                              row({ctl(kReadButton), ctl(kWriteButton)})})));
}

void CLM52RTrain::clampNibble(int editId) {
    const std::string& text = form().text(editId);
    if (text.empty()) return;
    const long long v = wire::parseLong(text);
    if (v < 0) form().setInt(editId, 0);
    if (v > 15) form().setInt(editId, 15);
}

bool CLM52RTrain::precheckWrite() {
    // Each number owns one nibble of byte 6: a value outside 0-15 is refused, never cut.
    if (!common96::numberIn(form().text(kDispatchEdit), 0, 15)) {
        return showMessage("调号设置不正确,请设为0-15!");
    }
    if (!common96::numberIn(form().text(kStaffEdit), 0, 15)) {
        return showMessage("人员编号设置不正确,请设为0-15!");
    }
    return true;
}

void CLM52RTrain::onWriteParams() {
    // No confirmation, so the button runs the checks itself.
    if (!precheckWrite()) return;
    beginRequest();
    lockButtons(kButtonLock);
    modeFlag() = 1;
    sendFirstWrite();
}

void CLM52RTrain::sendFirstRead() { send(wire::frame96(kTrainRead, {0x00, 0x01})); }

void CLM52RTrain::sendFirstWrite() {
    if (!precheckWrite()) return;
    const auto& f = form();
    const int dispatch = f.intValue(kDispatchEdit);
    const int staff = f.intValue(kStaffEdit);
    const std::uint8_t type = f.radio(kHandheldRadio) == 1 ? kYes : 0x00;
    const std::uint8_t resend = f.checked(kNoResendCheck) ? kYes : 0x00;
    send(wire::frame96(kTrainWrite,
                       {0x00, 0x01, std::uint8_t(staff * 16 + dispatch), type, resend}));
}

void CLM52RTrain::OnFrame(const wire::FrameView& f) {
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
