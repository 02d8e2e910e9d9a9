// Band table ("读取频段" / "改写频段"), frequency switching ("切换") and the row colouring.
#include "families/protest/protest_page.h"
#include "wire/codecs.h"
#include "wire/comm_tool.h"

namespace rb::families::protest {

using namespace ids;

namespace {

constexpr std::uint8_t kSwitchCode = 0x10;
constexpr std::uint8_t kWriteBandCode = 0x9B;
constexpr std::uint8_t kReadBandCode = 0x9D;
constexpr std::uint32_t kBlue = 0x0000FF;

// The band table on the wire: rows 1-5, then the default pair.
std::array<FrequencyRow, kRowCount + 1> bandRows() {
    std::array<FrequencyRow, kRowCount + 1> out{};
    for (int r = 0; r < kRowCount; ++r) out[std::size_t(r)] = kRows[std::size_t(r)];
    out[kRowCount] = kDefaultPair;
    return out;
}

}  // namespace

void CProTest::onSpacing() {
    channelStep_ = form().radio(kSpacing12_5) == 1 ? wire::kStep25 : wire::kStep12_5;
}

void CProTest::ReadBand() {
    for (const FrequencyRow& row : bandRows()) {
        form().setText(row.tx, "");
        form().setText(row.rx, "");
    }
    send(wire::frame96(kReadBandCode, {0x00, 0x01}));
}

bool CProTest::checkBandTable() {
    // Each frequency must be a whole number whose code fits 16 bits (0xFFFF reads back as
    // another value): 16384000 at 25 kHz would go out as code 0. An empty box is 0.
    const long long most = 0xFFFFLL * channelStep_ - 1;
    for (const FrequencyRow& row : bandRows()) {
        std::string label = row.label;
        if (label.rfind("* ", 0) == 0) label.erase(0, 2);
        for (const auto& [id, what] :
             {std::pair{row.tx, "发射频率"}, std::pair{row.rx, "接收频率"}}) {
            const std::string& text = form().text(id);
            const bool blank = text.find_first_not_of(" \t") == std::string::npos;
            const auto value = blank ? std::optional<long long>(0) : wire::parseWhole(text);
            if (value && *value >= 0 && *value <= most) continue;
            return stopWith(label + what + "设置不正确,请设为0-" + std::to_string(most) + "!");
        }
    }
    return true;
}

void CProTest::WriteBand() {
    // A value that is no multiple of the step goes out rounded down to its code; one that does
    // not fit the code is refused.
    if (!checkBandTable()) {
        if (sweepFlag_) stopSweep();
        return;
    }
    wire::Bytes payload = {0x00, 0x01};
    BandPairs sent{};
    std::size_t k = 0;
    for (const FrequencyRow& row : bandRows()) {
        const auto tx = wire::frequencyCode(form().text(row.tx), channelStep_);
        const auto rx = wire::frequencyCode(form().text(row.rx), channelStep_);
        wire::putU16be(payload, tx);
        wire::putU16be(payload, rx);
        sent[k++] = {long(tx) * channelStep_, long(rx) * channelStep_};
    }
    send(wire::frame96(kWriteBandCode, payload));
    sentBand_ = sent;
}

void CProTest::onBandAnswer(const wire::FrameView& f) {
    std::size_t at = 6;
    BandPairs pairs{};
    for (std::size_t k = 0; k < pairs.size(); ++k) {
        pairs[k] = {long(f.u16be(6 + 4 * k)) * channelStep_,
                    long(f.u16be(8 + 4 * k)) * channelStep_};
    }
    recordBand("read", pairs);
    for (const FrequencyRow& row : bandRows()) {
        // This page shows the code 0xFFFF as 65535 x step, cut to 7 characters.
        form().setText(row.tx, wire::frequencyText(f.u16be(at), channelStep_, false));
        form().setText(row.rx, wire::frequencyText(f.u16be(at + 2), channelStep_, false));
        at += 4;
    }
    reportSuccess(f, "读取频段成功");
    if (sweepFlag_) {
        SwitchRow(1);
    } else {
        ReadBasic();
    }
}

bool CProTest::checkRow(const FrequencyRow& row) {
    // The transmit text is tested first. The boxes have only an OK button and no icon.
    const char* wrong = nullptr;
    if (!wire::CCommTool::IsFrequencyValid(form().text(row.tx), channelStep_)) {
        wrong = "发射频率设置不正确!";
    } else if (!wire::CCommTool::IsFrequencyValid(form().text(row.rx), channelStep_)) {
        wrong = "接收频率设置不正确!";
    }
    if (!wrong) return true;
    // A sweep that cannot tune its next row ends here rather than waiting for ever.
    sweepFlag_ = 0;
    return stopWith(wrong, engine::Icon::None);
}

void CProTest::SwitchRow(int r) {
    const bool testRow = r == kTestRowNumber;
    if (!testRow && (r < 1 || r > kRowCount)) return;
    const FrequencyRow& row = testRow ? kTestRow : kRows[std::size_t(r - 1)];
    if (!testRow) {
        setCurrentRow(r);
        if (fileMark()) {
            ShowStoredSet();  // "全部改写": the stored set of the row, nothing sent
            return;
        }
    }
    if (!checkRow(row)) return;
    wire::Bytes payload = {0x00, 0x01, row.switchByte};
    wire::putU16be(payload, wire::frequencyCode(form().text(row.tx), channelStep_));
    wire::putU16be(payload, wire::frequencyCode(form().text(row.rx), channelStep_));
    send(wire::frame96(kSwitchCode, payload));
    if (testRow) setCurrentRow(kTestRowNumber);
}

void CProTest::RepaintRows() {
    // The current row's two boxes are blue; with no row (0) or the test row (6) the test row's.
    // The default pair is never coloured.
    for (int r = 1; r <= kRowCount; ++r) {
        const FrequencyRow& row = kRows[std::size_t(r - 1)];
        const auto colour = r == currentRow_ ? std::optional<std::uint32_t>(kBlue) : std::nullopt;
        form().setColor(row.tx, colour);
        form().setColor(row.rx, colour);
    }
    const bool test = currentRow_ < 1 || currentRow_ > kRowCount;
    const auto colour = test ? std::optional<std::uint32_t>(kBlue) : std::nullopt;
    form().setColor(kTestRow.tx, colour);
    form().setColor(kTestRow.rx, colour);
}

}  // namespace rb::families::protest
