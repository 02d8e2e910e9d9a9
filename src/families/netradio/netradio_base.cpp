#include "families/netradio/netradio_base.h"

#include <cstdio>

#include "families/common96/common_params.h"
#include "families/netradio/netradio_base_ids.h"
#include "wire/codecs.h"
#include "wire/comm_tool.h"
#include "wire/text_format.h"

namespace rb::families::netradio {

using namespace base_ids;
using namespace common96;

namespace {

constexpr std::uint8_t kWriteFunctions = 0x18;
constexpr std::uint8_t kFunctionsWritten = 0x19;
constexpr std::uint8_t kVoxWritten = 0x3D;
constexpr std::uint8_t kVoxAnswer = 0x3F;

// Flags byte (frame byte 8) beyond the shared bits; bits 2 and 4 go out as 0.
constexpr std::uint8_t kBacklightBit = 0x40;
// 跨组呼叫使能 (bit 5) and 鉴权(使能) (bit 7) belong to the user page: kept from the terminal.
constexpr std::uint8_t kKeptBitsMask = 0xA0;

// Function flags of 0x18 / 0x1F.
constexpr std::uint8_t kFunctionsBase = 0x80;
constexpr std::uint8_t kVoxBit = 0x40;
constexpr std::uint8_t kEncryptBit = 0x08;
constexpr std::uint8_t kHoppingBit = 0x02;

// 0x14 / 0x17: frequency k (1-16, 16 = off-net) at bytes 4+2k and 5+2k; 0x14 repeats
// frequency 15 and the off-net frequency behind 28 zero bytes.
constexpr std::size_t kCodesFirst = 6;
constexpr std::size_t kZeroBytes = 28;

std::string rowMessage(int row) {
    if (row == 16) return "脱网频率数据设置不正确!";
    return wire::twoDigits(row) + "号频率数据设置不正确!";
}

// The edit of frequency row 1-16.
int frequencyEdit(int row) { return row == 16 ? kOffNetEdit : kFrequencyEdits[row - 1]; }

}  // namespace

CNetRadioBase::CNetRadioBase(engine::Session& session)
    : CommonBasePage(session, kIndex, /*channelBeep=*/false) {
    declareForm(form());
    bindControls();
}

void CNetRadioBase::bindControls() {
    auto& f = form();
    bindReadWrite();
    f.onClick(kSpacing12_5, [this] { freqStep_ = wire::kStep12_5; });
    f.onClick(kSpacing25, [this] { freqStep_ = wire::kStep25; });
    for (int id = kFirstOwnBox; id <= kLastOwnBox; ++id) {
        f.onClick(id, [this, id] { onOwnBoxClicked(id); });
    }
    f.onClick(kOffNetOwnBox, [this] { onOwnBoxClicked(kOffNetOwnBox); });
    for (int i = 0; i < kSpareRows; ++i) {
        const int id = kFirstSpareBox + i;
        f.onClick(id, [this, id] { onOwnBoxClicked(id); });
    }
}

void CNetRadioBase::onOwnBoxClicked(int id) {
    // The clicked box keeps its new state, every usable one besides is cleared: at most one of
    // the fifteen is ticked, and clicking the ticked one leaves none.
    const bool on = form().checked(id);
    for (int box = kFirstOwnBox; box <= kLastOwnBox; ++box) form().setChecked(box, false);
    form().setChecked(id, on);
}

int CNetRadioBase::ownFrequencyNumber() const {
    for (int box = kFirstOwnBox; box <= kLastOwnBox; ++box) {
        if (form().checked(box)) return box - kFirstOwnBox + 1;
    }
    return 0;
}

void CNetRadioBase::setOwnFrequency(int number) {
    for (int box = kFirstOwnBox; box <= kLastOwnBox; ++box) {
        form().setChecked(box, box - kFirstOwnBox + 1 == number);
    }
}

// ---- reset --------------------------------------------------------------------------------------

void CNetRadioBase::resetFields() {
    resetCommonFields();
    auto& f = form();
    f.setRadio(kSpacing12_5, 1);
    f.setInt(kVoxEdit, 300);
    f.setChecked(kVoxCheck, false);
    f.setChecked(kEncryptCheck, false);
    f.setChecked(kHoppingCheck, false);
    f.setChecked(kBacklight, true);
    for (int row = 1; row <= 16; ++row) f.setText(frequencyEdit(row), "0");
    setOwnFrequency(0);
}

// ---- requests -------------------------------------------------------------------------------

bool CNetRadioBase::checkFrequencyValues(int step) {
    if (ownFrequencyNumber() == 0) return showMessage("请设置本机频率!");
    // Rows 01-15, then the off-net frequency; the first that is not a whole multiple of the
    // step (or whose code does not fit 16 bits) names its row. A negative value is refused too:
    // it has no channel code.
    for (int row = 1; row <= 16; ++row) {
        if (!wire::CCommTool::IsFrequencyValid(form().text(frequencyEdit(row)), step)) {
            return showMessage(rowMessage(row));
        }
    }
    return true;
}

bool CNetRadioBase::precheckWrite() {
    // Every step's check before the chain's first frame (0x22).
    return checkCommonValues() && checkFrequencyValues(stepFromSpacing());
}

void CNetRadioBase::requestFrequencies() { requestForGroup(kReadFrequencies); }  // group 1

bool CNetRadioBase::writeFrequencies() {
    freqStep_ = stepFromSpacing();
    if (!checkFrequencyValues(freqStep_)) return false;
    const int own = ownFrequencyNumber();
    wire::Bytes payload = {0x00, std::uint8_t(own)};
    for (int row = 1; row <= 16; ++row) {
        wire::putU16be(payload, wire::frequencyCode(form().text(frequencyEdit(row)), freqStep_));
    }
    payload.resize(payload.size() + kZeroBytes, 0);
    wire::putU16be(payload, wire::frequencyCode(form().text(frequencyEdit(15)), freqStep_));
    wire::putU16be(payload, wire::frequencyCode(form().text(frequencyEdit(16)), freqStep_));
    send(wire::frame96(kWriteFrequencies, payload));
    return true;
}

void CNetRadioBase::requestFunctions() { requestForGroup(kReadFunctions); }  // group 1

void CNetRadioBase::writeFunctions() {
    std::uint8_t flags = kFunctionsBase;
    if (form().checked(kVoxCheck)) flags |= kVoxBit;
    if (form().checked(kEncryptCheck)) flags |= kEncryptBit;
    if (form().checked(kHoppingCheck)) flags |= kHoppingBit;
    send(wire::frame96(kWriteFunctions, {0x00, 0x01, 0x00, flags, 0x00, 0x00}));
}

// ---- answers ----------------------------------------------------------------------------------

void CNetRadioBase::OnFrame(const wire::FrameView& f) {
    // The page never asks for the VOX level: a terminal's 0x3D or 0x3F is taken whenever it
    // comes, but it is nobody's answer, so it neither ends the wait nor moves a chain.
    if (f.code() == kVoxWritten || f.code() == kVoxAnswer) {
        if (f.code() == kVoxAnswer) form().setInt(kVoxEdit, f[6] + 256 * f[7]);
        reportUnasked(f, f.code() == kVoxAnswer ? "读取声控电平成功" : "声控电平设置成功");
        return;
    }
    // Otherwise only the answer to the request sent last (its code + 1) moves the chain: a
    // stray write acknowledgement during a read, a read answer during a write, a second or late
    // answer is left alone and timer 1 keeps running.
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
            break;
        default:
            break;  // not ours
    }
}

void CNetRadioBase::reportUnasked(const wire::FrameView& f, const std::string& text) {
    session().AppendTrace(f.code(), "\r\n" + text + "!");
    session().statusBar.SetText(2, text);
    session().events.succeeded(text);
}

void CNetRadioBase::onCommon(const wire::FrameView& f) {
    if (modeFlag() == 1) {
        // First answer of the write chain: keep the user page's bits and write.
        modeFlag() = 0;
        keptBits_ = f[kFlagsByte] & kKeptBitsMask;
        session().AppendTrace(f.code(), "\r\n公共参数读取成功!");
        stopTimer(engine::kResponseTimer);
        writeCommon(commonFlagsByte());
        return;
    }
    showCommon(f);
    reportSuccess(f, "公共参数读取成功");
    requestFrequencies();
}

void CNetRadioBase::showCommon(const wire::FrameView& f) {
    // A power or stop-bit code outside its table leaves the field; the other lists fall back
    // to an entry of their own.
    showCommonFields(f, {.speed = 9, .airSpeed = 3});
    form().setChecked(kBacklight, f[kFlagsByte] & kBacklightBit);
    showPower(f[9]);
    const bool narrow = f[15] == kSpacing12_5Code;
    form().setRadio(kSpacing12_5, narrow ? 0 : 1);
    freqStep_ = narrow ? wire::kStep12_5 : wire::kStep25;
}

void CNetRadioBase::onFrequencies(const wire::FrameView& f) {
    const int own = f[5];
    setOwnFrequency(own >= 1 && own <= kFrequencies ? own : 0);
    for (int row = 1; row <= 16; ++row) {
        // A pair 0xFF 0xFF stands for no frequency: frequencyText reads it as 0.
        const std::uint32_t code = f.u16be(kCodesFirst + 2 * std::size_t(row - 1));
        form().setText(frequencyEdit(row), wire::frequencyText(code, freqStep_));
    }
}

void CNetRadioBase::onFunctions(const wire::FrameView& f) {
    const std::uint8_t flags = f[6];
    form().setChecked(kVoxCheck, flags & kVoxBit);
    form().setChecked(kEncryptCheck, flags & kEncryptBit);
    form().setChecked(kHoppingCheck, flags & kHoppingBit);
}

// ---- field helpers ------------------------------------------------------------------------------

std::uint8_t CNetRadioBase::commonFlagsByte() const {
    std::uint8_t b = (keptBits_ & kKeptBitsMask) | commonFlagBits();
    if (form().checked(kBacklight)) b |= kBacklightBit;
    return b;
}

int CNetRadioBase::stepFromSpacing() const {
    return form().radio(kSpacing12_5) == 0 ? wire::kStep12_5 : wire::kStep25;
}

std::set<int> CNetRadioBase::verifyIgnores() const {
    // The VOX level travels only in the file; the terminal never holds it.
    return {kVoxEdit};
}

}  // namespace rb::families::netradio
