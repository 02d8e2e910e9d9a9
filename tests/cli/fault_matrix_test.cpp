// The fault matrix: every built type whose pages take part in a file, every way the line can
// fail, and both directions, through `read` and `write` against the simulated terminal on the
// manual clock. Each cell checks the documented end (exit status, "操作失败"), that no answer
// is reported that did not come, that a failed read leaves no file, and that the next command
// works once the fault is gone.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/chain_command.h"
#include "cli/event_waiter.h"
#include "cli/exit_status.h"
#include "cli/terminal_choice.h"
#include "shared_sim_runtime.h"

namespace rb::cli {
namespace {

namespace fs = std::filesystem;

std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

struct Fault {
    const char* name;
    const char* words;  // --sim-faults
    int exit;
    int answersReported;  // -1: any (the chain ran to its end)
};

const Fault kFaults[] = {
    {"silent terminal", "silent", kExitTerminalFailed, 0},
    {"one answer dropped", "drop=2", kExitTerminalFailed, 1},
    {"bad checksum", "corrupt", kExitTerminalFailed, 0},
    {"answer split with gaps", "split=3", kExitDone, -1},
    {"garbage before a frame", "garbage", kExitDone, -1},
    {"unsolicited frames", "unsolicited", kExitDone, -1},
    {"answer after 2500 ms", "delay=2500", kExitTerminalFailed, 0},
    {"port lost mid-chain", "lose=2", kExitPortUnavailable, 2},
};

// Success lines the command printed for answers (not its own file lines or the last line).
int answersReported(const std::string& err) {
    std::istringstream in(err);
    int n = 0;
    for (std::string line; std::getline(in, line);) {
        const bool success = line.size() > 6 && line.compare(line.size() - 6, 6, "成功") == 0;
        if (success && line.find(':') == std::string::npos) ++n;
    }
    return n;
}

class FaultMatrixTest : public ::testing::Test {
protected:
    void SetUp() override {
        ensureCoreApplication();
        dir_ = fs::temp_directory_path() / ("rb_faults_" + std::to_string(::getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    int run(bool read, const std::string& type, const std::string& file,
            const std::string& faults) {
        ChainOptions o{type, {}, (dir_ / file).string(), {true, nullptr, false}};
        o.accessCode = "4lotus";  // the production page needs its code
        o.port.port = "sim";
        o.port.simFaults = faults;
        err_.str("");
        return read ? runReadCommand(o, runtime_, err_) : runWriteCommand(o, runtime_, err_);
    }

    fs::path dir_;
    testing::SharedSimRuntime runtime_;
    std::ostringstream err_;
};

TEST_F(FaultMatrixTest, EveryFamilyEveryFaultBothDirections) {
    int cells = 0;
    for (const CliTerminalType& type : cliTerminalTypes()) {
        if (!type.built) continue;
        // A clean read first: the file the write cells load, and proof the type has a file.
        if (run(true, type.key, type.key + ".ini", "") != kExitDone) continue;
        for (const Fault& f : kFaults) {
            for (const bool read : {true, false}) {
                SCOPED_TRACE(type.key + ": " + f.name + (read ? ", read" : ", write"));
                const std::string out = type.key + "_" + f.words + ".ini";
                const int rc = run(read, type.key, read ? out : type.key + ".ini", f.words);
                const std::string said = err_.str();
                EXPECT_EQ(rc, f.exit) << said;
                if (f.exit == kExitTerminalFailed) {
                    EXPECT_NE(said.find("操作失败"), std::string::npos) << said;
                }
                if (f.answersReported >= 0) {
                    EXPECT_EQ(answersReported(said), f.answersReported) << said;
                }
                if (read) {
                    EXPECT_EQ(fs::exists(dir_ / out), rc == kExitDone) << said;
                    EXPECT_EQ(said.find("文件保存成功") != std::string::npos, rc == kExitDone);
                }
                // Once the fault is gone the same command works.
                EXPECT_EQ(run(read, type.key, read ? out : type.key + ".ini", ""), kExitDone)
                    << err_.str();
                ++cells;
            }
        }
    }
    EXPECT_GE(cells, 2 * int(std::size(kFaults)));  // at least one family took part
}

// A stray write acknowledgement (or one in place of a lost answer) at each of the first steps of
// every family's read: the read never turns into a write. What the terminal holds afterwards is
// what it held before (a second clean read gives the first file byte for byte), and a lost answer
// ends in "操作失败" within the time-out, never in a hang.
TEST_F(FaultMatrixTest, AStrayAcknowledgementNeverTurnsAReadIntoAWrite) {
    const std::pair<const char*, const char*> strays[] = {
        {"lm52r",
         "960580210001"
         "33"},
        {"netradio",
         "960580210001"
         "33"},
        {"train",
         "960580210001"
         "33"},
        {"qx710",
         "EA01008011"
         "92"},
        {"protest",
         "960580920001"
         "80"},
    };
    for (const auto& [type, stray] : strays) {
        ASSERT_EQ(run(true, type, std::string(type) + ".ini", ""), kExitDone) << err_.str();
        const std::string before = slurp(dir_ / (std::string(type) + ".ini"));
        for (int n = 1; n <= 4; ++n) {
            const std::string words = "stray=" + std::to_string(n) + ":" + stray;
            SCOPED_TRACE(std::string(type) + " " + words);
            const std::string out = std::string(type) + "_stray.ini";
            EXPECT_EQ(run(true, type, out, words), kExitDone) << err_.str();
            EXPECT_EQ(slurp(dir_ / out), before);
            EXPECT_EQ(err_.str().find("设置成功"), std::string::npos) << err_.str();

            const int rc = run(true, type, out, "drop=" + std::to_string(n) + "," + words);
            EXPECT_EQ(rc, kExitTerminalFailed) << err_.str();
            EXPECT_NE(err_.str().find("操作失败"), std::string::npos) << err_.str();

            ASSERT_EQ(run(true, type, out, ""), kExitDone) << err_.str();
            EXPECT_EQ(slurp(dir_ / out), before) << "the terminal was written";
        }
    }
}

}  // namespace
}  // namespace rb::cli
