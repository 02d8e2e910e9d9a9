// DeviceChecks: the production page's checks of the terminal's hardware. "读取监测参数" reads the
// field-strength voltage, the supply and the data quality with its grade (0x95 -> 0x96); the
// transmitter buttons and the model radios set the transmitter and the model variant (0x97 ->
// 0x98); the field-strength buttons set a reference point after a question (0xA0 -> 0xA1); the
// standing-wave reference (0xA5) is taken whenever it comes.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>

#include "families/protest/protest_host.h"

namespace rb::families::protest {

// "理想--231": a data-quality value with its grade prefix.
std::string qualityText(int q);

class DeviceChecks {
public:
    explicit DeviceChecks(ProTestHost& host) : host_(host) {}

    void bind();

    int transmitterState() const { return transmitterState_; }

    void onMonitorAnswer(const wire::FrameView& f);   // 0x96
    void onTransmitAnswer(const wire::FrameView& f);  // 0x98
    void onFieldAnswer(const wire::FrameView& f);     // 0xA1
    void onStandingWave(const wire::FrameView& f);    // 0xA5
    void forget();

private:
    void onTransmit(bool on);
    void onModelRadio();
    void onFieldStrength(std::uint8_t point, const char* question);
    std::uint8_t modelByte() const;
    void recordTransmit();
    void recordFieldStrength();

    ProTestHost& host_;
    int transmitterState_ = 0;
    int transmitReportFlag_ = 0;
    std::deque<std::string> sentTransmit_;   // "transmitter" / "model" waiting for 0x98
    std::optional<std::uint8_t> sentField_;  // field-strength point waiting for 0xA1
};

}  // namespace rb::families::protest
