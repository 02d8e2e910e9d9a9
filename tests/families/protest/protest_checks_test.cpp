// Production-test page: the device checks — monitor readings with their grades, transmitter
// and model commands, field-strength points.
#include <gtest/gtest.h>

#include "protest_bench.h"

namespace rb::testing {
namespace {

namespace ids = families::protest::ids;

TEST(ProtestChecks, MonitorReadingsWithTheirGrades) {
    struct Case {
        std::uint8_t q;
        const char* shown;
    };
    const Case cases[] = {{0xE7, "理想--231"}, {230, "优良--230"}, {211, "优良--211"},
                          {210, "一般--210"},  {171, "一般--171"}, {170, "较差--170"},
                          {0, "较差--0"},      {255, "理想--255"}};
    for (const Case& c : cases) {
        ProtestBench b;
        b.form().click(ids::kReadMonitorButton);
        EXPECT_EQ(b.lastWrite(), hex("96 05 80 95 00 01 87"));
        b.answer(0x96, {0x01, 0x02, 0x03, 0x04, c.q});
        EXPECT_EQ(b.form().text(ids::kVoltage), "258");
        EXPECT_EQ(b.form().text(ids::kSupply), "772");
        EXPECT_EQ(b.form().text(ids::kQuality), c.shown);
        EXPECT_EQ(b.session.statusBar.text(2), "监测参数读取成功");
    }
}

TEST(ProtestChecks, TransmitterAndModelVariant) {
    ProtestBench b;
    b.form().click(ids::kModelDigital2);  // untimed, transmitter off
    EXPECT_EQ(b.lastWrite(), hex("96 07 80 97 00 01 AA 00 2D"));
    EXPECT_FALSE(b.responseTimerRunning());
    b.form().click(ids::kTransmitOn);
    EXPECT_EQ(b.lastWrite(), hex("96 07 80 97 00 01 AA 55 78"));
    EXPECT_TRUE(b.responseTimerRunning());
    b.answer(0x98);
    EXPECT_EQ(b.session.statusBar.text(2), "电台发射打开完成");
    EXPECT_EQ(b.traces.back(), "\r\n电台发射打开完成!");

    b.session.statusBar.SetText(2, "x");
    b.form().click(ids::kModelAnalog);
    EXPECT_EQ(b.lastWrite(), hex("96 07 80 97 00 01 55 55 87"));
    EXPECT_FALSE(b.responseTimerRunning());
    EXPECT_EQ(b.session.statusBar.text(2), "x");  // not cleared
    // Written first, then traced.
    EXPECT_NE(b.traces.back().find("96 07 80 97 00 01 55 55 87"), std::string::npos);
    b.answer(0x98);
    EXPECT_EQ(b.session.statusBar.text(2), "电台发射打开完成");  // by the last button's flag

    b.form().click(ids::kTransmitOff);
    EXPECT_EQ(b.lastWrite(), hex("96 07 80 97 00 01 55 00 d2"));
    b.answer(0x98);
    EXPECT_EQ(b.session.statusBar.text(2), "电台发射关闭完成");
    EXPECT_EQ(b.page().transmitterState(), 0);
}

TEST(ProtestChecks, FieldStrengthPointsAfterTheirConfirmation) {
    struct Case {
        int button;
        const char* question;
        std::uint8_t point;
    };
    const Case cases[] = {{ids::kFieldFirst, "确认设置第一格场强为-116dBm?", 0x11},
                          {ids::kFieldFifth, "确认设置第五格场强为-90dBm?", 0x22},
                          {ids::kFieldDefault, "确认设置场强为缺省值?", 0x33}};
    for (const Case& c : cases) {
        ProtestBench b;
        b.session.statusBar.SetText(2, "before");
        b.prompter.answers = {engine::Answer::Cancel};
        b.form().click(c.button);
        EXPECT_TRUE(b.writes().empty());
        EXPECT_EQ(b.session.statusBar.text(2), "before");
        ASSERT_EQ(b.prompter.boxes.size(), 1u);
        EXPECT_EQ(b.prompter.boxes[0].text, c.question);
        EXPECT_EQ(b.prompter.boxes[0].caption, "提示");
        EXPECT_EQ(b.prompter.boxes[0].icon, engine::Icon::Question);
        EXPECT_EQ(b.prompter.boxes[0].buttons, engine::Buttons::OkCancel);
        b.form().click(c.button);
        wire::Bytes want = wire::frame96(0xA0, {0x00, 0x01, c.point});
        EXPECT_EQ(b.lastWrite(), want);
        b.answer(0xA1);
        EXPECT_EQ(b.session.statusBar.text(2), "场强档位设置成功");
    }
    ProtestBench b;
    b.answer(0xA5);  // whenever it comes
    EXPECT_EQ(b.traces.back(), "\r\n驻波基准设置成功!");
}

}  // namespace
}  // namespace rb::testing
