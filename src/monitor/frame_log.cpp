#include "monitor/frame_log.h"

#include <algorithm>
#include <cctype>

#include "monitor/trace_log.h"
#include "units/exporters.h"
#include "wire/frame.h"
#include "wire/text_format.h"

namespace rb::monitor {

namespace {

constexpr const char* kSentHeading = "发送信息(";
constexpr const char* kReceivedHeading = "接收信息(";

bool startsWith(const std::string& s, const char* prefix) { return s.rfind(prefix, 0) == 0; }

// Byte 3 of "96 05 80 16 ...", or -1 when the text is not whole hex pairs or is too short.
int commandOf(const std::string& bytes) {
    wire::Bytes parsed;
    std::string why;
    return wire::parseHex(bytes, parsed, why) && parsed.size() > 3 ? parsed[3] : -1;
}

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return s;
}

bool holds(const LoggedFrame& f, const std::string& lowerNeedle) {
    return lowerNeedle.empty() || lower(f.bytes).find(lowerNeedle) != std::string::npos;
}

// The byte typed in the code filter ("9A", "0x9a"), or -1 (none typed) / -2 (not one byte).
int typedCode(const std::string& typed) {
    std::string t;
    for (char c : typed)
        if (c != ' ') t += c;
    if (t.empty()) return -1;
    if (t.size() > 2 && t[0] == '0' && (t[1] == 'x' || t[1] == 'X')) t = t.substr(2);
    wire::Bytes parsed;
    std::string why;
    return wire::parseHex(t, parsed, why) && parsed.size() == 1 ? parsed[0] : -2;
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
