// A pseudo-terminal for tests of the real serial code: the code under test opens `slavePath()`
// like any serial device, the test plays the terminal on `master()`. Raw mode (no echo, no
// character translation), so bytes pass unchanged.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <cstdint>
#include <string>
#include <vector>

namespace rb::testing {

class PtyPair {
public:
    PtyPair() {
        if (!openPair()) closeAll();
    }
    ~PtyPair() { closeAll(); }
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    bool ok() const { return master_ >= 0 && slave_ >= 0; }
    const std::string& slavePath() const { return path_; }
    int master() const { return master_; }

    // Lets the code under test be the device's only user.
    void closeSlave() { closeFd(slave_); }
    // The terminal vanishes: the device side sees a hang-up.
    void closeMaster() { closeFd(master_); }

    bool write(const std::vector<std::uint8_t>& bytes) const {
        return ::write(master_, bytes.data(), bytes.size()) == ssize_t(bytes.size());
    }

    // Whatever the device side has sent so far; never waits (the code under test sends from
    // its event loop, which the test keeps running while it collects).
    std::vector<std::uint8_t> readAvailable() const {
        std::vector<std::uint8_t> got;
        for (;;) {
            pollfd p{master_, POLLIN, 0};
            if (::poll(&p, 1, 0) <= 0 || !(p.revents & POLLIN)) break;
            std::uint8_t buffer[256];
            const ssize_t n = ::read(master_, buffer, sizeof buffer);
            if (n <= 0) break;
            got.insert(got.end(), buffer, buffer + n);
        }
        return got;
    }

private:
    bool openPair() {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ < 0) return false;
        if (::grantpt(master_) != 0 || ::unlockpt(master_) != 0) return false;
        const char* name = ::ptsname(master_);
        if (!name) return false;
        path_ = name;
        // Raw mode lives on the slave side; set it through a descriptor of our own. It is held
        // open until closeSlave(), so the master does not see a hang-up before the code under
        // test has opened the device.
        slave_ = ::open(path_.c_str(), O_RDWR | O_NOCTTY);
        if (slave_ < 0) return false;
        termios t{};
        if (::tcgetattr(slave_, &t) != 0) return false;
        ::cfmakeraw(&t);
        return ::tcsetattr(slave_, TCSANOW, &t) == 0;
    }
    static void closeFd(int& fd) {
        if (fd >= 0) ::close(fd);
        fd = -1;
    }
    void closeAll() {
        closeFd(slave_);
        closeFd(master_);
    }

    int master_ = -1;
    int slave_ = -1;
    std::string path_;
};

}  // namespace rb::testing
