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
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
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

    int read(const std::string& out, std::string faults = {}, std::string port = "sim") {
        ChainOptions o;
        o.type = "lm52r";
        o.port.port = std::move(port);
        o.port.simFaults = std::move(faults);
        o.file = out;
        err_.str("");
        return runReadCommand(o, runtime_, err_);
    }
    int write(const std::string& in, ConfirmOptions confirm = {true, nullptr, false},
              std::string faults = {}) {
        ChainOptions o;
        o.type = "lm52r";
        o.port.port = "sim";
        o.port.simFaults = std::move(faults);
        o.file = in;
        o.confirm = confirm;
        err_.str("");
        return runWriteCommand(o, runtime_, err_);
    }
    void writeText(const std::string& name, const std::string& text) {
        std::ofstream(path(name), std::ios::binary) << text;
    }

    fs::path dir_;
    testing::SharedSimRuntime runtime_;
    std::ostringstream err_;
};

TEST_F(ChainCommandTest, ReadWriteReadGivesIdenticalFiles) {
    ASSERT_EQ(read(path("a.ini")), kExitDone) << err_.str();
    ASSERT_EQ(write(path("a.ini")), kExitDone) << err_.str();
    ASSERT_EQ(read(path("b.ini")), kExitDone) << err_.str();
    EXPECT_EQ(slurp(path("a.ini")), slurp(path("b.ini")));

    // Changed values of both pages reach the terminal and come back the same.
    ini::IniFile edited;
    ASSERT_TRUE(edited.load(path("a.ini")));
    edited.setRaw("TelSet", "SendFrequency05", "4100000");
    edited.setRaw("TelSet", "ReceiveFrequency16", "4200250");
    edited.setRaw("TelSet", "VOXLevel", "512");
    edited.setRaw("TelSet", "Digital07", "0");
    edited.setRaw("TelSet", "HF07", "1");
    edited.setRaw("TelSet", "Power On", "0");
    edited.setText("TelSet", "UserName", "王小明");
    edited.setRaw("TelSet", "ChannelBind02", "777");
    edited.setRaw("TelSet", "Group09Sel", "1");
    edited.setRaw("TelSet", "Group09", "4242");
    ASSERT_TRUE(edited.save(path("c.ini")));
    ASSERT_EQ(write(path("c.ini")), kExitDone) << err_.str();
    ASSERT_EQ(read(path("d.ini")), kExitDone) << err_.str();
    EXPECT_EQ(slurp(path("c.ini")), slurp(path("d.ini")));
    EXPECT_NE(slurp(path("a.ini")), slurp(path("d.ini")));
}

TEST_F(ChainCommandTest, ProgressShowsOneLinePerAnswer) {
    ASSERT_EQ(read(path("a.ini")), kExitDone);
    const std::string err = err_.str();
    for (const char* text : {"读取版本信息成功\n", "信道频率读取成功\n", "读取声控电平成功\n",
                             "身份信息读取成功\n", "信道守候组读取成功\n", "文件保存成功!\n"}) {
        EXPECT_NE(err.find(text), std::string::npos) << text;
    }
    ASSERT_EQ(write(path("a.ini")), kExitDone);
    EXPECT_NE(err_.str().find("声控电平设置成功\n"), std::string::npos);
    EXPECT_NE(err_.str().find("信道守候组设置成功\n"), std::string::npos);
}

TEST_F(ChainCommandTest, ChainsThatCannotEndWellExitWithTheirStatus) {
    // A hand-written file: channel 2 is not a multiple of the 25 kHz step.
    writeText("bad_freq.ini",
              "[TelSet]\r\nChannelGroup=1\r\nChannelInterval=1\r\nSendFrequency01=4000000\r\n"
              "SendFrequency02=4000100\r\n");
    writeText("bad_identity.ini",
              "[TelSet]\r\nChannelGroup=1\r\nChannelInterval=1\r\nUserCode=70000\r\n");

    struct Case {
        const char* name;
        bool isRead;
        std::string file;
        std::string faults;
        std::string port;
        int status;
        std::vector<std::string> said;  // each must appear on standard error
    };
    const Case cases[] = {
        {"silent terminal",
         true,
         "out.ini",
         "silent",
         "sim",
         kExitTerminalFailed,
         {"基本信息", "0x99", "操作失败！请检查设备连接是否正常？"}},
        {"VOX answer lost (no timer)",
         true,
         "out.ini",
         "drop=5",
         "sim",
         kExitTerminalFailed,
         {"基本信息", "0x3E", "信道功能读取成功"}},
        {"user page step lost",
         true,
         "out.ini",
         "drop=8",
         "sim",
         kExitTerminalFailed,
         {"用户信息", "0x52"}},
        {"bad checksum on every answer",
         true,
         "out.ini",
         "corrupt",
         "sim",
         kExitTerminalFailed,
         {"0x99"}},
        {"missing device",
         true,
         "out.ini",
         "",
         "/dev/rb-no-such-device",
         kExitPortUnavailable,
         {"/dev/rb-no-such-device"}},
        {"port number out of range", true, "out.ini", "", "COM1025", kExitUsage, {"COM1025"}},
        {"unknown fault", true, "out.ini", "wobble", "sim", kExitUsage, {"wobble"}},
        {"folder missing",
         true,
         "no/such/dir/out.ini",
         "",
         "sim",
         kExitFileError,
         {"does not exist"}},
        {"bad frequency",
         false,
         "bad_freq.ini",
         "",
         "sim",
         kExitStopped,
         {"公共参数设置成功", "2信道频率设置不正确!"}},
        {"bad identity",
         false,
         "bad_identity.ini",
         "",
         "sim",
         kExitStopped,
         {"用户信息", "身份码设置错误,请设为0-65535!"}},
        {"missing file", false, "none.ini", "", "sim", kExitFileError, {"none.ini"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const int rc = c.isRead ? read(path(c.file), c.faults, c.port)
                                : write(path(c.file), {true, nullptr, false}, c.faults);
        EXPECT_EQ(rc, c.status) << err_.str();
        for (const auto& s : c.said) EXPECT_NE(err_.str().find(s), std::string::npos) << s;
        if (c.isRead) {
            EXPECT_FALSE(fs::exists(path(c.file)));
        }
    }
}

TEST_F(ChainCommandTest, FailedReadLeavesAnExistingFileAlone) {
    writeText("keep.ini", "[TelSet]\r\nChannelGroup=7\r\n");
    EXPECT_EQ(read(path("keep.ini"), "drop=9"), kExitTerminalFailed);
    EXPECT_EQ(slurp(path("keep.ini")), "[TelSet]\r\nChannelGroup=7\r\n");
    for (const auto& entry : fs::directory_iterator(dir_))
        EXPECT_EQ(entry.path().filename(), "keep.ini");  // no temporary file either
}

TEST_F(ChainCommandTest, TypesNotBuiltOrUnknownAreUsageErrors) {
    for (const char* type : {"qx710", "netradio", "train", "wz4040", "lm520w", "protest"}) {
        ChainOptions o;
        o.type = type;
        o.port.port = "sim";
        o.file = path("x.ini");
        err_.str("");
        EXPECT_EQ(runReadCommand(o, runtime_, err_), kExitUsage) << type;
        EXPECT_NE(err_.str().find("not built yet"), std::string::npos) << err_.str();
    }
    ChainOptions o;
    o.type = "lm99";
    o.port.port = "sim";
    o.file = path("x.ini");
    EXPECT_EQ(runWriteCommand(o, runtime_, err_), kExitUsage);
    EXPECT_EQ(runtime_.opens, 0);  // no port was opened for any of them
}

TEST_F(ChainCommandTest, WriteAsksOnceAndStopsWithoutConsent) {
    ASSERT_EQ(read(path("a.ini")), kExitDone);
    ini::IniFile edited;
    ASSERT_TRUE(edited.load(path("a.ini")));
    edited.setRaw("TelSet", "VOXLevel", "999");
    ASSERT_TRUE(edited.save(path("c.ini")));

    struct Case {
        std::string typed;  // what the person types; "-" = not a terminal
        int status;
        const char* vox;  // the VOX level the terminal then holds
    };
    const Case cases[] = {{"-", kExitUsage, "300"},
                          {"n\n", kExitUsage, "300"},
                          {"", kExitUsage, "300"},
                          {"y\n", kExitDone, "999"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        std::istringstream typed(c.typed);
        const bool interactive = c.typed != "-";
        EXPECT_EQ(write(path("c.ini"), {false, &typed, interactive}), c.status) << err_.str();
        std::size_t asked = 0;
        for (auto at = err_.str().find("确认写录数据?"); at != std::string::npos;
             at = err_.str().find("确认写录数据?", at + 1)) {
            ++asked;
        }
        EXPECT_EQ(asked, 1u);  // once for both pages
        ASSERT_EQ(read(path("now.ini")), kExitDone);
        ini::IniFile now;
        ASSERT_TRUE(now.load(path("now.ini")));
        EXPECT_EQ(now.getRaw("TelSet", "VOXLevel"), c.vox);
        fs::remove(path("now.ini"));
    }
}

}  // namespace
}  // namespace rb::cli
