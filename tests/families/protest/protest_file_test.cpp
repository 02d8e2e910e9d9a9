// Production-test page: the "ProTest" file — store and load, missing keys and refusals, and
// a file that holds nothing of the page.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "engine/container.h"
#include "ini/ini_file.h"
#include "protest_bench.h"
#include "wire/codecs.h"

namespace rb::testing {
namespace {

namespace ids = families::protest::ids;

TEST(ProtestFile, StoreAndLoadRoundTrip) {
    ProtestBench b;
    const std::string path = b.dir.file("bench.ini");
    {
        std::ofstream keep(path, std::ios::binary);
        keep << "[Other]\r\nKey=1\r\n";
    }
    auto& sets = b.page().calibrationSets();
    for (int r = 0; r < 5; ++r)
        for (int p = 0; p < 2; ++p)
            for (int i = 0; i < 8; ++i)
                sets[std::size_t(r)][std::size_t(p)][std::size_t(i)] = 100 + r * 20 + p * 10 + i;
    b.form().type(ids::kDefaultPair.tx, "4300000");
    b.form().type(ids::kDefaultPair.rx, "4350000");
    b.form().type(ids::kRows[4].rx, "4412500");
    b.prompter.files.push_back(path);
    b.form().click(ids::kStoreFile);
    ASSERT_EQ(b.prompter.fileChoices.size(), 1u);
    EXPECT_TRUE(b.prompter.fileChoices[0].save);
    EXPECT_EQ(b.prompter.fileChoices[0].defaultName, "ProTest");
    EXPECT_TRUE(b.prompter.boxes.empty());

    ini::IniFile file;
    ASSERT_TRUE(file.load(path));
    EXPECT_EQ(file.getText("Other", "Key"), "1");
    EXPECT_EQ(file.getText("ProTest", "发射频率06"), "4300000");
    EXPECT_EQ(file.getText("ProTest", "接收频率06"), "4350000");
    EXPECT_EQ(file.getText("ProTest", "接收频率05"), "4412500");
    EXPECT_EQ(file.getText("ProTest", "功率控制A1"), "110");  // row A, high power
    EXPECT_EQ(file.getText("ProTest", "功率控制A2"), "100");  // row A, low power
    EXPECT_EQ(file.getText("ProTest", "频率调整E2"), "187");
    const auto keys = file.keys("ProTest");
    ASSERT_EQ(keys.size(), 12u + 80u);
    EXPECT_EQ(keys[12], "功率控制A1");
    EXPECT_EQ(keys[20], "功率控制A2");
    EXPECT_EQ(keys[91], "频率调整E2");

    ProtestBench other;
    other.prompter.files.push_back(path);
    other.form().click(ids::kOpenFile);
    EXPECT_EQ(other.page().calibrationSets(), sets);
    EXPECT_EQ(other.form().text(ids::kDefaultPair.rx), "4350000");
    EXPECT_EQ(other.form().text(ids::kRows[4].rx), "4412500");
    EXPECT_FALSE(other.page().fileMark());  // loading does not set it
    EXPECT_TRUE(other.writes().empty());
}

TEST(ProtestFile, MissingKeysReadAsZeroAndFailuresAreShown) {
    ProtestBench b;
    const std::string path = b.dir.file("part.ini");
    {
        std::ofstream f(path, std::ios::binary);
        // One key of the page (the 6th pair's receive frequency, in GBK as files hold it).
        f << "[ProTest]\r\n" << wire::utf8ToGbk("接收频率06") << "=4350000\r\n";
    }
    b.page().calibrationSets()[0][0] = {9, 9, 9, 9, 9, 9, 9, 9};
    b.prompter.files.push_back(path);
    b.form().click(ids::kOpenFile);
    EXPECT_EQ(b.page().calibrationSets()[0][0], families::protest::CalibrationSet{});
    EXPECT_EQ(b.form().text(ids::kRows[0].tx), "");

    b.prompter.files.push_back(b.dir.file("missing/x.ini"));
    b.form().click(ids::kStoreFile);
    b.prompter.files.push_back(b.dir.file("absent.ini"));
    b.form().click(ids::kOpenFile);
    EXPECT_EQ(b.prompter.texts(), (std::vector<std::string>{"文件保存失败!", "文件打开失败!"}));
}

// "打开文件" on the production page: a file that holds nothing of the page (empty, random
// bytes, another type's section) is refused with one box and the form stays as it was.
TEST(ProtestFile, OpeningAFileWithoutTheProductionKeysChangesNothing) {
    const std::string dir = ::testing::TempDir();
    const std::pair<const char*, std::string> files[] = {
        {"rb_protest_empty.ini", ""},
        {"rb_protest_binary.ini", std::string("[ProTest]\r\n发射频率01=1\r\n") + '\0'},
        {"rb_protest_other.ini", "[TelSet]\r\n发射频率01=4000000\r\n"},
        {"rb_protest_stranger.ini", "[ProTest]\r\nWhatever=1\r\n"},
    };
    for (const auto& [name, bytes] : files) {
        const std::string path = dir + name;
        std::ofstream(path, std::ios::binary) << bytes;
        ProtestBench b;
        b.form().type(ids::kRows[0].tx, "4505250");
        b.prompter.files.push_back(path);
        b.form().click(ids::kOpenFile);
        ASSERT_EQ(b.prompter.boxes.size(), 1u) << name;
        EXPECT_EQ(b.prompter.boxes[0].text, engine::kNotThisTypesFile) << name;
        EXPECT_EQ(b.form().text(ids::kRows[0].tx), "4505250") << name;
        std::remove(path.c_str());
    }
}

}  // namespace
}  // namespace rb::testing
