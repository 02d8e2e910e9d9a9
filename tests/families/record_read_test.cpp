// "保存记录" on, then "读取数据" on the LM52R base page against the simulated terminal: every
// frame of the read is in the file, in order, with milliseconds.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>

#include "families/lm52r/lm52r_bench.h"
#include "monitor/monitor_dlg.h"
#include "monitor/monitor_ids.h"

namespace rb::testing {
namespace {

TEST(RecordReadTest, EveryFrameOfAReadIsInTheRecord) {
    Lm52rBench bench(true);
    bench.session.paths.settingsFile = bench.dir.file("radiobench.ini");
    monitor::CMonitorDlg monitor(bench.session);
    const std::string path = bench.dir.file("read.log");
    bench.prompter.files.push_back(path);
    ASSERT_TRUE(monitor.form().click(monitor::monitor_ids::kSaveRecord));

    ASSERT_TRUE(bench.form(0).click(engine::kReadButton));
    bench.advance(3000);
    const int requests = bench.session.activity.requests;
    ASSERT_GT(requests, 3);

    std::ifstream in(path);
    const std::regex line(R"(^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3} (发送|接收|提示) (.+)$)");
    int sent = 0, received = 0;
    std::string first;
    for (std::string l; std::getline(in, l);) {
        std::smatch m;
        ASSERT_TRUE(std::regex_match(l, m, line)) << l;
        if (m[1] == "发送") ++sent;
        if (m[1] == "接收") ++received;
        if (first.empty()) first = m[2];
    }
    EXPECT_EQ(sent, requests);
    EXPECT_EQ(received, requests);
    EXPECT_EQ(first, "96 05 80 99 00 01 8B");  // the version request opens the read
}

}  // namespace
}  // namespace rb::testing
