// Real I/O over a pseudo-terminal: every wait is bounded by a 2 s poll and ends as soon as the
// bytes are there.
#include "sim/pty_host.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>

#include "wire/frame.h"

namespace rb::sim {
namespace {

using wire::Bytes;

const Bytes kVoxRead = wire::frame96(0x3E, {0x00, 0x01});
const Bytes kVoxAnswer = {0x96, 0x07, 0x80, 0x3F, 0x00, 0x01, 0x2C, 0x01, 0x02};

// Opens the device as a serial program would (no controlling terminal; the host has made the line
// raw), writes the request and reads until `count` bytes have come, the other end has closed or
// the wait runs out.
Bytes exchange(const std::string& device, const Bytes& request, std::size_t count) {
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    Bytes got;
    if (::write(fd, request.data(), request.size()) != ssize_t(request.size())) count = 0;
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    for (pollfd p{fd, POLLIN, 0}; got.size() < count && std::chrono::steady_clock::now() < end;) {
        std::uint8_t buf[256];
        if (::poll(&p, 1, 100) <= 0 || !(p.revents & POLLIN)) continue;
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n <= 0) break;
        got.insert(got.end(), buf, buf + n);
    }
    ::close(fd);
    return got;
}

TEST(PtyHost, AnswersAFrameWrittenToItsDeviceAndSurvivesTheClientClosing) {
    SimulatedLine line(makeTerminal("lm52r"));
    PtyHost host(line);
    std::string error;
    ASSERT_TRUE(host.open(error)) << error;
    std::vector<std::string> log;  // written by the server thread, read after it has ended
    host.setTrafficLog([&](const std::string& text) { log.push_back(text); });
    bool served = false;
    std::thread server([&] { served = host.serve(error); });
    for (int round = 0; round < 2; ++round)  // the second time on a reopened device
        EXPECT_EQ(exchange(host.devicePath(), kVoxRead, kVoxAnswer.size()), kVoxAnswer) << round;
    host.requestStop();
    server.join();
    EXPECT_TRUE(served) << error;
    ASSERT_GE(log.size(), 2u);
    EXPECT_NE(log[0].find("tool>sim 96 05 80 3E 00 01 2C"), std::string::npos) << log[0];
    EXPECT_NE(log[1].find("sim>tool 96 07 80 3F 00 01 2C 01 02"), std::string::npos) << log[1];
}

#ifdef RB_RADIOSIM_PATH
// Starts radiosim with its standard output on a pipe; returns its pid, the pipe and the first
// line it printed (its device).
pid_t startRadiosim(std::vector<const char*> args, int& pipeFd, std::string& firstLine) {
    int out[2];
    if (::pipe(out) != 0) return -1;
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(out[1], STDOUT_FILENO);
        ::dup2(::open("/dev/null", O_WRONLY), STDERR_FILENO);
        args.insert(args.begin(), RB_RADIOSIM_PATH);
        args.push_back(nullptr);
        ::execv(RB_RADIOSIM_PATH, const_cast<char* const*>(args.data()));
        ::_exit(127);
    }
    ::close(out[1]);
    pipeFd = out[0];
    for (char c; ::read(pipeFd, &c, 1) == 1 && c != '\n';) firstLine += c;
    return pid;
}

// Ends radiosim (SIGTERM unless it has ended on its own) and gives its exit status.
int stopRadiosim(pid_t pid, int pipeFd) {
    ::kill(pid, SIGTERM);
    int status = -1;
    for (int i = 0; i < 200 && ::waitpid(pid, &status, WNOHANG) == 0; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    if (status == -1) ::kill(pid, SIGKILL), ::waitpid(pid, nullptr, 0);
    ::close(pipeFd);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(Radiosim, PrintsItsDeviceAndAnswersOnItWithItsFaultsUntilTerminated) {
    int pipeFd = -1;
    std::string device;
    const pid_t pid = startRadiosim({"lm52r", "--corrupt-nth", "2"}, pipeFd, device);
    ASSERT_GT(pid, 0);
    EXPECT_EQ(device.rfind("/dev/", 0), 0u) << device;
    if (device.rfind("/dev/", 0) == 0) {
        EXPECT_EQ(exchange(device, kVoxRead, kVoxAnswer.size()), kVoxAnswer);
        Bytes corrupt = kVoxAnswer;
        corrupt.back() ^= 0xFF;
        EXPECT_EQ(exchange(device, kVoxRead, kVoxAnswer.size()), corrupt);
    }
    EXPECT_EQ(stopRadiosim(pid, pipeFd), 0);

    std::string none;
    const pid_t refused = startRadiosim({"nosuchradio"}, pipeFd, none);
    EXPECT_EQ(none, "");
    EXPECT_EQ(stopRadiosim(refused, pipeFd), 2);  // an unknown family
}
#endif

}  // namespace
}  // namespace rb::sim
