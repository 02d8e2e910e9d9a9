// Production-test page: nothing wrong reaches the terminal. Calibration values and band-table
// frequencies are refused before any frame when they are no whole number or do not fit their
// byte or code; "全部改写" checks every step of its sweep before its first frame; every chain
// moves only on its own answer, so a stray frame neither turns a read into a write nor stops the
// response timer; a verification sees every stored set, not just the one the fields show.
#include <gtest/gtest.h>

#include "engine/write_verify.h"
#include "ini/ini_file.h"
#include "protest_bench.h"

namespace rb::testing {
namespace {

namespace ids = families::protest::ids;
using families::protest::CProTest;
using families::protest::Power;

TEST(ProtestWriteChecks, ABadCalibrationFieldIsRefusedAndNothingIsSent) {
    struct Case {
        int field;  // index into the calibration table
        const char* text;
    };
    const Case cases[] = {
        {0, "256"}, {0, "-1"},    {0, "999"}, {0, "abc"}, {0, "１２３"},
        {0, ""},    {0, "12abc"}, {0, "a-9"}, {7, "256"}, {7, "x7"},
    };
    for (const Case& c : cases) {
        ProtestBench b;
        const auto& ctl = ids::kCalibration[std::size_t(c.field)];
        b.form().type(ctl.edit, c.text);
        b.form().click(ids::kWriteBasicButton);
        EXPECT_TRUE(b.writes().empty()) << c.text;
        EXPECT_EQ(b.prompter.lastText(), std::string(ctl.name) + "设置不正确,请设为0-255!")
            << c.text;
        EXPECT_FALSE(b.responseTimerRunning()) << c.text;
    }
}

TEST(ProtestWriteChecks, TheEdgesOfTheRangeGoOut) {
    ProtestBench b;
    b.form().type(ids::kCalibration[0].edit, "255");
    b.form().type(ids::kCalibration[7].edit, "0");
    b.form().click(ids::kWriteBasicButton);
    ASSERT_EQ(b.writes().size(), 1u);
    EXPECT_EQ(b.lastWrite()[6], 0xFF);
    EXPECT_EQ(b.lastWrite()[13], 0x00);
}

TEST(ProtestWriteChecks, ASpinWithAnotherBadFieldSendsNothing) {
    ProtestBench b;
    b.form().type(ids::kCalibration[3].edit, "300");
    b.form().spin(ids::kCalibration[0].spin, +1);
    EXPECT_TRUE(b.writes().empty());
    EXPECT_EQ(b.prompter.lastText(), "静噪调节设置不正确,请设为0-255!");
}

// A "ProTest" file: twelve frequencies and eighty calibration values, all valid, then `bad`.
std::string protestFile(const std::vector<std::pair<std::string, std::string>>& bad) {
    ini::IniFile f;
    for (int k = 1; k <= 6; ++k) {
        f.setText("ProTest", "发射频率0" + std::to_string(k), "4000000");
        f.setText("ProTest", "接收频率0" + std::to_string(k), "4000000");
    }
    for (char row = 'A'; row <= 'E'; ++row)
        for (char level : {'1', '2'})
            for (const auto& c : ids::kCalibration)
                f.setText("ProTest", std::string(c.name) + row + level, "7");
    for (const auto& [key, value] : bad) f.setText("ProTest", key, value);
    return f.serialize();
}

TEST(ProtestWriteChecks, TheWholeWriteSweepIsCheckedBeforeItsFirstFrame) {
    struct Case {
        std::string key, value, message;
    };
    const Case cases[] = {
        // The last basic write of the sweep (row E, high power).
        {"频率调整E1", "256", "频率调整E1设置不正确,请设为0-255!"},
        {"功率控制E1", "-1", "功率控制E1设置不正确,请设为0-255!"},
        {"功率控制A2", "abc", "功率控制A2设置不正确,请设为0-255!"},
        {"灵敏度C1", "１２３", "灵敏度C1设置不正确,请设为0-255!"},
        {"灵敏度C2", "12abc", "灵敏度C2设置不正确,请设为0-255!"},
        {"提示音量B1", "", "提示音量B1设置不正确,请设为0-255!"},
        // The band table: codes of 16 bits at 25 kHz.
        {"发射频率01", "16384000", "频率1发射频率设置不正确,请设为0-16383749!"},
        {"接收频率05", "16777217", "频率5接收频率设置不正确,请设为0-16383749!"},
        {"发射频率06", "42x", "默认频率发射频率设置不正确,请设为0-16383749!"},
    };
    for (const Case& c : cases) {
        for (const bool fromCli : {false, true}) {
            ProtestBench b;
            ini::IniFile file;
            file.parse(protestFile({{c.key, c.value}}));
            b.page().loadFile(file);
            if (fromCli) {
                // `radiobench-cli write protest` checks the page before anything is sent.
                EXPECT_FALSE(b.page().precheckFileWrite()) << c.key;
            } else {
                b.form().click(ids::kWriteAllButton);
                EXPECT_EQ(b.page().sweepFlag(), 0) << c.key;
                EXPECT_FALSE(b.page().fileMark()) << c.key;
            }
            EXPECT_TRUE(b.writes().empty()) << c.key;
            EXPECT_EQ(b.prompter.lastText(), c.message) << c.key;
        }
    }
    // The same file without a fault passes and its sweep goes out whole.
    ProtestBench b(true);
    ini::IniFile file;
    file.parse(protestFile({}));
    b.page().loadFile(file);
    EXPECT_TRUE(b.page().precheckFileWrite());
    b.form().click(ids::kWriteAllButton);
    b.advance(5000);
    EXPECT_EQ(b.session.activity.requests, 11);
    EXPECT_EQ(b.terminal->calibration(0x55, 0x44),
              (sim::ProtestTerminal::Calibration{7, 7, 7, 7, 7, 7, 7, 7}));
}

TEST(ProtestWriteChecks, TheBandWriteButtonRefusesACodeThatDoesNotFit) {
    struct Case {
        int step;  // spacing radio to click
        const char* text;
        bool sent;
    };
    const Case cases[] = {
        {ids::kSpacing25, "16383749", true},  {ids::kSpacing25, "16383750", false},
        {ids::kSpacing12_5, "8191874", true}, {ids::kSpacing12_5, "9999999", false},
        {ids::kSpacing25, "", true},          {ids::kSpacing25, "4000100", true},  // rounded down
        {ids::kSpacing25, "-250", false},
    };
    for (const Case& c : cases) {
        ProtestBench b;
        b.form().click(c.step);
        b.form().setText(ids::kRows[2].rx, c.text);  // as a file puts it, 8 digits too
        b.form().click(ids::kWriteBandButton);
        EXPECT_EQ(b.writes().size(), c.sent ? 1u : 0u) << c.text;
        if (!c.sent) {
            const std::string most = c.step == ids::kSpacing25 ? "16383749" : "8191874";
            EXPECT_EQ(b.prompter.lastText(), "频率3接收频率设置不正确,请设为0-" + most + "!");
        }
    }
}

// Plays the terminal for `answered` steps of a sweep on the fake port, each step answered with
// the code of the request just sent + 1.
void answerSteps(ProtestBench& b, int answered) {
    for (int i = 0; i < answered; ++i) {
        const wire::Bytes last = b.lastWrite();
        ASSERT_FALSE(last.empty());
        switch (last[3]) {
            case 0x9D:
                b.answer(0x9E, wire::Bytes(24, 0x3E));  // code 0x3E3E at 25 kHz: valid rows
                break;
            case 0x93:
                b.answer(0x94, {1, 2, 3, 4, 5, 6, 7, 8, last[6], last[7]});
                break;
            default:
                b.answer(std::uint8_t(last[3] + 1));
                break;
        }
    }
}

TEST(ProtestStrayAnswers, AStrayNeverMovesASweepAndTheTimeOutStaysArmed) {
    struct Case {
        int sweep;
        int answered;          // steps of the sweep answered before the stray
        std::uint8_t awaited;  // the request then waiting
        std::uint8_t stray;
    };
    const Case cases[] = {
        {ids::kReadAllButton, 0, 0x9D, 0x92},  {ids::kReadAllButton, 0, 0x9D, 0x9C},
        {ids::kReadAllButton, 1, 0x10, 0x92},  {ids::kReadAllButton, 2, 0x93, 0x9C},
        {ids::kReadAllButton, 2, 0x93, 0x90},  {ids::kReadAllButton, 2, 0x93, 0x96},
        {ids::kReadAllButton, 2, 0x93, 0x98},  {ids::kReadAllButton, 2, 0x93, 0xA1},
        {ids::kReadAllButton, 3, 0x10, 0x9E},  {ids::kReadAllButton, 4, 0x93, 0x11},
        {ids::kReadAllButton, 2, 0x93, 0x9A},  {ids::kWriteAllButton, 0, 0x9B, 0x92},
        {ids::kWriteAllButton, 0, 0x9B, 0x94}, {ids::kWriteAllButton, 1, 0x91, 0x9C},
        {ids::kWriteAllButton, 2, 0x91, 0x11}, {ids::kWriteAllButton, 3, 0x91, 0x90},
        {ids::kWriteAllButton, 1, 0x91, 0xA5},
    };
    for (const Case& c : cases) {
        const std::string name = std::to_string(c.sweep) + "/" + std::to_string(c.answered) + "/" +
                                 std::to_string(c.stray);
        ProtestBench b;
        b.form().click(c.sweep);
        answerSteps(b, c.answered);
        ASSERT_EQ(b.lastWrite()[3], c.awaited) << name;
        const std::size_t before = b.writes().size();
        b.advance(1500);  // the awaited answer is lost
        b.answer(c.stray, wire::Bytes(24, 0x3E));
        EXPECT_EQ(b.writes().size(), before) << name;  // nothing sent, no write frame
        EXPECT_TRUE(b.responseTimerRunning()) << name;
        EXPECT_EQ(b.page().sweepFlag(), 1) << name;
        b.advance(500);  // 2000 ms after the last request
        EXPECT_EQ(b.session.statusBar.text(2), "操作失败") << name;
        EXPECT_EQ(b.prompter.lastText(), "操作失败！请检查设备连接是否正常？") << name;
        EXPECT_EQ(b.page().sweepFlag(), 0) << name;
        // The awaited answer coming late is no one's any more.
        answerSteps(b, 1);
        EXPECT_EQ(b.writes().size(), before) << name;
    }
}

TEST(ProtestStrayAnswers, EverySingleRequestWaitsForItsOwnAnswer) {
    struct Case {
        int button;
        std::uint8_t request;
        std::uint8_t stray;
    };
    const Case cases[] = {
        {ids::kReadMonitorButton, 0x95, 0x98}, {ids::kTransmitOn, 0x97, 0x96},
        {ids::kFieldFirst, 0xA0, 0x90},        {ids::kReadBasicButton, 0x99, 0x9E},
        {ids::kRows[0].button, 0x10, 0x94},    {ids::kReadBandButton, 0x9D, 0x11},
        {ids::kWriteBandButton, 0x9B, 0x92},   {ids::kWriteBasicButton, 0x91, 0x9C},
        {ids::kInitTypeButton, 0x9F, 0xA1},
    };
    for (const Case& c : cases) {
        ProtestBench b;
        b.form().click(c.button);
        ASSERT_EQ(b.lastWrite()[3], c.request) << c.button;
        const std::size_t before = b.writes().size();
        b.session.statusBar.SetText(2, "waiting");
        b.answer(c.stray, wire::Bytes(24, 0x3E));
        EXPECT_EQ(b.writes().size(), before) << c.button;
        EXPECT_TRUE(b.responseTimerRunning()) << c.button;
        EXPECT_EQ(b.session.statusBar.text(2), "waiting") << c.button;
        b.advance(2000);
        EXPECT_EQ(b.session.statusBar.text(2), "操作失败") << c.button;
    }
}

TEST(ProtestStrayAnswers, AWriteAcknowledgementDuringAReadSweepAgainstTheBench) {
    for (const char* stray : {"96 05 80 92 00 01 80", "96 05 80 9C 00 01 8E"}) {
        ProtestBench b(true);
        // The write acknowledgement arrives in the middle of the sweep, and then every 100 ms.
        sim::Faults faults;
        faults.unsolicited = hex(stray);
        faults.unsolicitedAt = sim::Micros(50000);
        faults.unsolicitedEvery = sim::Micros(100000);
        b.simLink->line().setFaults(faults);
        b.form().click(ids::kReadAllButton);
        b.advance(5000);
        EXPECT_EQ(b.session.activity.requests, 22);
        EXPECT_EQ(b.prompter.texts(), std::vector<std::string>{"全部数据读取成功!"});
        // Nothing was written: the terminal holds its factory sets.
        const sim::ProtestTerminal factory;
        for (std::uint8_t row : {0x11, 0x22, 0x33, 0x44, 0x55})
            for (std::uint8_t p : {0x22, 0x44})
                EXPECT_EQ(b.terminal->calibration(row, p), factory.calibration(row, p)) << stray;
    }
}

TEST(ProtestVerify, AVerificationComparesEveryStoredSetAsAskedFor) {
    ProtestBench b(true);
    auto& sets = b.page().calibrationSets();
    for (int r = 0; r < 5; ++r)
        for (int p = 0; p < 2; ++p)
            for (int i = 0; i < 8; ++i)
                sets[std::size_t(r)][std::size_t(p)][std::size_t(i)] = 10 + r * 20 + p * 10 + i;
    b.page().fileWriteChains()[0]();
    b.advance(5000);
    ASSERT_EQ(b.prompter.lastText(), "全部数据改写成功!");
    const engine::FormSnapshot written(b.page());
    // The terminal kept something else for row A at low power (not the set the fields show).
    b.terminal->setCalibration(0x11, 0x22, {10, 11, 12, 99, 14, 15, 16, 17});
    b.page().fileReadChains()[0]();
    b.advance(5000);
    ASSERT_EQ(b.prompter.lastText(), "全部数据读取成功!");
    const auto differences = written.differences(b.page());
    ASSERT_EQ(differences.size(), 1u);
    EXPECT_EQ(differences[0].id, CProTest::storedEdit(1, Power::Low, 3));
    EXPECT_EQ(differences[0].written, "13");
    EXPECT_EQ(differences[0].read, "99");
}

TEST(ProtestVerify, AStoredFileRoundTripsOddValuesAsTyped) {
    ProtestBench b;
    ini::IniFile file;
    file.parse(protestFile({{"功率控制A1", "abc"}, {"功率控制B2", "300"}}));
    b.page().loadFile(file);
    ini::IniFile out;
    b.page().storeFile(out);
    EXPECT_EQ(out.getText("ProTest", "功率控制A1"), "abc");
    EXPECT_EQ(out.getText("ProTest", "功率控制B2"), "300");
    EXPECT_EQ(out.getText("ProTest", "功率控制C2"), "7");
}

}  // namespace
}  // namespace rb::testing
