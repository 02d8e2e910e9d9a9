// Production-test page: band table, frequency switching with its checks and row colouring.
#include <gtest/gtest.h>

#include "protest_bench.h"
#include "wire/codecs.h"

namespace rb::testing {
namespace {

namespace ids = families::protest::ids;
using families::protest::Power;

constexpr std::uint32_t kBlue = 0x0000FF;

TEST(ProtestBand, SwitchFramesAtBothSteps) {
    struct Case {
        int spacing;  // radio to click
        const char* frame;
    };
    const Case cases[] = {
        {ids::kSpacing25, "96 0A 80 10 00 01 F1 3E 80 3E 80 FC"},
        {ids::kSpacing12_5, "96 0A 80 10 00 01 F1 7D 00 7D 00 FC"},
    };
    for (const Case& c : cases) {
        ProtestBench b;
        b.form().click(c.spacing);
        b.form().click(ids::kRows[0].button);
        EXPECT_EQ(b.lastWrite(), hex(c.frame)) << c.frame;
        EXPECT_EQ(b.page().currentRow(), 1);
        b.answer(0x11);
        EXPECT_EQ(b.session.statusBar.text(2), "");  // cleared by the basic read it started
        EXPECT_EQ(b.lastWrite()[3], 0x93);
    }
}

TEST(ProtestBand, SwitchChecksTransmitFirstThenReceive) {
    struct Case {
        const char* tx;
        const char* rx;
        int spacing;
        const char* message;  // nullptr: the frame goes out
    };
    const Case cases[] = {
        {"4505251", "4505251", ids::kSpacing25, "发射频率设置不正确!"},
        {"4505251", "4000000", ids::kSpacing12_5, "发射频率设置不正确!"},
        {"4505250", "4505251", ids::kSpacing25, "接收频率设置不正确!"},
        {"4505250", "4505250", ids::kSpacing25, nullptr},
        {"4505250", "4505250", ids::kSpacing12_5, nullptr},
        {"abc", "-250", ids::kSpacing25, "发射频率设置不正确!"},  // no number: refused
        {"4505250", "-250", ids::kSpacing25, "接收频率设置不正确!"},
    };
    for (const Case& c : cases) {
        ProtestBench b;
        b.form().click(c.spacing);
        b.form().type(ids::kTestRow.tx, c.tx);
        b.form().type(ids::kTestRow.rx, c.rx);
        b.form().click(ids::kTestRow.button);
        if (!c.message) {
            ASSERT_EQ(b.writes().size(), 1u) << c.tx;
            EXPECT_EQ(b.lastWrite()[6], 0xF0);
            EXPECT_EQ(b.page().currentRow(), 6);
            continue;
        }
        EXPECT_TRUE(b.writes().empty()) << c.tx;
        ASSERT_EQ(b.prompter.boxes.size(), 1u);
        EXPECT_EQ(b.prompter.boxes[0].text, c.message);
        EXPECT_EQ(b.prompter.boxes[0].caption, "提示");
        EXPECT_EQ(b.prompter.boxes[0].icon, engine::Icon::None);
    }
}

TEST(ProtestBand, WriteAndReadBackTheTable) {
    ProtestBench b;
    b.form().click(ids::kSpacing12_5);
    b.form().type(ids::kRows[0].tx, "8191874");  // code 65534, the largest that fits
    b.form().type(ids::kRows[0].rx, "4000100");  // no multiple of 125: rounded down, no complaint
    b.form().click(ids::kWriteBandButton);
    const wire::Bytes w = b.lastWrite();
    ASSERT_EQ(w.size(), 31u);
    EXPECT_EQ(wire::Bytes(w.begin(), w.begin() + 10), hex("96 1D 80 9B 00 01 FF FE 7D 00"));
    EXPECT_EQ(w[26] << 8 | w[27], 4200000 / 125);  // the default pair closes the table
    b.answer(0x9C);
    EXPECT_EQ(b.session.statusBar.text(2), "更改频段成功");
    EXPECT_EQ(b.writes().size(), 1u);  // no sweep: nothing follows

    b.form().click(ids::kReadBandButton);
    EXPECT_EQ(b.lastWrite(), hex("96 05 80 9D 00 01 8F"));
    EXPECT_EQ(b.form().text(ids::kRows[2].tx), "");
    EXPECT_EQ(b.form().text(ids::kTestRow.tx), "4505250");  // not part of the table
    wire::Bytes codes = hex("38 7F 00 00");
    for (int k = 1; k < 6; ++k) codes.insert(codes.end(), {0xFF, 0xFF, 0x01, 0x00});
    b.answer(0x9E, codes);
    EXPECT_EQ(b.form().text(ids::kRows[0].tx), "1807875");
    EXPECT_EQ(b.form().text(ids::kRows[0].rx), "0");
    EXPECT_EQ(b.form().text(ids::kRows[1].tx), "8191875");  // 65535 x 125
    EXPECT_EQ(b.form().text(ids::kDefaultPair.rx), "32000");
    EXPECT_EQ(b.lastWrite()[3], 0x93);  // no sweep: the current row's set is read
    b.form().click(ids::kSpacing25);
    b.form().click(ids::kReadBandButton);  // an answer is taken only for a read sent
    b.answer(0x9E, codes);
    EXPECT_EQ(b.form().text(ids::kRows[1].tx), "1638375");  // 16383750 cut to 7 characters
}

TEST(ProtestBand, TheCurrentRowIsBlue) {
    ProtestBench b;
    auto blue = [&](int id) { return b.form().control(id).color == std::optional(kBlue); };
    EXPECT_TRUE(blue(ids::kTestRow.tx));  // no row yet: the test row
    b.form().click(ids::kRows[2].button);
    EXPECT_TRUE(blue(ids::kRows[2].tx) && blue(ids::kRows[2].rx));
    EXPECT_FALSE(blue(ids::kTestRow.tx) || blue(ids::kRows[0].tx) || blue(ids::kDefaultPair.tx));
    b.form().click(ids::kTestRow.button);
    b.answer(0x11);
    b.answer(0x94, {1, 1, 1, 1, 1, 1, 1, 1, 0x22, 0x00});  // row byte 0: current row 0
    EXPECT_EQ(b.page().currentRow(), 0);
    EXPECT_TRUE(blue(ids::kTestRow.tx) && blue(ids::kTestRow.rx));
    EXPECT_FALSE(blue(ids::kRows[2].tx));
}

}  // namespace
}  // namespace rb::testing
