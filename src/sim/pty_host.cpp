#include "sim/pty_host.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace rb::sim {

namespace {

constexpr std::size_t kReadSize = 512;
// After a hang-up, how long to wait before looking at the device again (never spin).
constexpr Micros kHangupPause{100'000};

std::string systemError(const char* what) {
    return std::string(what) + ": " + std::strerror(errno);
}

bool setFlags(int fd, int statusFlags) {
    const int fl = fcntl(fd, F_GETFL);
    if (fl < 0 || fcntl(fd, F_SETFL, fl | statusFlags) < 0) return false;
    return fcntl(fd, F_SETFD, FD_CLOEXEC) == 0;
}

speed_t speedOf(int baud) {
    switch (baud) {
        case 19200:
            return B19200;
        case 38400:
            return B38400;
        default:
            return B9600;
    }
}

timespec toTimespec(Micros span) {
    const long long us = std::max<long long>(0, span.count());
    return timespec{time_t(us / 1'000'000), long(us % 1'000'000) * 1000};
}

}  // namespace

PtyHost::PtyHost(SimulatedLine& line) : line_(line), origin_(std::chrono::steady_clock::now()) {}

PtyHost::~PtyHost() { closeAll(); }

void PtyHost::closeAll() {
    for (int* fd : {&master_, &slave_, &wake_[0], &wake_[1]}) {
        if (*fd >= 0) ::close(*fd);
        *fd = -1;
    }
}

bool PtyHost::open(std::string& error) {
    closeAll();
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0) {
        error = systemError("posix_openpt");
        return false;
    }
    const char* name = nullptr;
    if (grantpt(master_) != 0 || unlockpt(master_) != 0 || !(name = ptsname(master_))) {
        error = systemError("grantpt/unlockpt");
        closeAll();
        return false;
    }
    path_ = name;
    slave_ = ::open(path_.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slave_ < 0) {
        error = systemError(path_.c_str());
        closeAll();
        return false;
    }
    // Raw 8N1: no echo, no line editing, no CR/LF translation, no XON/XOFF, so every byte
    // value passes unchanged in both directions.
    termios t{};
    if (tcgetattr(slave_, &t) == 0) {
        cfmakeraw(&t);
        t.c_cflag |= CLOCAL | CREAD;
        cfsetispeed(&t, speedOf(line_.lineBaud()));
        cfsetospeed(&t, speedOf(line_.lineBaud()));
        tcsetattr(slave_, TCSANOW, &t);
    }
    if (!setFlags(master_, O_NONBLOCK) || ::pipe(wake_) != 0 || !setFlags(wake_[0], O_NONBLOCK) ||
        !setFlags(wake_[1], O_NONBLOCK)) {
        error = systemError("fcntl/pipe");
        closeAll();
        return false;
    }
    return true;
}

void PtyHost::requestStop() {
    if (wake_[1] < 0) return;
    const char c = 1;
    [[maybe_unused]] const ssize_t n = ::write(wake_[1], &c, 1);
}

Micros PtyHost::elapsed() const {
    return std::chrono::duration_cast<Micros>(std::chrono::steady_clock::now() - origin_);
}

void PtyHost::take(std::vector<TimedChunk> chunks) {
    for (TimedChunk& c : chunks) {
        const auto at = std::upper_bound(pending_.begin(), pending_.end(), c.at,
                                         [](Micros t, const TimedChunk& p) { return t < p.at; });
        pending_.insert(at, std::move(c));
    }
}

void PtyHost::moveDueChunks(Micros now) {
    while (!pending_.empty() && pending_.front().at <= now) {
        const wire::Bytes& bytes = pending_.front().bytes;
        logBytes("sim>tool", bytes, now);
        outbox_.insert(outbox_.end(), bytes.begin(), bytes.end());
        pending_.pop_front();
    }
}

bool PtyHost::flushOutbox(std::string& error) {
    while (!outbox_.empty()) {
        const ssize_t n = ::write(master_, outbox_.data(), outbox_.size());
        if (n > 0) {
            outbox_.erase(outbox_.begin(), outbox_.begin() + n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EIO)) return true;
        error = systemError("write to pseudo-terminal");
        return false;
    }
    return true;
}

void PtyHost::logBytes(const char* direction, wire::ByteSpan bytes, Micros at) const {
    if (!log_ || bytes.empty()) return;
    char head[48];
    std::snprintf(head, sizeof head, "%9.3f %s ", double(at.count()) / 1000.0, direction);
    log_(head + wire::toHex(bytes));
}

bool PtyHost::serve(std::string& error) {
    if (master_ < 0) {
        error = "pseudo-terminal not open";
        return false;
    }
    origin_ = std::chrono::steady_clock::now();
    for (;;) {
        const Micros now = elapsed();
        const std::optional<Micros> lineDue = line_.deadline();
        if (lineDue && *lineDue <= now) {
            take(line_.poll(now));
            continue;
        }
        moveDueChunks(now);
        if (!flushOutbox(error)) return false;

        std::optional<Micros> wakeAt = lineDue;
        if (!pending_.empty() && (!wakeAt || pending_.front().at < *wakeAt))
            wakeAt = pending_.front().at;
        timespec timeout{};
        if (wakeAt) timeout = toTimespec(*wakeAt - now);

        pollfd fds[2] = {{master_, short(POLLIN | (outbox_.empty() ? 0 : POLLOUT)), 0},
                         {wake_[0], POLLIN, 0}};
        const int r = ppoll(fds, 2, wakeAt ? &timeout : nullptr, nullptr);
        if (r < 0) {
            if (errno == EINTR) continue;
            error = systemError("ppoll");
            return false;
        }
        if (fds[1].revents & POLLIN) {
            char drain[16];
            while (::read(wake_[0], drain, sizeof drain) > 0) {
            }
            return true;
        }
        bool hungUp = (fds[0].revents & (POLLHUP | POLLERR)) != 0;
        if (fds[0].revents & POLLIN) {
            std::uint8_t buf[kReadSize];
            const ssize_t n = ::read(master_, buf, sizeof buf);
            if (n > 0) {
                const Micros at = elapsed();
                const wire::ByteSpan bytes(buf, std::size_t(n));
                logBytes("tool>sim", bytes, at);
                take(line_.write(bytes, at));
                hungUp = false;
            } else if (n < 0 && errno == EIO) {
                hungUp = true;
            }
        }
        if (hungUp) {
            // No client side left open (cannot happen while slave_ is held, but a device that
            // fails this way must not make the loop spin): look again a little later.
            pollfd wake{wake_[0], POLLIN, 0};
            const timespec pause = toTimespec(kHangupPause);
            ppoll(&wake, 1, &pause, nullptr);
        }
    }
}

}  // namespace rb::sim
