#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

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
        fs::create_directory(path("folder"));
        writeFile(path("plain.txt"), "keep me");
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string path(const std::string& name) const { return (dir_ / name).string(); }
    static void writeFile(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static std::string readFile(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    // Every file with its content: shows a changed old file and a temporary file left behind.
    std::map<std::string, std::string> snapshot() const {
        std::map<std::string, std::string> files;
        for (const auto& entry : fs::recursive_directory_iterator(dir_))
            files[entry.path().string()] = entry.is_regular_file() ? readFile(entry.path()) : "";
        return files;
    }

    fs::path dir_;
};

TEST_F(IniSaveTest, SaveReplacesTheFileThroughALinkKeepingItsModeAndOtherLines) {
    writeFile(path("real.ini"), "[ProTest]\r\nkeep=me\r\nold=1\r\n");
    ASSERT_EQ(::chmod(path("real.ini").c_str(), 0640), 0);
    fs::create_symlink(path("real.ini"), path("link.ini"));

    IniFile file;
    ASSERT_TRUE(file.load(path("link.ini")));
    file.setRaw("ProTest", "old", "2");
    file.setText("TelSet", "UserName", "张三");
    std::string error;
    ASSERT_TRUE(file.save(path("link.ini"), &error)) << error;

    EXPECT_TRUE(fs::is_symlink(path("link.ini")));
    EXPECT_EQ(readFile(path("real.ini")),
              "[ProTest]\r\nkeep=me\r\nold=2\r\n\r\n[TelSet]\r\nUserName=\xd5\xc5\xc8\xfd\r\n");
    EXPECT_EQ(fs::status(path("real.ini")).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(snapshot().size(), 4u);  // no temporary file left beside folder and plain.txt
}

TEST_F(IniSaveTest, FailedSaveIsReportedAndLeavesEverythingAsItWas) {
    writeFile(path("TelSet.ini"), "[TelSet]\r\nPTT Hold=5\r\n");
    IniFile file;
    for (int i = 1; i <= 100; ++i) file.setInt("TelSet", "SendFrequency" + std::to_string(i), i);
    // The last one fails part of the way through the write, as a full disk does.
    for (const std::string& target : {path("plain.txt/x.ini"), path("folder"),
                                      path("missing/x.ini"), std::string(), path("TelSet.ini")}) {
        SCOPED_TRACE(target);
        const auto before = snapshot();
        rlimit previous{};
        ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &previous), 0);
        rlimit limit = previous;
        if (target == path("TelSet.ini")) limit.rlim_cur = 256;
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limit), 0);
        std::string error;
        const bool saved = file.save(target, &error);
        ::setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, previousHandler);
        EXPECT_FALSE(saved);
        EXPECT_FALSE(error.empty());
        EXPECT_EQ(snapshot(), before);
    }
}

TEST_F(IniSaveTest, LoadTellsMissingFromUnreadable) {
    for (const std::string& source : {path("none.ini"), path("plain.txt/x.ini"), path("folder")}) {
        SCOPED_TRACE(source);
        const bool missing = source != path("folder");  // loadIfExists then starts empty
        IniFile file;
        file.setRaw("S", "k", "kept");
        std::string error;
        EXPECT_FALSE(file.load(source, &error));
        EXPECT_FALSE(error.empty());
        EXPECT_EQ(file.getRaw("S", "k"), "kept");  // a failed load leaves the object as it was
        error.clear();
        EXPECT_EQ(file.loadIfExists(source, &error), missing);
        EXPECT_EQ(error.empty(), missing);
        EXPECT_EQ(file.getRaw("S", "k"), missing ? "" : "kept");
    }
}

}  // namespace
}  // namespace rb::ini
