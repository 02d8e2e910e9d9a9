// The production-test page from the command line: `run protest` scripts against the built-in
// simulated bench terminal on a manual clock (one terminal for the whole test), `read protest` /
// `write protest` through the "ProTest" file, and the real binaries over a pseudo-terminal.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/chain_command.h"
#include "cli/exit_status.h"
#include "cli/run_command.h"
#include "ini/ini_file.h"
#include "link/link_opener.h"
#include "link/sim_link.h"
#include "shared_sim_runtime.h"
#include "sim/protest_terminal.h"

namespace rb::cli {
namespace {

namespace fs = std::filesystem;

// A manual clock whose built-in simulator is one bench terminal for the whole test.
class BenchSimRuntime : public ManualRuntime {
public:
    engine::LinkOpener opener(const sim::Faults& faults) override {
        auto real = link::makeLinkOpener(timers(), faults);
        return [this, faults, real](const engine::PortRequest& request) {
            if (!request.isSimulator()) return real(request);
            engine::OpenResult result;
            result.link = std::make_unique<link::SimLink>(
                std::make_unique<testing::BorrowedTerminal>(terminal), timers(), faults);
            return result;
        };
    }
    sim::ProtestTerminal terminal;
};

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);) out.push_back(l);
    return out;
}

class ProtestRunTest : public ::testing::Test {
protected:
    void SetUp() override {
        ensureCoreApplication();
        dir_ = fs::temp_directory_path() /
               ("rb_protest_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        ::setenv("RADIOBENCH_SERIAL_STORE", path("ProTestSerial.ini").c_str(), 1);
    }
    void TearDown() override {
        ::unsetenv("RADIOBENCH_SERIAL_STORE");
        fs::remove_all(dir_);
    }
    std::string path(const std::string& name) const { return (dir_ / name).string(); }

    int run(const std::string& script, const std::string& faults = {}) {
        RunOptions o;
        o.type = "protest";
        o.port.port = "sim";
        o.port.simFaults = faults;
        o.accessCode = "4lotus";
        std::istringstream in(script);
        out_.str("");
        err_.str("");
        const int rc = runRunCommand(o, runtime_, in, out_, err_);
        output = lines(out_.str());
        return rc;
    }
    int chain(bool read, const std::string& file) {
        ChainOptions o{"protest", {}, path(file), {true, nullptr, false}};
        o.accessCode = "4lotus";  // the production page needs its code
        o.port.port = "sim";
        err_.str("");
        return read ? runReadCommand(o, runtime_, err_) : runWriteCommand(o, runtime_, err_);
    }
    bool said(const std::string& fragment) const {
        return out_.str().find(fragment) != std::string::npos;
    }

    fs::path dir_;
    BenchSimRuntime runtime_;
    std::ostringstream out_, err_;
    std::vector<std::string> output;
};

TEST_F(ProtestRunTest, AScriptDrivesEveryGroupOfThePage) {
    const std::string file = path("bench.ini");
    ASSERT_EQ(run("click 1671\n"
                  "get 1670\n"
                  "get 1143\n"
                  "spin 1130 up\n"
                  "click 1153\n"
                  "get 1178\n"
                  "set 1129 08\n"
                  "set 1146 1\n"
                  "set 1145 4\n"
                  "click 1152\n"
                  "get 1174\n"
                  "click 1150\n"
                  "get 1164\n"
                  "set 1148 1\n"
                  "click 1154\n"
                  "answer no\n"
                  "click 1165\n"
                  "answer yes\n"
                  "click 1166\n"
                  "click 1123\n"
                  "choose " +
                  file +
                  "\n"
                  "click 2089\n"
                  "status\n"),
              kExitDone)
        << out_.str() << err_.str();
    ASSERT_EQ(output.size(), 23u) << out_.str();
    EXPECT_EQ(output[0],
              R"({"cmd":"click","id":1671,"result":"done","status":"基本参数读取成功",)"
              R"("boxes":[{"text":"全部数据读取成功!","caption":"提示","icon":"information"}]})");
    EXPECT_NE(output[1].find(R"("id":1670,"kind":"radio","value":1)"), std::string::npos);
    // Row 5 at high power from the factory: 100 + 20 x 5 + 10 + 7.
    EXPECT_NE(output[2].find(R"("value":"217")"), std::string::npos) << output[2];
    EXPECT_NE(output[3].find(R"("value":"211","result":"done","status":"基本参数设置成功")"),
              std::string::npos)
        << output[3];
    EXPECT_EQ(runtime_.terminal.calibration(0x55, 0x44)[0], 211);
    EXPECT_NE(output[4].find(R"("status":"基本参数读取成功")"), std::string::npos) << output[4];
    EXPECT_NE(output[5].find(R"("value":"0810001")"), std::string::npos) << output[5];
    EXPECT_NE(output[9].find(R"("status":"初始化机型成功")"), std::string::npos) << output[9];
    EXPECT_NE(output[10].find(R"("value":"0002")"), std::string::npos) << output[10];
    EXPECT_EQ(runtime_.terminal.machineType(), 0x21);
    EXPECT_NE(output[12].find(R"("value":"理想--231")"), std::string::npos) << output[12];
    EXPECT_EQ(runtime_.terminal.model(), 0xAA);  // the radio told the terminal at once
    EXPECT_NE(output[14].find(R"("status":"电台发射打开完成")"), std::string::npos) << output[14];
    EXPECT_TRUE(runtime_.terminal.transmitting());
    EXPECT_NE(output[16].find(R"("result":"declined")"), std::string::npos) << output[16];
    EXPECT_EQ(runtime_.terminal.fieldPoints(), std::vector<std::uint8_t>{0x22});  // 1165 declined
    EXPECT_EQ(runtime_.terminal.tunedRow(), 0xF0);
    ini::IniFile stored;
    ASSERT_TRUE(stored.load(file));
    EXPECT_EQ(stored.getText("ProTest", "功率控制E1"), "211");
    EXPECT_EQ(stored.getText("ProTest", "发射频率05"), "4400000");
    ini::IniFile store;
    ASSERT_TRUE(store.load(path("ProTestSerial.ini")));
    EXPECT_EQ(store.getText("ProTestSerial", "SeroalPre"), "0001");
}

TEST_F(ProtestRunTest, ASilentTerminalEndsTheSweep) {
    EXPECT_EQ(run("click 1672\nget 1434\nclick 1118\n", "silent"), kExitTerminalFailed);
    ASSERT_EQ(output.size(), 3u) << out_.str();
    EXPECT_NE(output[0].find(R"("result":"timeout","status":"操作失败")"), std::string::npos);
    EXPECT_NE(output[1].find(R"("id":1434,"kind":"check","value":0,"enabled":false)"),
              std::string::npos)
        << output[1];
    EXPECT_NE(output[2].find(R"("result":"timeout")"), std::string::npos);  // 切换 asked again
}

TEST_F(ProtestRunTest, TheScriptsFileCommandsUseThePagesOwnButtons) {
    const std::string file = path("s.ini");
    ASSERT_EQ(run("set 2104 4012500\nstore " + file + "\nset 2104 1\nload " + file +
                  "\nget 2104\nload " + path("none.ini") + "\n"),
              kExitDone)
        << out_.str();
    ASSERT_EQ(output.size(), 6u) << out_.str();
    EXPECT_EQ(output[1], R"({"cmd":"store","boxes":[]})");
    EXPECT_NE(output[4].find(R"("value":"4012500")"), std::string::npos) << output[4];
    EXPECT_NE(output[5].find(R"("text":"文件打开失败!")"), std::string::npos) << output[5];
}

TEST_F(ProtestRunTest, ReadAndWriteGoThroughTheProTestFile) {
    ASSERT_EQ(chain(true, "a.ini"), kExitDone) << err_.str();
    EXPECT_NE(err_.str().find("读取频段成功\n"), std::string::npos);
    EXPECT_NE(err_.str().find("文件保存成功!\n"), std::string::npos);
    ini::IniFile a;
    ASSERT_TRUE(a.load(path("a.ini")));
    EXPECT_EQ(a.getText("ProTest", "灵敏度C2"), "166");  // row 3 low: 100 + 20 x 3 + 6
    // Changed values go to the terminal with "全部改写" and come back with "全部读取".
    a.setText("ProTest", "灵敏度C2", "7");
    a.setText("ProTest", "接收频率02", "4125000");
    ASSERT_TRUE(a.save(path("b.ini")));
    ASSERT_EQ(chain(false, "b.ini"), kExitDone) << err_.str();
    EXPECT_NE(err_.str().find("更改频段成功\n"), std::string::npos);
    EXPECT_EQ(runtime_.terminal.calibration(0x33, 0x22)[6], 7);
    EXPECT_EQ(runtime_.terminal.band()[3], 4125000 / 250);
    ASSERT_EQ(chain(true, "c.ini"), kExitDone) << err_.str();
    ini::IniFile b, c;
    ASSERT_TRUE(b.load(path("b.ini")));
    ASSERT_TRUE(c.load(path("c.ini")));
    for (const auto& key : b.keys("ProTest"))
        EXPECT_EQ(c.getText("ProTest", key), b.getText("ProTest", key)) << key;
}

TEST_F(ProtestRunTest, TheDataTestPageIsReachedByItsButton) {
    const std::string send = path("send.bin");
    {
        std::ofstream out(send, std::ios::binary);
        for (int i = 0; i < 1000; ++i) out.put(char('0' + i % 10));
    }
    ASSERT_EQ(run("set 1439 1\n"
                  "click 1171\n"
                  "get 1447\n"
                  "set 1440 hello\n"
                  "click 3091\n"
                  "get 2441\n"
                  "get 1449\n"
                  "choose " +
                  send +
                  "\n"
                  "click 3090\n"
                  "click 3093\n"
                  "get 1450\n"
                  "get 1452\n"
                  "type protest\n"  // back through the main window
                  "click 1173\n"
                  "get 2437\n"),
              kExitDone)
        << out_.str();
    ASSERT_EQ(output.size(), 15u) << out_.str();
    EXPECT_NE(output[2].find(R"x("value":"数传测试: 收发互测(串口速率:9600)")x"), std::string::npos)
        << output[2];
    EXPECT_NE(output[4].find(R"("result":"done")"), std::string::npos) << output[4];
    EXPECT_NE(output[5].find(R"("value":"hello")"), std::string::npos) << output[5];
    EXPECT_NE(output[6].find(R"("value":"  0.000%")"), std::string::npos) << output[6];
    EXPECT_NE(output[9].find(R"("result":"done")"), std::string::npos) << output[9];
    EXPECT_NE(output[10].find(R"("value":"1005")"), std::string::npos) << output[10];
    EXPECT_NE(output[11].find(R"("value":"1005")"), std::string::npos) << output[11];
    EXPECT_NE(output[14].find(R"("enabled":true)"), std::string::npos) << output[14];
    ASSERT_FALSE(runtime_.terminal.dataRequests().empty());
    EXPECT_EQ(runtime_.terminal.dataRequests().back().mode, 0);  // the stop
}

#ifdef RB_RADIOSIM_BINARY
TEST_F(ProtestRunTest, TheBinariesOverAPseudoTerminal) {
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(fds[1], 1);
        ::execl(RB_RADIOSIM_BINARY, RB_RADIOSIM_BINARY, "protest", nullptr);
        ::_exit(127);
    }
    ::close(fds[1]);
    std::string device;
    for (char c; ::read(fds[0], &c, 1) == 1 && c != '\n';) device += c;
    ASSERT_EQ(device.rfind("/dev/", 0), 0u) << device;

    const std::string script = path("script.txt");
    std::ofstream(script) << "click 1671\nget 1112\nset 1129 09\nclick 1152\nclick 1153\n"
                             "get 1178\n";
    const std::string command = "RADIOBENCH_SERIAL_STORE=" + path("store.ini") + " " +
                                RB_CLI_BINARY + " run protest --access-code 4lotus --port " +
                                device + " " + script + " 2>&1 </dev/null";
    FILE* pipe = ::popen(command.c_str(), "r");
    std::string out;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        out.append(buffer, n);
    const int status = ::pclose(pipe);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << out;
    EXPECT_NE(out.find(R"({"cmd":"click","id":1671,"result":"done")"), std::string::npos) << out;
    EXPECT_NE(out.find(R"({"cmd":"get","id":1112,"kind":"edit","value":"4400000")"),
              std::string::npos)
        << out;
    EXPECT_NE(out.find(R"({"cmd":"get","id":1178,"kind":"edit","value":"0900001")"),
              std::string::npos)
        << out;
    ini::IniFile store;
    ASSERT_TRUE(store.load(path("store.ini")));
    EXPECT_EQ(store.getText("ProTestSerial", "SeroalPre"), "0001");
    ::kill(pid, SIGTERM);
    ::waitpid(pid, nullptr, 0);
    ::close(fds[0]);
}

TEST_F(ProtestRunTest, AMutualTestOverAPseudoTerminalWithBitErrors) {
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(fds[1], 1);
        ::execl(RB_RADIOSIM_BINARY, RB_RADIOSIM_BINARY, "protest", "--bit-errors", "0.01", nullptr);
        ::_exit(127);
    }
    ::close(fds[1]);
    std::string device;
    for (char c; ::read(fds[0], &c, 1) == 1 && c != '\n';) device += c;
    ASSERT_EQ(device.rfind("/dev/", 0), 0u) << device;

    const std::string send = path("send.bin");
    {
        std::ofstream out(send, std::ios::binary);
        for (int i = 0; i < 1100; ++i) out.put(char('A' + i % 26));
    }
    const std::string script = path("script.txt");
    std::ofstream(script) << "set 1439 1\nclick 1171\nchoose " << send
                          << "\nclick 3090\nclick 3093\nget 1452\nget 1454\n";
    const std::string command = "RADIOBENCH_SERIAL_STORE=" + path("store.ini") + " " +
                                RB_CLI_BINARY + " run protest --access-code 4lotus --port " +
                                device + " " + script + " 2>&1 </dev/null";
    FILE* pipe = ::popen(command.c_str(), "r");
    std::string out;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        out.append(buffer, n);
    const int status = ::pclose(pipe);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << out;
    EXPECT_NE(out.find(R"({"cmd":"get","id":1452,"kind":"static","value":"1100")"),
              std::string::npos)
        << out;
    // One bit in a hundred wrong: about one byte in twelve, never a clean average.
    const auto at = out.find(R"("id":1454,"kind":"static","value":")");
    ASSERT_NE(at, std::string::npos) << out;
    const std::string average = out.substr(at + 35, 8);
    EXPECT_NE(average, "  0.000%") << out;
    EXPECT_EQ(average.back(), '%') << out;
    ::kill(pid, SIGTERM);
    ::waitpid(pid, nullptr, 0);
    ::close(fds[0]);
}
#endif

}  // namespace
}  // namespace rb::cli
