// Receive check, routing by requestPage or to every page, exception guard, and file routing.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "fake_pages.h"

using namespace std::chrono_literals;
using rb::testing::Bench;
using namespace rb;

TEST(ContainerRouting, AnswerGoesToThePageThatAskedWhicheverTabShows) {
    Bench b;
    ASSERT_TRUE(b.open());
    b.container->selectTab(0);
    b.second->form().click(500);
    EXPECT_EQ(b.session.requestPage, 1);
    b.answer(0x31);
    EXPECT_EQ(b.second->answers, 1);
    EXPECT_EQ(b.first->ignored, 0);
    b.session.requestPage = 7;  // any other value: the last page
    b.answer(0x31);
    EXPECT_EQ(b.second->answers, 2);
}

TEST(ContainerRouting, BroadcastReachesEveryPageAndOnlyTheKnowerReacts) {
    Bench b(engine::Routing::AllPages, wire::ChecksumTest::SkippedFor55);
    ASSERT_TRUE(b.open());
    b.answer(0x31);
    EXPECT_EQ(b.second->answers, 1);
    EXPECT_EQ(b.first->ignored, 1);
    EXPECT_EQ(b.first->form().text(100), "");
}

TEST(ContainerReceive, ChecksumAndFormCases) {
    struct Case {
        const char* name;
        wire::Bytes bytes;
        bool reachesPage;
        std::string traceEnd;  // how the received trace ends ("" = no trace at all)
    };
    const std::vector<Case> cases = {
        {"good 0x96",
         {0x96, 0x05, 0x80, 0x31, 0x00, 0x01, 0x96 ^ 0x05 ^ 0x80 ^ 0x31 ^ 0x01},
         true,
         "96 05 80 31 00 01 23 "},
        {"bad checksum",
         {0x96, 0x05, 0x80, 0x31, 0x00, 0x01, 0x00},
         false,
         "96 05 80 31 00 01 00 \r\n数据校验不正确!"},
        {"0xEC traced only", {0xEC, 0x00, 0x00, 0x31, 0x31}, false, "ec 00 00 31 31 "},
        {"0x96 shorter than 5 bytes",
         {0x96, 0x02, 0x80, 0x96 ^ 0x02 ^ 0x80},
         false,
         "96 02 80 14 "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Bench b;
        ASSERT_TRUE(b.open());
        b.session.requestPage = 1;
        b.link().receive(c.bytes);
        b.timers.advance(100ms);  // a frame cut short is delivered at the reader's deadline
        EXPECT_EQ(b.second->answers, c.reachesPage ? 1 : 0);
        ASSERT_FALSE(b.traces.empty());
        const std::string& t = b.traces.front().second;
        EXPECT_EQ(t.substr(t.size() - std::min(t.size(), c.traceEnd.size())), c.traceEnd);
        EXPECT_NE(t.find("接收信息(2008-08-11 09:30:05)"), std::string::npos);
    }
}

TEST(ContainerReceive, ExceptionInAPageBecomesATraceLine) {
    Bench b;
    ASSERT_TRUE(b.open());
    b.session.requestPage = 1;
    b.answer(0x77);
    EXPECT_EQ(b.lastTrace(), "\r\n接收数据处理失败!\r\n");
    EXPECT_EQ(b.traces.back().first, 0);
}

class ContainerFile : public ::testing::Test {
protected:
    void SetUp() override {
        dir = std::filesystem::temp_directory_path() /
              ("rb-container-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::filesystem::path dir;
};

TEST_F(ContainerFile, StoreThenLoadRestoresBothPagesWithOneBoxEach) {
    Bench b;
    b.first->form().setText(100, "123");
    b.second->form().setText(501, "张三");
    b.prompter.files.push_back((dir / "saved").string());  // no extension given: ".ini" added
    b.container->form().click(engine::kStoreFileButton);
    ASSERT_EQ(b.prompter.fileChoices.size(), 1u);
    EXPECT_TRUE(b.prompter.fileChoices[0].save);
    EXPECT_EQ(b.prompter.fileChoices[0].defaultName, "Test");
    EXPECT_EQ(b.prompter.texts(), (std::vector<std::string>{"文件保存成功!"}));
    ASSERT_TRUE(std::filesystem::exists(dir / "saved.ini"));

    b.first->form().setText(100, "");
    b.second->form().setText(501, "");
    b.prompter.files.push_back((dir / "saved.ini").string());
    b.container->form().click(engine::kOpenFileButton);
    EXPECT_EQ(b.first->form().text(100), "123");
    EXPECT_EQ(b.second->form().text(501), "张三");
    EXPECT_EQ(b.prompter.texts(), (std::vector<std::string>{"文件保存成功!", "文件打开成功!"}));
}

TEST_F(ContainerFile, CancelDoesNothingAndFailuresAreReported) {
    Bench b;
    b.prompter.files.push_back(std::nullopt);
    b.container->form().click(engine::kStoreFileButton);
    EXPECT_TRUE(b.prompter.boxes.empty());

    // A path whose folder is a plain file cannot be written.
    std::ofstream(dir / "plain").put('x');
    b.prompter.files.push_back((dir / "plain" / "x.ini").string());
    b.container->form().click(engine::kStoreFileButton);
    b.prompter.files.push_back((dir / "missing.ini").string());
    b.container->form().click(engine::kOpenFileButton);
    EXPECT_EQ(b.prompter.texts(), (std::vector<std::string>{"文件保存失败!", "文件打开失败!"}));
}

TEST_F(ContainerFile, StoringKeepsForeignKeysOfTheFile) {
    Bench b;
    const auto path = dir / "keep.ini";
    std::ofstream(path) << "[Other]\r\nKeep=1\r\n[TelSet]\r\nFirst Value=5\r\nMine=x\r\n";
    b.first->form().setText(100, "6");
    ASSERT_TRUE(b.container->storeFile(path.string(), false));
    ini::IniFile f;
    ASSERT_TRUE(f.load(path.string()));
    EXPECT_EQ(f.getRaw("Other", "Keep"), "1");
    EXPECT_EQ(f.getRaw("TelSet", "Mine"), "x");
    EXPECT_EQ(f.getRaw("TelSet", "First Value"), "6");
}
