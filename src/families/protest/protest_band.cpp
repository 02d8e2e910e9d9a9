#include "families/protest/protest_band.h"

#include <string>

#include "units/json_text.h"
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

void BandTable::bind() {
    auto& f = host_.form();
    f.onClick(kSpacing12_5, [this] { onSpacing(); });
    f.onClick(kSpacing25, [this] { onSpacing(); });
    f.onClick(kReadBandButton, [this] { read(); });
}

void BandTable::initialise() {
    host_.form().setRadio(kSpacing12_5, 1);  // 25KHz
    channelStep_ = wire::kStep25;
}

void BandTable::onSpacing() {
    channelStep_ = host_.form().radio(kSpacing12_5) == 1 ? wire::kStep25 : wire::kStep12_5;
}

void BandTable::read() {
    for (const FrequencyRow& row : bandRows()) {
        host_.form().setText(row.tx, "");
        host_.form().setText(row.rx, "");
    }
    host_.request(wire::frame96(kReadBandCode, {0x00, 0x01}));
}

bool BandTable::check() {
    // Each frequency must be a whole number whose code fits 16 bits (0xFFFF reads back as
    // another value): 16384000 at 25 kHz would go out as code 0. An empty box is 0.
    const long long most = 0xFFFFLL * channelStep_ - 1;
    for (const FrequencyRow& row : bandRows()) {
        std::string label = row.label;
        if (label.rfind("* ", 0) == 0) label.erase(0, 2);
        for (const auto& [id, what] :
             {std::pair{row.tx, "发射频率"}, std::pair{row.rx, "接收频率"}}) {
            const std::string& text = host_.form().text(id);
            const bool blank = text.find_first_not_of(" \t") == std::string::npos;
            const auto value = blank ? std::optional<long long>(0) : wire::parseWhole(text);
            if (value && *value >= 0 && *value <= most) continue;
            return host_.refuse(label + what + "设置不正确,请设为0-" + std::to_string(most) + "!");
        }
    }
    return true;
}

bool BandTable::write() {
    // A value that is no multiple of the step goes out rounded down to its code; one that does
    // not fit the code is refused.
    if (!check()) return false;
    wire::Bytes payload = {0x00, 0x01};
    Pairs sent{};
    std::size_t k = 0;
    for (const FrequencyRow& row : bandRows()) {
        const auto tx = wire::frequencyCode(host_.form().text(row.tx), channelStep_);
        const auto rx = wire::frequencyCode(host_.form().text(row.rx), channelStep_);
        wire::putU16be(payload, tx);
        wire::putU16be(payload, rx);
        sent[k++] = {long(tx) * channelStep_, long(rx) * channelStep_};
    }
    host_.request(wire::frame96(kWriteBandCode, payload));
    sent_ = sent;
    return true;
}

void BandTable::onAnswer(const wire::FrameView& f) {
    std::size_t at = 6;
    Pairs pairs{};
    for (std::size_t k = 0; k < pairs.size(); ++k) {
        pairs[k] = {long(f.u16be(6 + 4 * k)) * channelStep_,
                    long(f.u16be(8 + 4 * k)) * channelStep_};
    }
    record("read", pairs);
    for (const FrequencyRow& row : bandRows()) {
        // This page shows the code 0xFFFF as 65535 x step, cut to 7 characters.
        host_.form().setText(row.tx, wire::frequencyText(f.u16be(at), channelStep_, false));
        host_.form().setText(row.rx, wire::frequencyText(f.u16be(at + 2), channelStep_, false));
        at += 4;
    }
    host_.succeeded(f, "读取频段成功");
}

void BandTable::onWritten(const wire::FrameView& f) {
    if (sent_) record("written", *sent_);
    sent_.reset();
    host_.succeeded(f, "更改频段成功");
}

const char* BandTable::rowFault(const FrequencyRow& row) {
    // The transmit text is tested first.
    if (!wire::CCommTool::IsFrequencyValid(host_.form().text(row.tx), channelStep_))
        return "发射频率设置不正确!";
    if (!wire::CCommTool::IsFrequencyValid(host_.form().text(row.rx), channelStep_))
        return "接收频率设置不正确!";
    return nullptr;
}

void BandTable::tune(const FrequencyRow& row) {
    wire::Bytes payload = {0x00, 0x01, row.switchByte};
    wire::putU16be(payload, wire::frequencyCode(host_.form().text(row.tx), channelStep_));
    wire::putU16be(payload, wire::frequencyCode(host_.form().text(row.rx), channelStep_));
    host_.request(wire::frame96(kSwitchCode, payload));
}

void BandTable::select(int row) {
    currentRow_ = row;
    repaint();
}

void BandTable::repaint() {
    // The current row's two boxes are blue; with no row (0) or the test row (6) the test row's.
    // The default pair is never coloured.
    auto& f = host_.form();
    for (int r = 1; r <= kRowCount; ++r) {
        const FrequencyRow& row = kRows[std::size_t(r - 1)];
        const auto colour = r == currentRow_ ? std::optional<std::uint32_t>(kBlue) : std::nullopt;
        f.setColor(row.tx, colour);
        f.setColor(row.rx, colour);
    }
    const bool test = currentRow_ < 1 || currentRow_ > kRowCount;
    const auto colour = test ? std::optional<std::uint32_t>(kBlue) : std::nullopt;
    f.setColor(kTestRow.tx, colour);
    f.setColor(kTestRow.rx, colour);
}

void BandTable::record(const char* action, const Pairs& pairs) {
    std::string list = "[";
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        if (i) list += ',';
        list += "[" + std::to_string(pairs[i].first) + "," + std::to_string(pairs[i].second) + "]";
    }
    list += "]";
    host_.session().unitRecords.record("band_table", units::JsonObject()
                                                         .add("action", action)
                                                         .add("step", channelStep_)
                                                         .addRaw("pairs", list)
                                                         .str());
}

}  // namespace rb::families::protest
