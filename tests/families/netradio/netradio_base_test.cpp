// The network-radio base page against a hand-played terminal: the chains byte by byte, the
// decoders' edge values, where a write stops and what it says, the own-frequency boxes.
#include "families/netradio/netradio_base.h"

#include <gtest/gtest.h>

#include "families/netradio/netradio_bench.h"

using namespace rb;
using namespace rb::families::netradio::base_ids;
using rb::testing::payloadOf;

namespace {

using Bench = rb::testing::NetRadioBench;

// Common-parameter bytes 6-15 of a terminal at 25 kHz and at 12.5 kHz.
const wire::Bytes kCommon25 = {0, 0, 0x00, 0x44, 0x44, 0xCC, 3, 0, 0x22, 0xAA};
const wire::Bytes kCommon12_5 = {0, 0, 0x00, 0x44, 0x44, 0xCC, 3, 0, 0x22, 0x55};

// A 0x17 payload (frame bytes 4-69): own number, then the sixteen codes.
wire::Bytes frequencyPayload(int own, const std::vector<std::uint16_t>& codes) {
    wire::Bytes p = payloadOf(71);
    p[1] = std::uint8_t(own);
    for (std::size_t k = 0; k < codes.size(); ++k) {
        p[2 + 2 * k] = std::uint8_t(codes[k] >> 8);
        p[3 + 2 * k] = std::uint8_t(codes[k]);
    }
    return p;
}

int editOf(int row) { return row == 16 ? kOffNetEdit : kFrequencyEdits[std::size_t(row - 1)]; }

}  // namespace

TEST(NetRadioBase, ReadChainRequestsEveryGroupAndShowsIt) {
    Bench b;
    auto& f = b.form();
    f.click(kFirstOwnBox + 4);
    f.type(kFrequencyEdits[0], "123");
    f.click(engine::kReadButton);
    // The reset: no own frequency, tones off, frequencies "0".
    EXPECT_EQ(b.base().ownFrequencyNumber(), 0);
    EXPECT_EQ(f.text(kFrequencyEdits[0]), "0");
    EXPECT_FALSE(f.checked(kBeepPowerOn) || f.checked(kBeepPttOff));
    EXPECT_FALSE(f.enabled(engine::kReadButton) || f.enabled(engine::kWriteButton));
    EXPECT_EQ(b.session.requestPage, 0);

    // Version text: bytes 10 ... n-2 up to the first zero byte.
    b.answer(0x9A, {0x00, 0x01, 0, 0, 0, 0, 'N', 'R', '3', 0, 'x'});
    EXPECT_EQ(b.session.statusBar.text(1), "NR3");
    // PTT 200, standby 7; flags 0x4B: companding on, PTT-release and power-on tones, backlight.
    b.answerCommon({200, 7, 0x4B, 0x33, 0x77, 0xC3, 0x02, 0x01, 0x44, 0x55});
    EXPECT_EQ(f.text(kPttEdit), "200");
    EXPECT_EQ(f.text(kStandbyEdit), "7");
    EXPECT_EQ(f.radio(kCompanderOn), 0);
    EXPECT_TRUE(f.checked(kBeepPttOff) && f.checked(kBeepPowerOn) && f.checked(kBacklight));
    EXPECT_EQ(f.radio(kPower0_5W), 2);
    EXPECT_EQ(f.selection(kSpeedList), 9);
    EXPECT_EQ(f.selection(kParityList), 2);
    EXPECT_EQ(f.selection(kDataBitsList), 2);
    EXPECT_EQ(f.selection(kStopBitsList), 1);
    EXPECT_EQ(f.selection(kAirSpeedList), 3);
    EXPECT_EQ(f.radio(kSpacing12_5), 0);
    EXPECT_EQ(b.base().channelStep(), 125);
    EXPECT_EQ(b.traces.rbegin()[1], "\r\n公共参数读取成功!");

    // 12.5 kHz: code 28001 shows 3500125; 0xFFFF shows "0"; the off-net row is row 16.
    std::vector<std::uint16_t> codes(16, 0);
    codes[0] = 28001;
    codes[1] = 0xFFFF;
    codes[15] = 32000;
    b.answer(0x17, frequencyPayload(7, codes));
    EXPECT_EQ(f.text(kFrequencyEdits[0]), "3500125");
    EXPECT_EQ(f.text(kFrequencyEdits[1]), "0");
    EXPECT_EQ(f.text(kOffNetEdit), "4000000");
    EXPECT_EQ(b.base().ownFrequencyNumber(), 7);
    EXPECT_TRUE(f.checked(1488));

    b.answer(0x1F, {0x00, 0x01, 0xCA});  // bits 7, 6, 3, 1
    EXPECT_TRUE(f.checked(kVoxCheck) && f.checked(kEncryptCheck) && f.checked(kHoppingCheck));
    EXPECT_EQ(b.session.statusBar.text(2), "信道功能读取成功");
    EXPECT_EQ(b.writes(), (std::vector<wire::Bytes>{
                              {0x96, 0x05, 0x80, 0x99, 0x00, 0x01, 0x8B},
                              wire::frame96(0x22),
                              wire::frame96(0x16, {0x00, 0x01}),
                              wire::frame96(0x1E, {0x00, 0x01}),
                          }));
    b.advance(1500);
    EXPECT_TRUE(f.enabled(engine::kReadButton) && f.enabled(engine::kWriteButton));
    b.advance(5000);
    EXPECT_TRUE(b.prompter.boxes.empty());
}

TEST(NetRadioBase, CommonAnswerCodesOutsideTheTables) {
    struct Case {
        std::size_t byte;
        std::uint8_t value;
        int control;
        int shown;  // radio or list index after the answer (the reset put power 3, speed 6 ...)
    };
    const std::vector<Case> cases = {
        {9, 0x55, kPower0_5W, 3},   // power: unchanged
        {9, 0x11, kPower0_5W, 0},   // a hidden power radio, only from the terminal
        {10, 0x99, kSpeedList, 9},  // speed: any other code selects 38400
        {10, 0x03, kSpeedList, 0},
        {11, 0x00, kParityList, 0},    // parity: anything else is 无校验
        {12, 0x07, kDataBitsList, 4},  // data bits above 3 select "9"
        {12, 0x03, kDataBitsList, 3},
        {13, 0x02, kStopBitsList, 0},  // stop bits: unchanged
        {14, 0x00, kAirSpeedList, 3},  // air speed: anything else is 19200
        {15, 0x00, kSpacing12_5, 1},   // spacing: anything but 0x55 is 25 kHz
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.byte) + " = " + std::to_string(c.value));
        Bench b;
        b.form().click(engine::kReadButton);
        b.answer(0x9A);  // the read asks for the version first
        wire::Bytes common = kCommon25;
        common[c.byte - 6] = c.value;
        b.answerCommon(common);
        const int shown = c.control == kPower0_5W || c.control == kSpacing12_5
                              ? b.form().radio(c.control)
                              : b.form().selection(c.control);
        EXPECT_EQ(shown, c.shown);
    }
}

TEST(NetRadioBase, OwnFrequencyBoxesAndFrequencyAnswerRows) {
    Bench b;
    auto& f = b.form();
    f.click(kFirstOwnBox + 2);
    f.click(kFirstOwnBox + 9);
    EXPECT_EQ(b.base().ownFrequencyNumber(), 10);
    EXPECT_FALSE(f.checked(kFirstOwnBox + 2));
    f.click(kFirstOwnBox + 9);  // the ticked box: none is left
    EXPECT_EQ(b.base().ownFrequencyNumber(), 0);
    EXPECT_FALSE(f.enabled(kOffNetOwnBox) || f.enabled(kFirstSpareBox) ||
                 f.enabled(kFirstSpareEdit + 15));

    // An own number outside 1-15 in 0x17 ticks nothing.
    for (auto [own, shown] : {std::pair{0, 0}, {15, 15}, {16, 0}, {255, 0}}) {
        // A read up to its frequency request: only an answer the page asked for is taken.
        b.advance(2000);
        f.click(engine::kReadButton);
        b.answer(0x9A);
        b.answerCommon(kCommon25);
        f.click(kFirstOwnBox);
        b.answer(0x17, frequencyPayload(own, std::vector<std::uint16_t>(16, 1)));
        EXPECT_EQ(b.base().ownFrequencyNumber(), shown) << own;
    }
    // At the opening step (25 kHz) code 1 is 250.
    EXPECT_EQ(f.text(kFrequencyEdits[14]), "250");
}

TEST(NetRadioBase, WriteChainSendsEveryGroupAndKeepsTheUserPagesBits) {
    Bench b;
    auto& f = b.form();
    f.click(kCompanderOff);
    f.click(kPowerLow);
    f.click(kBeepPowerOn);  // off; PTT-release stays on
    f.type(kPttEdit, "30");
    f.type(kStandbyEdit, "5");
    f.select(kParityList, 1);
    f.select(kSpeedList, 2);
    f.select(kDataBitsList, 4);
    f.select(kStopBitsList, 1);
    f.click(kFirstOwnBox + 14);  // own frequency 15
    f.type(kFrequencyEdits[0], "4500000");
    f.type(kFrequencyEdits[14], "4000250");
    f.type(kOffNetEdit, "");  // empty counts as 0
    f.click(kVoxCheck);
    f.click(kHoppingCheck);

    f.click(engine::kWriteButton);
    EXPECT_EQ(b.prompter.texts(), std::vector<std::string>{"确认写录数据?"});
    EXPECT_EQ(b.lastWrite(), wire::frame96(0x22));
    // A terminal whose flags byte has every bit set: bits 7 and 5 go back as they were, the
    // base page's bits as the page shows them (PTT-release tone, backlight), 2 and 4 as 0.
    b.answerCommon({1, 2, 0xFF, 0x11, 0x03, 0xCC, 0, 0, 0x11, 0x55});
    EXPECT_EQ(b.lastWrite(), wire::frame96(0x20, {0x00, 0x01, 30, 5, 0xE2, 0x33, 0x11, 0x3C, 0x07,
                                                  0x01, 0x22, 0xAA}));
    EXPECT_EQ(b.lastWrite().size(), 17u);
    EXPECT_EQ(b.session.statusBar.text(2), "");  // the write's 0x23 shows no status text

    b.answer(0x21);
    const wire::Bytes& w = b.lastWrite();
    ASSERT_EQ(w.size(), 71u);
    EXPECT_EQ(wire::Bytes(w.begin(), w.begin() + 8),
              (wire::Bytes{0x96, 0x45, 0x80, 0x14, 0x00, 15, 0x46, 0x50}));  // 4500000 / 250
    EXPECT_EQ(w[4 + 2 * 15], 0x3E);                                          // frequency 15 = 16001
    EXPECT_EQ(w[5 + 2 * 15], 0x81);
    EXPECT_EQ(wire::Bytes(w.begin() + 38, w.begin() + 66), wire::Bytes(28, 0));
    EXPECT_EQ(wire::Bytes(w.begin() + 66, w.begin() + 70), (wire::Bytes{0x3E, 0x81, 0x00, 0x00}));
    EXPECT_EQ(w.back(), wire::xorChecksum(wire::ByteSpan(w).first(70)));

    b.answer(0x15);
    EXPECT_EQ(b.lastWrite(), wire::frame96(0x18, {0x00, 0x01, 0x00, 0xC2, 0x00, 0x00}));
    b.answer(0x19);
    EXPECT_EQ(b.session.statusBar.text(2), "信道功能设置成功");
    EXPECT_EQ(b.writes().size(), 4u);
    b.advance(5000);
    EXPECT_EQ(b.prompter.boxes.size(), 1u);
}

TEST(NetRadioBase, AWriteStopsAtTheFirstBadFrequencyOrWithoutOwnFrequency) {
    struct Case {
        bool narrow;  // 12.5 kHz selected
        int own;
        std::vector<std::pair<int, std::string>> rows;  // frequency row 1-16, text
        const char* message;                            // nullptr: 0x14 goes out
    };
    const std::vector<Case> cases = {
        {false, 1, {{1, "4500125"}}, "01号频率数据设置不正确!"},
        {true, 1, {{1, "4500125"}}, nullptr},
        {false, 1, {{13, "100"}, {14, "1"}}, "13号频率数据设置不正确!"},
        {false, 2, {{16, "125"}}, "脱网频率数据设置不正确!"},
        {false, 2, {{2, "-250"}}, "02号频率数据设置不正确!"},
        {false, 0, {{1, "4500125"}}, "请设置本机频率!"},
        {false, 15, {{15, "9999750"}}, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message ? c.message : "sent");
        Bench b;
        auto& f = b.form();
        if (c.narrow) f.click(kSpacing12_5);
        if (c.own) f.click(kFirstOwnBox + c.own - 1);
        for (const auto& [row, text] : c.rows) f.setText(editOf(row), text);
        f.click(engine::kWriteButton);
        b.answerCommon(kCommon25);
        b.answer(0x21);
        // 0x22, 0x20, then 0x14 when every check passed; nothing at all when one failed (the
        // checks come before the first frame).
        ASSERT_EQ(b.writes().size(), c.message ? 0u : 3u);
        if (!c.message) {
            EXPECT_EQ(b.lastWrite()[3], 0x14);
            continue;
        }
        ASSERT_EQ(b.prompter.boxes.size(), 1u);
        EXPECT_EQ(b.prompter.boxes[0].text, c.message);
        EXPECT_EQ(b.prompter.boxes[0].caption, "提示");
        EXPECT_EQ(b.prompter.boxes[0].icon, engine::Icon::Information);
        // No request is outstanding: no time-out box follows; the buttons stay usable.
        b.advance(5000);
        EXPECT_EQ(b.prompter.boxes.size(), 1u);
        EXPECT_TRUE(f.enabled(engine::kWriteButton));
    }
}

TEST(NetRadioBase, CancelSilenceAndStrayAnswers) {
    Bench b;
    auto& f = b.form();
    b.prompter.answers.push_back(engine::Answer::Cancel);
    f.click(engine::kWriteButton);
    EXPECT_TRUE(b.writes().empty());
    EXPECT_TRUE(f.enabled(engine::kWriteButton));

    // A silent terminal: "操作失败" after 2000 ms.
    f.click(engine::kReadButton);
    b.advance(1999);
    EXPECT_EQ(b.prompter.boxes.size(), 1u);
    b.advance(1);
    EXPECT_EQ(b.session.statusBar.text(2), "操作失败");
    EXPECT_EQ(b.prompter.lastText(), "操作失败！请检查设备连接是否正常？");

    // A VOX answer is taken whenever it comes; an unknown code changes nothing.
    b.answer(0x3F, {0x00, 0x01, 0x10, 0x27});
    EXPECT_EQ(f.text(kVoxEdit), "10000");
    EXPECT_EQ(b.session.statusBar.text(2), "读取声控电平成功");
    const std::size_t sent = b.writes().size();
    b.answer(0x53, payloadOf(92));
    EXPECT_EQ(b.writes().size(), sent);
}
