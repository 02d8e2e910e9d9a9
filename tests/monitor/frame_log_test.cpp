// The monitor's frame list: how trace texts become frames, the filter and search over them, the
// limit of the log and the CSV export.
#include "monitor/frame_log.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

#include "ini/file_io.h"
#include "monitor/monitor_dlg.h"
#include "monitor/monitor_ids.h"
#include "monitor_fixture.h"
#include "wire/frame.h"

namespace rb::monitor {
namespace {

using Rows = std::vector<std::size_t>;

constexpr std::int64_t kAt = 1218447005042LL;  // 2008-08-11 09:30:05.042 UTC

struct UtcZone {
    UtcZone() {
        ::setenv("TZ", "UTC", 1);
        ::tzset();
    }
    ~UtcZone() {
        ::unsetenv("TZ");
        ::tzset();
    }
};

TEST(FrameOfTraceTest, TraceTextsBecomeFrames) {
    struct Case {
        const char* text;
        FrameDirection direction;
        int code;
        const char* bytes;
    } cases[] = {
        {"\r\n\r\n发送信息(09:30:05)\r\n96 05 80 9a 00 01 88 ", FrameDirection::Sent, 0x9A,
         "96 05 80 9A 00 01 88"},
        {"\r\n\r\n接收信息(09:30:05)\r\nea 02 00 3c 01 02 3f ", FrameDirection::Received, 0x3C,
         "EA 02 00 3C 01 02 3F"},
        // A received answer longer than a line is one frame.
        {"\r\n\r\n接收信息(09:30:05)\r\n96 07 80 17 01\r\n02 03 f0 ", FrameDirection::Received,
         0x17, "96 07 80 17 01 02 03 F0"},
        // Too short for a command byte, or not hex where the command stands.
        {"\r\n\r\n发送信息(09:30:05)\r\n01 02 ", FrameDirection::Sent, -1, "01 02"},
        {"\r\n\r\n发送信息(09:30:05)\r\n96 05 80 9 ", FrameDirection::Sent, -1, "96 05 80 9"},
        // A note keeps its text as it stands (no upper-casing of Chinese or of "ok").
        {"\r\n信道频率读取成功!", FrameDirection::Note, -1, "信道频率读取成功!"},
        {"\r\nok, 0x1e", FrameDirection::Note, -1, "ok, 0x1e"},
    };
    for (const auto& c : cases) {
        auto f = frameOfTrace(kAt, c.text);
        ASSERT_TRUE(f) << c.text;
        EXPECT_EQ(f->direction, c.direction) << c.text;
        EXPECT_EQ(f->code, c.code) << c.text;
        EXPECT_EQ(f->bytes, c.bytes) << c.text;
        EXPECT_EQ(f->timeMs, kAt);
    }
    EXPECT_FALSE(frameOfTrace(kAt, "\r\n \r\n"));
}

class FrameFilterTest : public ::testing::Test {
protected:
    FrameFilterTest() {
        log.append(1, "\r\n\r\n发送信息(x)\r\n96 05 80 99 00 01 8b ");
        log.append(2, "\r\n\r\n接收信息(x)\r\n96 0a 80 9a 00 01 02 03 04 05 06 07 ");
        log.append(3, "\r\n版本读取成功!");
        log.append(4, "\r\n\r\n发送信息(x)\r\nea 01 00 3c 00 3d ");
    }
    Rows shown(const FrameFilter& f) const {
        Rows rows;
        for (std::size_t i = 0; i < log.frames().size(); ++i)
            if (f.matches(log.frames()[i])) rows.push_back(i);
        return rows;
    }
    FrameLog log;
};

TEST_F(FrameFilterTest, DirectionCodeAndTextNarrowTheList) {
    struct Case {
        FrameFilter filter;
        Rows rows;
    } cases[] = {
        {{}, {0, 1, 2, 3}},
        {{false, true, true, "", ""}, {1, 2}},
        {{true, false, false, "", ""}, {0, 3}},
        {{true, true, true, "9a", ""}, {1}},
        {{true, true, true, "0x3C", ""}, {3}},
        {{true, true, true, " 99 ", ""}, {0}},
        {{true, true, true, "", "03 04"}, {1}},
        {{true, true, true, "", "读取"}, {2}},
        {{true, true, true, "", "EA 01"}, {3}},
        {{true, true, true, "", "ea 01"}, {3}},  // hex is matched in either case
        {{false, true, true, "9a", "00 01"}, {1}},
        {{true, true, true, "9a", "读取"}, {}},  // a note has no command
    };
    for (const auto& c : cases) {
        EXPECT_EQ(shown(c.filter), c.rows) << c.filter.code << " / " << c.filter.text;
        EXPECT_TRUE(c.filter.valid());
    }
    // A code that is not one byte shows nothing and says why.
    for (const char* bad : {"9g", "123", "0x", "x1"}) {
        FrameFilter f;
        f.code = bad;
        std::string why;
        EXPECT_FALSE(f.valid(&why)) << bad;
        EXPECT_FALSE(why.empty());
        EXPECT_EQ(shown(f), Rows{}) << bad;
    }
}

TEST_F(FrameFilterTest, SearchFindsTheNextShownRowAndWraps) {
    const Rows rows = {0, 1, 3};  // the note filtered out
    EXPECT_EQ(findNext(log.frames(), rows, "00 01", std::size_t(-1)), 0u);
    EXPECT_EQ(findNext(log.frames(), rows, "00 01", 0), 1u);
    EXPECT_EQ(findNext(log.frames(), rows, "00 01", 1), 0u);  // wraps past the end
    EXPECT_EQ(findNext(log.frames(), rows, "3c", 0), 2u);
    EXPECT_EQ(findNext(log.frames(), rows, "读取", std::size_t(-1)), std::nullopt);  // not shown
    EXPECT_EQ(findNext(log.frames(), rows, "", 0), std::nullopt);
    EXPECT_EQ(findNext(log.frames(), {}, "96", 0), std::nullopt);
}

TEST(FrameLogTest, AFullLogDropsItsOldestFramesAndCountsThem) {
    FrameLog log(3);
    for (int i = 0; i < 5; ++i) EXPECT_TRUE(log.append(i, "\r\nnote " + std::to_string(i)));
    EXPECT_FALSE(log.append(9, "\r\n"));
    ASSERT_EQ(log.frames().size(), 3u);
    EXPECT_EQ(log.frames().front().bytes, "note 2");
    EXPECT_EQ(log.dropped(), 2u);
    log.clear();
    EXPECT_TRUE(log.frames().empty());
    EXPECT_EQ(log.dropped(), 0u);
}

TEST(FrameLogTest, TheTextLimitDropsTheOldestButKeepsTheNewest) {
    FrameLog log(100, 20);
    log.append(1, "\r\n0123456789");  // 10 characters each
    log.append(2, "\r\nabcdefghij");
    EXPECT_EQ(log.frames().size(), 2u);
    log.append(3, "\r\nklmnopqrst");
    ASSERT_EQ(log.frames().size(), 2u);
    EXPECT_EQ(log.frames().front().bytes, "abcdefghij");
    log.append(4, "\r\n" + std::string(50, 'x'));  // larger than the limit alone
    ASSERT_EQ(log.frames().size(), 1u);
    EXPECT_EQ(log.frames().front().timeMs, 4);
    EXPECT_EQ(log.dropped(), 3u);
}

TEST(FrameLogTest, TheCsvHasTheTimeDirectionCommandAndBytes) {
    UtcZone utc;
    FrameLog log;
    log.append(kAt, "\r\n\r\n发送信息(x)\r\n96 05 80 99 00 01 8b ");
    log.append(kAt + 38, "\r\n接收数据处理失败, \"校验\"!");
    EXPECT_EQ(framesCsv(log.frames(), {0, 1}),
              "时间,方向,命令,字节\r\n"
              "2008-08-11 09:30:05.042,发送,99,96 05 80 99 00 01 8B\r\n"
              "2008-08-11 09:30:05.080,提示,,\"接收数据处理失败, \"\"校验\"\"!\"\r\n");
    EXPECT_EQ(framesCsv(log.frames(), {}), "时间,方向,命令,字节\r\n");
    EXPECT_EQ(timeOfDay(kAt), "09:30:05.042");
}

class MonitorFramesTest : public testing::MonitorFixture {};

// The monitor keeps every frame it shows; a stopped display keeps none, "清空显示" empties the
// list, and "导出" writes the rows asked for into the chosen file.
TEST_F(MonitorFramesTest, TheMonitorFeedsClearsAndExportsTheList) {
    UtcZone utc;
    CMonitorDlg monitor(session);
    std::int64_t now = kAt;
    monitor.setClock([&] { return now; });
    int added = 0;
    bool cleared = false;
    monitor.frameAdded = [&](const LoggedFrame&) { ++added; };
    monitor.framesCleared = [&] { cleared = true; };

    receive(wire::frame96(0x17, {1, 2}));
    now += 5;
    monitor.form().click(monitor_ids::kStopTrace);
    receive(wire::frame96(0x18));  // stopped: lost, as in the trace box
    monitor.form().click(monitor_ids::kStopTrace);
    receive(wire::frame96(0x19));
    ASSERT_EQ(monitor.frames().frames().size(), 2u);
    EXPECT_EQ(added, 2);
    EXPECT_EQ(monitor.frames().frames()[1].code, 0x19);
    EXPECT_EQ(monitor.frames().frames()[1].timeMs, kAt + 5);

    const std::string path = ::testing::TempDir() + "frames_export.csv";
    prompter.files.push_back(path);
    EXPECT_TRUE(monitor.exportFrames({1}));
    std::string written;
    std::string error;
    ASSERT_EQ(ini::detail::readWholeFile(path, written, error), ini::detail::ReadResult::kRead);
    EXPECT_EQ(written, "时间,方向,命令,字节\r\n2008-08-11 09:30:05.047,接收,19,96 03 80 19 0C\r\n");
    std::remove(path.c_str());
    // A folder that cannot take the file: one box saying why, nothing reported as written.
    prompter.files.push_back(::testing::TempDir() + "no/such/folder/x.csv");
    EXPECT_FALSE(monitor.exportFrames({0}));
    ASSERT_FALSE(prompter.boxes.empty());
    EXPECT_EQ(prompter.boxes.back().text.rfind("导出失败:", 0), 0u);
    prompter.files.push_back(std::nullopt);  // the file dialog cancelled
    EXPECT_FALSE(monitor.exportFrames({0}));

    monitor.form().click(monitor_ids::kClearTrace);
    EXPECT_TRUE(cleared);
    EXPECT_TRUE(monitor.frames().frames().empty());
}

}  // namespace
}  // namespace rb::monitor
