// `radiobench-cli run` on a manual clock: scripts against the built-in simulated LM52R terminal
// (one terminal for the whole test, so a write is read back), every way a script ends with its
// exit status, and the waiting rules (button lock, timed sends) on a small page of the test's own.
#include "cli/run_command.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/exit_status.h"
#include "cli/script_runner.h"
#include "cli/script_words.h"
#include "engine/container.h"
#include "ini/ini_file.h"
#include "shared_sim_runtime.h"
#include "support/fake_link.h"

namespace rb::cli {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);) out.push_back(l);
    return out;
}

class RunCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        ensureCoreApplication();
        dir_ = fs::temp_directory_path() /
               ("rb_run_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string path(const std::string& name) const { return (dir_ / name).string(); }

    int run(const std::string& script, const std::string& faults = {},
            const std::string& type = "lm52r", const std::string& code = {}) {
        RunOptions o;
        o.type = type;
        o.port.port = "sim";
        o.port.simFaults = faults;
        o.accessCode = code;
        std::istringstream in(script);
        out_.str("");
        err_.str("");
        const int rc = runRunCommand(o, runtime_, in, out_, err_);
        output = lines(out_.str());
        return rc;
    }

    fs::path dir_;
    testing::SharedSimRuntime runtime_;
    std::ostringstream out_, err_;
    std::vector<std::string> output;
};

TEST_F(RunCommandTest, ReadsEditsWritesAndReadsBackTheChannelFrequency) {
    ASSERT_EQ(run("click 2090\n"
                  "get 1187\n"
                  "set 1187 \"4000250\"\n"
                  "click 2091\n"
                  "click 2090\n"
                  "get 1187\n"),
              kExitDone)
        << err_.str();
    ASSERT_EQ(output.size(), 6u) << out_.str();
    EXPECT_EQ(
        output[0],
        R"({"cmd":"click","id":2090,"result":"done","status":"读取声控电平成功","boxes":[]})");
    EXPECT_EQ(
        output[1],
        R"({"cmd":"get","id":1187,"kind":"edit","value":"4000000","enabled":true,"visible":true})");
    EXPECT_EQ(output[2], R"({"cmd":"set","id":1187,"value":"4000250"})");
    EXPECT_EQ(output[3],
              R"({"cmd":"click","id":2091,"result":"done","status":"声控电平设置成功",)"
              R"("boxes":[{"text":"确认写录数据?","caption":"提问","icon":"question"}]})");
    EXPECT_NE(output[5].find(R"("value":"4000250")"), std::string::npos) << output[5];
    // Progress goes to standard error, one line per answer.
    EXPECT_NE(err_.str().find("信道频率读取成功\n"), std::string::npos);
}

TEST_F(RunCommandTest, EveryWayAClickEnds) {
    struct Case {
        const char* name;
        const char* faults;
        const char* script;
        int exit;
        std::vector<std::string> expected;  // fragments of the output, in order
    };
    const Case cases[] = {
        {"a bad frequency stops the write before the channels are sent",
         "",
         "set 1187 4000001\nclick 2091\nclick 2090\nget 1187\n",
         kExitDone,
         {R"("result":"stopped")", R"({"text":"1信道频率设置不正确!","caption":"RadioBench")",
          R"("id":1187,"kind":"edit","value":"4000000")"}},
        {"a silent terminal times out and the script goes on",
         "silent",
         "click 2090\nget 1187\n",
         kExitTerminalFailed,
         {R"("result":"timeout","status":"操作失败")",
          R"({"text":"操作失败！请检查设备连接是否正常？","caption":"提示","icon":"information"})",
          R"({"cmd":"get","id":1187)"}},
        {"a refused confirmation sends nothing",
         "",
         "answer no\nclick 2091\nanswer yes\nclick 2091\n",
         kExitDone,
         {R"({"cmd":"answer","value":"no"})", R"("result":"declined")",
          R"("result":"done","status":"声控电平设置成功")"}},
        {"a tab by caption and the empty text",
         "",
         "tab 用户信息\nset 1056 \"\"\nget 1056\nstatus\n",
         kExitDone,
         {R"({"cmd":"tab","page":"用户信息"})", R"("id":1056,"kind":"edit","value":"")",
          R"({"cmd":"status","parts":["连接信息:内置模拟终端,9600,N,8,1","","状态信息"]})"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        runtime_.terminal = sim::Lm52rTerminal();
        EXPECT_EQ(run(c.script, c.faults), c.exit) << err_.str();
        const std::string all = out_.str();
        std::size_t at = 0;
        for (const std::string& e : c.expected) {
            const std::size_t found = all.find(e, at);
            EXPECT_NE(found, std::string::npos) << e << "\n" << all;
            if (found != std::string::npos) at = found + e.size();
        }
    }
}

TEST_F(RunCommandTest, ScriptErrorsStopAtTheirLine) {
    struct Case {
        const char* script;
        const char* cmd;
        const char* error;  // a fragment of the reason
        int line;
    };
    const Case cases[] = {
        {"get 1187\n\n# a comment\nget 4242\nget 1187\n", "get", "unknown control 4242", 4},
        {"tab 1\nset 2316 5\n", "set", "control 2316 is disabled", 2},
        {"set 1187 \"4000000\n", "", "not closed", 1},
        {"set 1187 4\"0\n", "", "quote inside", 1},
        {"frobnicate 1\n", "frobnicate", "unknown command", 1},
        {"spin 1187 up\n", "spin", "not a spin", 1},
        {"spin 1166 sideways\n", "spin", "up or down", 1},
        {"set 1167 0\n", "set", "radio button", 1},
        {"set 1393 3\n", "set", "outside 0-2", 1},
        {"click 1187\n", "click", "cannot be clicked", 1},
        {"tab 7\n", "tab", "no page", 1},
        {"wait soon\n", "wait", "milliseconds", 1},
        {"type qx7100\n", "type", "qx7100", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.script);
        EXPECT_EQ(run(c.script), kExitUsage);
        ASSERT_FALSE(output.empty());
        const std::string& last = output.back();
        EXPECT_EQ(last.rfind(std::string(R"({"cmd":")") + c.cmd + R"(","error":")", 0), 0u) << last;
        EXPECT_NE(last.find(c.error), std::string::npos) << last;
        EXPECT_NE(last.find(R"("line":)" + std::to_string(c.line) + "}"), std::string::npos)
            << last;
    }
}

TEST_F(RunCommandTest, StoreAndLoadGoThroughTheFileButtons) {
    const std::string file = path("a");  // the chooser adds ".ini"
    ASSERT_EQ(run("tab 1\n"
                  "set 1056 \"张 \\\"三\\\"\"\n"
                  "store " +
                  file +
                  "\n"
                  "set 1056 李四\n"
                  "load " +
                  file +
                  ".ini\n"
                  "get 1056\n"
                  "load " +
                  path("missing.ini") + "\n"),
              kExitDone)
        << err_.str();
    ASSERT_EQ(output.size(), 7u) << out_.str();
    EXPECT_EQ(
        output[2],
        R"({"cmd":"store","boxes":[{"text":"文件保存成功!","caption":"提示","icon":"information"}]})");
    EXPECT_EQ(
        output[4],
        R"({"cmd":"load","boxes":[{"text":"文件打开成功!","caption":"提示","icon":"information"}]})");
    EXPECT_NE(output[5].find(R"("value":"张 \"三\"")"), std::string::npos) << output[5];
    EXPECT_NE(output[6].find("文件打开失败!"), std::string::npos) << output[6];
    ini::IniFile stored;
    ASSERT_TRUE(stored.load(file + ".ini"));
    EXPECT_EQ(stored.getText("TelSet", "UserName"), "张 \"三\"");
}

TEST_F(RunCommandTest, AHopMapClickEndsWithTheWholeTransfer) {
    std::string map;
    for (int i = 0; i < 256; ++i) map += std::to_string(i % 100) + ",";
    const std::string script = "tab 1\nset 2454 3\nset 2064 \"" + map + "\"\nclick 3095\n";
    // Three chunks, each acknowledged; a click that ended early would leave 2090 disabled.
    ASSERT_EQ(run(script + "get 2090\n"), kExitDone) << err_.str();
    EXPECT_NE(output[3].find(R"("result":"done","status":"跳频图设置成功")"), std::string::npos)
        << output[3];
    EXPECT_NE(output[4].find(R"("enabled":true)"), std::string::npos) << output[4];
    // The second chunk's acknowledgement is lost: the transfer ends there as a time-out.
    EXPECT_EQ(run(script, "drop=2"), kExitTerminalFailed) << err_.str();
    EXPECT_NE(output[3].find(R"("result":"timeout","status":"操作失败")"), std::string::npos)
        << output[3];
}

TEST_F(RunCommandTest, TheProductionTestNeedsItsCodeBeforeAnyPortOpens) {
    EXPECT_EQ(run("status\n", {}, "protest"), kExitUsage);
    EXPECT_NE(err_.str().find("--access-code is needed for protest"), std::string::npos);
    EXPECT_EQ(run("status\n", {}, "protest", "lotus4"), kExitUsage);  // the monitor's code
    EXPECT_NE(err_.str().find("密码不正确!"), std::string::npos);
    EXPECT_EQ(runtime_.opens, 0);
    EXPECT_TRUE(output.empty());
}

TEST(ScriptWordsTest, SplitsQuotesAndEscapes) {
    struct Case {
        const char* line;
        std::vector<std::string> words;
        bool ok;
    };
    const Case cases[] = {
        {"  set 1187   4000000 ", {"set", "1187", "4000000"}, true},
        {"set 1056 \"a b\"", {"set", "1056", "a b"}, true},
        {"set 1056 \"\"", {"set", "1056", ""}, true},
        {R"(set 1056 "say \"hi\" \\ ok")", {"set", "1056", R"(say "hi" \ ok)"}, true},
        {"set 1056 \"a\\nb\"", {"set", "1056", "a\\nb"}, true},  // only \" and \\ are escapes
        {"   # nothing", {}, true},
        {"\t\r", {}, true},
        {"click 2090\r", {"click", "2090"}, true},
        {"set 1056 \"open", {}, false},
        {"set 1056 \"a\"b", {}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const ScriptWords w = splitScriptLine(c.line);
        EXPECT_EQ(w.ok(), c.ok) << w.error;
        EXPECT_EQ(w.words, c.words);
    }
}

// ---- waiting rules, on a page of the test's own ------------------------------------------------

// Button 700 reads with 0x70 (answer 0x71) and locks itself for 3000 ms; check box 710 starts
// a timed send of 0x72 every 1000 ms (no answer expected) while ticked; button 720 stays
// disabled.
class TimedPage : public engine::Page {
public:
    explicit TimedPage(engine::Session& s) : Page(s, 0) {
        form().addButton(700, "读取");
        form().addCheck(710, "定时发送");
        form().addButton(720, "禁用").enabled = false;
        form().onClick(710, [this] {
            if (form().checked(710)) {
                startTimer(3, engine::Millis(1000));
            } else {
                stopTimer(3);
            }
        });
        bindReadWrite(700, 0);
        setPeriods({engine::Millis(3000), engine::Millis(3000)});
    }
    void OnFrame(const wire::FrameView& f) override {
        if (f.code() == 0x71) reportSuccess(f, "读取成功");
    }

protected:
    void sendFirstRead() override { send(wire::frame96(0x70)); }
    void OnTimer(int id) override {
        if (id == 3) send(wire::frame96(0x72), /*expectAnswer=*/false);
    }
};

class FakeRuntime : public ManualRuntime {
public:
    engine::LinkOpener opener(const sim::Faults&) override { return fake.opener(); }
    testing::FakeOpener fake;
};

TEST(ScriptRunnerTest, WaitsForTheButtonLockRefusesDisabledButtonsAndLetsTimedSendsFire) {
    ensureCoreApplication();
    FakeRuntime runtime;
    std::ostringstream out, err;
    TerminalSession terminal(runtime, err, false);
    ASSERT_EQ(terminal.openPort("run", PortOptions{"/dev/fake"}, "lm52r", 9600), kExitDone);
    engine::ContainerConfig config;
    config.heading = "终端类型:测试(串口速率:9600)";
    auto container = std::make_unique<engine::Container>(terminal.session(), config);
    container->addPage(std::make_unique<TimedPage>(terminal.session()), "测试");
    ScriptRunner runner(terminal, out);
    runner.adopt("test", std::move(container));
    testing::FakeLink& link = *runtime.fake.last;

    // The first read times out at 2000 ms (nobody answers); the second click waits for the
    // lock to end at 3000 ms, then times out at 5000 ms.
    std::istringstream first("click 700\nclick 700\n");
    EXPECT_EQ(runner.run(first), kExitTerminalFailed);
    EXPECT_EQ(link.writes.size(), 2u);
    EXPECT_GE(runtime.manualTimers().now(), engine::Millis(5000));
    EXPECT_LT(runtime.manualTimers().now(), engine::Millis(5050));

    // 2500 ms with the timed send on: two 0x72 frames, and no time-out.
    link.writes.clear();
    std::istringstream timed("set 710 1\nwait 2500\nset 710 0\nwait 3000\n");
    EXPECT_EQ(runner.run(timed), kExitDone) << out.str();
    ASSERT_EQ(link.writes.size(), 2u);
    EXPECT_EQ(link.writes[0], wire::frame96(0x72));

    std::istringstream disabled("get 720\nclick 720\n");
    EXPECT_EQ(runner.run(disabled), kExitUsage);
    const auto printed = lines(out.str());
    EXPECT_EQ(printed.back(), R"({"cmd":"click","error":"control 720 is disabled","line":2})");
}

}  // namespace
}  // namespace rb::cli
