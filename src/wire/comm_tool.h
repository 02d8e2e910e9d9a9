// CCommTool: the small utility every container, page and the monitor hold: trace texts,
// the byte split of 24-bit values, and the value checks whose messages the pages show.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "wire/frame.h"

namespace rb::wire {

class CCommTool {
public:
    // Local time as "%Y-%m-%d %H:%M:%S"; replaceable so traces can be compared in tests.
    using TimeText = std::function<std::string()>;

    CCommTool();
    explicit CCommTool(TimeText timeText);

    // "\r\n\r\n发送信息(" + time + ")\r\n" + "%02x " per byte.
    std::string FormatSendTrace(ByteSpan bytes) const;
    // "\r\n\r\n接收信息(" + time + ")\r\n" + "%02x " per byte.
    std::string FormatRecvTrace(ByteSpan bytes) const;
    std::string timeText() const;

    // k = 1: bits 16-23, k = 2: bits 8-15, k = 3: bits 0-7.
    static std::uint8_t ByteOf24(std::uint32_t value, int k);

    // The checks return the message to show (information icon, application title), or
    // nothing when the value passes. The caller shows it and stops its chain.
    static std::optional<std::string> CheckIdentity(long long value);
    static std::optional<std::string> CheckShipIdentity(long long value, const std::string& prefix);
    static std::optional<std::string> CheckFrequency(const std::string& text, int step,
                                                     int channel);
    static bool IsFrequencyValid(const std::string& text, int step);

    // Directory of the running program, with the trailing separator.
    static std::string ProgramDirectory();

    static std::string localTimeNow();

private:
    TimeText timeText_;
};

}  // namespace rb::wire
