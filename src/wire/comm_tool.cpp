#include "wire/comm_tool.h"

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <limits>
#include <system_error>

#include "wire/codecs.h"

namespace rb::wire {

namespace {

constexpr long long kIdentityMin = 1;
constexpr long long kIdentityMax = 0x3FFFF;  // 262143

std::string traceText(const char* heading, const std::string& time, ByteSpan bytes) {
    std::string s = heading;
    s += time;
    s += ")\r\n";
    s.reserve(s.size() + bytes.size() * 3);
    char buf[4];
    for (std::uint8_t b : bytes) {
        std::snprintf(buf, sizeof buf, "%02x ", b);
        s += buf;
    }
    return s;
}

bool identityInRange(long long value) { return value >= kIdentityMin && value <= kIdentityMax; }

}  // namespace

CCommTool::CCommTool() : timeText_(&CCommTool::localTimeNow) {}

CCommTool::CCommTool(TimeText timeText) : timeText_(std::move(timeText)) {
    if (!timeText_) timeText_ = &CCommTool::localTimeNow;
}

std::string CCommTool::FormatSendTrace(ByteSpan bytes) const {
    return traceText("\r\n\r\n发送信息(", timeText(), bytes);
}

std::string CCommTool::FormatRecvTrace(ByteSpan bytes) const {
    return traceText("\r\n\r\n接收信息(", timeText(), bytes);
}

std::string CCommTool::timeText() const { return timeText_(); }

std::string CCommTool::localTimeNow() {
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    char buf[32];
    std::strftime(buf, sizeof buf, "%Y-%m-%d %H:%M:%S", &tm);
    return buf;
}

std::uint8_t CCommTool::ByteOf24(std::uint32_t value, int k) {
    switch (k) {
        case 1:
            return std::uint8_t(value >> 16);
        case 2:
            return std::uint8_t(value >> 8);
        case 3:
            return std::uint8_t(value);
        default:
            return 0;
    }
}

std::optional<std::string> CCommTool::CheckIdentity(long long value) {
    if (identityInRange(value)) return std::nullopt;
    return std::string("身份码范围为:1-262143,请重新输入!");
}

std::optional<std::string> CCommTool::CheckShipIdentity(long long value,
                                                        const std::string& prefix) {
    if (identityInRange(value)) return std::nullopt;
    return prefix + "号船身份码设置不正确,范围为:1-262143,请重新输入!";
}

std::optional<std::string> CCommTool::CheckFrequency(const std::string& text, int step,
                                                     int channel) {
    if (IsFrequencyValid(text, step)) return std::nullopt;
    return std::to_string(channel) + "信道频率设置不正确!";
}

bool CCommTool::IsFrequencyValid(const std::string& text, int step) {
    if (step <= 0) return false;  // no step to be a multiple of
    // An empty field stands for 0 (an unused channel), as a file without the key does; any
    // other text must be a whole number ("12abc" is not 12).
    long long v = 0;
    if (text.find_first_not_of(" \t") != std::string::npos) {
        const auto whole = parseWhole(text);
        if (!whole) return false;
        v = *whole;
    }
    if (v < 0) return false;
    if (step == kStep6_25) {  // 6.25 kHz: the value is counted in tenths of the step
        if (v > std::numeric_limits<long long>::max() / 10) return false;
        v *= 10;
        // 24 bits on the wire; all ones reads back as 0, so it is no frequency either.
        return v % step == 0 && v / step < 0xFFFFFF;
    }
    // 16 bits on the wire: a larger code would wrap (8192000 at 12.5 kHz is code 0), and
    // 0xFFFF reads back as 0.
    return v % step == 0 && v / step < 0xFFFF;
}

std::string CCommTool::ProgramDirectory() {
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec || exe.empty()) return "./";
    std::string dir = exe.parent_path().string();
    if (dir.empty() || dir.back() != '/') dir += '/';
    return dir;
}

}  // namespace rb::wire
