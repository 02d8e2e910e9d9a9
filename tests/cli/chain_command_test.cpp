// read / write against the built-in simulated terminal, on a manual clock: round trips through
// the file, and every way a chain can end with its exit status and message.
#include "cli/chain_command.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/event_waiter.h"
#include "cli/exit_status.h"
#include "ini/ini_file.h"
#include "shared_sim_runtime.h"

namespace rb::cli {
namespace {

namespace fs = std::filesystem;

std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class ChainCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        ensureCoreApplication();
        dir_ = fs::temp_directory_path() /
               ("rb_cli_" + std::to_string(::getpid()) + "_" +
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string path(const std::string& name) const { return (dir_ / name).string(); }
    int run(bool read, const std::string& file, std::string faults = {}, std::string port = "sim",
            ConfirmOptions confirm = {true, nullptr, false}, std::string type = "lm52r") {
        ChainOptions o{std::move(type), {}, path(file), confirm};
        o.accessCode = "4lotus";  // the production page needs its code
        o.port.port = std::move(port);
        o.port.simFaults = std::move(faults);
        err_.str("");
        return read ? runReadCommand(o, runtime_, err_) : runWriteCommand(o, runtime_, err_);
    }
    int read(const std::string& file, const std::string& faults = {}) {
        return run(true, file, faults);
    }
    int write(const std::string& file) { return run(false, file); }
    // Takes `from`, sets the keys and saves it as `to`.
    void edit(const std::string& from, const std::string& to,
              const std::vector<std::pair<std::string, std::string>>& keys) {
        ini::IniFile file;
        ASSERT_TRUE(file.load(path(from)));
        for (const auto& [key, value] : keys) file.setText("TelSet", key, value);
        ASSERT_TRUE(file.save(path(to)));
    }

    fs::path dir_;
    testing::SharedSimRuntime runtime_;
    std::ostringstream err_;
};

TEST_F(ChainCommandTest, ReadWriteReadGivesIdenticalFilesWithALineForEachAnswer) {
    ASSERT_EQ(read("a.ini"), kExitDone) << err_.str();
    for (const char* text : {"读取版本信息成功\n", "信道频率读取成功\n", "读取声控电平成功\n",
                             "身份信息读取成功\n", "信道守候组读取成功\n", "文件保存成功!\n"}) {
        EXPECT_NE(err_.str().find(text), std::string::npos) << text;
    }
    ASSERT_EQ(write("a.ini"), kExitDone) << err_.str();
    EXPECT_NE(err_.str().find("声控电平设置成功\n"), std::string::npos);
    EXPECT_NE(err_.str().find("信道守候组设置成功\n"), std::string::npos);
    ASSERT_EQ(read("b.ini"), kExitDone) << err_.str();
    EXPECT_EQ(slurp(path("a.ini")), slurp(path("b.ini")));

    // Changed values of both pages reach the terminal and come back the same.
    edit("a.ini", "c.ini",
         {{"SendFrequency05", "4100000"},
          {"ReceiveFrequency16", "4200250"},
          {"VOXLevel", "512"},
          {"Digital07", "0"},
          {"HF07", "1"},
          {"Power On", "0"},
          {"UserName", "王小明"},
          {"ChannelBind02", "777"},
          {"Group09Sel", "1"},
          {"Group09", "4242"}});
    ASSERT_EQ(write("c.ini"), kExitDone) << err_.str();
    ASSERT_EQ(read("d.ini"), kExitDone) << err_.str();
    EXPECT_EQ(slurp(path("c.ini")), slurp(path("d.ini")));
    EXPECT_NE(slurp(path("a.ini")), slurp(path("d.ini")));
}

TEST_F(ChainCommandTest, ChainsThatCannotEndWellExitWithTheirStatus) {
    // A hand-written file: channel 2 is not a multiple of the 25 kHz step.
    std::ofstream(path("bad_freq.ini"), std::ios::binary)
        << "[TelSet]\r\nChannelGroup=1\r\nChannelInterval=1\r\nSendFrequency01=4000000\r\n"
           "SendFrequency02=4000100\r\n";
    std::ofstream(path("bad_identity.ini"), std::ios::binary)
        << "[TelSet]\r\nChannelGroup=1\r\nChannelInterval=1\r\nUserCode=70000\r\n";
    std::ofstream(path("keep.ini"), std::ios::binary) << "[TelSet]\r\nChannelGroup=7\r\n";
    const struct {
        bool read;
        std::string file, faults, port;
        int status;
        std::vector<std::string> said;  // each must appear on standard error
    } cases[] = {
        {true,
         "out.ini",
         "silent",
         "sim",
         kExitTerminalFailed,
         {"基本信息", "0x99", "操作失败！请检查设备连接是否正常？"}},
        // The VOX answer ends its step without a timer; the user page fails at its identity.
        {true,
         "out.ini",
         "drop=5",
         "sim",
         kExitTerminalFailed,
         {"基本信息", "0x3E", "信道功能读取成功"}},
        {true, "out.ini", "drop=8", "sim", kExitTerminalFailed, {"用户信息", "0x52"}},
        {true, "out.ini", "corrupt", "sim", kExitTerminalFailed, {"0x99"}},
        {true, "keep.ini", "drop=9", "sim", kExitTerminalFailed, {"用户信息"}},
        {true,
         "out.ini",
         "",
         "/dev/rb-no-such-device",
         kExitPortUnavailable,
         {"/dev/rb-no-such-device"}},
        {true, "out.ini", "wobble", "sim", kExitUsage, {"wobble"}},
        {true, "no/such/dir/out.ini", "", "sim", kExitFileError, {"does not exist"}},
        {false,
         "bad_freq.ini",
         "",
         "sim",
         kExitStopped,
         // Checked whole before the first frame: the common block is not written either.
         {"基本信息: stopped by \"2信道频率设置不正确!\", nothing sent"}},
        {false,
         "bad_identity.ini",
         "",
         "sim",
         kExitStopped,
         {"用户信息", "身份码设置错误,请设为0-65535!"}},
        {false, "none.ini", "", "sim", kExitFileError, {"none.ini"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file + " " + c.faults + " " + c.port);
        EXPECT_EQ(run(c.read, c.file, c.faults, c.port), c.status) << err_.str();
        for (const auto& s : c.said) EXPECT_NE(err_.str().find(s), std::string::npos) << s;
    }
    // A failed read leaves no file behind and an existing one alone; no temporary file either.
    EXPECT_FALSE(fs::exists(path("out.ini")));
    EXPECT_EQ(slurp(path("keep.ini")), "[TelSet]\r\nChannelGroup=7\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), {}), 3);

    // Unknown types open no port.
    const int opens = runtime_.opens;
    EXPECT_EQ(run(false, "x.ini", "", "sim", {true, nullptr, false}, "lm99"), kExitUsage);
    EXPECT_EQ(runtime_.opens, opens);
}

TEST_F(ChainCommandTest, WriteAsksOnceAndStopsWithoutConsent) {
    ASSERT_EQ(read("a.ini"), kExitDone);
    edit("a.ini", "c.ini", {{"VOXLevel", "999"}});
    const std::tuple<std::string, int, const char*> cases[] = {
        // What the person types ("-" = not a terminal), the status, the VOX level then held.
        {"-", kExitUsage, "300"},
        {"n\n", kExitUsage, "300"},
        {"", kExitUsage, "300"},
        {"y\n", kExitDone, "999"}};
    for (const auto& [typed, status, vox] : cases) {
        SCOPED_TRACE(typed);
        std::istringstream in(typed);
        EXPECT_EQ(run(false, "c.ini", "", "sim", {false, &in, typed != "-"}), status);
        const std::string err = err_.str();
        EXPECT_NE(err.find("确认写录数据?"), std::string::npos);
        EXPECT_EQ(err.find("确认写录数据?"), err.rfind("确认写录数据?"));  // once for both pages
        ASSERT_EQ(read("now.ini"), kExitDone);
        ini::IniFile now;
        ASSERT_TRUE(now.load(path("now.ini")));
        EXPECT_EQ(now.getRaw("TelSet", "VOXLevel"), vox);
    }
}

}  // namespace
}  // namespace rb::cli
