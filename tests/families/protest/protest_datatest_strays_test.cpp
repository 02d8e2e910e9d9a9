// Data-transmission test, mutual mode: only the echo waited for ends the wait and moves a file
// send on. A second echo, or one that comes after its 1000 ms wait ran out (with nothing sent
// since), is shown but sends nothing and is not measured again; a text GBK cannot carry is
// refused before it goes out.
#include <gtest/gtest.h>

#include <fstream>

#include "protest_bench.h"

namespace rb::testing {
namespace {

namespace ids = families::protest::ids;
namespace sr = families::protest::ids::sr;

struct EchoBench : ProtestBench {
    engine::FormModel& tf() { return container->dataTest().form(); }
    void startMutual() {
        form().click(ids::kMutualTest);
        form().click(ids::kDataTestButton);
    }
    void echo(const wire::Bytes& frame) {
        wire::Bytes p = {231};
        p.insert(p.end(), frame.begin() + 7, frame.end() - 1);
        answer(0xA3, p);
    }
    void sendFile(std::size_t bytes) {
        const std::string path = dir.file("send.bin");
        std::ofstream out(path, std::ios::binary);
        for (std::size_t i = 0; i < bytes; ++i) out.put(char('a' + i % 26));
        out.close();
        prompter.files.push_back(path);
        tf().click(sr::kChooseFile);
        tf().click(sr::kSendFile);
    }
};

TEST(ProtestDataTestStrays, AnEchoNotWaitedForIsShownButNotMeasured) {
    struct Case {
        const char* what;
        bool late;  // the echo comes after its wait ran out, else a second time
    };
    for (const Case& c : {Case{"second echo", false}, Case{"late echo", true}}) {
        EchoBench b;
        b.startMutual();
        b.tf().type(sr::kText, "ABC");
        b.tf().click(sr::kSendText);
        const wire::Bytes sent = b.lastWrite();
        if (c.late) {
            b.advance(1000);
            EXPECT_EQ(b.tf().text(sr::kRate), "100.000%") << c.what;
        } else {
            b.echo(sent);
            EXPECT_EQ(b.tf().text(sr::kRate), "  0.000%") << c.what;
        }
        const std::string shownRate = b.tf().text(sr::kRate);
        b.answer(0xA3, {200, 'X', 'Y', 'Z'});
        EXPECT_EQ(b.tf().text(sr::kRate), shownRate) << c.what;  // not measured again
        EXPECT_NE(b.tf().text(sr::kReceived).find("XYZ"), std::string::npos) << c.what;
        EXPECT_EQ(b.writes().size(), 1u) << c.what;
    }
}

TEST(ProtestDataTestStrays, AnEchoAfterTheFileIsSentSendsNothing) {
    EchoBench b;
    b.startMutual();
    b.sendFile(110 * 2);
    b.echo(b.lastWrite());
    ASSERT_EQ(b.writes().size(), 2u);
    b.echo(b.lastWrite());  // the last chunk's echo: the file is done
    b.echo(b.lastWrite());  // and once more
    b.advance(3000);
    EXPECT_EQ(b.writes().size(), 2u);
    EXPECT_FALSE(b.container->dataTest().awaitingEcho());
}

TEST(ProtestDataTestStrays, ATextGbkCannotCarryIsRefused) {
    EchoBench b;
    b.startMutual();
    const std::size_t before = b.writes().size();
    b.tf().type(sr::kText, "AB😀");
    b.tf().click(sr::kSendText);
    EXPECT_EQ(b.writes().size(), before);
    EXPECT_EQ(b.prompter.lastText(), "发送文本含有无法发送的字符,请重新输入!");
}

}  // namespace
}  // namespace rb::testing
