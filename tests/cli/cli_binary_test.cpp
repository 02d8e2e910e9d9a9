// radiobench-cli as a program: exit statuses through main, and read / write over the real
// serial code path to radiosim on a pseudo-terminal.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct CliRun {
    int status = -1;
    std::string output;  // standard output and standard error
};

// Runs the command line with `args` (words without blanks); no one at standard input to ask.
CliRun runCli(const std::string& args) {
    CliRun r;
    FILE* pipe =
        ::popen((std::string(RB_CLI_BINARY) + " " + args + " 2>&1 </dev/null").c_str(), "r");
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        r.output.append(buffer, n);
    const int status = ::pclose(pipe);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

std::string tempFile(const std::string& name) {
    return (fs::temp_directory_path() / (name + std::to_string(::getpid()) + ".ini")).string();
}

TEST(CliBinaryTest, ExitStatusesThroughMain) {
    const std::string out = tempFile("rb_cli_never_");
    const std::tuple<std::string, int, std::string> cases[] = {
        // Arguments, status, a text on standard output or standard error.
        {"read --help", 0, "--out"},
        {"ports", 0, "sim\n"},
        {"", 2, ""},
        {"read lm52r --out " + out, 2, "--port"},
        {"read lm52r --port sim", 2, "--out"},
        {"read lm52r --port sim --out " + out + " --baud 0", 2, ""},
        // The trunking types keep no file: refused before any port or file is touched.
        {"read wz4040 --port sim --out " + out, 2, "no configuration file for this type; use run"},
        {"write lm520w --port sim --in /nonexistent/a.ini", 2,
         "write lm520w: no configuration file for this type; use run"},
        {"read lm52r --port /dev/rb-no-such-device --out " + out, 3, "/dev/rb-no-such-device"},
        {"read lm52r --port COM1025 --out " + out, 2, "COM1025"},
        {"write lm52r --port sim --in /nonexistent/a.ini", 5, "a.ini"},
        {"send --port sim zz", 2, "send:"},
        // The hidden fault option reaches the simulator's fault list.
        {"read lm52r --port sim --out " + out + " --sim-faults wobble", 2, "wobble"},
        {"frame 96 05 80 16 00 01", 0, "96 05 80 16 00 01 04\n"},
        {"run --help", 0, "answer yes|no"},
        {"run lm52r --port sim /nonexistent/script", 2, "/nonexistent/script"},
        {"run protest --port sim --access-code wrong", 2, "密码不正确!"},
    };
    for (const auto& [args, status, said] : cases) {
        const CliRun r = runCli(args);
        EXPECT_EQ(r.status, status) << args << "\n" << r.output;
        EXPECT_NE(r.output.find(said), std::string::npos) << args << "\n" << r.output;
    }
    EXPECT_FALSE(fs::exists(out));
}

#ifdef RB_RADIOSIM_BINARY
TEST(CliBinaryTest, ReadWriteReadOverAPseudoTerminal) {
    // radiosim serving the LM52R terminal prints its device first.
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(fds[1], 1);
        ::execl(RB_RADIOSIM_BINARY, RB_RADIOSIM_BINARY, "lm52r", nullptr);
        ::_exit(127);
    }
    ::close(fds[1]);
    std::string device;
    for (char c; ::read(fds[0], &c, 1) == 1 && c != '\n';) device += c;
    EXPECT_EQ(device.rfind("/dev/", 0), 0u) << device;

    const std::string a = tempFile("rb_cli_pty_a_"), b = tempFile("rb_cli_pty_b_");
    CliRun r = runCli("read lm52r --port " + device + " --out " + a);
    EXPECT_EQ(r.status, 0) << r.output;
    r = runCli("write lm52r --port " + device + " --in " + a + " --yes");
    EXPECT_EQ(r.status, 0) << r.output;
    EXPECT_NE(r.output.find("信道守候组设置成功"), std::string::npos) << r.output;
    // A script over the same line: the first channel's frequency as the terminal holds it.
    const std::string script = tempFile("rb_cli_pty_script_");
    std::ofstream(script) << "click 2090\nget 1187\n";
    r = runCli("run lm52r --port " + device + " " + script);
    EXPECT_EQ(r.status, 0) << r.output;
    EXPECT_NE(r.output.find(R"({"cmd":"click","id":2090,"result":"done")"), std::string::npos)
        << r.output;
    EXPECT_NE(r.output.find(R"({"cmd":"get","id":1187,"kind":"edit","value":"4000000")"),
              std::string::npos)
        << r.output;
    fs::remove(script);
    r = runCli("read lm52r --port " + device + " --out " + b + " --trace");
    EXPECT_EQ(r.status, 0) << r.output;
    EXPECT_NE(r.output.find("接收信息("), std::string::npos);
    std::ifstream fa(a, std::ios::binary), fb(b, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(fa), {}),
              std::string(std::istreambuf_iterator<char>(fb), {}));
    fs::remove(a);
    fs::remove(b);
    ::kill(pid, SIGTERM);
    ::waitpid(pid, nullptr, 0);
    ::close(fds[0]);
}

// Every family's terminal served by radiosim on a pty: read -> write -> read gives the same
// file through the real serial code, and a script reads the first frequency back.
TEST(CliBinaryTest, EveryFamilyOverAPseudoTerminal) {
    const std::pair<const char*, const char*> families[] = {{"netradio", "1456"},
                                                            {"train", "1187"}};
    for (const auto& [family, firstFrequency] : families) {
        SCOPED_TRACE(family);
        int fds[2];
        ASSERT_EQ(::pipe(fds), 0);
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::dup2(fds[1], 1);
            ::execl(RB_RADIOSIM_BINARY, RB_RADIOSIM_BINARY, family, nullptr);
            ::_exit(127);
        }
        ::close(fds[1]);
        std::string device;
        for (char c; ::read(fds[0], &c, 1) == 1 && c != '\n';) device += c;
        ASSERT_EQ(device.rfind("/dev/", 0), 0u) << device;

        const std::string a = tempFile(std::string("rb_pty_") + family + "_a_");
        const std::string b = tempFile(std::string("rb_pty_") + family + "_b_");
        const std::string port = std::string(family) + " --port " + device;
        CliRun r = runCli("read " + port + " --out " + a);
        EXPECT_EQ(r.status, 0) << r.output;
        r = runCli("write " + port + " --in " + a + " --yes");
        EXPECT_EQ(r.status, 0) << r.output;
        r = runCli("read " + port + " --out " + b);
        EXPECT_EQ(r.status, 0) << r.output;
        std::ifstream fa(a, std::ios::binary), fb(b, std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(fa), {}),
                  std::string(std::istreambuf_iterator<char>(fb), {}));

        const std::string script = tempFile(std::string("rb_pty_") + family + "_script_");
        std::ofstream(script) << "click 2090\nget " << firstFrequency << "\n";
        r = runCli("run " + port + " " + script);
        EXPECT_EQ(r.status, 0) << r.output;
        EXPECT_NE(r.output.find(R"("result":"done")"), std::string::npos) << r.output;
        EXPECT_NE(r.output.find(std::string(R"({"cmd":"get","id":)") + firstFrequency),
                  std::string::npos)
            << r.output;
        for (const auto& f : {a, b, script}) fs::remove(f);
        ::kill(pid, SIGTERM);
        ::waitpid(pid, nullptr, 0);
        ::close(fds[0]);
    }
}

// The fault matrix's row over the real serial code: every family with a file, radiosim on a pty
// misbehaving in one way, a read through the program: the exit status, "操作失败" for a
// time-out, and no file left by a failed read. (Recovery after the fault is checked by the
// in-process matrix, fault_matrix_test.cpp.)
TEST(CliBinaryTest, FaultsOverAPseudoTerminalForEveryFamily) {
    struct Fault {
        std::vector<const char*> options;
        int status;
    };
    const Fault faults[] = {
        {{"--silent"}, 1},
        {{"--drop-nth", "2"}, 1},
        {{"--corrupt-nth", "1"}, 1},
        {{"--garbage", "00 55 13", "--split", "3", "--split-gap", "2"}, 0},
    };
    for (const char* family : {"lm52r", "netradio", "train", "qx710", "protest"}) {
        for (const Fault& fault : faults) {
            SCOPED_TRACE(std::string(family) + " " + fault.options[0]);
            int fds[2];
            ASSERT_EQ(::pipe(fds), 0);
            const pid_t pid = ::fork();
            if (pid == 0) {
                ::dup2(fds[1], 1);
                std::vector<char*> argv{const_cast<char*>(RB_RADIOSIM_BINARY),
                                        const_cast<char*>(family)};
                for (const char* o : fault.options) argv.push_back(const_cast<char*>(o));
                argv.push_back(nullptr);
                ::execv(RB_RADIOSIM_BINARY, argv.data());
                ::_exit(127);
            }
            ::close(fds[1]);
            std::string device;
            for (char c; ::read(fds[0], &c, 1) == 1 && c != '\n';) device += c;
            ASSERT_EQ(device.rfind("/dev/", 0), 0u) << device;
            const std::string out = tempFile(std::string("rb_pty_fault_") + family + "_");
            fs::remove(out);
            const CliRun r = runCli(std::string("read ") + family + " --port " + device +
                                    " --out " + out + " --access-code 4lotus");
            EXPECT_EQ(r.status, fault.status) << r.output;
            EXPECT_EQ(fs::exists(out), fault.status == 0) << r.output;
            if (fault.status == 1) {
                EXPECT_NE(r.output.find("操作失败"), std::string::npos);
            }
            fs::remove(out);
            ::kill(pid, SIGTERM);
            ::waitpid(pid, nullptr, 0);
            ::close(fds[0]);
        }
    }
}
#endif

}  // namespace
