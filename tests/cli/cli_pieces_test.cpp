// The small pieces the commands are made of: names of types and ports, the fault list, the
// trace's monitor format, success lines and message boxes.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/chain_runner.h"
#include "cli/cli_prompter.h"
#include "cli/sim_fault_option.h"
#include "cli/terminal_choice.h"
#include "cli/trace_printer.h"

namespace rb::cli {
namespace {

TEST(CliPiecesTest, PortNames) {
    const std::pair<std::string, std::string> cases[] = {
        // The text given, then the port number or device it names ("-" = refused).
        {"sim", "sim"},
        {"SIM", "sim"},
        {"COM1", "1"},
        {"com12", "12"},
        {"COM1024", "1024"},
        {"COM0", "-"},
        {"COM1025", "-"},
        {"COM99999999999", "-"},
        {"/dev/ttyUSB0", "/dev/ttyUSB0"},
        {"COMX", "COMX"},
        {"", "-"},
    };
    for (const auto& [text, names] : cases) {
        engine::PortRequest r;
        std::string error;
        const bool ok = parsePort(text, 19200, "lm52r", r, error);
        EXPECT_EQ(ok ? (r.device.empty() ? std::to_string(r.number) : r.device) : "-", names);
        EXPECT_EQ(error.empty(), ok) << text;
        EXPECT_TRUE(!ok || (r.baud == 19200 && r.family == "lm52r")) << text;
    }
}

TEST(CliPiecesTest, TerminalTypesAndTheirSpeeds) {
    std::string error;
    const auto lm52r = chooseTerminalType("LM52R", error);
    ASSERT_TRUE(lm52r);
    EXPECT_EQ(lm52r->baud, 9600);
    for (const auto& t : cliTerminalTypes()) {
        const bool fast = t.key == "qx710" || t.key == "wz4040" || t.key == "lm520w";
        EXPECT_EQ(t.baud, fast ? 19200 : 9600) << t.key;
    }
    EXPECT_EQ(cliTerminalTypeList(), "qx710, lm52r, lm520w, netradio, train, wz4040, protest");
    const auto proTest = chooseTerminalType("protest", error);
    ASSERT_TRUE(proTest);
    EXPECT_EQ(proTest->baud, 9600);
}

TEST(CliPiecesTest, SimFaultList) {
    sim::Faults f;
    std::string error;
    ASSERT_TRUE(parseSimFaults("silent,drop=3,delay=2500,corrupt,pace=19200", f, error));
    EXPECT_TRUE(f.silent);
    EXPECT_EQ(f.dropNth, 3);
    EXPECT_EQ(f.delay, sim::Micros(2'500'000));
    EXPECT_TRUE(f.corruptChecksum);
    EXPECT_TRUE(f.pace);
    EXPECT_EQ(f.paceBaud, 19200);
    ASSERT_TRUE(parseSimFaults("split=3,garbage,unsolicited,lose=2", f, error)) << error;
    EXPECT_EQ(f.splitSize, 3u);
    EXPECT_GT(f.splitGap, sim::Micros(0));
    EXPECT_FALSE(f.garbage.empty());
    EXPECT_EQ(f.unsolicited.size(), 7u);
    EXPECT_EQ(f.vanishAfter, 2);
    ASSERT_TRUE(parseSimFaults("ignore=0x14", f, error)) << error;
    EXPECT_EQ(f.keepOldFor, 0x14);
    ASSERT_TRUE(parseSimFaults("ignore=3C", f, error)) << error;
    EXPECT_EQ(f.keepOldFor, 0x3C);
    for (const char* bad :
         {"loud", "drop", "drop=0", "drop=x", "delay=-1", "silent=1", "split=0", "garbage=3",
          "lose", "ignore", "ignore=0x", "ignore=0", "ignore=123", "ignore=0xg1"}) {
        sim::Faults g;
        EXPECT_FALSE(parseSimFaults(bad, g, error)) << bad;
    }
    sim::Faults none;
    EXPECT_TRUE(parseSimFaults("", none, error));
    EXPECT_FALSE(none.silent);
}

TEST(CliPiecesTest, TraceInTheMonitorsFormat) {
    std::ostringstream out;
    TracePrinter printer(out);
    printer.append(0x99, "\r\n\r\n发送信息(2008-08-11 09:30:05)\r\n96 05 80 99 00 01 8b ");
    printer.append(0x9a, "\r\n\r\n接收信息(2008-08-11 09:30:05)\r\n96 05 80 9a ");
    printer.append(0x9a, "\r\n读取版本信息成功!");
    printer.endLine();
    printer.endLine();  // a second end adds nothing
    EXPECT_EQ(out.str(),
              "\n发送信息(2008-08-11 09:30:05)\n96 05 80 99 00 01 8B "
              "\n\n接收信息(2008-08-11 09:30:05)\n96 05 80 9A "
              "\n读取版本信息成功!\n");
}

TEST(CliPiecesTest, SuccessLinesAndBoxes) {
    EXPECT_EQ(successTextOf("\r\n信道频率读取成功!"), "信道频率读取成功");
    for (const char* other :
         {"\r\n\r\n接收信息(2008-08-11 09:30:05)\r\n96 05 ", "\r\n数据校验不正确!",
          "\r\n接收数据处理失败!\r\n", "\r\n!", "信道频率读取成功!", ""}) {
        EXPECT_FALSE(successTextOf(other)) << other;
    }

    std::ostringstream err;
    CliPrompter(err, nullptr, false, false).info("1信道频率设置不正确!");
    EXPECT_EQ(err.str(), "提示: 1信道频率设置不正确!\n");
}

}  // namespace
}  // namespace rb::cli
