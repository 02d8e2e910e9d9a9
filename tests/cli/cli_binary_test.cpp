// radiobench-cli as a program: exit statuses through main, and read / write over the real
// serial code path to radiosim on a pseudo-terminal.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// Runs the command line with `args`; standard input is /dev/null (no one to ask).
CliRun runCli(const std::vector<std::string>& args) {
    const fs::path dir = fs::temp_directory_path();
    const fs::path out = dir / ("rb_cli_out_" + std::to_string(::getpid()));
    const fs::path err = dir / ("rb_cli_err_" + std::to_string(::getpid()));
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int in = ::open("/dev/null", O_RDONLY);
        const int o = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int e = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ::dup2(in, 0);
        ::dup2(o, 1);
        ::dup2(e, 2);
        std::vector<char*> argv;
        std::string bin = RB_CLI_BINARY;
        argv.push_back(bin.data());
        std::vector<std::string> copy = args;
        for (auto& a : copy) argv.push_back(a.data());
        argv.push_back(nullptr);
        ::execv(bin.c_str(), argv.data());
        ::_exit(127);
    }
    CliRun r;
    int status = 0;
    ::waitpid(pid, &status, 0);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.out = slurp(out);
    r.err = slurp(err);
    fs::remove(out);
    fs::remove(err);
    return r;
}

TEST(CliBinaryTest, ExitStatusesThroughMain) {
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string said;  // on standard error (or standard output for --help and ports)
    };
    const std::string out =
        (fs::temp_directory_path() / ("rb_cli_never_" + std::to_string(::getpid()) + ".ini"))
            .string();
    const Case cases[] = {
        {{"read", "--help"}, 0, "--out"},
        {{"ports"}, 0, "sim\n"},
        {{}, 2, ""},
        {{"read", "lm52r", "--out", out}, 2, "--port"},
        {{"read", "lm52r", "--port", "sim"}, 2, "--out"},
        {{"read", "lm52r", "--port", "sim", "--out", out, "--baud", "0"}, 2, ""},
        {{"read", "qx710", "--port", "sim", "--out", out}, 2, "not built yet"},
        {{"read", "lm52r", "--port", "/dev/rb-no-such-device", "--out", out},
         3,
         "/dev/rb-no-such-device"},
        {{"write", "lm52r", "--port", "sim", "--in", "/nonexistent/a.ini"}, 5, "a.ini"},
        {{"send", "--port", "sim", "zz"}, 2, "send:"},
        // The hidden fault option reaches the simulator's fault list.
        {{"read", "lm52r", "--port", "sim", "--out", out, "--sim-faults", "wobble"}, 2, "wobble"},
        {{"frame", "96", "05", "80", "16", "00", "01"}, 0, ""},
    };
    for (const Case& c : cases) {
        const CliRun r = runCli(c.args);
        std::string line;
        for (const auto& a : c.args) line += a + ' ';
        EXPECT_EQ(r.status, c.status) << line << "\n" << r.err;
        EXPECT_NE((r.out + r.err).find(c.said), std::string::npos) << line << "\n" << r.err;
    }
    EXPECT_FALSE(fs::exists(out));
}

#ifdef RB_RADIOSIM_BINARY
// radiosim serving the LM52R terminal on a pty; stopped when the test ends.
class Radiosim {
public:
    Radiosim() {
        int fds[2];
        if (::pipe(fds) != 0) return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::dup2(fds[1], 1);
            ::close(fds[0]);
            ::execl(RB_RADIOSIM_BINARY, RB_RADIOSIM_BINARY, "lm52r", nullptr);
            ::_exit(127);
        }
        ::close(fds[1]);
        char c;
        while (::read(fds[0], &c, 1) == 1 && c != '\n') device_ += c;
        ::close(fds[0]);
    }
    ~Radiosim() {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGTERM);
        ::waitpid(pid_, nullptr, 0);
    }
    const std::string& device() const { return device_; }

private:
    pid_t pid_ = -1;
    std::string device_;
};

TEST(CliBinaryTest, ReadWriteReadOverAPseudoTerminal) {
    Radiosim sim;
    ASSERT_EQ(sim.device().rfind("/dev/", 0), 0u) << sim.device();
    const fs::path dir = fs::temp_directory_path();
    const std::string a = (dir / ("rb_cli_pty_a_" + std::to_string(::getpid()) + ".ini")).string();
    const std::string b = (dir / ("rb_cli_pty_b_" + std::to_string(::getpid()) + ".ini")).string();
    fs::remove(a);
    fs::remove(b);

    CliRun r = runCli({"read", "lm52r", "--port", sim.device(), "--out", a});
    ASSERT_EQ(r.status, 0) << r.err;
    r = runCli({"write", "lm52r", "--port", sim.device(), "--in", a, "--yes"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("信道守候组设置成功"), std::string::npos) << r.err;
    r = runCli({"read", "lm52r", "--port", sim.device(), "--out", b, "--trace"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("接收信息("), std::string::npos);
    EXPECT_EQ(slurp(a), slurp(b));
    fs::remove(a);
    fs::remove(b);
}
#endif

}  // namespace
