// Device checks: monitor readings with their quality grade, the transmitter, the model variant
// and the field-strength reference points.
#include "families/protest/protest_page.h"
#include "units/json_text.h"
#include "wire/codecs.h"

namespace rb::families::protest {

using namespace ids;

namespace {

constexpr std::uint8_t kReadMonitorCode = 0x95;
constexpr std::uint8_t kTransmitCode = 0x97;
constexpr std::uint8_t kFieldCode = 0xA0;
constexpr std::uint8_t kTransmitOnByte = 0x55;
constexpr std::uint8_t kTransmitOffByte = 0x00;
constexpr std::array<std::uint8_t, 3> kModelBytes = {0x00, 0xAA, 0x55};

}  // namespace

// The grade a data-quality value shows with.
std::string qualityText(int q) {
    const char* grade = q > 230 ? "理想--" : q > 210 ? "优良--" : q > 170 ? "一般--" : "较差--";
    return grade + std::to_string(q);
}

void CProTest::bindChecks() {
    auto& f = form();
    f.onClick(kReadMonitorButton, [this] { send(wire::frame96(kReadMonitorCode, {0x00, 0x01})); });
    f.onClick(kTransmitOn, [this] { onTransmit(true); });
    f.onClick(kTransmitOff, [this] { onTransmit(false); });
    for (int id : {kModelDigital1, kModelDigital2, kModelAnalog}) {
        f.onClick(id, [this] { onModelRadio(); });
    }
    f.onClick(kFieldFirst, [this] { onFieldStrength(0x11, "确认设置第一格场强为-116dBm?"); });
    f.onClick(kFieldFifth, [this] { onFieldStrength(0x22, "确认设置第五格场强为-90dBm?"); });
    f.onClick(kFieldDefault, [this] { onFieldStrength(0x33, "确认设置场强为缺省值?"); });
}

std::uint8_t CProTest::modelByte() const {
    const int i = form().radio(kModelDigital1);
    return i >= 0 && i < int(kModelBytes.size()) ? kModelBytes[std::size_t(i)] : 0x00;
}

void CProTest::onTransmit(bool on) {
    transmitReportFlag_ = on ? 1 : 0;
    transmitterState_ = on ? 1 : 0;
    send(wire::frame96(kTransmitCode,
                       {0x00, 0x01, modelByte(), on ? kTransmitOnByte : kTransmitOffByte}));
    sentTransmit_.push_back("transmitter");
}

void CProTest::onModelRadio() {
    // The terminal is told its variant at once, with the transmitter as it is now; its answer
    // reports by the flag the last transmitter button left.
    sendUntimed(wire::frame96(
        kTransmitCode,
        {0x00, 0x01, modelByte(), transmitterState_ ? kTransmitOnByte : kTransmitOffByte}));
    sentTransmit_.push_back("model");
}

void CProTest::onFieldStrength(std::uint8_t point, const char* question) {
    if (!session().prompter.confirm(question, engine::kInfoCaption, this)) {
        session().events.declined();
        return;
    }
    send(wire::frame96(kFieldCode, {0x00, 0x01, point}));
    sentField_ = point;
}

void CProTest::onMonitorAnswer(const wire::FrameView& f) {
    form().setInt(kVoltage, f.u16be(6));
    form().setInt(kSupply, f.u16be(8));
    form().setText(kQuality, qualityText(f[10]));
    const std::string grade = qualityText(f[10]);
    session().unitRecords.record("monitor", units::JsonObject()
                                                .add("voltage", int(f.u16be(6)))
                                                .add("supply", int(f.u16be(8)))
                                                .add("quality", int(f[10]))
                                                .add("grade", grade.substr(0, grade.find("--")))
                                                .str());
    reportSuccess(f, "监测参数读取成功");
}

}  // namespace rb::families::protest
