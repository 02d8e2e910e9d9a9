#include "families/protest/protest_checks.h"

#include "families/protest/protest_ids.h"
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

void DeviceChecks::bind() {
    auto& f = host_.form();
    f.onClick(kReadMonitorButton, [this] {
        host_.request(wire::frame96(kReadMonitorCode, {0x00, 0x01}));
    });
    f.onClick(kTransmitOn, [this] { onTransmit(true); });
    f.onClick(kTransmitOff, [this] { onTransmit(false); });
    for (int id : {kModelDigital1, kModelDigital2, kModelAnalog}) {
        f.onClick(id, [this] { onModelRadio(); });
    }
    f.onClick(kFieldFirst, [this] { onFieldStrength(0x11, "确认设置第一格场强为-116dBm?"); });
    f.onClick(kFieldFifth, [this] { onFieldStrength(0x22, "确认设置第五格场强为-90dBm?"); });
    f.onClick(kFieldDefault, [this] { onFieldStrength(0x33, "确认设置场强为缺省值?"); });
}

std::uint8_t DeviceChecks::modelByte() const {
    const int i = host_.form().radio(kModelDigital1);
    return i >= 0 && i < int(kModelBytes.size()) ? kModelBytes[std::size_t(i)] : 0x00;
}

void DeviceChecks::onTransmit(bool on) {
    transmitReportFlag_ = on ? 1 : 0;
    transmitterState_ = on ? 1 : 0;
    host_.request(wire::frame96(
        kTransmitCode, {0x00, 0x01, modelByte(), on ? kTransmitOnByte : kTransmitOffByte}));
    sentTransmit_.push_back("transmitter");
}

void DeviceChecks::onModelRadio() {
    // The terminal is told its variant at once, with the transmitter as it is now; its answer
    // reports by the flag the last transmitter button left.
    host_.requestUntimed(wire::frame96(
        kTransmitCode,
        {0x00, 0x01, modelByte(), transmitterState_ ? kTransmitOnByte : kTransmitOffByte}));
    sentTransmit_.push_back("model");
}

void DeviceChecks::onFieldStrength(std::uint8_t point, const char* question) {
    auto& session = host_.session();
    if (!session.prompter.confirm(question, engine::kInfoCaption, &host_.page())) {
        session.events.declined();
        return;
    }
    host_.request(wire::frame96(kFieldCode, {0x00, 0x01, point}));
    sentField_ = point;
}

// ---- answers --------------------------------------------------------------------------------

void DeviceChecks::onMonitorAnswer(const wire::FrameView& f) {
    auto& form = host_.form();
    form.setInt(kVoltage, f.u16be(6));
    form.setInt(kSupply, f.u16be(8));
    form.setText(kQuality, qualityText(f[10]));
    const std::string grade = qualityText(f[10]);
    host_.session().unitRecords.record("monitor",
                                       units::JsonObject()
                                           .add("voltage", int(f.u16be(6)))
                                           .add("supply", int(f.u16be(8)))
                                           .add("quality", int(f[10]))
                                           .add("grade", grade.substr(0, grade.find("--")))
                                           .str());
    host_.succeeded(f, "监测参数读取成功");
}

void DeviceChecks::onTransmitAnswer(const wire::FrameView& f) {
    recordTransmit();
    host_.succeeded(f, transmitReportFlag_ ? "电台发射打开完成" : "电台发射关闭完成");
}

void DeviceChecks::onFieldAnswer(const wire::FrameView& f) {
    recordFieldStrength();
    host_.succeeded(f, "场强档位设置成功");
}

void DeviceChecks::onStandingWave(const wire::FrameView& f) {
    // No request of the page asks for it: it is taken whenever it comes, but it never ends the
    // wait for another answer.
    host_.session().unitRecords.record("standing_wave", "{}");
    if (host_.awaitingAnswer()) {
        host_.session().AppendTrace(f.code(), "\r\n驻波基准设置成功!");
    } else {
        host_.succeeded(f, "驻波基准设置成功");
    }
}

void DeviceChecks::forget() {
    sentTransmit_.clear();
    sentField_.reset();
}

// ---- records --------------------------------------------------------------------------------

void DeviceChecks::recordTransmit() {
    std::string kind = "transmitter";
    if (!sentTransmit_.empty()) {
        kind = sentTransmit_.front();
        sentTransmit_.pop_front();
    }
    const int model = host_.form().radio(kModelDigital1);
    static constexpr const char* kModels[] = {"数字电台1", "数字电台2", "模拟电台"};
    host_.session().unitRecords.record(
        kind, units::JsonObject()
                  .add("transmit", transmitReportFlag_ ? "on" : "off")
                  .add("model", model >= 0 && model < 3 ? kModels[model] : "")
                  .str());
}

void DeviceChecks::recordFieldStrength() {
    units::JsonObject values;
    if (sentField_) {
        const std::uint8_t point = *sentField_;
        values.add("point", int(point))
            .add("name", point == 0x11   ? "第一格场强"
                         : point == 0x22 ? "第五格场强"
                                         : "默认场强");
        if (point == 0x11) values.add("dbm", -116);
        if (point == 0x22) values.add("dbm", -90);
        sentField_.reset();
    }
    host_.session().unitRecords.record("field_strength", values.str());
}

}  // namespace rb::families::protest
