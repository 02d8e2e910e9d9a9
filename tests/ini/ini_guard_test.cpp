// What a profile file refuses: files too large to be a configuration, saving over a file marked
// read-only, and what it notes for the look at a file (its lookups, whether it is text). Also the
// temporary files a killed program left behind.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "ini/file_io.h"
#include "ini/ini_file.h"

namespace rb::ini {
namespace {

namespace fs = std::filesystem;

class IniGuardTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "ini_guard_test_XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string path(const std::string& name) const { return (dir_ / name).string(); }
    static std::string readFile(const std::string& p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    fs::path dir_;
};

TEST_F(IniGuardTest, AFileOverTheLimitIsRefusedUnread) {
    {
        std::ofstream big(path("big.ini"), std::ios::binary);
        big << "[TelSet]\r\n";
        big << std::string(std::size_t(kMaxFileBytes), 'x');
    }
    IniFile f;
    std::string error;
    EXPECT_FALSE(f.load(path("big.ini"), &error));
    EXPECT_EQ(error, "not a configuration file: " + std::to_string(kMaxFileBytes + 10) + " bytes");
    // A device that never ends is cut off at the same limit.
    EXPECT_FALSE(f.load("/dev/zero", &error));
    EXPECT_NE(error.find("not a configuration file"), std::string::npos) << error;
}

TEST_F(IniGuardTest, LookupsAreNotedWithWhetherTheKeyWasThere) {
    IniFile f;
    f.parse("[TelSet]\r\nPTT Hold=30\r\n");
    EXPECT_TRUE(f.looksLikeText());
    std::vector<IniFile::Lookup> asked;
    f.recordLookups(&asked);
    (void)f.getInt("TelSet", "ptt hold");
    (void)f.getText("TelSet", "UserName");
    (void)f.has("QX710", "x");
    f.recordLookups(nullptr);
    (void)f.getRaw("TelSet", "after");
    ASSERT_EQ(asked.size(), 3u);
    EXPECT_TRUE(asked[0].found);
    EXPECT_FALSE(asked[1].found);
    EXPECT_EQ(asked[2].section, "QX710");

    f.parse(std::string("[TelSet]\r\nA=1\r\n\0\x7f", 16));
    EXPECT_FALSE(f.looksLikeText());
    f.parse("[TelSet]\r\n\tA=1\f\r\n");
    EXPECT_TRUE(f.looksLikeText());
}

TEST_F(IniGuardTest, AFileMarkedReadOnlyIsNotReplaced) {
    std::ofstream(path("kept.ini"), std::ios::binary) << "[TelSet]\r\nA=1\r\n";
    ::chmod(path("kept.ini").c_str(), 0444);
    IniFile f;
    f.parse("[TelSet]\r\nA=2\r\n");
    std::string error;
    EXPECT_FALSE(f.save(path("kept.ini"), &error));
    EXPECT_NE(error.find("read-only"), std::string::npos) << error;
    EXPECT_EQ(readFile(path("kept.ini")), "[TelSet]\r\nA=1\r\n");
    EXPECT_EQ(detail::whyNotWritable(path("kept.ini")), "the file is read-only");
}

TEST_F(IniGuardTest, WhyAPathCannotBeWritten) {
    fs::create_directories(path("sub"));
    const std::pair<std::string, std::optional<std::string>> cases[] = {
        {path("new.ini"), std::nullopt},
        {path("sub"), "is a directory"},
        {path("none/a.ini"), "folder " + path("none") + " does not exist"},
        {"/proc/rb-guard.ini", "folder /proc cannot take the file: "},
        {"", "no file named"},
    };
    for (const auto& [p, expected] : cases) {
        const auto got = detail::whyNotWritable(p);
        if (!expected) {
            EXPECT_FALSE(got) << p << ": " << *got;
        } else {
            ASSERT_TRUE(got) << p;
            EXPECT_EQ(got->rfind(*expected, 0), 0u) << p << ": " << *got;
        }
    }
    EXPECT_FALSE(fs::exists(path("new.ini"))) << "the look leaves nothing behind";
}

TEST_F(IniGuardTest, ASaveRemovesWhatAKilledProgramLeftButNotARunningOnesFile) {
    // A process that is gone: its PID is free once it has been reaped.
    const pid_t gone = ::fork();
    if (gone == 0) ::_exit(0);
    ::waitpid(gone, nullptr, 0);
    const std::string dead = path("a.ini.tmp-" + std::to_string(gone) + "-0");
    const std::string alive = path("a.ini.tmp-" + std::to_string(::getppid()) + "-3");
    const std::string other = path("b.ini.tmp-" + std::to_string(gone) + "-0");
    for (const auto& p : {dead, alive, other}) std::ofstream(p) << "half a file";
    IniFile f;
    f.parse("[TelSet]\r\nA=1\r\n");
    ASSERT_TRUE(f.save(path("a.ini")));
    EXPECT_FALSE(fs::exists(dead));
    EXPECT_TRUE(fs::exists(alive));
    EXPECT_TRUE(fs::exists(other)) << "another file's leftovers wait for that file's save";
}

}  // namespace
}  // namespace rb::ini
