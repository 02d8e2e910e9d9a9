// The LM52R base page against a hand-played terminal: request bytes, answer decoding, where the
// chains stop and what the user sees.
#include <gtest/gtest.h>

#include "lm52r_base_bench.h"

using namespace std::chrono_literals;
using rb::testing::Lm52rBaseBench;
using rb::testing::request96;
using namespace rb;
namespace ids = rb::families::lm52r::base_ids;

namespace {

// Channel k's transmit and receive edits.
int tx(int k) { return ids::kRows[k - 1].tx; }
int rx(int k) { return ids::kRows[k - 1].rx; }
int flag(int k, int j) { return ids::kRows[k - 1].flags[j]; }

// 0x17 / 0x14 payload: 00, group, then TX and RX codes of 16 channels (big-endian).
wire::Bytes frequencyPayload(std::uint8_t group, const std::vector<std::uint16_t>& codes) {
    wire::Bytes p = {0x00, group};
    for (int i = 0; i < 32; ++i) {
        const std::uint16_t c = i < int(codes.size()) ? codes[i] : 0;
        p.push_back(std::uint8_t(c >> 8));
        p.push_back(std::uint8_t(c));
    }
    return p;
}

// Starts a read and answers the version and the common parameters.
void readUpToFrequencies(Lm52rBaseBench& b, const wire::Bytes& common) {
    b.form().click(2090);
    b.answer(0x9A, {0x00, 0x01, 0, 0, 0, 0, 'V', '1', 0});
    b.answerCommon(common);
}

const wire::Bytes kCommon12_5 = {0, 0, 0x00, 0x44, 0x44, 0xCC, 3, 0, 0x22, 0x55};
const wire::Bytes kCommon25 = {0, 0, 0x00, 0x44, 0x44, 0xCC, 3, 0, 0x22, 0xAA};

}  // namespace

TEST(Lm52rBaseRead, ChainSendsEachRequestAndShowsEachAnswer) {
    Lm52rBaseBench b;
    b.form().setText(ids::kVoxEdit, "5");
    b.form().setText(tx(3), "1234500");
    b.state().chanHFType[2] = 3;

    b.form().click(2090);
    // The reset shows defaults before anything comes back.
    EXPECT_EQ(b.form().text(ids::kVoxEdit), "300");
    EXPECT_EQ(b.form().text(tx(3)), "0");
    EXPECT_EQ(b.state().chanHFType[2], 0);
    EXPECT_EQ(b.session.requestPage, 0);
    EXPECT_FALSE(b.form().enabled(2090));
    EXPECT_FALSE(b.form().enabled(2091));
    ASSERT_EQ(b.writes().size(), 1u);
    EXPECT_EQ(b.writes()[0], (wire::Bytes{0x96, 0x05, 0x80, 0x99, 0x00, 0x01, 0x8B}));

    b.answer(0x9A, {0x00, 0x01, 0, 0, 0, 0, 'L', 'M', '5', '2', 'R', 0});
    EXPECT_EQ(b.session.statusBar.text(1), "LM52R");
    EXPECT_EQ(b.lastWrite(), (wire::Bytes{0x96, 0x03, 0x80, 0x22, 0x37}));

    // PTT 30 s, standby 200 s, compander off, all beeps and 1212 on, low power, 19200, odd,
    // 7 data bits, 2 stop bits, air 12800, 12.5 kHz.
    b.answerCommon({30, 200, 0x4E, 0x22, 0x66, 0xC3, 2, 1, 0x33, 0x55});
    EXPECT_EQ(b.form().text(ids::kPttEdit), "30");
    EXPECT_EQ(b.form().text(ids::kStandbyEdit), "200");
    EXPECT_EQ(b.form().radio(ids::kCompanderOn), 1);
    EXPECT_TRUE(b.form().checked(ids::kBeepPowerOn));
    EXPECT_TRUE(b.form().checked(ids::kBeepPttOff));
    EXPECT_TRUE(b.form().checked(ids::kBeepChannel));
    EXPECT_TRUE(b.form().checked(ids::kBacklight));
    EXPECT_EQ(b.form().radio(ids::kPower0_5W), 1);
    EXPECT_EQ(b.form().selection(ids::kSpeedList), 8);
    EXPECT_EQ(b.form().selection(ids::kParityList), 2);
    EXPECT_EQ(b.form().selection(ids::kDataBitsList), 2);
    EXPECT_EQ(b.form().selection(ids::kStopBitsList), 1);
    EXPECT_EQ(b.form().selection(ids::kAirSpeedList), 2);
    EXPECT_EQ(b.form().radio(ids::kSpacing12_5), 0);
    EXPECT_EQ(b.state().freqStep, 125);
    EXPECT_EQ(b.lastWrite(), (wire::Bytes{0x96, 0x05, 0x80, 0x16, 0x00, 0x01, 0x04}));

    std::vector<std::uint16_t> codes(32, 0);
    codes[0] = 0x7D00;   // channel 1 TX
    codes[1] = 0xFFFF;   // channel 1 RX
    codes[31] = 0x7D01;  // channel 16 RX
    b.answer(0x17, frequencyPayload(1, codes));
    EXPECT_EQ(b.form().text(tx(1)), "4000000");
    EXPECT_EQ(b.form().text(rx(1)), "0");
    EXPECT_EQ(b.form().text(tx(2)), "0");
    EXPECT_EQ(b.form().text(rx(16)), "4000125");
    EXPECT_EQ(b.lastWrite(), request96(0x1E, {0x00, 0x01}));

    wire::Bytes functions = {0x00, 0x01};
    for (int k = 1; k <= 16; ++k) {
        functions.push_back(k == 1 ? 0x80 : k == 2 ? 0xFF : 0x00);  // bits 5 and 0 mean nothing
        functions.push_back(std::uint8_t(k - 1));
        functions.push_back(std::uint8_t(k % 4));
    }
    b.answer(0x1F, functions);
    EXPECT_TRUE(b.form().checked(flag(1, 0)));
    for (int j = 1; j < 6; ++j) EXPECT_FALSE(b.form().checked(flag(1, j))) << j;
    for (int j = 0; j < 6; ++j) EXPECT_TRUE(b.form().checked(flag(2, j))) << j;
    EXPECT_EQ(b.state().chanEncryType[15], 15);
    EXPECT_EQ(b.state().chanHFType[2], 3);
    EXPECT_EQ(b.lastWrite(), (wire::Bytes{0x96, 0x05, 0x80, 0x3E, 0x00, 0x01, 0x2C}));

    b.answer(0x3F, {0x00, 0x01, 0x2C, 0x01});
    EXPECT_EQ(b.form().text(ids::kVoxEdit), "300");
    EXPECT_EQ(b.session.statusBar.text(2), "读取声控电平成功");
    EXPECT_EQ(b.traces.back(), "\r\n读取声控电平成功!");
    EXPECT_EQ(b.writes().size(), 5u);  // the chain ends here
    EXPECT_TRUE(b.prompter.boxes.empty());
}

TEST(Lm52rBaseRead, CommonParameterCodesOutsideTheTables) {
    // Each case changes one byte of an otherwise ordinary answer and looks at one field.
    struct Case {
        std::size_t byte;  // frame byte 6..15
        std::uint8_t value;
        int id;        // control to look at
        int expected;  // radio index or selection
    };
    const std::vector<Case> cases = {
        {9, 0x11, ids::kPower0_5W, 0},     {9, 0x99, ids::kPower0_5W, 3},  // unchanged
        {10, 0x03, ids::kSpeedList, 0},    {10, 0x34, ids::kSpeedList, 5},
        {10, 0x35, ids::kSpeedList, 6},  // unknown: the reset's "9600" stays
        {11, 0x3C, ids::kParityList, 1},   {11, 0x00, ids::kParityList, 0},
        {12, 3, ids::kDataBitsList, 3},    {12, 4, ids::kDataBitsList, 4},
        {12, 7, ids::kDataBitsList, 4},    {12, 0xFF, ids::kDataBitsList, 4},
        {13, 1, ids::kStopBitsList, 1},    {13, 2, ids::kStopBitsList, 0},  // unchanged
        {14, 0x44, ids::kAirSpeedList, 3}, {14, 0x10, ids::kAirSpeedList, 1},
        {15, 0x55, ids::kSpacing12_5, 0},  {15, 0x00, ids::kSpacing12_5, 1},
        {8, 0x00, ids::kCompanderOn, 1},   {8, 0x01, ids::kCompanderOn, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("byte " + std::to_string(c.byte) + " = " + std::to_string(c.value));
        Lm52rBaseBench b;
        wire::Bytes common = kCommon25;
        common[c.byte - 6] = c.value;
        readUpToFrequencies(b, common);
        const auto kind = b.form().control(c.id).kind;
        EXPECT_EQ(
            kind == engine::ControlKind::Radio ? b.form().radio(c.id) : b.form().selection(c.id),
            c.expected);
        if (c.byte == 15) {
            EXPECT_EQ(b.state().freqStep, c.expected == 0 ? 125 : 250);
        }
    }
}

TEST(Lm52rBaseRead, FrequencyCodesShowAsTextAtEitherSpacing) {
    struct Case {
        const wire::Bytes* common;
        std::uint16_t code;
        const char* text;
    };
    const std::vector<Case> cases = {
        {&kCommon12_5, 0x7D00, "4000000"}, {&kCommon25, 16000, "4000000"},
        {&kCommon12_5, 0xFFFF, "0"},       {&kCommon25, 0xFFFF, "0"},
        {&kCommon12_5, 0xFFFE, "8191750"}, {&kCommon25, 0xFFFE, "1638350"},  // cut to 7
        {&kCommon25, 0x0000, "0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        Lm52rBaseBench b;
        readUpToFrequencies(b, *c.common);
        std::vector<std::uint16_t> codes(32, c.code);
        b.answer(0x17, frequencyPayload(1, codes));
        EXPECT_EQ(b.form().text(tx(7)), c.text);
        EXPECT_EQ(b.form().text(rx(16)), c.text);
    }
}

TEST(Lm52rBaseRead, VersionTextStaysInsideTheFrame) {
    struct Case {
        const char* name;
        wire::Bytes payload;  // frame bytes 4 .. n-2
        std::string shown;
    };
    const std::string long150(150, 'A');
    wire::Bytes longPayload = {0x00, 0x01, 0, 0, 0, 0};
    longPayload.insert(longPayload.end(), long150.begin(), long150.end());
    const std::vector<Case> cases = {
        {"ends at its zero byte", {0x00, 0x01, 0, 0, 0, 0, 'V', '2', 0, 'x', 'y'}, "V2"},
        {"no zero byte: never the checksum", {0x00, 0x01, 0, 0, 0, 0, 'V', '2', '.', '1'}, "V2.1"},
        {"no room for text", {0x00, 0x01, 0, 0, 0, 0}, ""},
        {"shorter than the text's start", {0x00, 0x01}, ""},
        {"no payload at all", {}, ""},
        {"at most 99 bytes", longPayload, std::string(99, 'A')},
        {"GBK text", {0x00, 0x01, 0, 0, 0, 0, 0xB0, 0xE6, 0xB1, 0xBE, 0}, "版本"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Lm52rBaseBench b;
        b.form().click(2090);
        b.answer(0x9A, c.payload);
        EXPECT_EQ(b.session.statusBar.text(1), c.shown);
        EXPECT_EQ(b.session.statusBar.text(2), "");  // cleared again by the 0x22 request
        EXPECT_EQ(b.codesWritten(), (std::vector<std::uint8_t>{0x99, 0x22}));
    }
}

TEST(Lm52rBaseRead, SilentTerminalFailsAt2000msButtonsReturnAt1500ms) {
    Lm52rBaseBench b;
    b.form().click(2090);
    b.timers.advance(1499ms);
    EXPECT_FALSE(b.form().enabled(2090));
    b.timers.advance(1ms);
    EXPECT_TRUE(b.form().enabled(2090));
    EXPECT_TRUE(b.form().enabled(2091));
    EXPECT_TRUE(b.prompter.boxes.empty());
    b.timers.advance(499ms);
    EXPECT_EQ(b.session.statusBar.text(2), "");
    b.timers.advance(1ms);
    EXPECT_EQ(b.session.statusBar.text(2), "操作失败");
    EXPECT_EQ(b.prompter.texts(), (std::vector<std::string>{"操作失败！请检查设备连接是否正常？"}));
}

TEST(Lm52rBaseRead, MissingVoxAnswerEndsTheChainSilently) {
    Lm52rBaseBench b;
    readUpToFrequencies(b, kCommon25);
    b.answer(0x17, frequencyPayload(1, {}));
    b.answer(0x1F, {0x00, 0x01});  // short answer: the missing bytes read as zero
    EXPECT_EQ(b.codesWritten().back(), 0x3E);
    b.timers.advance(10s);
    EXPECT_TRUE(b.prompter.boxes.empty());
    EXPECT_EQ(b.session.statusBar.text(2), "");
}

TEST(Lm52rBaseWrite, ChainSendsEveryGroupByteExact) {
    Lm52rBaseBench b;
    auto& f = b.form();
    f.type(ids::kPttEdit, "60");
    f.type(ids::kStandbyEdit, "10");
    f.click(ids::kCompanderOff);
    f.click(ids::kBeepPttOff);  // off; 开机 and 频道切换 stay on, 1212 stays on
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
        f.type(rx(k), "0");
    }
    f.type(rx(16), "125");
    f.click(flag(1, 0));   // channel 1: 数字
    f.click(flag(16, 5));  // channel 16: 跳频
    b.state().chanEncryType[0] = 0x0F;
    b.state().chanHFType[15] = 0x03;
    f.type(ids::kVoxEdit, "300");

    f.click(2091);
    EXPECT_EQ(b.prompter.lastText(), "确认写录数据?");
    EXPECT_EQ(b.state().lm52rWriteMode, 1);
    EXPECT_EQ(b.lastWrite(), (wire::Bytes{0x96, 0x03, 0x80, 0x22, 0x37}));

    b.answerCommon({0, 0, 0x00, 0x11, 0x03, 0xCC, 0, 0, 0x11, 0xAA});
    EXPECT_EQ(b.state().lm52rWriteMode, 0);
    EXPECT_EQ(f.radio(ids::kSpacing12_5), 0);  // the write's read step shows nothing
    EXPECT_EQ(b.lastWrite(),
              request96(0x20, {0x00, 0x01, 60, 10, 0x4C, 0x22, 0x77, 0x3C, 7, 1, 0x11, 0x55}));
    EXPECT_EQ(b.lastWrite().size(), 17u);

    b.answer(0x21, {0x00, 0x01});
    wire::Bytes freq = {0x00, 10};
    for (int k = 1; k <= 16; ++k) {
        freq.insert(freq.end(), {0x7D, 0x00, 0x00, std::uint8_t(k == 16 ? 0x01 : 0x00)});
    }
    EXPECT_EQ(b.lastWrite(), request96(0x14, freq));
    EXPECT_EQ(b.lastWrite().size(), 71u);
    EXPECT_EQ(b.state().freqStep, 125);

    b.answer(0x15, {0x00, 10});
    wire::Bytes functions = {0x00, 10};
    for (int k = 1; k <= 16; ++k) {
        functions.push_back(k == 1 ? 0x80 : k == 16 ? 0x02 : 0x00);
        functions.push_back(k == 1 ? 0x0F : 0x00);
        functions.push_back(k == 16 ? 0x03 : 0x00);
    }
    EXPECT_EQ(b.lastWrite(), request96(0x1C, functions));
    EXPECT_EQ(b.lastWrite().size(), 55u);

    b.answer(0x1D, {0x00, 10});
    EXPECT_EQ(b.lastWrite(), (wire::Bytes{0x96, 0x07, 0x80, 0x3C, 0x00, 0x01, 0x2C, 0x01, 0x01}));
    EXPECT_FALSE(b.timers.running(b.base, engine::kResponseTimer));  // VOX arms no timer

    b.answer(0x3D, {0x00, 0x01});
    EXPECT_EQ(b.session.statusBar.text(2), "声控电平设置成功");
    EXPECT_EQ(b.writes().size(), 5u);
    b.timers.advance(2999ms);
    EXPECT_FALSE(f.enabled(2091));
    b.timers.advance(1ms);
    EXPECT_TRUE(f.enabled(2091));
    EXPECT_EQ(b.prompter.boxes.size(), 1u);  // only the confirmation
}

TEST(Lm52rBaseWrite, FrequencyCodesFollowTheSpacing) {
    struct Case {
        int spacingRadio;  // control clicked
        const char* text;
        std::uint16_t code;
    };
    const std::vector<Case> cases = {
        {ids::kSpacing12_5, "4000000", 0x7D00},
        {ids::kSpacing25, "4000000", 16000},
        {ids::kSpacing12_5, "0", 0},
        {ids::kSpacing25, "", 0},
        {ids::kSpacing25, "abc", 0},                     // not a number: 0, and it passes the check
        {ids::kSpacing12_5, "9999875", 79999 & 0xFFFF},  // code above 65535: its low 16 bits
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        Lm52rBaseBench b;
        b.form().click(c.spacingRadio);
        for (int k = 1; k <= 16; ++k) {
            b.form().type(tx(k), c.text);
            b.form().type(rx(k), "0");
        }
        b.writeUpToFrequencies();
        const wire::Bytes w = b.lastWrite();
        ASSERT_EQ(w.size(), 71u);
        EXPECT_EQ(w[3], 0x14);
        EXPECT_EQ(w[6] << 8 | w[7], c.code);    // channel 1 TX
        EXPECT_EQ(w[66] << 8 | w[67], c.code);  // channel 16 TX
    }
}

TEST(Lm52rBaseWrite, ValidationShowsItsMessageAndStopsTheChain) {
    struct Case {
        const char* name;
        int spacingRadio;
        std::vector<std::pair<int, const char*>> edits;  // control, text
        const char* message;
        std::uint8_t lastCode;  // the last request that went out
    };
    const std::vector<Case> cases = {
        {"group 11",
         ids::kSpacing25,
         {{ids::kGroupEdit, "11"}},
         "信道组号设置错误,请设为1-10!",
         0x20},
        {"group 0",
         ids::kSpacing25,
         {{ids::kGroupEdit, "0"}},
         "信道组号设置错误,请设为1-10!",
         0x20},
        {"channel 1 TX not a multiple of 125",
         ids::kSpacing12_5,
         {{tx(1), "4000001"}},
         "1信道频率设置不正确!",
         0x20},
        {"125 is no multiple of 250",
         ids::kSpacing25,
         {{rx(16), "125"}},
         "16信道频率设置不正确!",
         0x20},
        {"every TX before any RX",
         ids::kSpacing25,
         {{rx(1), "100"}, {tx(3), "100"}},
         "3信道频率设置不正确!",
         0x20},
        {"negative", ids::kSpacing25, {{tx(12), "-250"}}, "12信道频率设置不正确!", 0x20},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Lm52rBaseBench b;
        b.form().click(c.spacingRadio);
        for (int k = 1; k <= 16; ++k) {
            b.form().type(tx(k), "0");
            b.form().type(rx(k), "0");
        }
        for (const auto& [id, text] : c.edits) b.form().type(id, text);
        b.writeUpToFrequencies();
        EXPECT_EQ(b.prompter.lastText(), c.message);
        EXPECT_EQ(b.prompter.boxes.back().caption, "提示");
        EXPECT_EQ(b.prompter.boxes.back().icon, engine::Icon::Information);
        EXPECT_EQ(b.codesWritten().back(), c.lastCode);
        // The 0x21 answer killed timer 1: no time-out box follows, the buttons come back.
        b.timers.advance(3000ms);
        EXPECT_FALSE(b.boxShown("操作失败！请检查设备连接是否正常？"));
        EXPECT_TRUE(b.form().enabled(2091));
    }
}

TEST(Lm52rBaseWrite, TerminalBits457GoBackUnchangedAndAreNeverShown) {
    Lm52rBaseBench b;
    // A read whose flags byte carries only the terminal's bits shows them nowhere.
    readUpToFrequencies(b, {0, 0, 0xB0, 0x44, 0x44, 0xCC, 3, 0, 0x22, 0xAA});
    EXPECT_EQ(b.form().radio(ids::kCompanderOn), 1);
    EXPECT_FALSE(b.form().checked(ids::kBeepPowerOn));
    EXPECT_FALSE(b.form().checked(ids::kBeepPttOff));
    EXPECT_FALSE(b.form().checked(ids::kBeepChannel));
    EXPECT_FALSE(b.form().checked(ids::kBacklight));
    EXPECT_EQ(b.state().lm52rKeptBits, 0);

    struct Case {
        std::uint8_t terminal;  // byte 8 of the terminal's 0x23
        std::uint8_t sent;      // byte 8 of the 0x20 that follows
    };
    // The page's own bits here: compander off, no beeps, 1212 off.
    for (const Case c : {Case{0xFF, 0xB0}, Case{0x10, 0x10}, Case{0x80, 0x80}, Case{0x4F, 0x00}}) {
        SCOPED_TRACE(int(c.terminal));
        b.timers.advance(3000ms);  // the buttons are back
        b.form().click(2091);
        b.answerCommon({0, 0, c.terminal, 0x44, 0x44, 0xCC, 3, 0, 0x22, 0xAA});
        ASSERT_EQ(b.codesWritten().back(), 0x20);
        EXPECT_EQ(b.lastWrite()[8], c.sent);
        EXPECT_FALSE(b.form().checked(ids::kBacklight));
    }
    // A new read clears the kept bits.
    b.timers.advance(3000ms);
    b.form().click(2090);
    EXPECT_EQ(b.state().lm52rKeptBits, 0);
}

TEST(Lm52rBaseControls, SpacingColumnSwitchesAndClearButtons) {
    Lm52rBaseBench b;
    auto& f = b.form();
    f.click(ids::kSpacing12_5);
    EXPECT_EQ(b.state().freqStep, 125);
    f.click(ids::kSpacing25);
    EXPECT_EQ(b.state().freqStep, 250);

    for (int k = 1; k <= 16; ++k) {
        f.type(tx(k), "1000000");
        f.type(rx(k), "2000000");
    }
    f.click(ids::kColumnSwitches[2]);  // 数传 on for every channel
    for (int k = 1; k <= 16; ++k) {
        EXPECT_TRUE(f.checked(flag(k, 2))) << k;
        EXPECT_FALSE(f.checked(flag(k, 1))) << k;
    }
    f.click(flag(5, 2));               // one channel off by hand ...
    f.click(ids::kColumnSwitches[2]);  // ... and the switch off: all off
    for (int k = 1; k <= 16; ++k) EXPECT_FALSE(f.checked(flag(k, 2))) << k;

    f.click(ids::kClearTx);
    for (int k = 1; k <= 16; ++k) {
        EXPECT_EQ(f.text(tx(k)), "0");
        EXPECT_EQ(f.text(rx(k)), "2000000");
    }
    f.click(ids::kClearRx);
    for (int k = 1; k <= 16; ++k) EXPECT_EQ(f.text(rx(k)), "0");
}

TEST(Lm52rContainer, TabsHeadingFileNameAndRouting) {
    Lm52rBaseBench b;
    auto& c = *b.container;
    EXPECT_EQ(c.form().text(engine::kHeadingLabel), "终端类型:LM52R/LM520(串口速率:9600)");
    EXPECT_EQ(c.spec().defaultFileName, "LM52R");
    ASSERT_EQ(c.pageCount(), 3u);
    EXPECT_EQ(c.caption(0), "基本信息");
    EXPECT_EQ(c.caption(1), "用户信息");
    EXPECT_EQ(c.caption(2), "列车信息");
    EXPECT_EQ(c.currentTab(), 0u);
    EXPECT_EQ(c.filePages().size(), 2u);  // base and user page; the train page takes no part

    // An answer meant for the user page never reaches the base page.
    b.form().click(2090);
    b.session.requestPage = 1;
    b.answer(0x9A, {0x00, 0x01, 0, 0, 0, 0, 'X', 0});
    EXPECT_EQ(b.codesWritten().front(), 0x99);
    EXPECT_TRUE(b.timers.running(b.base, engine::kResponseTimer));
}
