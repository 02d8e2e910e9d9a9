// The train-station base page against a hand-played station: both chains byte by byte, the
// 16- and 24-bit channel codes, the code tables at their edges, where a write stops.
#include <gtest/gtest.h>

#include "families/train/train_bench.h"

using namespace rb;
using rb::testing::kTrainCommon12_5;
using rb::testing::kTrainCommon25;
using rb::testing::kTrainCommon6_25;
using rb::testing::TrainBench;
using rb::testing::trainConcat;
namespace ids = rb::families::train::base_ids;

namespace {

int tx(int k) { return ids::kRows[k - 1].tx; }
int rx(int k) { return ids::kRows[k - 1].rx; }

// 0x17 payload: 00, group, then 16 (tx, rx) codes of `width` bytes each.
wire::Bytes frequencyPayload(std::uint8_t group, std::size_t width,
                             const std::vector<std::uint32_t>& codes) {
    wire::Bytes p = {0x00, group};
    for (int i = 0; i < 32; ++i) {
        const std::uint32_t c = i < int(codes.size()) ? codes[std::size_t(i)] : 0;
        if (width == 3)
            wire::putU24be(p, c);
        else
            wire::putU16be(p, c);
    }
    return p;
}

void readUpToFrequencies(TrainBench& b, const wire::Bytes& common) {
    b.form().click(2090);
    b.answer(0x9A, {0x00, 0x01, 0, 0, 0, 0, 'T', 0});
    b.answerCommon(common);
}

void writeUpToFrequencies(TrainBench& b, const wire::Bytes& common = kTrainCommon25) {
    b.form().click(2091);
    b.answerCommon(common);
    b.answer(0x21);
}

}  // namespace

TEST(TrainBase, ReadChainResetsAndDecodesEveryAnswer) {
    TrainBench b;
    auto& f = b.form();
    f.type(ids::kGroupEdit, "2");
    f.setText(tx(3), "1234500");
    f.click(ids::kSingleChannel);
    f.slide(ids::kCustomLevel, 300);
    EXPECT_EQ(f.value(ids::kCustomLevel), 255);  // the track bar's end
    f.slide(ids::kCustomLevel, 99);

    f.click(2090);
    EXPECT_EQ(f.text(tx(3)), "0");
    EXPECT_FALSE(f.checked(ids::kTonePowerOn) || f.checked(ids::kSingleChannel) ||
                 f.checked(ids::kRows[0].digital));
    EXPECT_EQ(f.radio(ids::kSpacing6_25), 2);
    EXPECT_EQ(f.text(ids::kGroupEdit), "2");    // the group stays
    EXPECT_EQ(f.value(ids::kCustomLevel), 99);  // so does the level
    b.answer(0x9A, {0x00, 0x01, 0, 0, 0, 0, 'T', 'R', 0});
    EXPECT_EQ(b.session.statusBar.text(1), "TR");
    EXPECT_EQ(b.traces.back().rfind("\r\n\r\n发送信息(", 0), 0u);  // the next request went out
    // 6.25 kHz; flags: compander off, PTT松开 and 开机 tones, custom power, single channel.
    b.answerCommon({30, 200, 0x7A, 0x22, 0x11, 0xC3, 2, 1, 0x33, 0x66});
    EXPECT_EQ(f.text(ids::kPttEdit), "30");
    EXPECT_EQ(f.text(ids::kStandbyEdit), "200");
    EXPECT_EQ(f.radio(ids::kCompanderOn), 1);
    EXPECT_TRUE(f.checked(ids::kTonePttOff) && f.checked(ids::kTonePowerOn) &&
                f.checked(ids::kSingleChannel));
    EXPECT_FALSE(f.checked(ids::kToneChannel));
    EXPECT_EQ(f.radio(ids::kPower0_5W), 4);  // bit 4 wins over byte 9
    EXPECT_EQ(f.selection(ids::kSpeedList), 2);
    EXPECT_EQ(f.selection(ids::kParityList), 2);
    EXPECT_EQ(f.selection(ids::kDataBitsList), 2);
    EXPECT_EQ(f.selection(ids::kStopBitsList), 1);
    EXPECT_EQ(f.selection(ids::kAirSpeedList), 2);
    EXPECT_EQ(f.radio(ids::kSpacing6_25), 0);
    EXPECT_EQ(b.state().trainStep, 625);
    // At 6.25 kHz the codes are 3 bytes: 00 FA 00 = 64000 -> 4000000; FF FF FF -> 0.
    b.answer(0x17, frequencyPayload(3, 3, {64000, 0xFFFFFF, 0xFFFF, 64001}));
    EXPECT_EQ(f.text(ids::kGroupEdit), "3");
    EXPECT_EQ(f.text(ids::kRows[0].label), "33");
    EXPECT_EQ(f.text(tx(1)), "4000000");
    EXPECT_EQ(f.text(rx(1)), "0");
    EXPECT_EQ(f.text(tx(2)), "4095937");  // not all bits of a 24-bit code
    EXPECT_EQ(f.text(rx(2)), "4000062");
    wire::Bytes functions = {0x00, 0x03};
    for (int k = 1; k <= 16; ++k)
        functions.insert(functions.end(), {std::uint8_t(k % 2 ? 0xFF : 0x7F), 0, 0});
    b.answer(0x1F, functions);
    EXPECT_TRUE(f.checked(ids::kRows[0].digital));
    EXPECT_FALSE(f.checked(ids::kRows[1].digital));  // only bit 7 counts
    b.answer(0x7B, {0x00, 0x00, 0x0F});
    EXPECT_EQ(f.value(ids::kCustomLevel), 240);
    EXPECT_EQ(b.traces.back(), "\r\n人工功率读取成功!");
    EXPECT_EQ(b.session.statusBar.text(2), "数据读取成功");
    EXPECT_FALSE(b.responseTimerRunning(0));
    EXPECT_EQ(b.writes(), (std::vector<wire::Bytes>{
                              {0x96, 0x05, 0x80, 0x99, 0x00, 0x01, 0x8B},
                              {0x96, 0x03, 0x80, 0x22, 0x37},
                              {0x96, 0x05, 0x80, 0x16, 0x00, 0x02, 0x07},
                              wire::frame96(0x1E, {0x00, 0x03}),
                              wire::frame96(0x7A, {0x00, 0x00}),
                          }));
    b.advance(1499);
    EXPECT_FALSE(f.enabled(2090) || f.enabled(2091));
    b.advance(1);
    EXPECT_TRUE(f.enabled(2090) && f.enabled(2091));
    EXPECT_TRUE(b.prompter.boxes.empty());
}

TEST(TrainBase, TwentyFiveKilohertzCodesAreTwoBytesAndAllOnesReadsZero) {
    TrainBench b;
    readUpToFrequencies(b, kTrainCommon25);
    b.answer(0x17, frequencyPayload(1, 2, {0x3E80, 0xFFFF, 0xFFFE}));
    EXPECT_EQ(b.form().text(tx(1)), "4000000");
    EXPECT_EQ(b.form().text(rx(1)), "0");
    EXPECT_EQ(b.form().text(tx(2)), "1638350");  // 16383500 cut to 7 characters
}

TEST(TrainBase, WriteChainSendsEveryGroupInTheSpacingsLayout) {
    struct Case {
        int spacing;  // radio to click
        wire::Bytes row1;
        std::size_t frameLength;
        std::uint8_t spacingCode;
    };
    const Case cases[] = {
        {ids::kSpacing25, {0x3E, 0x80, 0x3E, 0x80}, 71, 0xAA},
        {ids::kSpacing12_5, {0x7D, 0x00, 0x7D, 0x00}, 71, 0x55},
        {ids::kSpacing6_25, {0x00, 0xFA, 0x00, 0x00, 0xFA, 0x00}, 103, 0x66},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.spacing);
        TrainBench b;
        auto& f = b.form();
        f.click(c.spacing);
        f.type(tx(1), "4000000");
        f.type(rx(1), "4000000");
        f.click(ids::kRows[1].digital);  // row 2 off, the others on
        f.slide(ids::kCustomLevel, 200);
        b.prompter.answers.push_back(engine::Answer::Ok);
        f.click(2091);
        EXPECT_EQ(b.prompter.lastText(), "确认写录数据?");
        EXPECT_EQ(b.lastWrite(), (wire::Bytes{0x96, 0x03, 0x80, 0x22, 0x37}));
        // The station reports bit 7 (authentication) set and other bits the page does not keep.
        b.answerCommon({9, 9, 0xBF, 0x11, 0x03, 0x3C, 7, 1, 0x11, 0x55});
        // Opening values: tones on, compander on, high power, 9600, none, 8, 1, air 9600.
        EXPECT_EQ(b.lastWrite(), wire::frame96(0x20, {0x00, 0x01, 0, 0, 0xCF, 0x44, 0x44, 0xCC, 3,
                                                      0, 0x22, c.spacingCode}));
        b.answer(0x21);
        const wire::Bytes freq = b.lastWrite();
        ASSERT_EQ(freq.size(), c.frameLength);
        EXPECT_EQ(freq[3], 0x14);
        EXPECT_EQ(freq[5], 0x01);
        EXPECT_EQ(wire::Bytes(freq.begin() + 6, freq.begin() + 6 + long(c.row1.size())), c.row1);
        b.answer(0x15);
        wire::Bytes functions = {0x00, 0x01};
        for (int k = 1; k <= 16; ++k)
            functions.insert(functions.end(), {std::uint8_t(k == 2 ? 0 : 0x80), 0, 0});
        EXPECT_EQ(b.lastWrite(), wire::frame96(0x1C, functions));
        b.answer(0x1D);
        EXPECT_EQ(b.lastWrite(), wire::frame96(0x78, {0x00, 0x00, 55}));  // 255 - 200
        b.answer(0x79);
        EXPECT_EQ(b.traces.back(), "\r\n人工功率设置成功!");
        EXPECT_EQ(b.session.statusBar.text(2), "数据设置成功");
        EXPECT_EQ(b.writes().size(), 5u);
        EXPECT_FALSE(b.responseTimerRunning(0));
    }
}

TEST(TrainBase, PublicParameterFlagsKeepOnlyBitSevenOfTheStation) {
    // bit 6 always goes out set; bit 7 as the station reported it; the page's own bits from the
    // controls whatever the station had.
    for (auto [reported, expected] :
         {std::pair<std::uint8_t, std::uint8_t>{0x80, 0xFB}, {0x3F, 0x7B}, {0x00, 0x7B}}) {
        SCOPED_TRACE(int(reported));
        TrainBench b;
        auto& f = b.form();
        f.click(ids::kToneChannel);  // off: bit 2 clear
        f.click(ids::kPowerCustom);  // bit 4 and code 0x44
        f.click(ids::kSingleChannel);
        f.click(2091);
        b.answerCommon({0, 0, reported, 0, 0, 0, 0, 0, 0, 0});
        // compander 0x01, PTT松开 0x02, 开机 0x08, custom 0x10, single 0x20, always 0x40
        EXPECT_EQ(b.lastWrite()[8], expected);
        EXPECT_EQ(b.lastWrite()[9], 0x44);
    }
}

TEST(TrainBase, WriteStopsAtTheFirstBadGroupOrFrequency) {
    struct Case {
        std::string group;
        int edit;
        std::string text;
        std::string message;
        std::string caption;
    };
    const std::vector<Case> cases = {
        {"1", tx(5), "4000001", "5信道频率设置不正确!", engine::kAppTitle},
        {"1", rx(16), "-250", "16信道频率设置不正确!", engine::kAppTitle},
        // A bad receive text of row 1 is found only after every transmit text: row 7 first.
        {"1", rx(1), "1", "7信道频率设置不正确!", engine::kAppTitle},
        // The group is checked before any frequency.
        {"9", tx(5), "4000001", "信道组号设置错误,请设为1-8!", "提示"},
        {"0", tx(1), "0", "信道组号设置错误,请设为1-8!", "提示"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        TrainBench b;
        b.form().setText(ids::kGroupEdit, c.group);
        b.form().setText(c.edit, c.text);
        if (c.message[0] == '7') b.form().setText(tx(7), "125");
        writeUpToFrequencies(b);
        EXPECT_EQ(b.prompter.lastText(), c.message);
        EXPECT_EQ(b.prompter.boxes.back().caption, c.caption);
        // Checked before the first frame: no 0x22, no 0x20, no 0x14.
        EXPECT_TRUE(b.writes().empty());
        EXPECT_FALSE(b.responseTimerRunning(0));
        b.advance(3000);
        EXPECT_TRUE(b.form().enabled(2091));
        EXPECT_EQ(b.prompter.boxes.size(), 1u);  // no time-out box on top
    }
}

TEST(TrainBase, ReadStopsOnABadGroupFromTheStation) {
    TrainBench b;
    readUpToFrequencies(b, kTrainCommon12_5);
    b.answer(0x17, frequencyPayload(9, 2, {}));  // group 9 named by the answer
    EXPECT_EQ(b.prompter.lastText(), "信道组号设置错误,请设为1-8!");
    EXPECT_EQ(b.lastWrite()[3], 0x16);  // no 0x1E
}

TEST(TrainBase, GroupSpinWrapsAndRowLabelsFollowTheGroup) {
    TrainBench b;
    auto& f = b.form();
    EXPECT_EQ(f.text(ids::kRows[0].label), "01");
    EXPECT_EQ(f.text(ids::kRows[15].label), "16");
    f.spin(ids::kGroupSpin, -1);
    EXPECT_EQ(f.text(ids::kGroupEdit), "8");
    EXPECT_EQ(f.text(ids::kRows[0].label), "113");
    EXPECT_EQ(f.text(ids::kRows[15].label), "128");
    f.spin(ids::kGroupSpin, +1);
    EXPECT_EQ(f.text(ids::kGroupEdit), "1");
    EXPECT_EQ(f.text(ids::kRows[15].label), "16");
    f.type(ids::kGroupEdit, "5");
    EXPECT_EQ(f.text(ids::kRows[0].label), "65");
    f.type(ids::kGroupEdit, "9");  // not a group: the labels stay
    EXPECT_EQ(f.text(ids::kRows[0].label), "65");
}

TEST(TrainBase, PublicParameterCodesOutsideTheTables) {
    struct Case {
        std::size_t byte;
        std::uint8_t value;
        int id;
        int expected;
    };
    const std::vector<Case> cases = {
        {9, 0x11, ids::kPower0_5W, 0},     {9, 0x33, ids::kPower0_5W, 2},
        {9, 0x99, ids::kPower0_5W, 3},  // unknown: unchanged (the reset's 高功率)
        {10, 0x03, ids::kSpeedList, 0},    {10, 0x35, ids::kSpeedList, 9},  // unknown: 38400
        {11, 0x3C, ids::kParityList, 1},   {11, 0x00, ids::kParityList, 0},
        {12, 3, ids::kDataBitsList, 3},    {12, 7, ids::kDataBitsList, 4},
        {12, 4, ids::kDataBitsList, 4},    {13, 1, ids::kStopBitsList, 1},
        {13, 5, ids::kStopBitsList, 0},    {14, 0x11, ids::kAirSpeedList, 0},
        {14, 0x00, ids::kAirSpeedList, 3}, {15, 0x66, ids::kSpacing6_25, 0},
        {15, 0x55, ids::kSpacing6_25, 1},  {15, 0x00, ids::kSpacing6_25, 2},
        {8, 0x01, ids::kCompanderOn, 0},   {8, 0x00, ids::kCompanderOn, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("byte " + std::to_string(c.byte) + " = " + std::to_string(c.value));
        TrainBench b;
        wire::Bytes common = kTrainCommon25;
        common[c.byte - 6] = c.value;
        readUpToFrequencies(b, common);
        const bool radio = b.form().control(c.id).kind == engine::ControlKind::Radio;
        EXPECT_EQ(radio ? b.form().radio(c.id) : b.form().selection(c.id), c.expected);
        const std::array<int, 3> steps = {625, 125, 250};
        if (c.byte == 15) {
            EXPECT_EQ(b.state().trainStep, steps[std::size_t(c.expected)]);
        }
    }
}
