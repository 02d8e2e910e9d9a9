// `radiobench-cli run qx710` on a manual clock against one simulated station for the whole test,
// and read / write / run over the real serial code path to `radiosim qx710` on a pty.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/exit_status.h"
#include "cli/run_command.h"
#include "shared_sim_runtime.h"

namespace rb::cli {
namespace {

namespace fs = std::filesystem;

class Qx710RunTest : public ::testing::Test {
protected:
    void SetUp() override { ensureCoreApplication(); }

    int run(const std::string& script, const std::string& faults = {}) {
        RunOptions o;
        o.type = "qx710";
        o.port.port = "sim";
        o.port.simFaults = faults;
        std::istringstream in(script);
        out_.str("");
        err_.str("");
        return runRunCommand(o, runtime_, in, out_, err_);
    }
    // Fragments expected in the output, in this order.
    void expectInOrder(const std::vector<std::string>& fragments) {
        const std::string all = out_.str();
        std::size_t at = 0;
        for (const std::string& e : fragments) {
            const std::size_t found = all.find(e, at);
            EXPECT_NE(found, std::string::npos) << e << "\n" << all;
            if (found != std::string::npos) at = found + e.size();
        }
    }

    testing::SharedQx710Runtime runtime_;
    std::ostringstream out_, err_;
};

TEST_F(Qx710RunTest, DrivesAllThreePages) {
    ASSERT_EQ(run("click 2090\n"
                  "get 1057\n"
                  "set 1056 \"李大海\"\n"
                  "set 1010 1\n"
                  "set 1057 \"50000\"\n"
                  "click 2091\n"
                  "click 2090\n"
                  "get 1056\n"
                  "get 1057\n"
                  "tab 1\n"
                  "click 2048\n"
                  "set 1152 1\n"
                  "wait 3000\n"
                  "set 1152 0\n"
                  "tab 业务控制类(测试使用)\n"
                  "set 3078 33001\n"
                  "set 1432 1\n"
                  "click 2065\n"
                  "set 3078 33000\n"
                  "click 2065\n"
                  "click 1054\n"
                  "status\n"),
              kExitDone)
        << err_.str() << out_.str();
    expectInOrder({
        R"({"cmd":"click","id":2090,"result":"done","status":"查询电台状态返回成功")",
        R"("id":1057,"kind":"edit","value":"4000000")",
        R"({"cmd":"click","id":2091,"result":"done","status":"查询电台状态返回成功",)"
        R"("boxes":[{"text":"确认写录数据?","caption":"提问","icon":"question"}]})",
        R"("id":1056,"kind":"edit","value":"李大海")",
        R"("id":1057,"kind":"edit","value":"50000")",
        R"({"cmd":"click","id":2048,"result":"done","status":"召集数据返回成功")",
        R"({"cmd":"wait")",
        R"({"cmd":"click","id":2065,"result":"stopped")",
        R"({"cmd":"click","id":2065,"result":"done","status":"信道切换成功")",
        R"({"cmd":"click","id":1054,"result":"done","status":"GPS写入成功")",
    });
    // The timed musters went out in the wait and were answered.
    EXPECT_NE(err_.str().find("召集数据返回成功"), std::string::npos);
}

TEST_F(Qx710RunTest, PeriodicReadAgainstASilentStationEndsInOneTimeOut) {
    EXPECT_EQ(run("set 2409 1\nwait 10000\nget 2409\n", "silent"), kExitTerminalFailed)
        << err_.str() << out_.str();
    const std::string all = out_.str();
    std::size_t boxes = 0;
    for (std::size_t at = 0;
         (at = all.find("操作失败！请检查设备连接是否正常？", at)) != std::string::npos; ++at)
        ++boxes;
    EXPECT_EQ(boxes, 1u) << all;
    expectInOrder({R"({"cmd":"get","id":2409,"kind":"check","value":0,)"});
}

#ifdef RB_RADIOSIM_BINARY
struct CliRun {
    int status = -1;
    std::string output;
};

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

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(Qx710CliBinaryTest, ReadWriteReadOverAPseudoTerminalWithTheStationsOwnQuery) {
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(fds[1], 1);
        ::execl(RB_RADIOSIM_BINARY, RB_RADIOSIM_BINARY, "qx710", "--own-query", "700", nullptr);
        ::_exit(127);
    }
    ::close(fds[1]);
    std::string device;
    for (char c; ::read(fds[0], &c, 1) == 1 && c != '\n';) device += c;
    ASSERT_EQ(device.rfind("/dev/", 0), 0u) << device;

    const auto dir = fs::temp_directory_path();
    const std::string tag = std::to_string(::getpid());
    const std::string a = (dir / ("rb_qx_a_" + tag + ".ini")).string();
    const std::string b = (dir / ("rb_qx_b_" + tag + ".ini")).string();
    CliRun r = runCli("read qx710 --port " + device + " --out " + a);
    ASSERT_EQ(r.status, 0) << r.output;
    r = runCli("write qx710 --port " + device + " --in " + a + " --yes");
    ASSERT_EQ(r.status, 0) << r.output;
    EXPECT_NE(r.output.find("电台信道频率设置成功"), std::string::npos) << r.output;
    const std::string script = (dir / ("rb_qx_s_" + tag)).string();
    std::ofstream(script) << "wait 1500\ntab 2\nclick 2073\n";
    r = runCli("run qx710 --port " + device + " --trace " + script);
    EXPECT_EQ(r.status, 0) << r.output;
    EXPECT_NE(r.output.find(R"({"cmd":"click","id":2073,"result":"done","status":"呼叫发起成功")"),
              std::string::npos)
        << r.output;
    // The station asked on its own during the wait, and the base page replied.
    EXPECT_NE(r.output.find("EA 05 00 96 01 00 00 00 20"), std::string::npos) << r.output;
    r = runCli("read qx710 --port " + device + " --out " + b);
    EXPECT_EQ(r.status, 0) << r.output;
    EXPECT_EQ(readAll(a), readAll(b));
    for (const auto& p : {a, b, script}) fs::remove(p);
    ::kill(pid, SIGTERM);
    ::waitpid(pid, nullptr, 0);
    ::close(fds[0]);
}
#endif

}  // namespace
}  // namespace rb::cli
