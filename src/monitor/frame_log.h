// FrameLog: every text the monitor is given, kept as frames for the window's frame list — the
// local time to the millisecond, the direction, the command byte and the bytes — so that the
// list can be filtered, searched and exported over the whole session, not only over the last
// 8000 characters the trace box keeps.
//
// A trace text "\r\n\r\n发送信息(16:30:18)\r\n96 05 80 16 00 01 04 " is one sent frame; "接收信息("
// makes a received one; any other text ("\r\n信道频率读取成功!") is a note. The command is byte 3
// in every frame form here (96 N 80 code ..., EA Llo Lhi code ...); a frame shorter than four
// bytes has none.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace rb::monitor {

enum class FrameDirection { Sent, Received, Note };

struct LoggedFrame {
    std::int64_t timeMs = 0;  // milliseconds since the epoch
    FrameDirection direction = FrameDirection::Note;
    int code = -1;      // the command byte, -1 when there is none
    std::string bytes;  // "96 05 80 16 00 01 04" (upper-case hex), or the note's text
};

// "发送", "接收", "提示".
const char* directionText(FrameDirection d);
// "16:30:18.123": the time of day the list shows.
std::string timeOfDay(std::int64_t timeMs);
// "9A", or "" without a command.
std::string codeText(int code);

// The frame one trace text stands for; nothing for a text with no content.
std::optional<LoggedFrame> frameOfTrace(std::int64_t timeMs, const std::string& text);

inline constexpr std::size_t kFrameLogLimit = 100000;  // frames kept before the oldest go
// Text kept before the oldest frames go: a data test's kilobyte frames would otherwise take
// a hundred megabytes long before the frame limit.
inline constexpr std::size_t kFrameLogBytes = 16u * 1024u * 1024u;

class FrameLog {
public:
    explicit FrameLog(std::size_t limit = kFrameLogLimit, std::size_t byteLimit = kFrameLogBytes)
        : limit_(limit), byteLimit_(byteLimit) {}

    // Keeps the frame of a trace text; true when one was kept. When the log is full (frames or
    // text), the oldest frames go first (dropped() counts them, so a view can follow); the
    // newest is always kept.
    bool append(std::int64_t timeMs, const std::string& text);
    void clear();

    const std::deque<LoggedFrame>& frames() const { return frames_; }
    // Frames removed from the front since the log started or was cleared.
    std::size_t dropped() const { return dropped_; }

private:
    std::size_t limit_;
    std::size_t byteLimit_;
    std::deque<LoggedFrame> frames_;
    std::size_t bytes_ = 0;  // text held by frames_
    std::size_t dropped_ = 0;
};

// What the frame list shows. An empty `code` or `text` matches everything.
struct FrameFilter {
    bool sent = true;
    bool received = true;
    bool notes = true;
    std::string code;  // "9a" or "9A" or "0x9A": the command byte typed in hex
    std::string text;  // a piece of the bytes or the note, case-insensitive

    // False with a reason when `code` is not one hexadecimal byte.
    bool valid(std::string* why = nullptr) const;
    bool matches(const LoggedFrame& f) const;
};

// The next of `rows` (positions in `frames`) after `from` whose bytes or note hold `text`
// (case-insensitive), wrapping at the end; `from` = npos starts at the top.
std::optional<std::size_t> findNext(const std::deque<LoggedFrame>& frames,
                                    const std::vector<std::size_t>& rows, const std::string& text,
                                    std::size_t from);

// "时间,方向,命令,字节" and one line a frame of `rows`, "\r\n" line ends; the time with its date
// and milliseconds, as the trace file writes it.
std::string framesCsv(const std::deque<LoggedFrame>& frames, const std::vector<std::size_t>& rows);

}  // namespace rb::monitor
