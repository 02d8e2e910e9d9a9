// TraceFile: the record of the traffic that "保存记录" and the command line's --trace-file keep.
// Every trace text becomes one line with the local time to the millisecond and its direction:
//
//   2026-12-09 16:30:18.123 发送 96 05 80 16 00 01 04
//   2026-12-09 16:30:18.161 接收 96 45 80 17 00 01 ...
//   2026-12-09 16:30:18.161 提示 信道频率读取成功!
//
// Each line reaches the operating system in one write as soon as it is traced, so the file holds
// everything up to the moment the program stops, however it stops. When a line would take the
// file past the limit (10 MB), the file is rotated: FILE.4 -> FILE.5 (the oldest goes), ...,
// FILE -> FILE.1, and a new FILE starts; so at most kept + 1 files exist.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>

namespace rb::monitor {

inline constexpr std::uintmax_t kTraceFileLimit = 10u * 1024u * 1024u;
inline constexpr int kTraceFilesKept = 5;

class TraceFile {
public:
    using Clock = std::function<std::chrono::system_clock::time_point()>;

    // `clock` defaults to the system clock (tests pass their own).
    explicit TraceFile(Clock clock = {}, std::uintmax_t limit = kTraceFileLimit,
                       int kept = kTraceFilesKept);
    ~TraceFile();
    TraceFile(const TraceFile&) = delete;
    TraceFile& operator=(const TraceFile&) = delete;

    // Opens (or creates) the file and appends to it. False with the reason in error().
    bool open(const std::string& path);
    void close();
    bool isOpen() const { return fd_ >= 0; }
    const std::string& path() const { return path_; }
    const std::string& error() const { return error_; }

    // Writes one trace text as one line. False when it could not be written (a full disk, a
    // rotation that failed): the file is closed then and error() says why.
    bool append(const std::string& text);

    // The line of one trace text at time `at` (without the line break).
    static std::string lineOf(std::chrono::system_clock::time_point at, const std::string& text);

private:
    bool rotate();
    bool writeLine(const std::string& line);
    bool endsWithLineBreak() const;
    bool openFd(bool truncate);
    void fail(const std::string& what);

    Clock clock_;
    std::uintmax_t limit_;
    int kept_;
    std::string path_;
    std::string error_;
    int fd_ = -1;
    std::uintmax_t size_ = 0;
};

}  // namespace rb::monitor
