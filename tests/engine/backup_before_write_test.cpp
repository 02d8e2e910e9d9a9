// "写前备份" on the two-page test container: a write click is held until a twin has read the
// terminal into the history, then goes through with its confirmation; a failed read writes
// nothing and says why.
#include "engine/backup_before_write.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "engine/fake_pages.h"

namespace rb::engine {
namespace {

namespace fs = std::filesystem;
using testing::Bench;

class BackupTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("rb_backup_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        bench.session.paths.dataDir = dir_.string();
        bench.container->setFactory([](Session& s) {
            auto c = std::make_unique<Container>(s, ContainerConfig{});
            c->addPage(std::make_unique<testing::FirstPage>(s), "基本信息");
            c->addPage(std::make_unique<testing::SecondPage>(s), "用户信息");
            return c;
        });
        ASSERT_TRUE(bench.open());
        backup.setEnabled(true);
        bench.first->form().setText(100, "77");  // what the user means to write
    }
    void TearDown() override { fs::remove_all(dir_); }
    void settle() { bench.timers.advance(Millis(100)); }
    std::size_t historyFiles() const { return ReadHistory(dir_.string()).list("test").size(); }

    Bench bench;
    BackupBeforeWrite backup{*bench.container, "test"};
    fs::path dir_;
};

TEST_F(BackupTest, TheTerminalIsReadAndKeptBeforeTheFirstWriteFrame) {
    EXPECT_FALSE(bench.first->form().click(kWriteButton)) << "the click is held";
    EXPECT_EQ(bench.codesWritten(), (std::vector<std::uint8_t>{0x10}));
    EXPECT_TRUE(bench.prompter.boxes.empty()) << "no confirmation before the backup";
    bench.answer(0x11, {42});
    bench.answer(0x13);
    settle();
    // The twin read it: the user's value stays in the window's form until written.
    ASSERT_EQ(bench.codesWritten(), (std::vector<std::uint8_t>{0x10, 0x12, 0x20}));
    EXPECT_EQ(bench.link().writes.back()[4], 77);
    ASSERT_EQ(historyFiles(), 1U);
    ASSERT_TRUE(backup.lastBackup());
    std::ifstream in(backup.lastBackup()->path, std::ios::binary);
    const std::string kept{std::istreambuf_iterator<char>(in), {}};
    EXPECT_NE(kept.find("First Value=42"), std::string::npos) << kept;
    ASSERT_FALSE(bench.prompter.boxes.empty());
    EXPECT_EQ(bench.prompter.boxes.front().text, kConfirmWrite) << "the write asks as always";

    // Off: a write goes straight out.
    backup.setEnabled(false);
    bench.answer(0x21);
    bench.timers.advance(Millis(5000));  // the buttons are locked for a while after a click
    EXPECT_TRUE(bench.first->form().click(kWriteButton));
    EXPECT_EQ(bench.codesWritten().back(), 0x20);
    EXPECT_EQ(historyFiles(), 1U);
}

TEST_F(BackupTest, AFailedBackupReadSendsNoWriteFrameAndSaysWhy) {
    const struct {
        const char* name;
        std::function<void(Bench&)> terminal;
    } cases[] = {
        {"no answer", [](Bench& b) { b.timers.advance(Millis(2100)); }},
        {"second step unanswered",
         [](Bench& b) {
             b.answer(0x11, {1});
             b.timers.advance(Millis(2100));
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        bench.prompter.boxes.clear();
        const std::size_t before = bench.codesWritten().size();
        bench.first->form().click(kWriteButton);
        c.terminal(bench);
        settle();
        const auto codes = bench.codesWritten();
        for (std::size_t i = before; i < codes.size(); ++i) EXPECT_NE(codes[i], 0x20);
        EXPECT_EQ(historyFiles(), 0U);
        ASSERT_FALSE(bench.prompter.boxes.empty());
        EXPECT_EQ(bench.prompter.lastText().rfind(kBackupFailed, 0), 0U)
            << bench.prompter.lastText();
        EXPECT_EQ(bench.session.theComm.receiver(), bench.container.get())
            << "the window's container takes the frames again";
    }
}

}  // namespace
}  // namespace rb::engine
