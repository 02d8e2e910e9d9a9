// radiosim as a child process serving one family's terminal on a pty, for the benchmarks that
// go through the real serial code. The device path is what radiosim prints first.
#pragma once

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace rb::bench {

class RadiosimProcess {
public:
    // `options` follow the family on radiosim's command line ("--pace", "--delay", "0", ...).
    RadiosimProcess(const std::string& binary, const std::string& family,
                    const std::vector<std::string>& options) {
        int fds[2];
        if (::pipe(fds) != 0) return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::dup2(fds[1], 1);
            ::close(fds[0]);
            std::vector<char*> argv{const_cast<char*>(binary.c_str()),
                                    const_cast<char*>(family.c_str())};
            for (const auto& o : options) argv.push_back(const_cast<char*>(o.c_str()));
            argv.push_back(nullptr);
            ::execv(binary.c_str(), argv.data());
            ::_exit(127);
        }
        ::close(fds[1]);
        char c;
        while (::read(fds[0], &c, 1) == 1 && c != '\n') device_ += c;
        ::close(fds[0]);
    }
    ~RadiosimProcess() {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGTERM);
        ::waitpid(pid_, nullptr, 0);
    }
    RadiosimProcess(const RadiosimProcess&) = delete;
    RadiosimProcess& operator=(const RadiosimProcess&) = delete;

    const std::string& device() const { return device_; }
    // False when radiosim ended (a crash shows here).
    bool alive() const { return pid_ > 0 && ::kill(pid_, 0) == 0 && !exited(); }

private:
    bool exited() const {
        int status = 0;
        return ::waitpid(pid_, &status, WNOHANG) == pid_;
    }
    pid_t pid_ = -1;
    std::string device_;
};

}  // namespace rb::bench
