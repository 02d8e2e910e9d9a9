// read / write netradio against one simulated network radio on a manual clock: the file a read
// stores, a write of it, and a read again give the same file; edited values reach the terminal
// and come back.
#include <gtest/gtest.h>
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

}  // namespace
}  // namespace rb::cli
