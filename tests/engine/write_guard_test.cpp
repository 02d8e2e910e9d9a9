// What stands between a form and the terminal: the strict number and text checks, the answer a
// chain waits for, and the look at a file before it reaches the forms.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "fake_pages.h"

namespace rb::testing {
namespace {

namespace fs = std::filesystem;

// A page that lends its checks and its request bookkeeping to the test.
class GuardPage : public engine::Page {
public:
    explicit GuardPage(engine::Session& s) : Page(s, 0) {
        form().addEdit(10, 0, "");
        form().addEdit(11, 0, "");
        form().addSpin(12, 11, 0, 255);
    }
    void OnFrame(const wire::FrameView&) override {}
    using Page::awaits;
    using Page::checkedNumber;
    using Page::checkText;
    using Page::send;
    using Page::takeAnswer;
};

struct GuardBench {
    engine::ManualTimers timers;
    engine::ScriptedPrompter prompter;
    engine::Session session{timers, prompter, engine::UserPaths::inDirectory("/tmp")};
    GuardPage page{session};
};

TEST(WriteGuardTest, TypedNumbersOutsideTheirRangeAreRefusedWithTheMessage) {
    const std::pair<const char*, std::optional<long long>> cases[] = {
        {"0", 0},
        {"255", 255},
        {"256", std::nullopt},
        {"-1", std::nullopt},
        {"999", std::nullopt},
        {"abc", std::nullopt},
        {"", std::nullopt},
        {"12abc", std::nullopt},
        {"\xEF\xBC\x91\xEF\xBC\x92\xEF\xBC\x93", std::nullopt},
    };
    for (const auto& [text, expected] : cases) {
        GuardBench b;
        b.page.form().setText(10, text);
        b.page.form().setText(11, text);
        const char* msg = "PTT时限设置不正确,请设为0-255!";
        EXPECT_EQ(b.page.checkedNumber(10, 0, 255, msg), expected) << text;
        // A spin is read through its buddy edit, by the same rule.
        EXPECT_EQ(b.page.checkedNumber(12, 0, 255, msg), expected) << text;
        EXPECT_EQ(b.prompter.boxes.size(), expected ? 0u : 2u) << text;
        if (!expected) {
            EXPECT_EQ(b.prompter.lastText(), msg);
        }
    }
}

TEST(WriteGuardTest, TextsLongerThanTheirFieldOrOutsideGbkAreRefusedByName) {
    const std::tuple<const char*, bool, const char*> cases[] = {
        {"王小明", true, ""},
        {"一二三四五六七八九", true, ""},  // 18 bytes
        {"一二三四五六七八九十", false, "机主姓名超出长度,最多19个字节(一个汉字占2个字节)!"},
        {"abcdefghijklmnopqrs", true, ""},
        {"abcdefghijklmnopqrst", false, "机主姓名超出长度,最多19个字节(一个汉字占2个字节)!"},
        {"王\xF0\x9F\x98\x80", false, "机主姓名含有无法发送的字符,请重新输入!"},
    };
    for (const auto& [text, ok, message] : cases) {
        GuardBench b;
        EXPECT_EQ(b.page.checkText(text, 19, "机主姓名"), ok) << text;
        EXPECT_EQ(b.prompter.lastText(), message) << text;
    }
}

TEST(WriteGuardTest, OnlyTheAnswerToTheRequestWaitedForIsTaken) {
    GuardBench b;
    EXPECT_FALSE(b.page.takeAnswer(0x16)) << "nothing was asked yet";
    b.page.send(wire::frame96(0x16, {0x00, 0x01}));
    EXPECT_FALSE(b.page.takeAnswer(0x20)) << "a stray acknowledgement";
    EXPECT_TRUE(b.page.awaits(0x16));
    EXPECT_TRUE(b.page.takeAnswer(0x16));
    EXPECT_FALSE(b.page.takeAnswer(0x16)) << "a second copy of the answer";

    // A time-out forgets the request: the late answer is no longer the chain's.
    b.page.send(wire::frame96(0x1E, {0x00, 0x01}));
    b.timers.advance(engine::kResponseTimeout);
    EXPECT_EQ(b.prompter.lastText(), engine::kFailedBox);
    EXPECT_FALSE(b.page.takeAnswer(0x1E));

    // A background send (a timed muster) leaves the request waited for alone.
    b.page.send(wire::frame96(0x3E, {0x00, 0x01}));
    b.page.send(wire::frame96(0x50), {false, false, true});
    EXPECT_TRUE(b.page.takeAnswer(0x3E));
}

// A container of the engine's fake pages, made again for every look at a file.
std::unique_ptr<engine::Container> fakeContainer(engine::Session& s) {
    auto c = std::make_unique<engine::Container>(s, engine::ContainerConfig{});
    c->addPage(std::make_unique<FirstPage>(s), "基本信息");
    c->addPage(std::make_unique<SecondPage>(s), "用户信息");
    return c;
}

TEST(WriteGuardTest, AFileThatHoldsNothingOfTheTypeLeavesTheFormsAlone) {
    const fs::path dir = fs::temp_directory_path() / ("rb_guard_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const std::tuple<const char*, std::string, std::string> cases[] = {
        {"empty.ini", "", "the file is empty"},
        {"binary.ini", std::string("[TelSet]\r\nFirst Value=1\r\n") + '\0' + "\x01\x02",
         "not a text file"},
        {"other.ini", "[QX710]\r\nFirst Value=1\r\n", "no [TelSet] section"},
        {"stranger.ini", "[TelSet]\r\nSomething=1\r\n", "none of the keys this type's write sends"},
    };
    for (const auto& [name, bytes, problem] : cases) {
        std::ofstream(dir / name, std::ios::binary) << bytes;
        Bench b;
        b.container->setFactory(fakeContainer);
        b.first->form().setText(100, "77");
        EXPECT_FALSE(b.container->loadFile((dir / name).string())) << name;
        EXPECT_EQ(b.container->lastFileVerdict().problem, problem) << name;
        EXPECT_EQ(b.prompter.lastText(), engine::kNotThisTypesFile) << name;
        EXPECT_EQ(b.first->form().text(100), "77") << name;
    }
    // The section and one key of it: loaded, the missing key named.
    std::ofstream(dir / "partial.ini", std::ios::binary) << "[TelSet]\r\nFirst Value=12\r\n";
    Bench b;
    b.container->setFactory(fakeContainer);
    EXPECT_TRUE(b.container->loadFile((dir / "partial.ini").string()));
    EXPECT_EQ(b.first->form().text(100), "12");
    EXPECT_EQ(b.container->lastFileVerdict().missingKeys, std::vector<std::string>{"TelSet/机主"});
    fs::remove_all(dir);
}

}  // namespace
}  // namespace rb::testing
