#include "families/lm52r/lm52r_base.h"

#include <algorithm>

#include "families/common96/common_params.h"
#include "wire/codecs.h"
#include "wire/comm_tool.h"
#include "wire/version_text.h"

namespace rb::families::lm52r {

using namespace base_ids;
using namespace common96;

namespace {

// Command codes of the base page beyond the common ones (answers are the request code + 1).
constexpr std::uint8_t kWriteFunctions = 0x1C;
constexpr std::uint8_t kFunctionsWritten = 0x1D;
constexpr std::uint8_t kReadVox = 0x3E;
constexpr std::uint8_t kVoxAnswer = 0x3F;
constexpr std::uint8_t kWriteVox = 0x3C;
constexpr std::uint8_t kVoxWritten = 0x3D;

// Flags byte (byte 8) beyond the shared bits: the backlight, and the three bits the page keeps
// for the terminal.
constexpr std::uint8_t kBacklightBit = 0x40;
constexpr std::uint8_t kKeptBitsMask = 0xB0;  // bits 4, 5, 7

// Offsets of channel k's values in the 0x17 and 0x1F answers.
constexpr std::size_t kFrequencyStart = 6;
constexpr std::size_t kFrequencyStride = 4;
constexpr std::size_t kFunctionStart = 6;
constexpr std::size_t kFunctionStride = 3;

constexpr int kGroupMin = 1;
constexpr int kGroupMax = 10;
constexpr long long kByteMax = 255;
constexpr long long kVoxMax = 65535;  // two bytes on the wire

}  // namespace

CLM52RBase::CLM52RBase(engine::Session& session, Lm52rState& state)
    : CommonBasePage(session, kIndex, /*channelBeep=*/true), state_(state) {
    declareForm(form());
    bindControls();
}

void CLM52RBase::bindControls() {
    auto& f = form();
    bindReadWrite();
    f.onClick(kSpacing12_5, [this] { state_.freqStep = wire::kStep12_5; });
    f.onClick(kSpacing25, [this] { state_.freqStep = wire::kStep25; });
    for (int j = 0; j < kFlagCount; ++j) {
        f.onClick(kColumnSwitches[j], [this, j] {
            const bool on = form().checked(kColumnSwitches[j]);
            for (const ChannelRow& row : kRows) form().setChecked(row.flags[j], on);
        });
    }
    f.onClick(kClearTx, [this] {
        for (const ChannelRow& row : kRows) form().setText(row.tx, "0");
    });
    f.onClick(kClearRx, [this] {
        for (const ChannelRow& row : kRows) form().setText(row.rx, "0");
    });
    for (int k = 1; k <= kChannels; ++k) {
        f.onClick(kRows[k - 1].button, [this, k] { openChannelDialog(k); });
    }
}

// ---- reset --------------------------------------------------------------------------------------

void CLM52RBase::resetFields() {
    // Before a read, so that a group the terminal does not deliver shows defaults, not stale
    // values. The channel reads therefore ask for group 1.
    resetCommonFields();
    auto& f = form();
    f.setInt(kGroupEdit, 1);
    f.setRadio(kSpacing12_5, 1);
    f.setInt(kVoxEdit, 300);
    for (const ChannelRow& row : kRows) {
        f.setText(row.tx, "0");
        f.setText(row.rx, "0");
        for (int id : row.flags) f.setChecked(id, false);
    }
    f.setChecked(kBacklight, true);
    state_.lm52rKeptBits = 0;
    state_.chanEncryType.fill(0);
    state_.chanHFType.fill(0);
}

// ---- requests -------------------------------------------------------------------------------

bool CLM52RBase::checkGroup(int& group) {
    const auto value =
        checkedNumber(kGroupEdit, kGroupMin, kGroupMax, "信道组号设置错误,请设为1-10!");
    if (!value) return false;
    group = int(*value);
    return true;
}

bool CLM52RBase::checkFrequencyValues(int step) {
    // Every transmit frequency first, then every receive frequency; the first failure names its
    // channel. A frequency must be a whole multiple of the step whose code fits 16 bits.
    for (int ChannelRow::*column : {&ChannelRow::tx, &ChannelRow::rx}) {
        for (int k = 1; k <= kChannels; ++k) {
            const std::string& text = form().text(kRows[k - 1].*column);
            if (auto msg = wire::CCommTool::CheckFrequency(text, step, k)) {
                return showMessage(*msg, engine::kAppTitle);
            }
        }
    }
    return true;
}

bool CLM52RBase::checkVoxValue() {
    return checkNumber(kVoxEdit, 0, kVoxMax, "声控电平设置不正确,请设为0-65535!");
}

bool CLM52RBase::precheckWrite() {
    // Every step's check before the chain's first frame (0x22): a write either goes out whole
    // or not at all.
    int group = 0;
    return checkCommonValues() && checkGroup(group) && checkFrequencyValues(stepFromSpacing()) &&
           checkChannelParams() && checkVoxValue();
}

bool CLM52RBase::requestFrequencies() { return requestForGroup(kReadFrequencies); }

bool CLM52RBase::writeFrequencies() {
    int group = 0;
    if (!checkGroup(group)) return false;
    state_.freqStep = stepFromSpacing();
    const int step = state_.freqStep;
    if (!checkFrequencyValues(step)) return false;
    wire::Bytes payload = {0x00, std::uint8_t(group)};
    for (const ChannelRow& row : kRows) {
        wire::putU16be(payload, wire::frequencyCode(form().text(row.tx), step));
        wire::putU16be(payload, wire::frequencyCode(form().text(row.rx), step));
    }
    send(wire::frame96(kWriteFrequencies, payload));
    return true;
}

bool CLM52RBase::requestFunctions() { return requestForGroup(kReadFunctions); }

bool CLM52RBase::checkChannelParams() {
    // One byte each in 0x1C. The channel dialog keeps them to 0-15 and 0-3; a value the terminal
    // reported goes back as it came, but one a file holds beyond a byte is not cut.
    for (int k = 1; k <= kChannels; ++k) {
        const int key = state_.chanEncryType[k - 1];
        if (key < 0 || key > kByteMax) {
            return showMessage(std::to_string(k) + "信道密钥方案设置不正确,请设为0-255!");
        }
        const int hop = state_.chanHFType[k - 1];
        if (hop < 0 || hop > kByteMax) {
            return showMessage(std::to_string(k) + "信道跳频系数设置不正确,请设为0-255!");
        }
    }
    return true;
}

bool CLM52RBase::writeFunctions() {
    int group = 0;
    if (!checkGroup(group)) return false;
    if (!checkChannelParams()) return false;
    wire::Bytes payload = {0x00, std::uint8_t(group)};
    for (int k = 1; k <= kChannels; ++k) {
        payload.push_back(channelFlagsByte(k));
        payload.push_back(std::uint8_t(state_.chanEncryType[k - 1]));
        payload.push_back(std::uint8_t(state_.chanHFType[k - 1]));
    }
    send(wire::frame96(kWriteFunctions, payload));
    return true;
}

void CLM52RBase::requestVox() { send(wire::frame96(kReadVox, {0x00, 0x01}), false); }

void CLM52RBase::writeVox() {
    if (!checkVoxValue()) return;
    wire::Bytes payload = {0x00, 0x01};
    wire::putU16le(payload, std::uint32_t(form().intValue(kVoxEdit)));
    send(wire::frame96(kWriteVox, payload), false);
}

// ---- answers ----------------------------------------------------------------------------------

void CLM52RBase::OnFrame(const wire::FrameView& f) {
    // Only the answer to the request sent last (its code + 1) moves the chain: a stray write
    // acknowledgement during a read, a read answer during a write, a second or late answer is
    // left alone (the container traced it) and timer 1 keeps running.
    if (!takeAnswer(std::uint8_t(f.code() - 1))) return;
    switch (f.code()) {
        case kVersionAnswer:
            showVersion(f);
            reportSuccess(f, "读取版本信息成功");
            requestCommon();
            break;
        case kCommonAnswer:
            onCommon(f);
            break;
        case kFrequenciesAnswer:
            onFrequencies(f);
            reportSuccess(f, "信道频率读取成功");
            requestFunctions();
            break;
        case kFunctionsAnswer:
            onFunctions(f);
            reportSuccess(f, "信道功能读取成功");
            requestVox();
            break;
        case kVoxAnswer:
            form().setInt(kVoxEdit, f[6] + 256 * f[7]);
            reportSuccess(f, "读取声控电平成功");
            break;
        case kCommonWritten:
            reportSuccess(f, "公共参数设置成功");
            writeFrequencies();
            break;
        case kFrequenciesWritten:
            reportSuccess(f, "信道频率设置成功");
            writeFunctions();
            break;
        case kFunctionsWritten:
            reportSuccess(f, "信道功能设置成功");
            writeVox();
            break;
        case kVoxWritten:
            reportSuccess(f, "声控电平设置成功");
            break;
        default:
            break;  // not ours
    }
}

void CLM52RBase::onCommon(const wire::FrameView& f) {
    if (modeFlag() == 1) {
        // First answer of the write chain: remember the terminal's own bits and write.
        modeFlag() = 0;
        state_.lm52rKeptBits = f[kFlagsByte] & kKeptBitsMask;
        reportSuccess(f, "公共参数读取成功");
        writeCommon(commonFlagsByte());
        return;
    }
    showCommon(f);
    reportSuccess(f, "公共参数读取成功");
    requestFrequencies();
}

void CLM52RBase::showCommon(const wire::FrameView& f) {
    // Codes outside a table leave their field as it is, except parity (无校验) and data bits
    // (any value above 3 selects "9"). Bits 4, 5, 7 of the flags belong to the terminal and are
    // not shown.
    showCommonFields(f, {});
    form().setChecked(kBacklight, f[kFlagsByte] & kBacklightBit);
    showPower(f[9]);
    setSpacing(f[15] == kSpacing12_5Code ? 0 : 1);
}

void CLM52RBase::onFrequencies(const wire::FrameView& f) {
    form().setInt(kGroupEdit, f[5]);
    const int step = state_.freqStep;
    for (int k = 1; k <= kChannels; ++k) {
        const std::size_t at = kFrequencyStart + kFrequencyStride * std::size_t(k - 1);
        form().setText(kRows[k - 1].tx, wire::frequencyText(f.u16be(at), step));
        form().setText(kRows[k - 1].rx, wire::frequencyText(f.u16be(at + 2), step));
    }
}

void CLM52RBase::onFunctions(const wire::FrameView& f) {
    form().setInt(kGroupEdit, f[5]);
    for (int k = 1; k <= kChannels; ++k) {
        const std::size_t at = kFunctionStart + kFunctionStride * std::size_t(k - 1);
        setChannelFlags(k, f[at]);
        state_.chanEncryType[k - 1] = f[at + 1];
        state_.chanHFType[k - 1] = f[at + 2];
    }
}

// ---- field helpers ------------------------------------------------------------------------------

std::uint8_t CLM52RBase::commonFlagsByte() const {
    std::uint8_t b = (state_.lm52rKeptBits & kKeptBitsMask) | commonFlagBits();
    if (form().checked(kBacklight)) b |= kBacklightBit;
    return b;
}

std::uint8_t CLM52RBase::channelFlagsByte(int channel) const {
    std::uint8_t b = 0;
    for (int j = 0; j < kFlagCount; ++j) {
        if (form().checked(kRows[channel - 1].flags[j])) b |= std::uint8_t(1u << kFlagBits[j]);
    }
    return b;
}

void CLM52RBase::setChannelFlags(int channel, std::uint8_t flags) {
    for (int j = 0; j < kFlagCount; ++j) {
        form().setChecked(kRows[channel - 1].flags[j], flags & (1u << kFlagBits[j]));
    }
}

void CLM52RBase::setSpacing(int radioIndex) {
    form().setRadio(kSpacing12_5, radioIndex);
    state_.freqStep = stepFromSpacing();
}

int CLM52RBase::stepFromSpacing() const {
    return form().radio(kSpacing12_5) == 0 ? wire::kStep12_5 : wire::kStep25;
}

// ---- channel dialog -------------------------------------------------------------------------

ChannelParams CLM52RBase::channelParams(int channel) const {
    const ChannelRow& row = kRows[channel - 1];
    ChannelParams p;
    p.channel = channel;
    p.tx = form().text(row.tx);
    p.rx = form().text(row.rx);
    for (int j = 0; j < kFlagCount; ++j) p.flags[j] = form().checked(row.flags[j]);
    p.encryType = state_.chanEncryType[channel - 1];
    p.hfType = state_.chanHFType[channel - 1];
    return p;
}

void CLM52RBase::applyChannelParams(int channel, const ChannelParams& p) {
    const ChannelRow& row = kRows[channel - 1];
    form().setText(row.tx, p.tx);
    form().setText(row.rx, p.rx);
    for (int j = 0; j < kFlagCount; ++j) form().setChecked(row.flags[j], p.flags[j]);
    state_.chanEncryType[channel - 1] = p.encryType;
    state_.chanHFType[channel - 1] = p.hfType;
}

void CLM52RBase::openChannelDialog(int channel) {
    if (channel < 1 || channel > kChannels || !showDialog) return;
    CChannelParamDlg dlg(session().prompter, channelParams(channel));
    showDialog(dlg);
    if (dlg.result() == CChannelParamDlg::Result::Ok) applyChannelParams(channel, dlg.params());
}

std::set<int> CLM52RBase::verifyIgnores() const {
    // The column switches only tick or clear a column of flags; the flags are compared.
    return {kColumnSwitches.begin(), kColumnSwitches.end()};
}

}  // namespace rb::families::lm52r
