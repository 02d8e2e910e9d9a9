// `run netradio` against one simulated network radio on a manual clock: both pages read, an
// identity typed as group and number and an own frequency chosen, written and read back.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/event_waiter.h"
#include "cli/exit_status.h"
#include "cli/run_command.h"
#include "shared_sim_runtime.h"

namespace rb::cli {
namespace {

TEST(NetRadioRunTest, BothPagesWriteAndReadBack) {
    ensureCoreApplication();
    testing::SharedSimRuntime runtime;
    RunOptions o;
    o.type = "netradio";
    o.port.port = "sim";
    std::istringstream in(
        // Base page: row 3 becomes the own frequency, frequency 01 changes.
        "click 2090\nset 1484 1\nset 1456 4500000\nclick 2091\n"
        // User page: group 2, number 5 make identity 37.
        "tab 1\nclick 2090\nset 2013 2\nset 2014 5\nget 1007\nclick 2091\n"
        // Everything read again.
        "tab 0\nclick 2090\nget 1456\nget 1484\nget 1482\n"
        "tab 1\nclick 2090\nget 1007\nget 2013\nget 2014\n");
    std::ostringstream out, err;
    ASSERT_EQ(runRunCommand(o, runtime, in, out, err), kExitDone) << out.str() << err.str();
    const std::string all = out.str();
    std::size_t at = 0;
    for (const char* expected : {
             R"({"cmd":"click","id":2091,"result":"done","status":"信道功能设置成功")",
             R"({"cmd":"get","id":1007,"kind":"edit","value":"37")",
             R"({"cmd":"get","id":1456,"kind":"edit","value":"4500000")",
             R"({"cmd":"get","id":1484,"kind":"check","value":1)",
             R"({"cmd":"get","id":1482,"kind":"check","value":0)",
             R"({"cmd":"get","id":1007,"kind":"edit","value":"37")",
             R"({"cmd":"get","id":2013,"kind":"edit","value":"2")",
             R"({"cmd":"get","id":2014,"kind":"edit","value":"5")",
         }) {
        const std::size_t found = all.find(expected, at);
        EXPECT_NE(found, std::string::npos) << expected << "\n" << all;
        if (found != std::string::npos) at = found;
    }
}

}  // namespace
}  // namespace rb::cli
