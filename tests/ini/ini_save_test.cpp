#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "ini/ini_file.h"

namespace rb::ini {
namespace {

namespace fs = std::filesystem;

class IniSaveTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "ini_save_test_XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string path(const std::string& name) const { return (dir_ / name).string(); }

    static void writeFile(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static std::string readFile(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream out;
        out << in.rdbuf();
        return out.str();
    }
    // Every file under the test directory with its content: shows both a changed old file and
    // a temporary file left behind.
    std::map<std::string, std::string> snapshot() const {
        std::map<std::string, std::string> files;
        for (const auto& entry : fs::recursive_directory_iterator(dir_)) {
            files[entry.path().string()] = entry.is_regular_file() ? readFile(entry.path()) : "";
        }
        return files;
    }

    fs::path dir_;
};

TEST_F(IniSaveTest, SaveWritesTheSerializedBytesAndLoadsBack) {
    IniFile file;
    file.setText("TelSet", "UserName", "张三");
    file.setInt("TelSet", "PTT Hold", 30);
    std::string error;
    ASSERT_TRUE(file.save(path("TelSet.ini"), &error)) << error;

    EXPECT_EQ(readFile(path("TelSet.ini")), file.serialize());
    EXPECT_EQ(snapshot().size(), 1u);  // no temporary file left

    IniFile reread;
    ASSERT_TRUE(reread.load(path("TelSet.ini"), &error)) << error;
    EXPECT_EQ(reread.getText("TelSet", "UserName"), "张三");
    EXPECT_EQ(reread.getInt("TelSet", "PTT Hold"), 30);
}

TEST_F(IniSaveTest, SaveReplacesAnExistingFileKeepingItsMode) {
    const std::string target = path("ProTest.ini");
    writeFile(target, "[ProTest]\r\nkeep=me\r\nold=1\r\n");
    ASSERT_EQ(::chmod(target.c_str(), 0640), 0);

    IniFile file;
    ASSERT_TRUE(file.load(target));
    file.setRaw("ProTest", "old", "2");
    ASSERT_TRUE(file.save(target));

    EXPECT_EQ(readFile(target), "[ProTest]\r\nkeep=me\r\nold=2\r\n");
    struct stat st {};
    ASSERT_EQ(::stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(snapshot().size(), 1u);
}

TEST_F(IniSaveTest, SaveThroughASymbolicLinkKeepsTheLink) {
    writeFile(path("real.ini"), "[S]\r\nk=1\r\n");
    fs::create_symlink(path("real.ini"), path("link.ini"));

    IniFile file;
    ASSERT_TRUE(file.load(path("link.ini")));
    file.setRaw("S", "k", "2");
    ASSERT_TRUE(file.save(path("link.ini")));

    EXPECT_TRUE(fs::is_symlink(path("link.ini")));
    EXPECT_EQ(readFile(path("real.ini")), "[S]\r\nk=2\r\n");
}

TEST_F(IniSaveTest, FailedSaveIsReportedAndLeavesEverythingAsItWas) {
    writeFile(path("plain.txt"), "keep me");
    fs::create_directory(path("folder"));
    writeFile(path("folder/inner.ini"), "[S]\r\nk=inner\r\n");
    struct Case {
        const char* name;
        std::string target;
    };
    const std::vector<Case> cases = {
        {"parent is a regular file", path("plain.txt/x.ini")},
        {"target is a directory", path("folder")},
        {"directory does not exist", path("missing/x.ini")},
        {"no path", ""},
    };
    IniFile file;
    file.setRaw("S", "k", "new");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto before = snapshot();
        std::string error;
        EXPECT_FALSE(file.save(c.target, &error));
        EXPECT_FALSE(error.empty());
        EXPECT_EQ(snapshot(), before);
    }
}

TEST_F(IniSaveTest, WriteErrorMidwayKeepsTheOldFile) {
    // A file-size limit makes the write fail part of the way, as a full disk does.
    const std::string target = path("TelSet.ini");
    const std::string old = "[TelSet]\r\nPTT Hold=5\r\n";
    writeFile(target, old);
    IniFile file;
    ASSERT_TRUE(file.load(target));
    for (int i = 1; i <= 100; ++i) file.setInt("TelSet", "SendFrequency" + std::to_string(i), i);

    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit previousLimit{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &previousLimit), 0);
    rlimit small = previousLimit;
    small.rlim_cur = 256;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    std::string error;
    const bool saved = file.save(target, &error);
    ::setrlimit(RLIMIT_FSIZE, &previousLimit);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(saved);
    EXPECT_NE(error.find("cannot write"), std::string::npos) << error;
    EXPECT_EQ(readFile(target), old);
    EXPECT_EQ(snapshot().size(), 1u);
}

TEST_F(IniSaveTest, LoadTellsMissingFromUnreadable) {
    fs::create_directory(path("folder"));
    writeFile(path("plain.txt"), "x");
    struct Case {
        const char* name;
        std::string source;
        bool loads, loadsIfExists;
    };
    const std::vector<Case> cases = {
        {"missing file", path("none.ini"), false, true},
        {"parent is a regular file", path("plain.txt/x.ini"), false, true},
        {"a directory", path("folder"), false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        IniFile file;
        file.setRaw("S", "k", "kept");
        std::string error;
        EXPECT_EQ(file.load(c.source, &error), c.loads);
        EXPECT_FALSE(error.empty());
        // A failed load leaves the object as it was.
        EXPECT_EQ(file.getRaw("S", "k"), "kept");

        error.clear();
        EXPECT_EQ(file.loadIfExists(c.source, &error), c.loadsIfExists);
        EXPECT_EQ(error.empty(), c.loadsIfExists);
        EXPECT_EQ(file.getRaw("S", "k"), c.loadsIfExists ? "" : "kept");
    }
}

}  // namespace
}  // namespace rb::ini
