// Production-test page: calibration values, spins, power radios, the two sweeps and how they
// end, against a fake port and against the simulated bench terminal.
#include <gtest/gtest.h>

#include "protest_bench.h"

namespace rb::testing {
namespace {

namespace ids = families::protest::ids;
using families::protest::Power;

TEST(ProtestCalibration, BasicWriteCarriesTheFieldsTheRowAndThePowerByte) {
    ProtestBench b;
    b.form().click(ids::kRows[2].button);  // 切换 row 3: it is current at once
    b.form().click(ids::kHighPower);       // reads the row's set at high power
    EXPECT_EQ(b.lastWrite(), hex("96 07 80 93 00 01 44 33 f4"));
    for (const auto& c : ids::kCalibration) EXPECT_EQ(b.form().text(c.edit), "0");  // reset first
    for (const auto& c : ids::kCalibration) b.form().type(c.edit, "1");
    b.form().click(ids::kWriteBasicButton);
    EXPECT_EQ(b.lastWrite(), hex("96 0F 80 91 00 01 01 01 01 01 01 01 01 01 44 33 FE"));
    EXPECT_TRUE(b.responseTimerRunning());
    // Not a number, or above 255: refused, nothing more is sent.
    const std::size_t sent = b.writes().size();
    b.form().type(ids::kCalibration[0].edit, "x7");
    b.form().type(ids::kCalibration[1].edit, "257");
    b.form().click(ids::kWriteBasicButton);
    EXPECT_EQ(b.writes().size(), sent);
    EXPECT_EQ(b.prompter.lastText(), "功率控制设置不正确,请设为0-255!");
}

TEST(ProtestCalibration, AnswerWithoutARowStoresNothing) {
    ProtestBench b;
    ASSERT_EQ(b.page().currentRow(), 0);
    b.form().click(ids::kLowPower);  // ReadBasic with no row switched yet
    EXPECT_EQ(b.lastWrite(), hex("96 07 80 93 00 01 22 00 a1"));
    b.answer(0x94, {9, 8, 7, 6, 5, 4, 3, 2, 0x44, 0x00});
    EXPECT_EQ(b.form().text(ids::kCalibration[0].edit), "9");
    EXPECT_EQ(b.form().radio(ids::kLowPower), 1);  // any power byte but 0x22 is high
    EXPECT_EQ(b.page().currentRow(), 0);
    for (const auto& row : b.page().calibrationSets())
        for (const auto& set : row) EXPECT_EQ(set, families::protest::CalibrationSet{});
    EXPECT_EQ(b.session.statusBar.text(2), "基本参数读取成功");
    EXPECT_FALSE(b.responseTimerRunning());

    // With a row byte the set of that row and level is kept and the row becomes current.
    b.form().click(ids::kLowPower);  // an answer is taken only for a read sent
    b.answer(0x94, {1, 2, 3, 4, 5, 6, 7, 8, 0x22, 0x44});
    EXPECT_EQ(b.page().currentRow(), 4);
    EXPECT_EQ(b.page().calibrationSets()[3][int(Power::Low)],
              (families::protest::CalibrationSet{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(b.form().control(ids::kRows[3].tx).color, std::optional<std::uint32_t>(0x0000FF));
}

TEST(ProtestCalibration, EverySpinClickWritesTheWholeSetOnce) {
    struct Case {
        int value;  // index into the calibration table
        const char* start;
        int delta;
        const char* shown;
        std::uint8_t sent;
    };
    const Case cases[] = {
        {0, "255", +1, "0", 0}, {7, "0", -1, "255", 255}, {3, "41", +1, "42", 42},
        {5, "300", -1, "0", 0}, {2, "abc", +1, "1", 1},
    };
    for (const Case& c : cases) {
        ProtestBench b;
        const auto& ctl = ids::kCalibration[std::size_t(c.value)];
        b.form().type(ctl.edit, c.start);
        b.form().spin(ctl.spin, c.delta);
        EXPECT_EQ(b.form().text(ctl.edit), c.shown) << c.start;
        ASSERT_EQ(b.writes().size(), 1u) << c.start;
        EXPECT_EQ(b.lastWrite()[3], 0x91);
        EXPECT_EQ(b.lastWrite()[6 + std::size_t(c.value)], c.sent) << c.start;
        EXPECT_TRUE(b.responseTimerRunning());
    }
}

TEST(ProtestCalibration, ReadSweepFillsEverySetInTwentyTwoExchanges) {
    ProtestBench b(true);
    b.form().click(ids::kReadAllButton);
    EXPECT_TRUE(b.page().transferInProgress());
    b.advance(5000);
    EXPECT_EQ(b.session.activity.requests, 22);
    EXPECT_EQ(b.prompter.texts(), std::vector<std::string>{"全部数据读取成功!"});
    EXPECT_EQ(b.page().sweepFlag(), 0);
    EXPECT_EQ(b.form().radio(ids::kLowPower), 1);  // 高功率
    EXPECT_EQ(b.page().currentRow(), 5);
    const std::uint8_t rowBytes[] = {0x11, 0x22, 0x33, 0x44, 0x55};
    for (int r = 0; r < 5; ++r) {
        for (Power p : {Power::Low, Power::High}) {
            const auto want = b.terminal->calibration(rowBytes[r], p == Power::Low ? 0x22 : 0x44);
            for (int i = 0; i < 8; ++i)
                EXPECT_EQ(b.page().calibrationSets()[std::size_t(r)][int(p)][std::size_t(i)],
                          want[std::size_t(i)]);
        }
    }
    // The band table came in too; the last row's boxes are blue.
    EXPECT_EQ(b.form().text(ids::kRows[4].tx), "4400000");
    EXPECT_TRUE(b.form().control(ids::kRows[4].rx).color);
    EXPECT_FALSE(b.form().control(ids::kTestRow.tx).color);
}

TEST(ProtestCalibration, WriteSweepSendsTheStoredSetsNotTheFields) {
    {
        // A fresh start writes ten zero sets.
        ProtestBench b(true);
        for (const auto& c : ids::kCalibration) b.form().type(c.edit, "9");
        b.form().click(ids::kWriteAllButton);
        EXPECT_TRUE(b.page().fileMark());
        b.advance(5000);
        EXPECT_EQ(b.session.activity.requests, 11);  // one band write, ten basic writes
        EXPECT_EQ(b.prompter.texts(), std::vector<std::string>{"全部数据改写成功!"});
        EXPECT_FALSE(b.page().fileMark());
        EXPECT_EQ(b.page().sweepFlag(), 0);
        for (std::uint8_t row : {0x11, 0x22, 0x33, 0x44, 0x55})
            for (std::uint8_t p : {0x22, 0x44})
                EXPECT_EQ(b.terminal->calibration(row, p), sim::ProtestTerminal::Calibration{});
        EXPECT_EQ(b.terminal->band()[0], 16000);  // 4000000 at 25 kHz
    }
    {
        // Loaded sets go to the rows and levels they belong to.
        ProtestBench b(true);
        auto& sets = b.page().calibrationSets();
        for (int r = 0; r < 5; ++r)
            for (int p = 0; p < 2; ++p)
                for (int i = 0; i < 8; ++i)
                    sets[std::size_t(r)][std::size_t(p)][std::size_t(i)] = r * 20 + p * 10 + i;
        b.form().click(ids::kWriteAllButton);
        b.advance(5000);
        EXPECT_EQ(b.terminal->calibration(0x33, 0x44),
                  (sim::ProtestTerminal::Calibration{50, 51, 52, 53, 54, 55, 56, 57}));
        EXPECT_EQ(b.terminal->calibration(0x11, 0x22),
                  (sim::ProtestTerminal::Calibration{0, 1, 2, 3, 4, 5, 6, 7}));
    }
}

TEST(ProtestCalibration, ATimeOutEndsASweepAndSwitchingTalksAgain) {
    for (const int sweepButton : {ids::kReadAllButton, ids::kWriteAllButton}) {
        ProtestBench b;
        b.form().click(sweepButton);
        EXPECT_EQ(b.page().sweepFlag(), 1);
        b.advance(2000);
        EXPECT_EQ(b.page().sweepFlag(), 0);
        EXPECT_FALSE(b.page().fileMark());
        EXPECT_FALSE(b.page().transferInProgress());
        EXPECT_EQ(b.session.statusBar.text(2), "操作失败");
        EXPECT_EQ(b.prompter.lastText(), "操作失败！请检查设备连接是否正常？");
        const std::size_t before = b.writes().size();
        b.form().click(ids::kRows[1].button);
        ASSERT_EQ(b.writes().size(), before + 1);
        EXPECT_EQ(b.lastWrite()[3], 0x10);
    }
}

TEST(ProtestCalibration, ASweepThatMeetsNoRowEndsAsAFailure) {
    ProtestBench b(true);
    b.terminal->answerNextReadWithRow(0x00);
    b.form().click(ids::kReadAllButton);
    b.advance(5000);
    EXPECT_EQ(b.page().sweepFlag(), 0);
    EXPECT_EQ(b.session.activity.failures, 1);
    EXPECT_EQ(b.session.statusBar.text(2), "操作失败");
    EXPECT_EQ(b.prompter.texts(), std::vector<std::string>{"操作失败！请检查设备连接是否正常？"});
    EXPECT_EQ(b.session.activity.requests, 3);  // band read, switch, basic read: nothing more
}

TEST(ProtestCalibration, PowerRadiosReadOrShowTheStoredSet) {
    ProtestBench b;
    b.page().calibrationSets()[1][int(Power::High)] = {1, 2, 3, 4, 5, 6, 7, 8};
    b.form().click(ids::kRows[1].button);
    b.answer(0x11);  // the switch answer reads the row
    EXPECT_EQ(b.lastWrite(), hex("96 07 80 93 00 01 22 22 83"));
    // While "全部改写" runs (file mark set) a radio shows the stored set and sends nothing.
    b.form().click(ids::kWriteAllButton);
    const std::size_t before = b.writes().size();
    b.page().SwitchRow(2);
    b.form().click(ids::kHighPower);
    EXPECT_EQ(b.writes().size(), before);
    EXPECT_EQ(b.form().text(ids::kCalibration[7].edit), "8");
}

}  // namespace
}  // namespace rb::testing
