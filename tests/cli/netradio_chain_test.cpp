// read / write netradio against one simulated network radio on a manual clock: the file a read
// stores, a write of it, and a read again give the same file; edited values reach the terminal
// and come back.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/chain_command.h"
#include "cli/event_waiter.h"
#include "cli/exit_status.h"
#include "cli/runtime.h"
#include "ini/ini_file.h"
#include "link/sim_link.h"
#include "shared_sim_runtime.h"
#include "sim/netradio_terminal.h"

namespace rb::cli {
namespace {

namespace fs = std::filesystem;

class NetRadioRuntime : public ManualRuntime {
public:
    engine::LinkOpener opener(const sim::Faults& faults) override {
        return [this, faults](const engine::PortRequest&) {
            engine::OpenResult result;
            result.link = std::make_unique<link::SimLink>(
                std::make_unique<testing::BorrowedTerminal>(terminal), timers(), faults);
            return result;
        };
    }
    sim::NetRadioTerminal terminal;
};

std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class NetRadioChainTest : public ::testing::Test {
protected:
    void SetUp() override {
        ensureCoreApplication();
        dir_ = fs::temp_directory_path() / ("rb_cli_netradio_" + std::to_string(::getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string path(const std::string& name) const { return (dir_ / name).string(); }
    int run(bool read, const std::string& file) {
        ChainOptions o{"netradio", {}, path(file), {true, nullptr, false}};
        o.port.port = "sim";
        err_.str("");
        return read ? runReadCommand(o, runtime_, err_) : runWriteCommand(o, runtime_, err_);
    }

    fs::path dir_;
    NetRadioRuntime runtime_;
    std::ostringstream err_;
};

TEST_F(NetRadioChainTest, ReadWriteReadGivesIdenticalFilesAndCarriesEdits) {
    ASSERT_EQ(run(true, "a.ini"), kExitDone) << err_.str();
    for (const char* text : {"读取版本信息成功\n", "信道功能读取成功\n", "本机号码设置读取成功\n",
                             "文件保存成功!\n"}) {
        EXPECT_NE(err_.str().find(text), std::string::npos) << text;
    }
    ASSERT_EQ(run(false, "a.ini"), kExitDone) << err_.str();
    EXPECT_NE(err_.str().find("信道功能设置成功\n"), std::string::npos);
    EXPECT_NE(err_.str().find("本机号码设置成功\n"), std::string::npos);
    ASSERT_EQ(run(true, "b.ini"), kExitDone) << err_.str();
    EXPECT_EQ(slurp(path("a.ini")), slurp(path("b.ini")));

    ini::IniFile file;
    ASSERT_TRUE(file.load(path("a.ini")));
    for (const auto& [key, value] :
         std::vector<std::pair<const char*, const char*>>{{"Frequency05", "4500000"},
                                                          {"FrequencySN", "15"},
                                                          {"ChannelInterval", "0"},
                                                          {"TP", "1"},
                                                          {"UserCode", "1000"},
                                                          {"UserName", "王小明"},
                                                          {"JQ", "0"},
                                                          {"GROUP", "0"}}) {
        file.setText("TelSet", key, value);
    }
    ASSERT_TRUE(file.save(path("c.ini")));
    ASSERT_EQ(run(false, "c.ini"), kExitDone) << err_.str();
    ASSERT_EQ(run(true, "d.ini"), kExitDone) << err_.str();
    EXPECT_EQ(slurp(path("c.ini")), slurp(path("d.ini")));
    EXPECT_EQ(runtime_.terminal.stored(0x20)[4] & 0xA0, 0x00);  // 鉴权 and 跨组呼叫 off

    // A file without an own frequency stops the base page's write after 0x21.
    file.setText("TelSet", "FrequencySN", "0");
    ASSERT_TRUE(file.save(path("e.ini")));
    EXPECT_EQ(run(false, "e.ini"), kExitStopped);
    EXPECT_NE(err_.str().find("请设置本机频率!"), std::string::npos) << err_.str();
}

#if defined(RB_RADIOSIM_BINARY) && defined(RB_CLI_BINARY)
// The program itself over the real serial path: radiosim serving a network radio on a pty.
TEST_F(NetRadioChainTest, ProgramReadsWritesAndReadsAgainOverAPseudoTerminal) {
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(fds[1], 1);
        ::execl(RB_RADIOSIM_BINARY, RB_RADIOSIM_BINARY, "netradio", nullptr);
        ::_exit(127);
    }
    ::close(fds[1]);
    std::string device;
    for (char c; ::read(fds[0], &c, 1) == 1 && c != '\n';) device += c;
    ASSERT_EQ(device.rfind("/dev/", 0), 0u) << device;

    auto cli = [&](const std::string& args) {
        const std::string command =
            std::string(RB_CLI_BINARY) + " " + args + " --port " + device + " 2>&1 </dev/null";
        FILE* pipe = ::popen(command.c_str(), "r");
        std::string output;
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            output.append(buffer, n);
        const int status = ::pclose(pipe);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << args << "\n" << output;
        return output;
    };
    cli("read netradio --out " + path("a.ini"));
    ini::IniFile file;
    ASSERT_TRUE(file.load(path("a.ini")));
    EXPECT_EQ(file.getText("TelSet", "UserName"), "李卫东");
    file.setText("TelSet", "Frequency16", "4100000");
    file.setText("TelSet", "UserCode", "500");
    ASSERT_TRUE(file.save(path("b.ini")));
    const std::string said = cli("write netradio --yes --in " + path("b.ini"));
    EXPECT_NE(said.find("本机号码设置成功"), std::string::npos) << said;
    cli("read netradio --out " + path("c.ini"));
    EXPECT_EQ(slurp(path("b.ini")), slurp(path("c.ini")));

    ::kill(pid, SIGTERM);
    ::waitpid(pid, nullptr, 0);
    ::close(fds[0]);
}
#endif

}  // namespace
}  // namespace rb::cli
