#include "families/train/train_base.h"

#include <algorithm>
#include <array>

#include "families/train/train_codes.h"
#include "wire/codecs.h"
#include "wire/comm_tool.h"

namespace rb::families::train {

using namespace base_ids;

namespace {

constexpr std::uint8_t kWriteFunctions = 0x1C;
constexpr std::uint8_t kFunctionsWritten = 0x1D;
constexpr std::uint8_t kReadCustomPower = 0x7A;
constexpr std::uint8_t kCustomPowerAnswer = 0x7B;
constexpr std::uint8_t kWriteCustomPower = 0x78;
constexpr std::uint8_t kCustomPowerWritten = 0x79;

constexpr const char* kReadDone = "数据读取成功";
constexpr const char* kWriteDone = "数据设置成功";

// Public-parameter bytes 9-15: the code each list or radio index stands for. Speed, parity,
// data bits, stop bits and air speed are the 0x96 families' common tables; the train station's
// power list has a fifth entry and its spacing a third (6.25 kHz).
using common96::codeOf;
using common96::indexOf;
using common96::kFrequenciesAnswer;
using common96::kFrequenciesWritten;
using common96::kFunctionsAnswer;
using common96::kReadFrequencies;
using common96::kReadFunctions;
using common96::kWriteFrequencies;
constexpr std::array<std::uint8_t, 5> kPowerCodes = {0x11, 0x22, 0x33, 0x44, 0x44};
constexpr std::array<std::uint8_t, 3> kSpacingCodes = {0x66, 0x55, 0xAA};
constexpr std::array<int, 3> kSpacingSteps = {wire::kStep6_25, wire::kStep12_5, wire::kStep25};

// Flags byte (byte 8) beyond the shared bits (compander and tones).
constexpr std::uint8_t kCustomPowerBit = 0x10;
constexpr std::uint8_t kSingleChannelBit = 0x20;
constexpr std::uint8_t kAlwaysSetBit = 0x40;

constexpr std::uint8_t kDigitalBit = 0x80;  // first byte of a channel-function entry

constexpr int kGroupMin = 1;
constexpr int kGroupMax = 8;
constexpr int kLevelMax = 255;
constexpr std::size_t kChannelStart = 6;
constexpr std::size_t kFunctionStride = 3;

// Bytes a channel code takes on the wire at a step.
std::size_t codeBytes(int step) { return step == wire::kStep6_25 ? 3 : 2; }

}  // namespace

CTrainBase::CTrainBase(engine::Session& session, TrainState& state)
    : CommonBasePage(session, kIndex, /*channelBeep=*/true), state_(state) {
    declareForm(form());
    bindControls();
}

void CTrainBase::bindControls() {
    auto& f = form();
    bindReadWrite();
    for (int i = 0; i < 3; ++i) {
        const int id = std::array{kSpacing6_25, kSpacing12_5, kSpacing25}[std::size_t(i)];
        f.onClick(id, [this, i] { state_.trainStep = kSpacingSteps[std::size_t(i)]; });
    }
    // The row labels follow the group edit whatever changes it (typing, spin, answer, file).
    f.addListener([this](int id) {
        if (id == kGroupEdit) relabelRows();
    });
}

void CTrainBase::relabelRows() {
    const std::string& text = form().text(kGroupEdit);
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) return;
    const int group = wire::parseInt(text);
    if (group < kGroupMin || group > kGroupMax) return;
    for (int k = 1; k <= kChannels; ++k) form().setInt(kRows[k - 1].label, (group - 1) * 16 + k);
}

// ---- reset -------------------------------------------------------------------------------------

void CTrainBase::resetFields() {
    // The group, the custom power level and the channel step stay as they are.
    resetCommonFields();
    auto& f = form();
    f.setRadio(kSpacing6_25, 2);
    f.setChecked(kSingleChannel, false);
    for (const ChannelRow& row : kRows) {
        f.setText(row.tx, "0");
        f.setText(row.rx, "0");
        f.setChecked(row.digital, false);
    }
}

// ---- requests ----------------------------------------------------------------------------------

bool CTrainBase::checkFrequencyValues(int step) {
    // Every transmit text first, then every receive text; the first failure names its row. A
    // frequency must be a whole multiple of the step whose code fits its width (24 bits at
    // 6.25 kHz, 16 bits otherwise).
    for (int ChannelRow::*column : {&ChannelRow::tx, &ChannelRow::rx}) {
        for (int k = 1; k <= kChannels; ++k) {
            if (auto msg =
                    wire::CCommTool::CheckFrequency(form().text(kRows[k - 1].*column), step, k)) {
                return showMessage(*msg, engine::kAppTitle);
            }
        }
    }
    return true;
}

bool CTrainBase::checkCustomPower() {
    // The track bar holds 0-255; a position outside (a stored form) is not cut to fit.
    const int level = form().value(kCustomLevel);
    if (level >= 0 && level <= kLevelMax) return true;
    return showMessage("人工功率设置不正确,请设为0-255!");
}

bool CTrainBase::precheckWrite() {
    // Every step's check before the chain's first frame (0x22).
    int group = 0;
    return checkCommonValues() && checkGroup(group) && checkFrequencyValues(stepFromSpacing()) &&
           checkCustomPower();
}

void CTrainBase::writeTrainCommon() {
    const auto& f = form();
    writeCommon(flagsByte(), codeOf(kPowerCodes, f.radio(kPower0_5W)),
                codeOf(kSpacingCodes, f.radio(kSpacing6_25)));
}

bool CTrainBase::checkGroup(int& group) {
    // A whole number: "abc" is no group 0 to be refused silently, "3abc" no group 3.
    const auto value = wire::parseWhole(form().text(kGroupEdit));
    group = value && *value >= kGroupMin && *value <= kGroupMax ? int(*value) : 0;
    if (group != 0) return true;
    session().events.messageShown("信道组号设置错误,请设为1-8!");
    // No owner window.
    session().prompter.info("信道组号设置错误,请设为1-8!", engine::kInfoCaption, nullptr);
    return false;
}

bool CTrainBase::requestFrequencies() { return requestForGroup(kReadFrequencies); }

bool CTrainBase::writeFrequencies() {
    int group = 0;
    if (!checkGroup(group)) return false;
    state_.trainStep = stepFromSpacing();
    const int step = state_.trainStep;
    if (!checkFrequencyValues(step)) return false;
    wire::Bytes payload = {0x00, std::uint8_t(group)};
    for (const ChannelRow& row : kRows) {
        for (int id : {row.tx, row.rx}) {
            const std::uint32_t code = wire::frequencyCode(form().text(id), step);
            if (codeBytes(step) == 3)
                wire::putU24be(payload, code);
            else
                wire::putU16be(payload, code);
        }
    }
    send(wire::frame96(kWriteFrequencies, payload));
    return true;
}

bool CTrainBase::requestFunctions() { return requestForGroup(kReadFunctions); }

bool CTrainBase::writeFunctions() {
    int group = 0;
    if (!checkGroup(group)) return false;
    wire::Bytes payload = {0x00, std::uint8_t(group)};
    for (const ChannelRow& row : kRows) {
        payload.push_back(form().checked(row.digital) ? kDigitalBit : 0x00);
        payload.push_back(0x00);
        payload.push_back(0x00);
    }
    send(wire::frame96(kWriteFunctions, payload));
    return true;
}

void CTrainBase::requestCustomPower() { send(wire::frame96(kReadCustomPower, {0x00, 0x00})); }

void CTrainBase::writeCustomPower() {
    if (!checkCustomPower()) return;
    const int level = form().value(kCustomLevel);
    send(wire::frame96(kWriteCustomPower, {0x00, 0x00, std::uint8_t(kLevelMax - level)}));
}

// ---- answers -----------------------------------------------------------------------------------

void CTrainBase::report(const wire::FrameView& f, const std::string& trace,
                        const std::string& status) {
    session().AppendTrace(f.code(), "\r\n" + trace + "!");
    stopTimer(engine::kResponseTimer);
    if (!status.empty()) session().statusBar.SetText(2, status);
    session().events.succeeded(trace);
}

void CTrainBase::OnFrame(const wire::FrameView& f) {
    // Only the answer to the request sent last (its code + 1) moves the chain: a stray write
    // acknowledgement during a read, a read answer during a write, a second or late answer is
    // left alone and timer 1 keeps running.
    if (!takeAnswer(std::uint8_t(f.code() - 1))) return;
    switch (f.code()) {
        case kVersionAnswer:
            showVersion(f);
            report(f, "读取版本信息成功", kReadDone);
            requestCommon();
            break;
        case kCommonAnswer:
            if (modeFlag() == 1) {
                // First answer of the write chain: only the terminal's bit 7 is kept.
                modeFlag() = 0;
                state_.keptAuthBit = f[kFlagsByte] & kAuthBit;
                report(f, "公共参数读取成功", "");
                writeTrainCommon();
                break;
            }
            showCommon(f);
            report(f, "公共参数读取成功", kReadDone);
            requestFrequencies();
            break;
        case kFrequenciesAnswer:
            onFrequencies(f);
            report(f, "信道频率读取成功", kReadDone);
            requestFunctions();
            break;
        case kFunctionsAnswer:
            onFunctions(f);
            report(f, "信道功能读取成功", kReadDone);
            requestCustomPower();
            break;
        case kCustomPowerAnswer:
            form().setValue(kCustomLevel, kLevelMax - f[6]);
            report(f, "人工功率读取成功", kReadDone);
            break;
        case kCommonWritten:
            report(f, "公共参数设置成功", kWriteDone);
            writeFrequencies();
            break;
        case kFrequenciesWritten:
            report(f, "信道频率设置成功", kWriteDone);
            writeFunctions();
            break;
        case kFunctionsWritten:
            report(f, "信道功能设置成功", kWriteDone);
            writeCustomPower();
            break;
        case kCustomPowerWritten:
            report(f, "人工功率设置成功", kWriteDone);
            break;
        default:
            break;  // not ours
    }
}

void CTrainBase::showCommon(const wire::FrameView& f) {
    showCommonFields(f, {.speed = 9, .airSpeed = 3});
    const std::uint8_t flags = f[kFlagsByte];
    if (flags & kSingleChannelBit) form().setChecked(kSingleChannel, true);  // clear leaves it
    if (flags & kCustomPowerBit) {
        form().setRadio(kPower0_5W, kCustomIndex);
    } else if (int i = indexOf(kPowerCodes, f[9]); i >= 0) {
        form().setRadio(kPower0_5W, i);  // 0x44 is "高功率" (index 3), never the custom power
    }
    const int spacing = indexOf(kSpacingCodes, f[15]);
    setSpacing(spacing >= 0 && spacing < 2 ? spacing : 2);
}

void CTrainBase::onFrequencies(const wire::FrameView& f) {
    form().setInt(kGroupEdit, f[5]);
    relabelRows();
    const int step = state_.trainStep;
    const std::size_t width = codeBytes(step);
    for (int k = 1; k <= kChannels; ++k) {
        const std::size_t at = kChannelStart + 2 * width * std::size_t(k - 1);
        const std::uint32_t tx = width == 3 ? f.u24be(at) : f.u16be(at);
        const std::uint32_t rx = width == 3 ? f.u24be(at + width) : f.u16be(at + width);
        form().setText(kRows[k - 1].tx, wire::frequencyText(tx, step));
        form().setText(kRows[k - 1].rx, wire::frequencyText(rx, step));
    }
}

void CTrainBase::onFunctions(const wire::FrameView& f) {
    form().setInt(kGroupEdit, f[5]);
    relabelRows();
    for (int k = 1; k <= kChannels; ++k) {
        const std::size_t at = kChannelStart + kFunctionStride * std::size_t(k - 1);
        form().setChecked(kRows[k - 1].digital, f[at] & kDigitalBit);
    }
}

// ---- field helpers -----------------------------------------------------------------------------

std::uint8_t CTrainBase::flagsByte() const {
    const auto& f = form();
    std::uint8_t b = kAlwaysSetBit | (state_.keptAuthBit & kAuthBit) | commonFlagBits();
    if (f.radio(kPower0_5W) == kCustomIndex) b |= kCustomPowerBit;
    if (f.checked(kSingleChannel)) b |= kSingleChannelBit;
    return b;
}

int CTrainBase::stepFromSpacing() const {
    const int i = form().radio(kSpacing6_25);
    // No spacing selected (a file with an index outside the list): the 25 kHz default.
    return i >= 0 && i < 3 ? kSpacingSteps[std::size_t(i)] : wire::kStep25;
}

void CTrainBase::setSpacing(int index) {
    form().setRadio(kSpacing6_25, index);
    state_.trainStep = stepFromSpacing();
}

}  // namespace rb::families::train
