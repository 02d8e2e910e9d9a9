// "保存记录": the monitor keeps every trace line in a file the user chose, also while the
// display is stopped, and says so when the file cannot be opened or written.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "engine/user_settings.h"
#include "monitor/monitor_dlg.h"
#include "monitor/monitor_fixture.h"
#include "monitor/monitor_ids.h"

namespace rb::testing {
namespace {

namespace fs = std::filesystem;
using namespace monitor::monitor_ids;

std::vector<std::string> linesIn(const fs::path& p) {
    std::ifstream in(p);
    std::vector<std::string> out;
    for (std::string l; std::getline(in, l);) out.push_back(l);
    return out;
}

struct MonitorRecordTest : MonitorFixture {
    fs::path dir = fs::temp_directory_path() /
                   ("rb-record-" + std::to_string(::getpid()) + "-" +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
    MonitorRecordTest() {
        fs::create_directories(dir);
        session.paths.settingsFile = (dir / "radiobench.ini").string();
    }
    ~MonitorRecordTest() override { fs::remove_all(dir); }
    monitor::CMonitorDlg monitor{session};
};

TEST_F(MonitorRecordTest, EveryLineGoesToTheChosenFileAlsoWhileTheDisplayIsStopped) {
    const std::string path = (dir / "trace.log").string();
    prompter.files.push_back(path);
    ASSERT_TRUE(monitor.form().click(kSaveRecord));
    EXPECT_TRUE(monitor.form().checked(kSaveRecord));
    ASSERT_EQ(prompter.fileChoices.size(), 1u);
    EXPECT_TRUE(prompter.fileChoices[0].save);
    EXPECT_FALSE(prompter.fileChoices[0].confirmOverwrite);  // appended to, never replaced

    receive(wire::frame96(0x17, {0x00, 0x01}));
    session.AppendTrace(0x17, "\r\n信道频率读取成功!");
    monitor.form().click(kStopTrace);  // the display stops, the record does not
    session.AppendTrace(0x16, session.tool.FormatSendTrace(wire::frame96(0x16, {0x00, 0x01})));

    const auto lines = linesIn(path);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_NE(lines[0].find(" 接收 96 05 80 17 00 01"), std::string::npos) << lines[0];
    EXPECT_NE(lines[1].find(" 提示 信道频率读取成功!"), std::string::npos) << lines[1];
    EXPECT_NE(lines[2].find(" 发送 96 05 80 16 00 01"), std::string::npos) << lines[2];

    // Off: nothing more; the next time the same file is offered first.
    monitor.form().click(kSaveRecord);
    session.AppendTrace(0, "\r\n不再记录!");
    EXPECT_EQ(linesIn(path).size(), 3u);
    EXPECT_EQ(engine::readOption(session.paths, engine::kTraceFileKey), path);
    monitor.form().click(kSaveRecord);
    EXPECT_EQ(prompter.fileChoices.back().defaultName, path);
}

TEST_F(MonitorRecordTest, CancelOrAFileThatCannotBeOpenedLeavesTheBoxOff) {
    prompter.files.push_back(std::nullopt);  // Cancel
    monitor.form().click(kSaveRecord);
    EXPECT_FALSE(monitor.form().checked(kSaveRecord));
    EXPECT_TRUE(prompter.boxes.empty());

    prompter.files.push_back((dir / "no-such-folder" / "t.log").string());
    monitor.form().click(kSaveRecord);
    EXPECT_FALSE(monitor.form().checked(kSaveRecord));
    ASSERT_EQ(prompter.boxes.size(), 1u);
    EXPECT_EQ(prompter.lastText().rfind("记录文件无法打开:", 0), 0u) << prompter.lastText();
    EXPECT_FALSE(monitor.record().isOpen());
}

}  // namespace
}  // namespace rb::testing
