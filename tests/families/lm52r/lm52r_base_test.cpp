// The LM52R base page and its container against a hand-played terminal: the chains byte by
// byte, answer decoding at the edges, where a write stops and what it says.
#include <gtest/gtest.h>

#include "families/lm52r/lm52r_bench.h"
#include "wire/version_text.h"

using namespace rb;
using rb::testing::concat;
using rb::testing::kCommon12_5;
using rb::testing::kCommon25;
using rb::testing::Lm52rBench;
namespace ids = rb::families::lm52r::base_ids;

namespace {

int tx(int k) { return ids::kRows[k - 1].tx; }
int rx(int k) { return ids::kRows[k - 1].rx; }
int flag(int k, int j) { return ids::kRows[k - 1].flags[j]; }

// 0x17 / 0x14 payload: 00, group, then the TX and RX codes of channels 1-16 (big-endian).
wire::Bytes frequencyPayload(std::uint8_t group, const std::vector<std::uint16_t>& codes) {
    wire::Bytes p = {0x00, group};
    for (int i = 0; i < 32; ++i) wire::putU16be(p, i < int(codes.size()) ? codes[i] : 0);
    return p;
}

void readUpToFrequencies(Lm52rBench& b, const wire::Bytes& common) {
    b.form().click(2090);
    b.answer(0x9A, {0x00, 0x01, 0, 0, 0, 0, 'V', 0});
    b.answerCommon(common);
}

// The write chain up to the frequency write.
void writeUpToFrequencies(Lm52rBench& b) {
    b.form().click(2091);
    b.answerCommon(kCommon25);
    b.answer(0x21);
}

}  // namespace

// What each answer shows is checked field by field by the write-then-read round trip against
// the simulated terminal (lm52r_sim_test.cpp) together with the byte-exact write chain below;
// here: the reset, the requests, and what only a read does.
TEST(Lm52rBase, ReadChainResetsAndRequestsEveryGroup) {
    Lm52rBench b;
    auto& f = b.form();
    f.setText(ids::kVoxEdit, "5");
    f.setText(tx(3), "1234500");
    b.state().chanHFType[2] = 3;
    b.state().lm52rKeptBits = 0x80;

    f.click(2090);
    EXPECT_EQ(f.text(ids::kVoxEdit), "300");
    EXPECT_EQ(f.text(tx(3)), "0");
    EXPECT_EQ(b.state().chanHFType[2], 0);
    EXPECT_EQ(b.state().lm52rKeptBits, 0);
    b.answer(0x9A, {0x00, 0x01, 0, 0, 0, 0, 'L', 'M', 0});
    EXPECT_EQ(b.session.statusBar.text(1), "LM");
    // Only the terminal's bits 4, 5, 7 in the flags byte: nothing on the page turns on.
    b.answerCommon({0, 0, 0xB0, 0x44, 0x44, 0xCC, 3, 0, 0x22, 0x55});
    EXPECT_FALSE(f.checked(ids::kBeepPowerOn) || f.checked(ids::kBacklight));
    EXPECT_EQ(b.state().lm52rKeptBits, 0);
    b.answer(0x17, frequencyPayload(1, {0x7D00, 0xFFFF}));
    EXPECT_EQ(f.text(tx(1)), "4000000");      // 12.5 kHz
    EXPECT_EQ(f.text(rx(1)), "0");            // FF FF
    b.answer(0x1F, {0x00, 0x01});             // short: the missing bytes read as zero
    EXPECT_FALSE(b.responseTimerRunning(0));  // the VOX read arms no timer
    b.answer(0x3F, {0x00, 0x01, 0x2C, 0x01});
    EXPECT_EQ(f.text(ids::kVoxEdit), "300");
    EXPECT_EQ(b.traces.back(), "\r\n读取声控电平成功!");
    EXPECT_EQ(b.session.statusBar.text(2), "读取声控电平成功");
    EXPECT_EQ(b.writes(), (std::vector<wire::Bytes>{
                              {0x96, 0x05, 0x80, 0x99, 0x00, 0x01, 0x8B},
                              {0x96, 0x03, 0x80, 0x22, 0x37},
                              {0x96, 0x05, 0x80, 0x16, 0x00, 0x01, 0x04},
                              wire::frame96(0x1E, {0x00, 0x01}),
                              {0x96, 0x05, 0x80, 0x3E, 0x00, 0x01, 0x2C},
                          }));
    b.advance(1499);
    EXPECT_FALSE(f.enabled(2090));
    b.advance(1);
    EXPECT_TRUE(f.enabled(2090) && f.enabled(2091));
    b.advance(10000);
    EXPECT_TRUE(b.prompter.boxes.empty());
}

TEST(Lm52rBase, CommonParameterCodesOutsideTheTables) {
    struct Case {
        std::size_t byte;  // frame byte 6..15 changed in an ordinary answer
        std::uint8_t value;
        int id;  // control to look at: its radio index or selection
        int expected;
    };
    const std::vector<Case> cases = {
        {9, 0x11, ids::kPower0_5W, 0},     {9, 0x99, ids::kPower0_5W, 3},  // unknown: unchanged
        {10, 0x03, ids::kSpeedList, 0},    {10, 0x35, ids::kSpeedList, 6},
        {11, 0x3C, ids::kParityList, 1},   {11, 0x00, ids::kParityList, 0},  // 无校验
        {12, 3, ids::kDataBitsList, 3},    {12, 4, ids::kDataBitsList, 4},   // above 3: "9"
        {12, 0xFF, ids::kDataBitsList, 4}, {13, 1, ids::kStopBitsList, 1},
        {13, 2, ids::kStopBitsList, 0},    {14, 0x44, ids::kAirSpeedList, 3},
        {14, 0x10, ids::kAirSpeedList, 1}, {15, 0x55, ids::kSpacing12_5, 0},
        {15, 0x00, ids::kSpacing12_5, 1},  {8, 0x01, ids::kCompanderOn, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("byte " + std::to_string(c.byte) + " = " + std::to_string(c.value));
        Lm52rBench b;
        wire::Bytes common = kCommon25;
        common[c.byte - 6] = c.value;
        readUpToFrequencies(b, common);
        const bool radio = b.form().control(c.id).kind == engine::ControlKind::Radio;
        EXPECT_EQ(radio ? b.form().radio(c.id) : b.form().selection(c.id), c.expected);
        if (c.byte == 15) {
            EXPECT_EQ(b.state().freqStep, c.expected == 0 ? 125 : 250);
        }
    }
}

TEST(Lm52rBase, FrequencyCodesFollowTheSpacingBothWays) {
    // The same text is code 32000 at 12.5 kHz and 16000 at 25 kHz, and reads back as itself.
    for (auto [narrow, code] : {std::pair{true, 0x7D00}, {false, 16000}}) {
        SCOPED_TRACE(code);
        Lm52rBench b;
        b.form().click(narrow ? ids::kSpacing12_5 : ids::kSpacing25);
        for (int k = 1; k <= 16; ++k) b.form().type(rx(k), "4000000");
        writeUpToFrequencies(b);
        EXPECT_EQ(b.lastWrite()[68] << 8 | b.lastWrite()[69], code);  // channel 16 RX
        b.advance(3000);
        readUpToFrequencies(b, narrow ? kCommon12_5 : kCommon25);
        b.answer(0x17, frequencyPayload(1, std::vector<std::uint16_t>(32, code)));
        EXPECT_EQ(b.form().text(tx(7)), "4000000");
    }
}

TEST(Lm52rBase, VersionTextStaysInsideTheFrame) {
    const wire::Bytes head = {0x00, 0x01, 0, 0, 0, 0};  // frame bytes 4-9
    wire::Bytes long150 = head;
    long150.resize(head.size() + 150, 'A');
    struct Case {
        wire::Bytes payload;
        std::string shown;
    };
    const std::vector<Case> cases = {
        {concat({head, {'V', '2', 0, 'x'}}), "V2"},      // ends at its zero byte
        {concat({head, {'V', '2', '.', '1'}}), "V2.1"},  // never the checksum
        {head, ""},
        {{0x00, 0x01}, ""},  // too short for any text: no negative length
        {long150, std::string(99, 'A')},
        {concat({head, {0xB0, 0xE6, 0xB1, 0xBE, 0}}), "版本"},
    };
    for (const auto& c : cases) {
        const wire::Bytes frame = wire::frame96(0x9A, c.payload);
        EXPECT_EQ(wire::versionText(wire::FrameView(frame)), c.shown);
    }
}

TEST(Lm52rBase, WriteChainSendsEveryGroupByteExact) {
    Lm52rBench b;
    auto& f = b.form();
    f.type(ids::kPttEdit, "60");
    f.type(ids::kStandbyEdit, "10");
    f.click(ids::kCompanderOff);
    f.click(ids::kBeepPttOff);  // off; 开机, 频道切换 and 1212 stay on
    f.click(ids::kPowerLow);
    f.select(ids::kSpeedList, 9);
    f.select(ids::kParityList, 1);
    f.select(ids::kDataBitsList, 4);
    f.select(ids::kStopBitsList, 1);
    f.select(ids::kAirSpeedList, 0);
    f.click(ids::kSpacing12_5);
    f.type(ids::kGroupEdit, "10");
    for (int k = 1; k <= 16; ++k) {
        f.type(tx(k), "4000000");
        f.type(rx(k), k == 16 ? "125" : "0");
    }
    f.click(flag(1, 0));   // channel 1: 数字
    f.click(flag(16, 5));  // channel 16: 跳频
    b.state().chanEncryType[0] = 0x0F;
    b.state().chanHFType[15] = 0x03;

    f.click(2091);
    EXPECT_EQ(b.prompter.lastText(), "确认写录数据?");
    EXPECT_EQ(b.state().lm52rWriteMode, 1);
    EXPECT_EQ(b.lastWrite(), wire::frame96(0x22));

    // The terminal reports every flag bit: only its own bits 4, 5, 7 go back (0xB0), with the
    // page's 开机, 频道切换 and 1212 (0x4C); the read step shows nothing.
    b.answerCommon({0, 0, 0xFF, 0x11, 0x03, 0xCC, 0, 0, 0x11, 0xAA});
    EXPECT_EQ(b.state().lm52rWriteMode, 0);
    EXPECT_EQ(f.radio(ids::kSpacing12_5), 0);
    EXPECT_EQ(f.radio(ids::kCompanderOn), 1);
    EXPECT_EQ(b.lastWrite(),
              wire::frame96(0x20, {0x00, 0x01, 60, 10, 0xFC, 0x22, 0x77, 0x3C, 7, 1, 0x11, 0x55}));

    b.answer(0x21);
    wire::Bytes freq = {0x00, 10};
    for (int k = 1; k <= 16; ++k) freq.insert(freq.end(), {0x7D, 0x00, 0x00, std::uint8_t(k / 16)});
    EXPECT_EQ(b.lastWrite(), wire::frame96(0x14, freq));
    EXPECT_EQ(b.lastWrite().size(), 71u);

    b.answer(0x15);
    wire::Bytes functions = {0x00, 10};
    for (int k = 1; k <= 16; ++k) {
        functions.insert(functions.end(),
                         {std::uint8_t(k == 1    ? 0x80
                                       : k == 16 ? 0x02
                                                 : 0),
                          std::uint8_t(k == 1 ? 0x0F : 0), std::uint8_t(k == 16 ? 0x03 : 0)});
    }
    EXPECT_EQ(b.lastWrite(), wire::frame96(0x1C, functions));
    EXPECT_EQ(b.lastWrite().size(), 55u);

    b.answer(0x1D);
    EXPECT_EQ(b.lastWrite(), (wire::Bytes{0x96, 0x07, 0x80, 0x3C, 0x00, 0x01, 0x2C, 0x01, 0x01}));
    EXPECT_FALSE(b.responseTimerRunning(0));  // VOX arms no timer

    b.answer(0x3D);
    EXPECT_EQ(b.session.statusBar.text(2), "声控电平设置成功");
    EXPECT_EQ(b.writes().size(), 5u);
    b.advance(2999);
    EXPECT_FALSE(f.enabled(2091));
    b.advance(1);
    EXPECT_TRUE(f.enabled(2091));
    EXPECT_EQ(b.prompter.boxes.size(), 1u);  // only the confirmation
}

TEST(Lm52rBase, ValidationShowsItsMessageAndStopsTheChain) {
    struct Case {
        bool narrow;                                     // 12.5 kHz
        std::vector<std::pair<int, const char*>> edits;  // control, text
        const char* message;
        const char* caption;
    };
    // The frequency check is CCommTool's: its box carries the application's title.
    const std::vector<Case> cases = {
        {false, {{ids::kGroupEdit, "11"}}, "信道组号设置错误,请设为1-10!", "提示"},
        {false, {{ids::kGroupEdit, "0"}}, "信道组号设置错误,请设为1-10!", "提示"},
        {true, {{tx(1), "4000001"}}, "1信道频率设置不正确!", "RadioBench"},
        {false, {{rx(16), "125"}}, "16信道频率设置不正确!", "RadioBench"},
        {false, {{rx(1), "100"}, {tx(3), "100"}}, "3信道频率设置不正确!", "RadioBench"},
        {false, {{tx(12), "-250"}}, "12信道频率设置不正确!", "RadioBench"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        Lm52rBench b;
        b.form().click(c.narrow ? ids::kSpacing12_5 : ids::kSpacing25);
        for (const auto& [id, text] : c.edits) b.form().type(id, text);
        // Checked before the first frame: nothing reaches the terminal, not even the common
        // parameters.
        b.form().click(2091);
        EXPECT_TRUE(b.writes().empty());
        ASSERT_EQ(b.prompter.boxes.size(), 1u);
        EXPECT_EQ(b.prompter.boxes[0].text, c.message);
        EXPECT_EQ(b.prompter.boxes[0].caption, c.caption);
        EXPECT_EQ(b.prompter.boxes[0].icon, engine::Icon::Information);
        // Nothing waits for an answer: no time-out box follows, the buttons stay usable.
        b.advance(3000);
        EXPECT_EQ(b.prompter.boxes.size(), 1u);
        EXPECT_TRUE(b.form().enabled(2091));
    }
}

TEST(Lm52rBase, SpacingColumnSwitchesAndClearButtons) {
    Lm52rBench b;
    auto& f = b.form();
    f.click(ids::kSpacing12_5);
    EXPECT_EQ(b.state().freqStep, 125);
    f.click(ids::kSpacing25);
    EXPECT_EQ(b.state().freqStep, 250);

    f.click(ids::kColumnSwitches[2]);  // 数传 on for every channel
    for (int k = 1; k <= 16; ++k) EXPECT_TRUE(f.checked(flag(k, 2)) && !f.checked(flag(k, 1)));
    f.click(flag(5, 2));               // one channel off by hand ...
    f.click(ids::kColumnSwitches[2]);  // ... and the switch off: all off
    for (int k = 1; k <= 16; ++k) EXPECT_FALSE(f.checked(flag(k, 2))) << k;

    for (int k = 1; k <= 16; ++k) {
        f.type(tx(k), "1000000");
        f.type(rx(k), "2000000");
    }
    f.click(ids::kClearTx);
    for (int k = 1; k <= 16; ++k) EXPECT_TRUE(f.text(tx(k)) == "0" && f.text(rx(k)) == "2000000");
    f.click(ids::kClearRx);
    for (int k = 1; k <= 16; ++k) EXPECT_EQ(f.text(rx(k)), "0");
}

TEST(Lm52rContainer, TabsHeadingAndFileName) {
    Lm52rBench b;
    auto& c = *b.container;
    EXPECT_EQ(c.form().text(engine::kHeadingLabel), "终端类型:LM52R/LM520(串口速率:9600)");
    EXPECT_EQ(c.config().defaultFileName, "LM52R");
    ASSERT_EQ(c.pageCount(), 3u);
    EXPECT_EQ(c.caption(0) + c.caption(1) + c.caption(2), "基本信息用户信息列车信息");
    EXPECT_EQ(c.currentTab(), 0u);
    EXPECT_EQ(c.filePages().size(), 2u);  // the train page takes no part
}
