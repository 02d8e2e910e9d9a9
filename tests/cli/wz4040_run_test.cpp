// `radiobench-cli run wz4040` and `run lm520w` on a manual clock against one simulated terminal
// per variant, switching faces with `type`; and read / run over `radiosim wz4040` on a pty.
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

class Wz4040RunTest : public ::testing::Test {
protected:
    void SetUp() override { ensureCoreApplication(); }

    int run(const std::string& type, const std::string& script, bool trace = false) {
        RunOptions o;
        o.type = type;
        o.port.port = "sim";
        o.port.trace = trace;
        std::istringstream in(script);
        out_.str("");
        err_.str("");
        return runRunCommand(o, runtime_, in, out_, err_);
    }
    void expectInOrder(const std::vector<std::string>& fragments) {
        const std::string all = out_.str();
        std::size_t at = 0;
        for (const std::string& e : fragments) {
            const std::size_t found = all.find(e, at);
            EXPECT_NE(found, std::string::npos) << e << "\n" << all;
            if (found != std::string::npos) at = found + e.size();
        }
    }

    testing::SharedWz4040Runtime runtime_;
    std::ostringstream out_, err_;
};

TEST_F(Wz4040RunTest, SwitchingTypesShowsEachFace) {
    ASSERT_EQ(run("lm520w",
                  "get 1667\n"
                  "get 1060\n"
                  "get 2427\n"
                  "set 1007 70000\n"
                  "click 2091\n"
                  "type wz4040\n"
                  "get 1667\n"
                  "get 1060\n"
                  "get 1574\n"
                  "get 2427\n"
                  "click 2091\n"
                  "type lm520w\n"
                  "get 1665\n"
                  "get 1540\n"
                  "get 1615\n"),
              kExitDone)
        << err_.str() << out_.str();
    expectInOrder({
        R"("id":1667,"kind":"static","value":"转发发射频率:","enabled":false)",
        R"("id":1060,"kind":"edit","value":"0","enabled":false)",
        R"("id":2427,"kind":"static","value":"CH4-B2转发")",
        R"({"cmd":"click","id":2091,"result":"stopped")",
        R"("身份码设置错误,请设置为0x01-0xFFFF!")",
        R"({"cmd":"type","type":"wz4040"})",
        R"("id":1667,"kind":"static","value":"脱网信道发射频率:","enabled":true)",
        R"("id":1060,"kind":"edit","value":"0","enabled":true)",
        R"("id":1574,"kind":"edit","value":"1","enabled":true)",
        R"("id":2427,"kind":"static","value":"16")",
        R"({"cmd":"click","id":2091,"result":"done","status":"密钥参数设置成功")",
        R"({"cmd":"type","type":"lm520w"})",
        R"("id":1665,"kind":"static","value":"信道发射频率:")",
        R"("id":1540,"kind":"edit","value":"0","enabled":false)",
        R"("id":1615,"kind":"static","value":"CH1-B1本地")",
    });
    // The trunking terminal took the 70000 the relay face refused.
    EXPECT_EQ(run("wz4040", "click 2090\nget 1007\n"), kExitDone) << out_.str();
    expectInOrder({R"("id":1007,"kind":"edit","value":"70000")"});
}

TEST_F(Wz4040RunTest, DrivesAllFourPages) {
    ASSERT_EQ(run("wz4040",
                  "set 1057 \"4000250\"\n"
                  "click 2091\n"
                  "click 2090\n"
                  "get 1057\n"
                  "tab 1\n"
                  "set 1056 \"李大海\"\n"
                  "spin 1602 up\n"
                  "set 1587 \"777\"\n"
                  "click 2091\n"
                  "click 2090\n"
                  "get 1056\n"
                  "get 1587\n"
                  "click 1114\n"
                  "tab 2\n"
                  "click 2048\n"
                  "set 1154 1\n"
                  "set 1152 1\n"
                  "set 1153 1\n"
                  "wait 3000\n"
                  "set 1154 0\n"
                  "set 1152 0\n"
                  "set 1153 0\n"
                  "set 2058 1\n"
                  "set 1610 \"1\"\n"
                  "set 2056 1\n"
                  "get 1610\n"
                  "click 2065\n"
                  "set 2058 1\n"
                  "set 1610 \"0\"\n"
                  "click 2065\n"
                  "tab 业务控制类(测试使用)\n"
                  "set 1603 \"-73.5\"\n"
                  "click 1054\n"
                  "click 1055\n"
                  "get 1603\n"
                  "set 1626 \"hello\"\n"
                  "click 1059\n"
                  "status\n"),
              kExitDone)
        << err_.str() << out_.str();
    expectInOrder({
        R"({"cmd":"click","id":2091,"result":"done","status":"密钥参数设置成功")",
        R"({"cmd":"click","id":2090,"result":"done","status":"状态查询成功")",
        R"("id":1057,"kind":"edit","value":"4000250")",
        R"({"cmd":"click","id":2091,"result":"done","status":"组呼码设置成功")",
        R"({"cmd":"click","id":2090,"result":"done","status":"组呼码读取成功")",
        R"("id":1056,"kind":"edit","value":"李大海")",
        R"("id":1587,"kind":"edit","value":"777")",
        R"({"cmd":"click","id":1114,"result":"done")",
        R"({"cmd":"click","id":2048,"result":"done","status":"GPS数据读取成功")",
        R"({"cmd":"wait")",
        R"("id":1610,"kind":"edit","value":"1","enabled":false)",
        R"({"cmd":"click","id":2065,"result":"stopped")",
        R"("指定信道发射频率设置不正确!")",
        R"({"cmd":"click","id":2065,"result":"done")",
        R"({"cmd":"click","id":1054,"result":"done")",
        R"({"cmd":"click","id":1055,"result":"done","status":"GPS数据读取成功")",
        R"("id":1603,"kind":"edit","value":"-73.500000")",
        R"({"cmd":"click","id":1059,"result":"done")",
    });
    // The timed sends went out during the wait, answered by the terminal.
    EXPECT_NE(err_.str().find("点名数据回送返回成功"), std::string::npos) << err_.str();
}

TEST_F(Wz4040RunTest, TimedSendsGoOnWhileAnotherTypeShows) {
    ASSERT_EQ(run("wz4040",
                  "tab 2\nset 1154 1\nset 1152 1\nset 1153 1\ntype lm52r\nwait 3000\n"
                  "type wz4040\nset 1154 0\nset 1152 0\nset 1153 0\nwait 2000\n",
                  true),
              kExitDone)
        << err_.str() << out_.str();
    auto count = [this](const std::string& head) {
        std::size_t n = 0;
        const std::string all = err_.str();
        for (std::size_t at = 0; (at = all.find("发送信息", at)) != std::string::npos; ++at) {
            const std::size_t line = all.find('\n', at);
            if (all.compare(line + 1, head.size(), head) == 0) ++n;
        }
        return n;
    };
    // One of each a second for three seconds, the wait's clicks never held up; none after.
    EXPECT_EQ(count("EA 02 00 30 00 00 32"), 3u) << err_.str();
    EXPECT_EQ(count("EA 31 00 31 10"), 3u);
    EXPECT_EQ(count("EA 61 00 32 20"), 3u);
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

TEST(Wz4040CliBinaryTest, RunOverAPseudoTerminalAndNoFile) {
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(fds[1], 1);
        ::execl(RB_RADIOSIM_BINARY, RB_RADIOSIM_BINARY, "lm520w", nullptr);
        ::_exit(127);
    }
    ::close(fds[1]);
    std::string device;
    for (char c; ::read(fds[0], &c, 1) == 1 && c != '\n';) device += c;
    ASSERT_EQ(device.rfind("/dev/", 0), 0u) << device;

    const std::string out = (fs::temp_directory_path() / "rb_wz_never.ini").string();
    CliRun r = runCli("read lm520w --port " + device + " --out " + out);
    EXPECT_EQ(r.status, 2) << r.output;
    EXPECT_NE(r.output.find("no configuration file for this type; use run"), std::string::npos);
    EXPECT_FALSE(fs::exists(out));

    const std::string script =
        (fs::temp_directory_path() / ("rb_wz_s_" + std::to_string(::getpid()))).string();
    std::ofstream(script) << "click 2090\nget 1007\ntab 1\nclick 2090\nget 1056\n";
    r = runCli("run lm520w --port " + device + " " + script);
    EXPECT_EQ(r.status, 0) << r.output;
    for (const char* e : {R"({"cmd":"click","id":2090,"result":"done","status":"状态查询成功")",
                          R"("id":1007,"kind":"edit","value":"30001")",
                          R"({"cmd":"click","id":2090,"result":"done","status":"组呼码读取成功")",
                          R"("id":1056,"kind":"edit","value":"陈海生")"})
        EXPECT_NE(r.output.find(e), std::string::npos) << e << "\n" << r.output;
    fs::remove(script);
    ::kill(pid, SIGTERM);
    ::waitpid(pid, nullptr, 0);
    ::close(fds[0]);
}
#endif

}  // namespace
}  // namespace rb::cli
