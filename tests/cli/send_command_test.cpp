// send: the monitor's manual send from the command line, against the simulated terminal.
#include "cli/send_command.h"

#include <gtest/gtest.h>

#include <sstream>

#include "cli/event_waiter.h"
#include "cli/exit_status.h"

namespace rb::cli {
namespace {

struct SendRun {
    int rc;
    std::string out, err;
};

SendRun send(std::vector<std::string> hex, std::string faults = {}, bool trace = false,
             std::string port = "sim") {
    ensureCoreApplication();
    ManualRuntime runtime;
    SendOptions o;
    o.port.port = std::move(port);
    o.port.trace = trace;
    o.port.simFaults = std::move(faults);
    o.hex = std::move(hex);
    std::ostringstream out, err;
    const int rc = runSendCommand(o, runtime, out, err);
    return {rc, out.str(), err.str()};
}

TEST(SendCommandTest, PrintsTheFramesReceivedAsTraceLines) {
    const SendRun r = send({"96 05 80 99 00 01 8B"}, {}, true);
    ASSERT_EQ(r.rc, kExitDone) << r.err;
    EXPECT_EQ(r.out.rfind("接收信息(", 0), 0u) << r.out;
    EXPECT_NE(r.out.find(")\n96 20 80 9A 00 01 00 00 00 00 4C 4D 35 32 52"), std::string::npos)
        << r.out;
    // --trace shows both directions in the monitor's format on standard error.
    for (const char* text : {"发送信息(", "96 05 80 99 00 01 8B", "96 20 80 9A"})
        EXPECT_NE(r.err.find(text), std::string::npos) << text;

    // Two frames in one send, one of them run together: both answers come back, in order.
    const SendRun two =
        send({"96058099"
              "00018B",
              "96 03 80 22 37"});
    ASSERT_EQ(two.rc, kExitDone);
    const auto version = two.out.find("96 20 80 9A"), common = two.out.find("96 0F 80 23");
    EXPECT_NE(common, std::string::npos) << two.out;
    EXPECT_LT(version, common);

    const SendRun silent = send({"96 05 80 99 00 01 8B"}, "silent");
    EXPECT_EQ(silent.rc, kExitTerminalFailed);  // "no answer within 2000 ms"
    EXPECT_EQ(silent.out, "");
}

TEST(SendCommandTest, RefusesWhatCannotBeSent) {
    std::string tooLong;
    for (int i = 0; i < 513; ++i) tooLong += "00 ";
    const std::tuple<std::vector<std::string>, std::string, int, std::string> cases[] = {
        {{"96 05 8G"}, "sim", kExitUsage, "send:"},
        {{}, "sim", kExitUsage, "no bytes"},
        {{"   "}, "sim", kExitUsage, "no bytes"},
        {{tooLong}, "sim", kExitUsage, "长度大于510字节,无法发送!"},
        {{"96 05 80 99 00 01 8B"},
         "/dev/rb-no-such-device",
         kExitPortUnavailable,
         "/dev/rb-no-such-device"},
    };
    for (const auto& [hex, port, rc, said] : cases) {
        const SendRun r = send(hex, "", false, port);
        EXPECT_EQ(r.rc, rc) << r.err;
        EXPECT_NE(r.err.find(said), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "");
    }
}

}  // namespace
}  // namespace rb::cli
