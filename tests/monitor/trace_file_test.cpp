// The record "保存记录" and --trace-file keep: one line a trace text with milliseconds and the
// direction, on disk as soon as it is traced, rotated at the limit.
#include "monitor/trace_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace rb::monitor {
namespace {

namespace fs = std::filesystem;
using std::chrono::milliseconds;
using std::chrono::system_clock;

// 2008-08-11 09:30:05.042 UTC.
const system_clock::time_point kAt = system_clock::time_point(milliseconds(1218447005042LL));

struct Utc {
    Utc() {
        const char* tz = std::getenv("TZ");
        old_ = tz ? tz : "";
        had_ = tz != nullptr;
        ::setenv("TZ", "UTC", 1);
        ::tzset();
    }
    ~Utc() {
        if (had_)
            ::setenv("TZ", old_.c_str(), 1);
        else
            ::unsetenv("TZ");
        ::tzset();
    }
    std::string old_;
    bool had_ = false;
};

std::vector<std::string> linesIn(const fs::path& p) {
    std::ifstream in(p);
    std::vector<std::string> out;
    for (std::string l; std::getline(in, l);) out.push_back(l);
    return out;
}

struct TraceFileTest : ::testing::Test {
    Utc utc;
    fs::path dir = fs::temp_directory_path() /
                   ("rb-trace-" + std::to_string(::getpid()) + "-" +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }
};

TEST_F(TraceFileTest, EachTraceTextIsOneLineWithMillisecondsAndDirection) {
    const struct {
        const char* text;
        const char* line;
    } cases[] = {
        {"\r\n\r\n发送信息(2008-08-11 09:30:05)\r\n96 05 80 16 00 01 04 ",
         "2008-08-11 09:30:05.042 发送 96 05 80 16 00 01 04"},
        {"\r\n\r\n接收信息(2008-08-11 09:30:05)\r\n96 07 80 17 00 01 3e 80 ",
         "2008-08-11 09:30:05.042 接收 96 07 80 17 00 01 3E 80"},
        {"\r\n信道频率读取成功!", "2008-08-11 09:30:05.042 提示 信道频率读取成功!"},
        {"\r\n\r\n接收信息(2008-08-11 09:30:05)\r\nea 01 \r\n数据校验不正确!",
         "2008-08-11 09:30:05.042 接收 EA 01 数据校验不正确!"},
    };
    for (const auto& c : cases) EXPECT_EQ(TraceFile::lineOf(kAt, c.text), c.line) << c.text;
}

TEST_F(TraceFileTest, LinesAreOnDiskAtOnceAndAppendToAnExistingFile) {
    const fs::path p = dir / "a.log";
    { std::ofstream(p) << "earlier line\n"; }
    TraceFile file([] { return kAt; });
    ASSERT_TRUE(file.open(p.string())) << file.error();
    ASSERT_TRUE(file.append("\r\n读取版本信息成功!"));
    // Read while the file is still open: nothing waits in a buffer of ours.
    EXPECT_EQ(linesIn(p), (std::vector<std::string>{
                              "earlier line", "2008-08-11 09:30:05.042 提示 读取版本信息成功!"}));

    TraceFile nowhere;
    EXPECT_FALSE(nowhere.open((dir / "missing" / "b.log").string()));
    EXPECT_NE(nowhere.error().find("missing"), std::string::npos);
    EXPECT_FALSE(nowhere.append("\r\nx!"));
}

TEST_F(TraceFileTest, RotatesAtTheLimitKeepingTheNewestFilesInOrder) {
    const fs::path p = dir / "t.log";
    const std::string line = TraceFile::lineOf(kAt, "\r\n0123456789!") + "\n";  // 44 bytes
    constexpr int kKept = 2;
    TraceFile file([] { return kAt; }, 3 * line.size(), kKept);  // three lines a file
    ASSERT_TRUE(file.open(p.string()));
    for (int i = 0; i < 20; ++i) ASSERT_TRUE(file.append("\r\n0123456789!")) << i;

    // 20 lines: t.log.2 and t.log.1 hold three each (older ones are gone), t.log the last two.
    EXPECT_EQ(linesIn(p).size(), 2u);
    EXPECT_EQ(linesIn(dir / "t.log.1").size(), 3u);
    EXPECT_EQ(linesIn(dir / "t.log.2").size(), 3u);
    EXPECT_FALSE(fs::exists(dir / "t.log.3"));
    for (const auto& name : {"t.log", "t.log.1", "t.log.2"})
        EXPECT_LE(fs::file_size(dir / name), 3 * line.size()) << name;
}

TEST_F(TraceFileTest, RotationKeepsTheOrderOfTheLines) {
    const fs::path p = dir / "o.log";
    int n = 0;
    TraceFile file([] { return kAt; }, 100, 5);
    ASSERT_TRUE(file.open(p.string()));
    for (; n < 6; ++n) ASSERT_TRUE(file.append("\r\n" + std::to_string(n) + "!"));
    std::vector<std::string> all;
    for (const auto& name : {"o.log.5", "o.log.4", "o.log.3", "o.log.2", "o.log.1", "o.log"}) {
        for (const auto& l : linesIn(dir / name)) all.push_back(l.substr(l.rfind(' ') + 1));
    }
    EXPECT_EQ(all, (std::vector<std::string>{"0!", "1!", "2!", "3!", "4!", "5!"}));
}

TEST_F(TraceFileTest, ASessionStartsOnANewLineAndALineIsNeverCut) {
    const fs::path p = dir / "cut.log";
    { std::ofstream(p, std::ios::binary) << "2008-08-11 09:30:05.042 提示 half"; }
    {
        TraceFile file([] { return kAt; });
        ASSERT_TRUE(file.open(p.string())) << file.error();
        ASSERT_TRUE(file.append("\r\n一!"));
    }
    EXPECT_EQ(linesIn(p), (std::vector<std::string>{"2008-08-11 09:30:05.042 提示 half",
                                                    "2008-08-11 09:30:05.042 提示 一!"}));

    // The disk fills in the middle of a line: the part written is taken back.
    const auto before = fs::file_size(p);
    TraceFile file([] { return kAt; });
    ASSERT_TRUE(file.open(p.string()));
    struct rlimit old {};
    ::getrlimit(RLIMIT_FSIZE, &old);
    auto* oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = before + 30;  // inside the next line's Chinese text
    ::setrlimit(RLIMIT_FSIZE, &small);
    const bool written = file.append("\r\n" + std::string("一二三四五六七八九十一二三四五") + "!");
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(written);
    EXPECT_FALSE(file.error().empty());
    EXPECT_EQ(fs::file_size(p), before);

    // A file marked read-only is not traced into.
    const fs::path ro = dir / "ro.log";
    { std::ofstream(ro) << "kept\n"; }
    ::chmod(ro.c_str(), 0444);
    TraceFile refused;
    EXPECT_FALSE(refused.open(ro.string()));
    EXPECT_NE(refused.error().find("read-only"), std::string::npos) << refused.error();
}

}  // namespace
}  // namespace rb::monitor
