// Real I/O over a pseudo-terminal: waits are bounded by a 2 s poll and end as soon as the
// bytes are there.
#include "sim/pty_host.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <mutex>
#include <string>
#include <thread>

#include "wire/frame.h"

extern char** environ;

namespace rb::sim {
namespace {

using wire::Bytes;

constexpr int kWaitMs = 2000;
const Bytes kVoxRead = wire::frame96(0x3E, {0x00, 0x01});
const Bytes kVoxAnswer = {0x96, 0x07, 0x80, 0x3F, 0x00, 0x01, 0x2C, 0x01, 0x02};

// Opens the device as a serial program would: raw, no controlling terminal.
int openClient(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) return fd;
    termios t{};
    tcgetattr(fd, &t);
    cfmakeraw(&t);
    tcsetattr(fd, TCSANOW, &t);
    return fd;
}

// Reads until `count` bytes (or, with `stopAt`, that byte) have come, the other end has closed
// or the wait runs out.
Bytes readBytes(int fd, std::size_t count, int stopAt = -1) {
    Bytes got;
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(kWaitMs);
    while (got.size() < count) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            end - std::chrono::steady_clock::now());
        pollfd p{fd, POLLIN, 0};
        if (left.count() <= 0 || ::poll(&p, 1, int(left.count())) <= 0) break;
        std::uint8_t buf[256];
        const ssize_t n = ::read(fd, buf, stopAt < 0 ? sizeof buf : 1);
        if (n == 0) break;
        if (n > 0) got.insert(got.end(), buf, buf + n);
        if (stopAt >= 0 && !got.empty() && got.back() == stopAt) break;
    }
    return got;
}

Bytes exchange(int fd, const Bytes& request, std::size_t answerSize) {
    if (::write(fd, request.data(), request.size()) != ssize_t(request.size())) return {};
    return readBytes(fd, answerSize);
}

TEST(PtyHost, AnswersAFrameWrittenToItsDeviceAndSurvivesTheClientClosing) {
    SimulatedLine line(makeTerminal("lm52r"));
    PtyHost host(line);
    std::string error;
    ASSERT_TRUE(host.open(error)) << error;
    ASSERT_EQ(host.devicePath().rfind("/dev/", 0), 0u) << host.devicePath();
    std::vector<std::string> log;
    std::mutex logMutex;
    host.setTrafficLog([&](const std::string& text) {
        std::lock_guard lock(logMutex);
        log.push_back(text);
    });
    bool served = false;
    std::string serveError;
    std::thread server([&] { served = host.serve(serveError); });

    for (int round = 0; round < 2; ++round) {  // the second time on a reopened device
        const int fd = openClient(host.devicePath());
        ASSERT_GE(fd, 0);
        EXPECT_EQ(exchange(fd, kVoxRead, kVoxAnswer.size()), kVoxAnswer) << "round " << round;
        ::close(fd);
    }
    host.requestStop();
    server.join();
    EXPECT_TRUE(served) << serveError;

    std::lock_guard lock(logMutex);
    ASSERT_GE(log.size(), 2u);
    EXPECT_NE(log[0].find("tool>sim 96 05 80 3E 00 01 2C"), std::string::npos) << log[0];
    EXPECT_NE(log[1].find("sim>tool 96 07 80 3F 00 01 2C 01 02"), std::string::npos) << log[1];
}

#ifdef RB_RADIOSIM_PATH
// Starts radiosim with its stdout on a pipe; returns its pid and the first line it printed.
pid_t startRadiosim(const std::vector<std::string>& args, std::string& firstLine, int& exitNow) {
    int out[2];
    if (::pipe(out) != 0) return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<std::string> all{RB_RADIOSIM_PATH};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : all) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = -1;
    const int rc = posix_spawn(&pid, RB_RADIOSIM_PATH, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    if (rc != 0) {
        ::close(out[0]);
        return -1;
    }
    const Bytes line = readBytes(out[0], 256, '\n');
    firstLine.assign(line.begin(), line.end());
    firstLine = firstLine.substr(0, firstLine.find('\n'));
    exitNow = out[0];
    return pid;
}

int waitExit(pid_t pid) {
    for (int i = 0; i < kWaitMs / 10; ++i) {
        int status = 0;
        if (::waitpid(pid, &status, WNOHANG) == pid)
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    return -2;
}

TEST(Radiosim, PrintsItsDeviceAndAnswersOnItUntilTerminated) {
    std::string path;
    int pipeFd = -1;
    const pid_t pid = startRadiosim({"lm52r", "--corrupt-nth", "2"}, path, pipeFd);
    ASSERT_GT(pid, 0);
    const int fd = openClient(path);
    EXPECT_GE(fd, 0) << "first line: " << path;
    if (fd >= 0) {
        EXPECT_EQ(exchange(fd, kVoxRead, kVoxAnswer.size()), kVoxAnswer);
        Bytes corrupt = kVoxAnswer;
        corrupt.back() ^= 0xFF;
        EXPECT_EQ(exchange(fd, kVoxRead, kVoxAnswer.size()), corrupt);
        ::close(fd);
    }
    ::kill(pid, SIGTERM);
    EXPECT_EQ(waitExit(pid), 0);
    ::close(pipeFd);
}

TEST(Radiosim, RefusesAnUnknownFamily) {
    std::string line;
    int pipeFd = -1;
    const pid_t pid = startRadiosim({"nosuchradio"}, line, pipeFd);
    ASSERT_GT(pid, 0);
    EXPECT_EQ(line, "");
    EXPECT_EQ(waitExit(pid), 2);
    ::close(pipeFd);
}
#endif

}  // namespace
}  // namespace rb::sim
