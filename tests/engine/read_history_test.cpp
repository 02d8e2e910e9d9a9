// The read history on disk: names by time and code, two reads in one second, the limit per
// type, listing order and files of other forms left alone.
#include "engine/read_history.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace rb::engine {
namespace {

namespace fs = std::filesystem;

std::string slurp(const std::string& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// 2026-12-10 14:14:03 local time.
std::time_t at(int hour, int minute, int second) {
    std::tm t{};
    t.tm_year = 2026 - 1900;
    t.tm_mon = 11;
    t.tm_mday = 10;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    t.tm_isdst = -1;
    return std::mktime(&t);
}

class ReadHistoryTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("rb_history_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::vector<std::string> names(const ReadHistory& h, const std::string& type) const {
        std::vector<std::string> out;
        for (const auto& e : h.list(type)) out.push_back(fs::path(e.path).filename().string());
        return out;
    }
    fs::path dir_;
};

TEST_F(ReadHistoryTest, EntriesAreNamedByTimeCodeAndOrderInTheirSecond) {
    const ReadHistory h(dir_.string());
    const struct {
        std::time_t when;
        std::string code;
        std::string name, shown;
    } reads[] = {
        {at(14, 14, 3), "", "20261210-141403.ini", "2026-12-10 14:14:03"},
        {at(14, 14, 3), "A1B2", "20261210-141403-A1B2_2.ini", "2026-12-10 14:14:03 #2"},
        {at(14, 14, 3), "", "20261210-141403_3.ini", "2026-12-10 14:14:03 #3"},
        {at(9, 5, 0), "1234/5 6", "20261210-090500-123456.ini", "2026-12-10 09:05:00"},
    };
    int n = 0;
    for (const auto& r : reads) {
        const std::string bytes = "[TelSet]\r\nN=" + std::to_string(++n) + "\r\n";
        std::string error;
        const auto e = h.add("lm52r", bytes, r.when, r.code, &error);
        ASSERT_TRUE(e) << error;
        EXPECT_EQ(fs::path(e->path).filename(), r.name);
        EXPECT_EQ(e->when(), r.shown);
        EXPECT_EQ(slurp(e->path), bytes) << "kept byte for byte";
    }
    // Not an entry: left alone and not listed.
    std::ofstream(h.folder("lm52r") + "/notes.ini") << "x";
    std::ofstream(h.folder("lm52r") + "/20261210-141403.txt") << "x";
    EXPECT_EQ(names(h, "lm52r"),
              (std::vector<std::string>{"20261210-090500-123456.ini", "20261210-141403.ini",
                                        "20261210-141403-A1B2_2.ini", "20261210-141403_3.ini"}));
    const auto listed = h.list("lm52r");
    EXPECT_EQ(listed[0].code, "123456");
    EXPECT_EQ(listed[2].code, "A1B2");
    EXPECT_EQ(listed[2].sequence, 2);
    EXPECT_TRUE(h.list("netradio").empty());
    h.add("netradio", "[A]\r\n", at(1, 0, 0), "");
    EXPECT_EQ(h.types(), (std::vector<std::string>{"lm52r", "netradio"}));
}

TEST_F(ReadHistoryTest, TheReadBeyondTheLimitRemovesTheOldestOfItsTypeOnly) {
    const ReadHistory h(dir_.string(), 5);
    h.add("other", "keep", at(0, 0, 0), "");
    std::vector<std::string> paths;
    for (int i = 0; i < 5; ++i) paths.push_back(h.add("lm52r", "r", at(10, 0, i), "")->path);
    ASSERT_EQ(h.list("lm52r").size(), 5U);
    h.add("lm52r", "sixth", at(10, 0, 5), "");
    const auto left = h.list("lm52r");
    ASSERT_EQ(left.size(), 5U);
    EXPECT_FALSE(fs::exists(paths[0])) << "the oldest goes";
    EXPECT_EQ(left.front().path, paths[1]);
    EXPECT_EQ(slurp(left.back().path), "sixth");
    EXPECT_EQ(h.list("other").size(), 1U);
}

TEST_F(ReadHistoryTest, TheDefaultLimitIsTwoHundred) {
    const ReadHistory h(dir_.string());
    for (int i = 0; i < 201; ++i) h.add("lm52r", std::to_string(i), at(12, i / 60, i % 60), "");
    const auto left = h.list("lm52r");
    ASSERT_EQ(left.size(), kHistoryLimit);
    EXPECT_EQ(slurp(left.front().path), "1") << "the 201st read removed the first";
    EXPECT_EQ(slurp(left.back().path), "200");
}

TEST_F(ReadHistoryTest, AFolderThatCannotBeMadeIsAReason) {
    fs::create_directories(dir_);
    std::ofstream((dir_ / "history").string()) << "a file where the folder goes";
    std::string error;
    EXPECT_FALSE(ReadHistory(dir_.string()).add("lm52r", "x", at(1, 1, 1), "", &error));
    EXPECT_NE(error.find("history"), std::string::npos) << error;
}

}  // namespace
}  // namespace rb::engine
