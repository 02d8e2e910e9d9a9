#include "monitor/trace_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <vector>

#include "monitor/frame_log.h"
#include "monitor/trace_log.h"
#include "wire/text_format.h"

namespace rb::monitor {

namespace {

std::string timestamp(std::chrono::system_clock::time_point at) {
    using namespace std::chrono;
    return wire::localTimeWithMillis(duration_cast<milliseconds>(at.time_since_epoch()).count());
}

}  // namespace

TraceFile::TraceFile(Clock clock, std::uintmax_t limit, int kept)
    : clock_(clock ? std::move(clock) : Clock([] { return std::chrono::system_clock::now(); })),
      limit_(limit),
      kept_(kept < 0 ? 0 : kept) {}

TraceFile::~TraceFile() { close(); }

std::string TraceFile::lineOf(std::chrono::system_clock::time_point at, const std::string& text) {
    // The direction and content as the frame list reads them; the heading's seconds-only
    // time is dropped, the line has its own.
    const auto frame = frameOfTrace(0, text);
    std::string line =
        timestamp(at) + " " + directionText(frame ? frame->direction : FrameDirection::Note);
    if (frame && !frame->bytes.empty()) line += " " + frame->bytes;
    return asciiUpper(std::move(line));  // hex digits as the monitor shows them
}

bool TraceFile::open(const std::string& path) {
    close();
    path_ = path;
    error_.clear();
    struct stat st {};
    const bool exists = ::stat(path.c_str(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode)) {
        error_ = path_ + ": is a directory";
        return false;
    }
    // A file marked read-only is not written into, not even by root.
    if (exists && S_ISREG(st.st_mode) &&
        ((st.st_mode & 0222) == 0 || (::geteuid() != 0 && ::access(path.c_str(), W_OK) != 0))) {
        error_ = path_ + ": the file is read-only";
        return false;
    }
    if (!openFd(false)) return false;
    // A session starts on a line of its own, whatever the last one left behind.
    if (size_ > 0 && !endsWithLineBreak() && !writeLine("\n")) return false;
    return true;
}

bool TraceFile::endsWithLineBreak() const {
    const int fd = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return true;
    char last = '\n';
    const bool read = ::pread(fd, &last, 1, off_t(size_ - 1)) == 1;
    ::close(fd);
    return !read || last == '\n';
}

bool TraceFile::writeLine(const std::string& line) {
    std::size_t done = 0;
    while (done < line.size()) {
        const ssize_t n = ::write(fd_, line.data() + done, line.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            // A line is all or nothing: a part written before the disk filled is taken back,
            // so no line (and no character) is left cut.
            if (done > 0 && ::ftruncate(fd_, off_t(size_)) != 0) {
                // Nothing more to do: the file is closed below and the reason reported.
            }
            fail(n < 0 ? std::strerror(errno) : "nothing written");
            return false;
        }
        done += std::size_t(n);
    }
    size_ += line.size();
    return true;
}

bool TraceFile::openFd(bool truncate) {
    const int flags = O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC | (truncate ? O_TRUNC : 0);
    fd_ = ::open(path_.c_str(), flags, 0644);
    if (fd_ < 0) {
        error_ = path_ + ": " + std::strerror(errno);
        return false;
    }
    struct stat st {};
    size_ = ::fstat(fd_, &st) == 0 ? std::uintmax_t(st.st_size) : 0;
    return true;
}

void TraceFile::close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

void TraceFile::fail(const std::string& what) {
    error_ = path_ + ": " + what;
    close();
}

bool TraceFile::append(const std::string& text) {
    if (fd_ < 0) return false;
    const std::string line = lineOf(clock_(), text) + "\n";
    if (size_ > 0 && size_ + line.size() > limit_ && !rotate()) return false;
    return writeLine(line);
}

bool TraceFile::rotate() {
    close();
    auto numbered = [this](int k) { return k == 0 ? path_ : path_ + "." + std::to_string(k); };
    if (kept_ == 0) {
        if (!openFd(true)) return false;
        size_ = 0;
        return true;
    }
    std::remove(numbered(kept_).c_str());
    for (int k = kept_ - 1; k >= 0; --k) {
        if (::rename(numbered(k).c_str(), numbered(k + 1).c_str()) != 0 && errno != ENOENT) {
            fail(std::string("cannot rotate: ") + std::strerror(errno));
            return false;
        }
    }
    return openFd(true);
}

}  // namespace rb::monitor
