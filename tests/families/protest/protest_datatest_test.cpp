// Data-transmission test: the hand-over from the production page, the three modes, text and
// hexadecimal sends, the file send state machine, the receive display and file, the rates.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "families/protest/data_quality.h"
#include "protest_bench.h"

namespace rb::testing {
namespace {

namespace ids = families::protest::ids;
namespace sr = families::protest::ids::sr;
namespace fs = std::filesystem;
using families::protest::CProSRTest;
using families::protest::kTestPattern;

struct DataTestBench : ProtestBench {
    using ProtestBench::ProtestBench;

    CProSRTest& test() { return container->dataTest(); }
    engine::FormModel& tf() { return test().form(); }
    // Chooses a mode on the production page and presses "数传测试".
    void start(int modeRadio) {
        form().click(modeRadio);
        form().click(ids::kDataTestButton);
    }
    // A data answer: 96 N 80 A3 00 01 q data cs.
    void data(const std::string& text, std::uint8_t q = 200) {
        wire::Bytes p = {q};
        p.insert(p.end(), text.begin(), text.end());
        answer(0xA3, p);
    }
    void echoLast() {
        const wire::Bytes w = lastWrite();
        wire::Bytes p = {231};
        p.insert(p.end(), w.begin() + 7, w.end() - 1);
        answer(0xA3, p);
    }
    // The data bytes of written frame i (96 L+6 80 A2 00 01 mode data cs).
    wire::Bytes sentData(std::size_t i) {
        const wire::Bytes& w = writes().at(i);
        return wire::Bytes(w.begin() + 7, w.end() - 1);
    }
    std::string file(const std::string& name, std::size_t bytes) {
        const std::string p = dir.file(name);
        std::ofstream out(p, std::ios::binary);
        for (std::size_t i = 0; i < bytes; ++i) out.put(char('a' + i % 26));
        return p;
    }
    void chooseFile(const std::string& path) {
        prompter.files.push_back(path);
        tf().click(sr::kChooseFile);
    }
};

std::string withWrong(std::string s, std::size_t at) {
    s[at] = s[at] == 'X' ? 'Y' : 'X';
    return s;
}

TEST(ProtestDataTest, HandOverAndBack) {
    struct Case {
        int radio;
        const char* title;
        bool sendControls;
        const char* text;  // box 1440 afterwards
        std::size_t frames;
    };
    const Case cases[] = {
        {ids::kFixtureTest, "数传测试: 工装测试(串口速率:9600)", false, "", 1},
        {ids::kPlainTest, "数传测试: 普通测试(串口速率:9600)", true, kTestPattern, 0},
        {ids::kMutualTest, "数传测试: 收发互测(串口速率:9600)", true, "", 0},
    };
    for (const Case& c : cases) {
        DataTestBench b;
        b.start(c.radio);
        EXPECT_EQ(b.container->currentTab(), 1u) << c.title;
        EXPECT_EQ(b.tf().text(sr::kTitle), c.title);
        EXPECT_EQ(b.tf().enabled(sr::kSendText), c.sendControls);
        EXPECT_EQ(b.tf().enabled(sr::kChooseFile), c.sendControls);
        EXPECT_EQ(b.tf().text(sr::kText), c.text);
        EXPECT_FALSE(b.form().enabled(ids::kPlainTest));
        ASSERT_EQ(b.writes().size(), c.frames);
        if (c.frames) {
            EXPECT_EQ(b.lastWrite(), hex("96 07 80 A2 00 01 01 00 B3"));
        }
        EXPECT_FALSE(b.responseTimerRunning());  // no 0xA2 frame arms the response timer

        b.container->OnShow();  // back to the production page through the main window
        b.tf().click(sr::kAutoSend);
        b.form().click(ids::kStopTestButton);
        EXPECT_EQ(b.lastWrite(), hex("96 07 80 A2 00 01 00 00 B2"));
        EXPECT_EQ(b.container->currentTab(), 0u);
        EXPECT_TRUE(b.form().enabled(ids::kPlainTest));
        EXPECT_FALSE(b.tf().checked(sr::kAutoSend));
    }
}

TEST(ProtestDataTest, FixtureRates) {
    struct Case {
        std::string data;
        const char* rate;
    };
    const std::string p = kTestPattern;
    const Case cases[] = {
        {p, "  0.000%"},
        {withWrong(p, 37), "  0.909%"},
        {"", "100.000%"},
        {p.substr(0, 55), " 50.000%"},  // the missing half counts as wrong
    };
    for (const Case& c : cases) {
        DataTestBench b;
        b.start(ids::kFixtureTest);
        b.data(c.data, 231);
        EXPECT_EQ(b.tf().text(sr::kRate), c.rate) << c.data;
        EXPECT_EQ(b.tf().text(sr::kQuality), "231");
        EXPECT_EQ(b.tf().text(sr::kReceivedCount),
                  c.data.empty() ? "" : std::to_string(c.data.size()));
        EXPECT_EQ(b.traces.back(), "\r\n数传测试返回!");
    }
}

TEST(ProtestDataTest, TheAverageOfTenRestarts) {
    DataTestBench b;
    b.start(ids::kFixtureTest);
    std::string tenth = kTestPattern;  // 11 wrong bytes of 110: a rate of 0.1
    for (std::size_t k = 0; k < 11; ++k) tenth[k * 10] = '#';
    for (int i = 1; i <= 10; ++i) {
        b.data(tenth);
        EXPECT_EQ(b.tf().text(sr::kAverage), i < 10 ? "" : " 10.000%") << i;
    }
    for (int i = 1; i <= 10; ++i) b.data(kTestPattern);
    EXPECT_EQ(b.tf().text(sr::kAverage), "  0.000%");  // a fresh sum after the tenth
}

TEST(ProtestDataTest, MutualEchoAndMissingEcho) {
    DataTestBench b;
    b.start(ids::kMutualTest);
    b.tf().type(sr::kText, "ABC");
    b.tf().click(sr::kSendText);
    EXPECT_EQ(b.lastWrite(), hex("96 09 80 A2 00 01 03 41 42 43 FF"));
    EXPECT_EQ(b.tf().text(sr::kSentCount), "3");
    b.advance(999);
    EXPECT_EQ(b.tf().text(sr::kRate), "");
    b.advance(1);
    EXPECT_EQ(b.tf().text(sr::kRate), "100.000%");
    EXPECT_EQ(b.tf().text(sr::kAverage), "100.000%");  // at once, with one sample
    b.tf().click(sr::kSendText);
    b.data("ABD", 99);
    EXPECT_EQ(b.tf().text(sr::kRate), " 33.333%");
    EXPECT_EQ(b.tf().text(sr::kAverage), "100.000%");  // two samples: not ten yet
    b.advance(5000);
    EXPECT_EQ(b.tf().text(sr::kRate), " 33.333%");  // the echo stopped the wait
    // A send of length 0 has no rate; the average is left alone.
    b.tf().setText(sr::kText, "");
    b.tf().click(sr::kSendText);
    b.data("");
    EXPECT_EQ(b.tf().text(sr::kRate), "-");
}

TEST(ProtestDataTest, PlainTestShowsNoRate) {
    DataTestBench b;
    b.start(ids::kPlainTest);
    b.tf().click(sr::kSendText);
    EXPECT_EQ(b.sentData(0), wire::Bytes(kTestPattern, kTestPattern + 110));
    EXPECT_EQ(b.lastWrite()[6], 2);
    b.data("garbage");
    b.data(kTestPattern);
    EXPECT_EQ(b.tf().text(sr::kRate), "");
    EXPECT_EQ(b.tf().text(sr::kQuality), "");
    EXPECT_EQ(b.tf().text(sr::kReceivedCount), "117");
}

TEST(ProtestDataTest, HexSend) {
    struct Case {
        const char* text;
        const char* bytes;  // nullptr: the warning, nothing sent
    };
    const Case cases[] = {
        {"AA BB CC", "AA BB CC"}, {"AABB", "AA"},  {"A!", "00"},
        {"aa-0f,7", "AA 0F"},     {"AG", nullptr}, {"11 2z", nullptr},
    };
    for (const Case& c : cases) {
        DataTestBench b;
        b.start(ids::kPlainTest);
        b.tf().click(sr::kHexSend);
        b.tf().type(sr::kText, c.text);
        b.tf().click(sr::kSendText);
        if (!c.bytes) {
            EXPECT_TRUE(b.writes().empty()) << c.text;
            ASSERT_EQ(b.prompter.boxes.size(), 1u);
            EXPECT_EQ(b.prompter.boxes[0].text, "请输入正确的16进制字符串!");
            EXPECT_EQ(b.prompter.boxes[0].caption, "输入错误");
            EXPECT_EQ(b.prompter.boxes[0].icon, engine::Icon::Warning);
            EXPECT_EQ(b.tf().text(sr::kSentCount), "");
            continue;
        }
        ASSERT_EQ(b.writes().size(), 1u) << c.text;
        EXPECT_EQ(b.sentData(0), hex(c.bytes)) << c.text;
    }
}

TEST(ProtestDataTest, AutomaticSendAndItsHexWarning) {
    DataTestBench b;
    b.start(ids::kPlainTest);
    b.tf().type(sr::kPeriod, "5x00");  // digits only
    EXPECT_EQ(b.tf().text(sr::kPeriod), "500");
    b.tf().click(sr::kAutoSend);
    EXPECT_FALSE(b.tf().enabled(sr::kSendFile));
    EXPECT_FALSE(b.tf().enabled(sr::kStopSending));
    b.advance(1000);
    EXPECT_EQ(b.writes().size(), 2u);
    EXPECT_FALSE(b.session.activity.awaitingAnswer);  // nobody waits for a timed send
    b.tf().click(sr::kAutoSend);
    EXPECT_TRUE(b.tf().enabled(sr::kSendFile));
    b.advance(2000);
    EXPECT_EQ(b.writes().size(), 2u);
    // A bad pair stops the automatic send after one warning.
    b.tf().click(sr::kHexSend);
    b.tf().type(sr::kText, "GG");
    b.tf().click(sr::kAutoSend);
    b.advance(5000);
    EXPECT_EQ(b.writes().size(), 2u);
    EXPECT_EQ(b.prompter.boxes.size(), 1u);
}

TEST(ProtestDataTest, FileChunksInBothModes) {
    struct Case {
        int radio;
        int firstAfterMs;  // mode 2 paces; mode 3 sends the first at once
    };
    for (const Case& c : {Case{ids::kMutualTest, 0}, Case{ids::kPlainTest, 300}}) {
        DataTestBench b;
        b.start(c.radio);
        b.chooseFile(b.file("send.bin", 221));
        EXPECT_EQ(b.tf().text(sr::kFilePath), b.dir.file("send.bin"));
        b.tf().click(sr::kSendFile);
        EXPECT_TRUE(b.test().transferInProgress());
        EXPECT_FALSE(b.tf().enabled(sr::kSendText));
        EXPECT_FALSE(b.tf().enabled(sr::kSendFile));  // never started twice
        EXPECT_EQ(b.form().value(ids::kFixtureTest), 0);
        for (int chunk = 0; chunk < 3; ++chunk) {
            if (c.radio == ids::kMutualTest) {
                ASSERT_EQ(b.writes().size(), std::size_t(chunk + 1));
                if (chunk < 2) b.echoLast();
            } else {
                b.advance(c.firstAfterMs - 1);
                EXPECT_EQ(b.writes().size(), std::size_t(chunk));
                b.advance(1);
                ASSERT_EQ(b.writes().size(), std::size_t(chunk + 1));
            }
        }
        EXPECT_EQ(b.sentData(0).size(), 110u);
        EXPECT_EQ(b.sentData(1).size(), 110u);
        EXPECT_EQ(b.sentData(2), wire::Bytes{'m'});  // byte 220 of the file
        EXPECT_FALSE(b.test().transferInProgress());
        EXPECT_TRUE(b.tf().enabled(sr::kSendText));
        EXPECT_EQ(b.tf().text(sr::kSentCount), "221");
        EXPECT_EQ(b.tf().text(sr::kFileInfo), "文件长度: 221 字节  已发送: 3/3 块");
    }
}

TEST(ProtestDataTest, MutualFileGoesOnAfterALostEchoAndStopsAtOnce) {
    DataTestBench b;
    b.start(ids::kMutualTest);
    b.chooseFile(b.file("send.bin", 1100));
    b.tf().click(sr::kSendFile);
    b.echoLast();
    EXPECT_EQ(b.tf().text(sr::kRate), "  0.000%");
    ASSERT_EQ(b.writes().size(), 2u);
    b.advance(1000);  // no echo: 100%, and the next chunk goes
    EXPECT_EQ(b.tf().text(sr::kRate), "100.000%");
    ASSERT_EQ(b.writes().size(), 3u);
    EXPECT_EQ(b.tf().value(sr::kProgress), 3);
    // Other buttons work while it runs.
    EXPECT_TRUE(b.tf().click(sr::kClearStatus));
    EXPECT_EQ(b.tf().text(sr::kSentCount), "");
    b.tf().click(sr::kStopSending);
    EXPECT_FALSE(b.test().transferInProgress());
    b.echoLast();
    b.advance(5000);
    EXPECT_EQ(b.writes().size(), 3u);
    EXPECT_TRUE(b.tf().enabled(sr::kSendFile));
    EXPECT_EQ(b.tf().value(sr::kProgress), 0);
}

TEST(ProtestDataTest, FilesThatCannotBeSent) {
    DataTestBench b;
    b.start(ids::kMutualTest);
    b.tf().click(sr::kSendFile);
    EXPECT_EQ(b.prompter.lastText(), "请选择发送的文件!");
    b.chooseFile(b.dir.file("missing.bin"));
    b.tf().click(sr::kSendFile);
    EXPECT_EQ(b.prompter.lastText(), "文件打开失败!(" + b.dir.file("missing.bin") + ")");
    EXPECT_TRUE(b.writes().empty());
    EXPECT_TRUE(b.tf().enabled(sr::kSendFile));
}

TEST(ProtestDataTest, ALargeFileKeepsItsLength) {
    DataTestBench b;
    b.start(ids::kMutualTest);
    const std::string big = b.dir.file("big.bin");
    const std::uint64_t length = (std::uint64_t(1) << 31) + 10;  // sparse: no disk is used
    { std::ofstream(big, std::ios::binary).put('x'); }
    fs::resize_file(big, length);
    b.chooseFile(big);
    b.tf().click(sr::kSendFile);
    EXPECT_EQ(b.test().fileLength(), length);
    EXPECT_EQ(b.test().chunkCount(), (length + 109) / 110);
    EXPECT_EQ(b.tf().text(sr::kFileInfo), "文件长度: 2147483658 字节  已发送: 1/19522579 块");
    EXPECT_EQ(b.sentData(0)[0], 'x');
    b.tf().click(sr::kStopSending);
    EXPECT_EQ(b.writes().size(), 1u);
}

TEST(ProtestDataTest, ReceiveDisplay) {
    const std::string block(100, 'r');
    struct Case {
        bool newLine;
        bool hex;
        int blocks;
        std::size_t length;  // of the box afterwards
    };
    const Case cases[] = {
        {true, false, 2, 202},
        {false, false, 2, 200},
        {true, false, 50, 50 * 100 + 49 * 2},  // 4998 characters before the 50th: kept
        {true, false, 51, 100},                // 5100 before the 51st: emptied first
        {false, true, 1, 300},                 // " 72" a byte
    };
    for (const Case& c : cases) {
        DataTestBench b;
        b.start(ids::kPlainTest);
        if (!c.newLine) b.tf().click(sr::kNewLine);
        if (c.hex) b.tf().click(sr::kHexShow);
        for (int i = 0; i < c.blocks; ++i) b.data(block);
        EXPECT_EQ(b.tf().text(sr::kReceived).size(), c.length) << c.blocks;
    }
    DataTestBench b;
    b.start(ids::kPlainTest);
    b.data("one");
    b.tf().click(sr::kPauseShow);
    EXPECT_EQ(b.tf().text(sr::kPauseShow), "继续显示");
    b.data("two");  // counted, not shown
    EXPECT_EQ(b.tf().text(sr::kReceived), "one");
    EXPECT_EQ(b.tf().text(sr::kReceivedCount), "6");
    b.tf().click(sr::kPauseShow);
    b.data(std::string("th\0ree", 6));
    EXPECT_EQ(b.tf().text(sr::kReceived), "one\r\nth");
}

TEST(ProtestDataTest, DataLengthNeverBelowZero) {
    DataTestBench b;
    b.start(ids::kFixtureTest);
    b.opener.last->receive(hex("96 04 80 A3 00 B1"));  // N = 4: no data bytes
    EXPECT_EQ(b.tf().text(sr::kReceivedCount), "");
    EXPECT_EQ(b.tf().text(sr::kRate), "100.000%");
}

TEST(ProtestDataTest, TheReceiveFileStaysInItsFolder) {
    struct Case {
        const char* name;
        const char* written;  // nullptr: no file
    };
    const Case cases[] = {
        {"rx.bin", "rx.bin"}, {"../../../rx2.bin", "rx2.bin"}, {"", nullptr},
        {"..", nullptr},      {"send.bin", nullptr},  // the file being sent
    };
    for (const Case& c : cases) {
        DataTestBench b;
        b.start(ids::kMutualTest);
        const fs::path folder = b.test().receiveFolder();
        fs::create_directories(folder);
        const std::string send = (folder / "send.bin").string();
        { std::ofstream(send, std::ios::binary) << "hello"; }
        b.chooseFile(send);
        b.tf().type(sr::kReceiveFile, c.name);
        b.tf().click(sr::kSaveReceived);
        b.tf().click(sr::kSendFile);
        b.data("hellx");
        b.data("again");
        EXPECT_EQ(folder, fs::path(b.dir.path) / "datatest");
        std::ifstream in(send, std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "hello") << c.name;
        if (c.written) {
            std::ifstream rx(folder / c.written, std::ios::binary);
            EXPECT_EQ(std::string(std::istreambuf_iterator<char>(rx), {}), "hellxagain") << c.name;
        } else {
            std::size_t files = 0;
            for (const auto& e : fs::directory_iterator(folder)) files += e.is_regular_file();
            EXPECT_EQ(files, 1u) << c.name;
        }
        EXPECT_TRUE(b.prompter.boxes.empty()) << b.prompter.lastText();
    }
}

TEST(ProtestDataTest, TheBenchTerminalEchoesWithBitErrors) {
    struct Case {
        double bitErrors;
        bool clean;
    };
    for (const Case& c : {Case{0.0, true}, Case{0.02, false}}) {
        DataTestBench b(/*simulated=*/true);
        b.terminal->setBitErrors(c.bitErrors, 7);
        b.start(ids::kMutualTest);
        b.chooseFile(b.file("send.bin", 1100));
        b.tf().click(sr::kSendFile);
        for (int i = 0; i < 200 && b.test().transferInProgress(); ++i) b.advance(50);
        b.advance(2000);
        EXPECT_FALSE(b.test().transferInProgress());
        EXPECT_EQ(b.tf().text(sr::kSentCount), "1100");
        EXPECT_EQ(b.tf().text(sr::kReceivedCount), "1100");
        EXPECT_EQ(b.tf().text(sr::kAverage) == "  0.000%", c.clean) << b.tf().text(sr::kAverage);
        EXPECT_EQ(b.tf().text(sr::kQuality) == "255", c.clean);
    }
    DataTestBench b(true);
    b.start(ids::kFixtureTest);
    b.advance(3000);
    EXPECT_TRUE(b.terminal->fixtureRunning());
    EXPECT_EQ(b.tf().text(sr::kAverage), "  0.000%");  // ten pattern answers
    EXPECT_EQ(b.tf().text(sr::kReceivedCount), "1100");
}

}  // namespace
}  // namespace rb::testing
