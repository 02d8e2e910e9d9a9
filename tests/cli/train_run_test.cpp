// `run train` against the simulated station on a manual clock: the key page's three button
// pairs driven by a script, written and read back.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/event_waiter.h"
#include "cli/exit_status.h"
#include "cli/run_command.h"
#include "shared_sim_runtime.h"

namespace rb::cli {
namespace {

TEST(TrainRunTest, TheKeyPageThreeButtonPairsWriteAndReadBack) {
    ensureCoreApplication();
    testing::SharedSimRuntime runtime;
    auto script = [&](const std::string& text, std::string& out) {
        RunOptions o;
        o.type = "train";
        o.port.port = "sim";
        std::istringstream in(text);
        std::ostringstream os, err;
        const int rc = runRunCommand(o, runtime, in, os, err);
        out = os.str();
        return rc;
    };
    std::string out;
    // 调号 3, 编号 5 on 区长台, channel 100; then every read of the page again.
    ASSERT_EQ(script("tab 1\n"
                     "click 2090\nclick 1423\nclick 2094\n"
                     "set 1525 100\nset 1416 3\nset 1418 5\nset 1422 1\n"
                     "click 1424\n"
                     "set 1416 1\nset 1418 1\n"
                     "click 1423\n"
                     "get 1416\nget 1418\nget 1422\nget 1525\n",
                     out),
              kExitDone)
        << out;
    for (const char* expected :
         {R"({"cmd":"click","id":1424,"result":"done","status":"列调参数设置成功")",
          R"({"cmd":"click","id":1423,"result":"done","status":"列调参数读取成功")",
          R"({"cmd":"get","id":1416,"kind":"edit","value":"3")",
          R"({"cmd":"get","id":1418,"kind":"edit","value":"5")",
          R"({"cmd":"get","id":1422,"kind":"radio","value":1)",
          R"({"cmd":"get","id":1525,"kind":"edit","value":"100")"}) {
        EXPECT_NE(out.find(expected), std::string::npos) << expected << "\n" << out;
    }
}

}  // namespace
}  // namespace rb::cli
