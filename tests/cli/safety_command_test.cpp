// The technician's safety net on the command line, against the built-in simulated terminal: a
// read keeps a history entry, write --backup reads first, diff compares files and the terminal
// field by field, history lists what was kept.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/chain_command.h"
#include "cli/diff_command.h"
#include "cli/exit_status.h"
#include "cli/history_command.h"
#include "engine/read_history.h"
#include "ini/ini_file.h"
#include "shared_sim_runtime.h"

namespace rb::cli {
namespace {

namespace fs = std::filesystem;

std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The frames sent, in order, as the trace file has them ("96 05 80 99 00 01 8B").
std::vector<std::string> sentFrames(const fs::path& trace) {
    std::ifstream in(trace);
    std::vector<std::string> out;
    for (std::string l; std::getline(in, l);) {
        if (l.size() > 24 && l.compare(24, 7, "发送 ") == 0) out.push_back(l.substr(31));
    }
    return out;
}

class SafetyCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        ensureCoreApplication();
        dir_ = fs::temp_directory_path() /
               ("rb_safety_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        if (const char* old = std::getenv("RADIOBENCH_DATA_DIR")) oldData_ = old;
        ::setenv("RADIOBENCH_DATA_DIR", path("data").c_str(), 1);
    }
    void TearDown() override {
        if (oldData_.empty()) {
            ::unsetenv("RADIOBENCH_DATA_DIR");
        } else {
            ::setenv("RADIOBENCH_DATA_DIR", oldData_.c_str(), 1);
        }
        fs::remove_all(dir_);
    }
    std::string path(const std::string& name) const { return (dir_ / name).string(); }
    std::vector<engine::HistoryEntry> history() const {
        return engine::ReadHistory(path("data")).list("lm52r");
    }

    int read(const std::string& file, const std::string& trace = {}) {
        ChainOptions o{"lm52r", {}, path(file), ConfirmOptions{true, nullptr, false}};
        o.port.port = "sim";
        o.port.traceFile = trace;
        err_.str("");
        return runReadCommand(o, runtime_, err_);
    }
    int write(const std::string& file, bool backup, const std::string& faults = {},
              const std::string& trace = {}) {
        ChainOptions o{"lm52r", {}, path(file), ConfirmOptions{true, nullptr, false}};
        o.backup = backup;
        o.port.port = "sim";
        o.port.simFaults = faults;
        o.port.traceFile = trace;
        err_.str("");
        return runWriteCommand(o, runtime_, err_);
    }
    int diff(std::vector<std::string> files, const std::string& port = {}) {
        DiffOptions o{"lm52r", {}, {}};
        for (auto& f : files) o.files.push_back(path(f));
        o.port.port = port;
        out_.str("");
        err_.str("");
        return runDiffCommand(o, runtime_, out_, err_);
    }
    void edit(const std::string& from, const std::string& to,
              const std::vector<std::pair<std::string, std::string>>& keys) {
        ini::IniFile file;
        ASSERT_TRUE(file.load(path(from)));
        for (const auto& [key, value] : keys) file.setText("TelSet", key, value);
        ASSERT_TRUE(file.save(path(to)));
    }

    fs::path dir_;
    std::string oldData_;
    testing::SharedSimRuntime runtime_;
    std::ostringstream out_, err_;
};

TEST_F(SafetyCommandTest, EachReadKeepsOneEntryWithTheBytesTheStoredFileHas) {
    ASSERT_EQ(read("a.ini"), kExitDone) << err_.str();
    auto kept = history();
    ASSERT_EQ(kept.size(), 1U);
    EXPECT_EQ(slurp(kept[0].path), slurp(path("a.ini")));
    EXPECT_NE(err_.str().find("kept in the history as " + kept[0].path), std::string::npos);

    edit("a.ini", "b.ini", {{"VOXLevel", "400"}});
    ASSERT_EQ(write("b.ini", false), kExitDone) << err_.str();
    EXPECT_EQ(history().size(), 1U) << "a write keeps nothing";
    ASSERT_EQ(read("c.ini"), kExitDone);
    kept = history();
    ASSERT_EQ(kept.size(), 2U);
    EXPECT_EQ(slurp(kept[1].path), slurp(path("c.ini")));
    EXPECT_EQ(slurp(kept[0].path), slurp(path("a.ini"))) << "the older entry stays as it was";

    // A read that fails keeps nothing.
    ChainOptions o{"lm52r", {}, path("d.ini"), ConfirmOptions{true, nullptr, false}};
    o.port.port = "sim";
    o.port.simFaults = "silent";
    EXPECT_EQ(runReadCommand(o, runtime_, err_), kExitTerminalFailed);
    EXPECT_EQ(history().size(), 2U);

    std::ostringstream listed, why;
    HistoryOptions h{"lm52r", "json", path("data")};
    ASSERT_EQ(runHistoryCommand(h, listed, why), kExitDone);
    const std::string json = listed.str();
    EXPECT_EQ(std::count(json.begin(), json.end(), '\n'), 2);
    EXPECT_NE(json.find("\"path\":\"" + kept[1].path + "\""), std::string::npos) << json;
    h.format = "xml";
    EXPECT_EQ(runHistoryCommand(h, listed, why), kExitUsage);
}

TEST_F(SafetyCommandTest, BackupReadsTheTerminalBeforeTheFirstWriteFrame) {
    ASSERT_EQ(read("before.ini", path("read.log")), kExitDone) << err_.str();
    const auto readFrames = sentFrames(path("read.log"));
    edit("before.ini", "new.ini", {{"VOXLevel", "400"}, {"SendFrequency03", "4100500"}});
    const std::size_t entries = history().size();

    ASSERT_EQ(write("new.ini", true, {}, path("write.log")), kExitDone) << err_.str();
    const auto frames = sentFrames(path("write.log"));
    ASSERT_GT(frames.size(), readFrames.size());
    EXPECT_EQ(std::vector<std::string>(frames.begin(), frames.begin() + long(readFrames.size())),
              readFrames)
        << "the whole read goes out first";
    ASSERT_EQ(history().size(), entries + 1);
    EXPECT_EQ(slurp(history().back().path), slurp(path("before.ini")))
        << "the backup holds the terminal as it was";

    // The backup read fails part way: nothing is written, the terminal keeps its values.
    edit("before.ini", "other.ini", {{"VOXLevel", "300"}});
    EXPECT_EQ(write("other.ini", true, "drop=5", path("failed.log")), kExitTerminalFailed);
    EXPECT_NE(err_.str().find("backup read failed, nothing written"), std::string::npos)
        << err_.str();
    const auto failed = sentFrames(path("failed.log"));
    ASSERT_LE(failed.size(), readFrames.size());
    EXPECT_EQ(failed, std::vector<std::string>(readFrames.begin(),
                                               readFrames.begin() + long(failed.size())))
        << "only read requests went out";
    ASSERT_EQ(read("after.ini"), kExitDone);
    EXPECT_EQ(slurp(path("after.ini")), slurp(path("new.ini")));
}

TEST_F(SafetyCommandTest, DiffOfFilesListsExactlyTheChangedFieldsByTheirCaptions) {
    ASSERT_EQ(read("a.ini"), kExitDone) << err_.str();
    const struct {
        const char* name;
        std::vector<std::pair<std::string, std::string>> keys;
        int status;
        std::vector<std::string> lines;
    } cases[] = {
        {"equal", {}, kExitDone, {}},
        {"one frequency",
         {{"SendFrequency03", "4100500"}},
         kExitVerifyFailed,
         {"基本信息: 信道03 发射频率: \"4000500\" → \"4100500\""}},
        {"three fields on two pages",
         {{"SendFrequency03", "4100500"}, {"VOXLevel", "400"}, {"UserName", "赵六"}},
         kExitVerifyFailed,
         // Page by page, each in the order its form declares its fields.
         {"基本信息: 声控电平: \"300\" → \"400\"",
          "基本信息: 信道03 发射频率: \"4000500\" → \"4100500\"",
          "用户信息: 机主姓名: \"张建国\" → \"赵六\""}},
        {"a kept value is no difference", {{"EncryptPara", "9"}}, kExitDone, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        edit("a.ini", "b.ini", c.keys);
        EXPECT_EQ(diff({"a.ini", "b.ini"}), c.status) << err_.str();
        std::vector<std::string> lines;
        std::istringstream in(out_.str());
        for (std::string l; std::getline(in, l);) lines.push_back(l);
        EXPECT_EQ(lines, c.lines);
    }
}

TEST_F(SafetyCommandTest, DiffRefusesAFileOfAnotherKindAsWriteDoes) {
    ASSERT_EQ(read("a.ini"), kExitDone);
    std::ofstream(path("other.ini"), std::ios::binary) << "[Main]\r\nPort=1\r\n";
    EXPECT_EQ(diff({"a.ini", "other.ini"}), kExitFileError);
    EXPECT_EQ(write("other.ini", false), kExitFileError);
    const std::string writeSaid = err_.str();
    const std::string problem = writeSaid.substr(writeSaid.find(": not a lm52r"));
    EXPECT_EQ(diff({"a.ini", "other.ini"}), kExitFileError);
    EXPECT_NE(err_.str().find(problem), std::string::npos) << err_.str() << "\n" << writeSaid;
    EXPECT_EQ(diff({"a.ini", "missing.ini"}), kExitFileError);
    EXPECT_EQ(diff({"a.ini"}), kExitUsage);
    const int opens = runtime_.opens;
    EXPECT_EQ(diff({"other.ini"}, "sim"), kExitFileError);
    EXPECT_EQ(runtime_.opens, opens) << "a wrong file opens no port";
}

TEST_F(SafetyCommandTest, DiffAgainstTheTerminalShowsWhatItKeptAfterAnIgnoredWrite) {
    ASSERT_EQ(read("a.ini"), kExitDone);
    EXPECT_EQ(diff({"a.ini"}, "sim"), kExitDone) << err_.str() << out_.str();
    EXPECT_EQ(out_.str(), "");
    edit("a.ini", "b.ini", {{"SendFrequency03", "4100500"}, {"VOXLevel", "400"}});
    // Frequencies (0x14) are acknowledged and not stored; the VOX level is.
    ASSERT_EQ(write("b.ini", false, "ignore=0x14"), kExitDone) << err_.str();
    EXPECT_EQ(diff({"b.ini"}, "sim"), kExitVerifyFailed) << err_.str();
    EXPECT_EQ(out_.str(), "基本信息: 信道03 发射频率: \"4100500\" → \"4000500\"\n");
    EXPECT_EQ(history().size(), 3U) << "a diff with the terminal is a complete read too";
}

}  // namespace
}  // namespace rb::cli
