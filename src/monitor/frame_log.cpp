#include "monitor/frame_log.h"

#include <algorithm>
#include <cctype>

#include "monitor/trace_log.h"
#include "units/exporters.h"
#include "wire/text_format.h"

namespace rb::monitor {

namespace {

constexpr const char* kSentHeading = "发送信息(";
constexpr const char* kReceivedHeading = "接收信息(";

bool startsWith(const std::string& s, const char* prefix) { return s.rfind(prefix, 0) == 0; }

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    c = char(std::toupper(static_cast<unsigned char>(c)));
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Byte 3 of "96 05 80 16 ...": the fourth of the blank-separated pairs of hex digits.
int commandOf(const std::string& bytes) {
    std::size_t pos = 0;
    for (int pair = 0; pair <= 3; ++pair) {
        pos = bytes.find_first_not_of(' ', pos);
        if (pos == std::string::npos) return -1;
        const std::size_t end = std::min(bytes.find(' ', pos), bytes.size());
        if (pair == 3) {
            if (end - pos != 2) return -1;
            const int hi = hexDigit(bytes[pos]);
            const int lo = hexDigit(bytes[pos + 1]);
            return hi < 0 || lo < 0 ? -1 : hi * 16 + lo;
        }
        pos = end;
    }
    return -1;
}

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return s;
}

bool holds(const LoggedFrame& f, const std::string& lowerNeedle) {
    return lowerNeedle.empty() || lower(f.bytes).find(lowerNeedle) != std::string::npos;
}

// The byte typed in the code filter, or -1 (none typed) / -2 (not a byte).
int typedCode(const std::string& typed) {
    std::string t;
    for (char c : typed)
        if (c != ' ') t += c;
    if (t.empty()) return -1;
    if (t.size() > 2 && t[0] == '0' && (t[1] == 'x' || t[1] == 'X')) t = t.substr(2);
    if (t.empty() || t.size() > 2) return -2;
    int value = 0;
    for (char c : t) {
        const int d = hexDigit(c);
        if (d < 0) return -2;
        value = value * 16 + d;
    }
    return value;
}

}  // namespace

const char* directionText(FrameDirection d) {
    switch (d) {
        case FrameDirection::Sent:
            return "发送";
        case FrameDirection::Received:
            return "接收";
        case FrameDirection::Note:
            break;
    }
    return "提示";
}

std::string timeOfDay(std::int64_t timeMs) {
    const std::string full = wire::localTimeWithMillis(timeMs);
    const auto space = full.find(' ');
    return space == std::string::npos ? full : full.substr(space + 1);
}

std::string codeText(int code) {
    if (code < 0) return {};
    static const char* digits = "0123456789ABCDEF";
    return {digits[(code >> 4) & 0xF], digits[code & 0xF]};
}

std::optional<LoggedFrame> frameOfTrace(std::int64_t timeMs, const std::string& text) {
    std::vector<std::string> lines = contentLines(text);
    if (lines.empty()) return std::nullopt;
    LoggedFrame f;
    f.timeMs = timeMs;
    if (startsWith(lines.front(), kSentHeading) || startsWith(lines.front(), kReceivedHeading)) {
        f.direction = startsWith(lines.front(), kSentHeading) ? FrameDirection::Sent
                                                              : FrameDirection::Received;
        lines.erase(lines.begin());  // its seconds-only time: the frame has its own
    }
    for (const auto& l : lines) f.bytes += (f.bytes.empty() ? "" : " ") + l;
    if (f.direction != FrameDirection::Note) {
        f.bytes = asciiUpper(std::move(f.bytes));
        f.code = commandOf(f.bytes);
    }
    return f;
}

bool FrameLog::append(std::int64_t timeMs, const std::string& text) {
    auto f = frameOfTrace(timeMs, text);
    if (!f) return false;
    if (limit_ == 0) return false;
    bytes_ += f->bytes.size();
    frames_.push_back(std::move(*f));
    while (frames_.size() > 1 && (frames_.size() > limit_ || bytes_ > byteLimit_)) {
        bytes_ -= frames_.front().bytes.size();
        frames_.pop_front();
        ++dropped_;
    }
    return true;
}

void FrameLog::clear() {
    frames_.clear();
    bytes_ = 0;
    dropped_ = 0;
}

bool FrameFilter::valid(std::string* why) const {
    if (typedCode(code) != -2) return true;
    if (why) *why = "命令应为一个十六进制字节,例如 9A";
    return false;
}

bool FrameFilter::matches(const LoggedFrame& f) const {
    switch (f.direction) {
        case FrameDirection::Sent:
            if (!sent) return false;
            break;
        case FrameDirection::Received:
            if (!received) return false;
            break;
        case FrameDirection::Note:
            if (!notes) return false;
            break;
    }
    const int wanted = typedCode(code);
    if (wanted == -2) return false;
    if (wanted >= 0 && f.code != wanted) return false;
    return holds(f, lower(text));
}

std::optional<std::size_t> findNext(const std::deque<LoggedFrame>& frames,
                                    const std::vector<std::size_t>& rows, const std::string& text,
                                    std::size_t from) {
    if (text.empty() || rows.empty()) return std::nullopt;
    const std::string needle = lower(text);
    const std::size_t start = from >= rows.size() ? 0 : from + 1;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const std::size_t row = (start + k) % rows.size();
        if (holds(frames[rows[row]], needle)) return row;
    }
    return std::nullopt;
}

std::string framesCsv(const std::deque<LoggedFrame>& frames, const std::vector<std::size_t>& rows) {
    std::string out = "时间,方向,命令,字节\r\n";
    for (std::size_t r : rows) {
        const LoggedFrame& f = frames[r];
        out += units::csvField(wire::localTimeWithMillis(f.timeMs)) + ',' +
               directionText(f.direction) + ',' + codeText(f.code) + ',' +
               units::csvField(f.bytes) + "\r\n";
    }
    return out;
}

}  // namespace rb::monitor
