// write --verify and --trace-file against the built-in simulated terminal on a manual clock, and
// both through the program itself.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "cli/chain_command.h"
#include "cli/exit_status.h"
#include "ini/ini_file.h"
#include "shared_sim_runtime.h"

namespace rb::cli {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> linesIn(const fs::path& p) {
    std::ifstream in(p);
    std::vector<std::string> out;
    for (std::string l; std::getline(in, l);) out.push_back(l);
    return out;
}

class VerifyTraceTest : public ::testing::Test {
protected:
    void SetUp() override {
        ensureCoreApplication();
        dir_ = fs::temp_directory_path() /
               ("rb_verify_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string path(const std::string& name) const { return (dir_ / name).string(); }

    int run(bool read, const std::string& file, const std::string& type = "lm52r",
            bool verify = false, const std::string& faults = {},
            const std::string& traceFile = {}) {
        ChainOptions o{type, {}, path(file), ConfirmOptions{true, nullptr, false}, verify};
        o.accessCode = "4lotus";  // the production page needs its code
        o.port.port = "sim";
        o.port.simFaults = faults;
        o.port.traceFile = traceFile;
        err_.str("");
        return read ? runReadCommand(o, runtime_, err_) : runWriteCommand(o, runtime_, err_);
    }
    void edit(const std::string& file, const std::string& key, const std::string& value) {
        ini::IniFile f;
        ASSERT_TRUE(f.load(path(file)));
        f.setText("TelSet", key, value);
        ASSERT_TRUE(f.save(path(file)));
    }

    fs::path dir_;
    testing::SharedSimRuntime runtime_;
    std::ostringstream err_;
};

TEST_F(VerifyTraceTest, ACleanVerifyOfEveryFamilyReportsNothing) {
    for (const char* type : {"lm52r", "netradio", "train"}) {
        const std::string file = std::string(type) + ".ini";
        ASSERT_EQ(run(true, file, type), kExitDone) << err_.str();
        ASSERT_EQ(run(false, file, type, true), kExitDone) << type << "\n" << err_.str();
        EXPECT_NE(err_.str().find("verify done, every field read back as written"),
                  std::string::npos)
            << err_.str();
        EXPECT_EQ(err_.str().find("written \""), std::string::npos) << err_.str();
    }
}

TEST_F(VerifyTraceTest, ATerminalThatKeepsAnOldValueIsNamedFieldByField) {
    ASSERT_EQ(run(true, "a.ini"), kExitDone) << err_.str();
    edit("a.ini", "SendFrequency03", "4100500");
    edit("a.ini", "VOXLevel", "400");
    edit("a.ini", "UserName", "赵六");
    // Frequencies (0x14) are acknowledged and not stored; the VOX level and the name are.
    EXPECT_EQ(run(false, "a.ini", "lm52r", true, "ignore=0x14"), kExitVerifyFailed);
    const std::string said = err_.str();
    EXPECT_NE(said.find("write lm52r: 基本信息: 信道03 发射频率: written \"4100500\", read "
                        "\"4000500\"\n"),
              std::string::npos)
        << said;
    EXPECT_NE(said.find("write lm52r: verify failed, 1 field differs\n"), std::string::npos);
    EXPECT_EQ(said.find("声控电平:"), std::string::npos) << said;

    // Without --verify the same write reports success: only the read-back can tell.
    EXPECT_EQ(run(false, "a.ini", "lm52r", false, "ignore=0x14"), kExitDone);
    edit("a.ini", "VOXLevel", "500");
    EXPECT_EQ(run(false, "a.ini", "lm52r", true, "ignore=0x3c"), kExitVerifyFailed);
    EXPECT_NE(err_.str().find("声控电平: written \"500\", read \"400\""), std::string::npos)
        << err_.str();
}

TEST_F(VerifyTraceTest, TheTraceFileHoldsEveryFrameOfTheReadInOrderWithMilliseconds) {
    const std::string trace = path("trace.log");
    ASSERT_EQ(run(true, "a.ini", "lm52r", false, {}, trace), kExitDone) << err_.str();
    const auto lines = linesIn(trace);
    const std::regex form(R"(^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3} (发送|接收|提示) .+$)");
    int sent = 0, received = 0, notes = 0;
    std::string expectNext = "发送";
    for (const auto& line : lines) {
        ASSERT_TRUE(std::regex_match(line, form)) << line;
        const std::string dir = line.substr(24, line.find(' ', 24) - 24);
        // Each request is followed by its answer and the answer's success line.
        EXPECT_EQ(dir, expectNext) << line;
        expectNext = dir == "发送" ? "接收" : dir == "接收" ? "提示" : "发送";
        sent += dir == "发送";
        received += dir == "接收";
        notes += dir == "提示";
    }
    EXPECT_GE(sent, 10);  // version, common, 10 channel groups ...
    EXPECT_EQ(sent, received);
    EXPECT_EQ(sent, notes);
    EXPECT_EQ(lines.front().substr(24), "发送 96 05 80 99 00 01 8B");

    // A second command appends; a file that cannot be opened stops the command before the port.
    ASSERT_EQ(run(true, "b.ini", "lm52r", false, {}, trace), kExitDone);
    EXPECT_EQ(linesIn(trace).size(), 2 * lines.size());
    const int opens = runtime_.opens;
    EXPECT_EQ(run(true, "c.ini", "lm52r", false, {}, path("missing/trace.log")), kExitFileError);
    EXPECT_NE(err_.str().find("cannot open trace file"), std::string::npos) << err_.str();
    EXPECT_EQ(runtime_.opens, opens);
}

// The program itself: exit 6 through main, --trace-file, --version.
int runCli(const std::string& args, std::string* output = nullptr) {
    FILE* pipe =
        ::popen((std::string(RB_CLI_BINARY) + " " + args + " 2>&1 </dev/null").c_str(), "r");
    std::string out;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        out.append(buffer, n);
    const int status = ::pclose(pipe);
    if (output) *output = out;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(VerifyTraceTest, TheProgramExitsSixNamingTheField) {
    std::string out;
    ASSERT_EQ(runCli("read lm52r --port sim --out " + path("a.ini"), &out), 0) << out;
    edit("a.ini", "SendFrequency01", "4100000");
    EXPECT_EQ(runCli("write lm52r --port sim --in " + path("a.ini") + " --yes --verify", &out), 0)
        << out;
    EXPECT_EQ(runCli("write lm52r --port sim --in " + path("a.ini") +
                         " --yes --verify --sim-faults ignore=0x14 --trace-file " + path("t.log"),
                     &out),
              6)
        << out;
    EXPECT_NE(out.find("信道01 发射频率: written \"4100000\", read \"4000000\""), std::string::npos)
        << out;
    EXPECT_GT(linesIn(path("t.log")).size(), 20u);

    EXPECT_EQ(runCli("--version", &out), 0);
    EXPECT_EQ(out.rfind("radiobench-cli ", 0), 0u) << out;
}

#ifdef RB_RADIOSIM_BINARY
// radiosim --ignore on a pseudo-terminal: the real serial path, the same verdict.
TEST_F(VerifyTraceTest, OverAPseudoTerminalToATerminalThatIgnoresAWrite) {
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(fds[1], 1);
        ::execl(RB_RADIOSIM_BINARY, RB_RADIOSIM_BINARY, "lm52r", "--ignore", "0x14", nullptr);
        ::_exit(127);
    }
    ::close(fds[1]);
    std::string device;
    for (char c; ::read(fds[0], &c, 1) == 1 && c != '\n';) device += c;
    ASSERT_EQ(device.rfind("/dev/", 0), 0u) << device;

    std::string out;
    EXPECT_EQ(runCli("read lm52r --port " + device + " --out " + path("a.ini"), &out), 0) << out;
    edit("a.ini", "ReceiveFrequency02", "4200250");
    EXPECT_EQ(runCli("write lm52r --port " + device + " --in " + path("a.ini") +
                         " --yes --verify --trace-file " + path("t.log"),
                     &out),
              6)
        << out;
    EXPECT_NE(out.find("信道02 接收频率: written \"4200250\", read \"4100250\""), std::string::npos)
        << out;
    const auto lines = linesIn(path("t.log"));
    ASSERT_FALSE(lines.empty());
    EXPECT_NE(lines.back().find(" 提示 "), std::string::npos) << lines.back();
    ::kill(pid, SIGTERM);
    ::waitpid(pid, nullptr, 0);
    ::close(fds[0]);
}
#endif

}  // namespace
}  // namespace rb::cli
