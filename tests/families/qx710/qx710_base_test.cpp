// The QX-7100 base page against a hand-played station: the chains byte by byte, answer decoding
// at the edges, where a write stops and what it says, the periodic read and the station's own
// query.
#include <gtest/gtest.h>

#include "qx710_bench.h"

using namespace rb;
using rb::testing::hexOf;
using rb::testing::Qx710Bench;
using rb::testing::sealed;
namespace ids = rb::families::qx710::base_ids;

namespace {

// A 0x22 payload of 130 bytes with the given bytes put in at their offsets.
wire::Bytes basicPayload(std::initializer_list<std::pair<std::size_t, std::uint8_t>> bytes) {
    wire::Bytes p(130, 0);
    for (auto [k, v] : bytes) p[k] = v;
    return p;
}

// Clicks read and answers 0x22 with `payload`.
void readBasic(Qx710Bench& b, const wire::Bytes& payload) {
    b.form().click(2090);
    b.answer(0x22, payload);
}

// Clicks write (confirmed) and acknowledges up to, not including, step `upTo` (1-based).
void writeUpTo(Qx710Bench& b, int upTo) {
    const std::uint8_t echoes[] = {0x11, 0x15, 0x13, 0x16, 0x14, 0x12};
    b.form().click(2091);
    for (int k = 0; k < upTo - 1 && k < 6; ++k) b.ack(echoes[k]);
}

}  // namespace

TEST(Qx710Base, ReadChainResetsAndAsksForEveryGroupInOrder) {
    Qx710Bench b;
    auto& f = b.form();
    f.setText(ids::kOwnerName, "旧");
    f.setText(ids::kTablePage, "2");
    f.click(2090);
    EXPECT_EQ(f.text(ids::kOwnerName), "");
    EXPECT_EQ(f.text(ids::kIdentity), "1");
    EXPECT_EQ(f.text(ids::kRollCallTimeout), "5");
    EXPECT_FALSE(f.enabled(2090));
    b.answer(0x22, basicPayload({}));
    EXPECT_EQ(b.traces[b.traces.size() - 2], "\r\n查询电台基本参数成功!");  // then 0x23's send
    b.answer(0x24, {0x02, 0x3E, 0x80, 0xFF, 0xFF});
    EXPECT_EQ(f.text(ids::kRowLabels[0]), "8");
    EXPECT_EQ(f.text(ids::kRowLabels[3]), "11");
    EXPECT_EQ(f.text(ids::kRowTx[0]), "4000000");
    EXPECT_EQ(f.text(ids::kRowRx[0]), "0");
    // A version text that runs to the frame's end without its zero byte stops there.
    b.answer(0x28, {0, 0, 0, 0, 'Q', 'X', '7'});
    EXPECT_EQ(b.session.statusBar.text(1), "QX7");
    b.answer(0x2A, {0x00});
    EXPECT_EQ(f.radio(ids::kPower5W), 1);     // 20W
    EXPECT_FALSE(b.responseTimerRunning(0));  // 0x25 arms nothing
    b.answer(0x26, {0x07, 0x05, 0x22, 0x03, 0x00, 0x4A, 0x1C});
    EXPECT_EQ(f.text(ids::kStatusBase), "7");
    EXPECT_EQ(f.text(ids::kFrequencyNumber), "5");
    EXPECT_EQ(f.text(ids::kTxRxState), "发送");
    EXPECT_EQ(f.text(ids::kCallType), "3");
    EXPECT_EQ(f.text(ids::kFieldStrength), "10");
    EXPECT_EQ(f.text(ids::kSwr), "4");
    EXPECT_EQ(f.text(ids::kChannelState), "脱网(1c)");
    EXPECT_EQ(b.session.statusBar.text(2), "查询电台状态返回成功");
    std::vector<std::string> sent;
    for (const auto& w : b.writes()) sent.push_back(hexOf(w));
    EXPECT_EQ(sent,
              (std::vector<std::string>{"EA 00 00 21 21", "EA 01 00 23 02 26", "EA 00 00 27 27",
                                        "EA 02 00 29 00 11 3C", "EA 00 00 25 25"}));
}

TEST(Qx710Base, BasicParameterAnswerAtItsEdges) {
    struct Case {
        const char* name;
        wire::Bytes payload;
        std::vector<std::pair<int, std::string>> texts;
        int step;
    };
    auto gbk = [](const char* s, std::size_t w) {
        wire::Bytes out;
        wire::putGbkField(out, s, w);
        return out;
    };
    wire::Bytes named = basicPayload({{0, 0x03}, {1, 0xFF}, {2, 0xFF}, {33, 0x55}});
    const wire::Bytes key = gbk("密钥", 12), owner = gbk("王海洋", 19);
    std::copy(key.begin(), key.end(), named.begin() + 36);
    std::copy(owner.begin(), owner.end(), named.begin() + 48);
    wire::Bytes keyed = named;
    keyed[34] = 0x01;  // a key parameter: the key word is emptied
    const Case cases[] = {
        {"12.5 kHz off-net 0x0190, default TX all ones",
         basicPayload({{6, 0x55}, {13, 0x01}, {14, 0x90}, {15, 0xFF}, {16, 0xFF}}),
         {{ids::kOffNet, "50000"}, {ids::kDefaultTx, "0"}},
         125},
        {"25 kHz, versions and type",
         basicPayload({{8, 0x3F}, {9, 0xAA}, {11, 0x21}, {13, 0x3E}, {14, 0x80}}),
         {{ids::kVersionA, "3"},
          {ids::kVersionB, "15"},
          {ids::kSoftwareHigh, "2"},
          {ids::kSoftwareLow, "1"},
          {ids::kOffNet, "4000000"}},
         250},
        {"alarm 1050 by telephone",
         basicPayload({{23, 0xAA}, {24, 4}, {25, 0x1A}, {26, 0x5A}}),
         {{ids::kAlarmNumber, "1050"}},
         250},
        {"alarm 105 by telephone",
         basicPayload({{23, 0xAA}, {24, 3}, {25, 0x1A}, {26, 0x50}}),
         {{ids::kAlarmNumber, "105"}},
         250},
        {"alarm cut to its count",
         basicPayload({{23, 0x00}, {24, 2}, {25, 0x12}, {26, 0x34}}),
         {{ids::kAlarmNumber, "12"}},
         250},
        {"alarm by identity",
         basicPayload({{23, 0x55}, {25, 0x03}, {26, 0xFF}, {27, 0xFF}}),
         {{ids::kAlarmNumber, "262143"}},
         250},
        {"identity, key word and owner",
         named,
         {{ids::kIdentity, "262143"}, {ids::kKeyWord, "密钥"}, {ids::kOwnerName, "王海洋"}},
         250},
        {"key parameter empties the key word",
         keyed,
         {{ids::kKeyParameter, "256"}, {ids::kKeyWord, ""}},
         250},
    };
    for (const Case& c : cases) {
        Qx710Bench b;
        readBasic(b, c.payload);
        for (const auto& [id, text] : c.texts)
            EXPECT_EQ(b.form().text(id), text) << c.name << " " << id;
        EXPECT_EQ(b.container->state().freqStep, c.step) << c.name;
        EXPECT_EQ(hexOf(b.lastWrite()), "EA 01 00 23 00 24") << c.name;  // the chain goes on
    }
}

TEST(Qx710Base, ShortAnswersDecodeAsZerosAndNeverReadTheChecksum) {
    Qx710Bench b;
    b.form().setText(ids::kTablePage, "70");  // a page outside 0-63 is forced to 0
    readBasic(b, {0x00, 0x00, 0x05});
    EXPECT_EQ(b.form().text(ids::kIdentity), "5");
    EXPECT_EQ(b.form().text(ids::kOwnerName), "");
    EXPECT_EQ(b.form().radio(ids::kEncryptOn), 1);
    b.answer(0x24, {0x00, 0x00});
    EXPECT_EQ(b.form().text(ids::kTablePage), "0");
    EXPECT_EQ(b.form().text(ids::kRowTx[0]), "0");
    // Status of length 9 whose payload[7..8] is 00 00 shows payload[1] (each status answers the
    // 0x25 of its own read).
    auto status = [&b](const wire::Bytes& payload) {
        b.answer(0x28, {});
        b.answer(0x2A, {0x11});
        b.answer(0x26, payload);
    };
    status({1, 9, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(b.form().text(ids::kFrequencyNumber), "9");
    b.advance(1500);  // the buttons come back
    readBasic(b, {});
    b.answer(0x24, {});
    status({1, 9, 0, 0, 0, 0, 0, 0x01, 0x02});
    EXPECT_EQ(b.form().text(ids::kFrequencyNumber), "258");
    EXPECT_EQ(b.form().text(ids::kTxRxState), "空闲");
    EXPECT_EQ(b.form().text(ids::kChannelState), "正常");
}

TEST(Qx710Base, WriteChainByteByByte) {
    Qx710Bench b;
    auto& f = b.form();
    f.setText(ids::kIdentity, "262143");
    f.setRadio(ids::kAuthOn, 0);
    f.setText(ids::kVersionA, "2");
    f.setText(ids::kVersionB, "3");
    f.setRadio(ids::kControlDesk, 3);
    f.setText(ids::kBaseNumber, "63");
    f.setText(ids::kOwnerName, "AB");
    f.setText(ids::kOffNet, "4000000");
    f.setText(ids::kDefaultTx, "250");
    f.setText(ids::kDefaultNumber, "254");
    f.setRadio(ids::kAlarmByIdentity, 1);
    f.setText(ids::kAlarmNumber, "1050");
    f.setRadio(ids::kEncryptOn, 0);
    f.setText(ids::kKeyParameter, "258");
    f.setText(ids::kKeyWord, "K");
    f.setText(ids::kTablePage, "1");
    f.setText(ids::kRowRx[3], "500");
    f.setRadio(ids::kPower5W, 1);

    writeUpTo(b, 7);
    b.answer(0x2A, {0x00});
    b.answer(0x26, {0, 0, 0, 0, 0, 0, 0});
    ASSERT_EQ(b.writes().size(), 8u);
    wire::Bytes basic = {0x03, 0xFF, 0xFF, 0x01, 0x23, 0x55, 0x3F, 'A', 'B'};
    basic.resize(3 + 4 + 19 + 63, 0);
    EXPECT_EQ(b.writes()[0], wire::frameEA(0x11, basic));
    EXPECT_EQ(b.writes()[0].size(), 94u);
    EXPECT_EQ(hexOf(b.writes()[1]), sealed("EA 08 00 15 00 3E 80 00 01 00 00 FE"));
    EXPECT_EQ(hexOf(b.writes()[2]), sealed("EA 04 00 13 AA 04 1A 5A"));
    EXPECT_EQ(hexOf(b.writes()[3]),
              sealed("EA 0F 00 16 55 01 02 4B 00 00 00 00 00 00 00 00 00 00 00"));
    EXPECT_EQ(hexOf(b.writes()[4]), sealed("EA 04 00 14 05 01 0A 1E"));
    EXPECT_EQ(hexOf(b.writes()[5]),
              sealed("EA 11 00 12 01 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 02"));
    EXPECT_EQ(hexOf(b.writes()[6]), sealed("EA 02 00 29 01 00"));
    EXPECT_EQ(hexOf(b.writes()[7]), "EA 00 00 25 25");
    EXPECT_EQ(b.session.statusBar.text(2), "查询电台状态返回成功");
    const std::vector<std::string> expected = {
        "\r\n电台基本参数设置成功!", "\r\n信道间隔设置成功!",     "\r\n报警电话绑定设置成功!",
        "\r\n加密功能设置成功!",     "\r\n调度时间参数设置成功!", "\r\n电台信道频率设置成功!"};
    std::vector<std::string> acks;
    for (const auto& t : b.traces)
        if (t.find("设置成功") != std::string::npos) acks.push_back(t);
    EXPECT_EQ(acks, expected);
    EXPECT_EQ(b.prompter.texts(), std::vector<std::string>{"确认写录数据?"});
}

TEST(Qx710Base, AlarmBindingForms) {
    struct Case {
        int type;  // 0 身份码, 1 电话号码
        const char* number;
        std::string frame;
    };
    const Case cases[] = {
        {1, "105", sealed("EA 04 00 13 AA 03 1A 50")},  // L/2 + 2 with L rounded up to even
        {1, "1050", sealed("EA 04 00 13 AA 04 1A 5A")},
        {1, "12345678901234", sealed("EA 09 00 13 AA 0E 12 34 56 78 9A 12 34")},
        {0, "", sealed("EA 05 00 13 55 03 00 00 00")},  // empty: identity 0, shown as "0"
        {1, "", sealed("EA 05 00 13 55 03 00 00 00")},
        {0, "262143", sealed("EA 05 00 13 55 03 03 FF FF")},
    };
    for (const Case& c : cases) {
        Qx710Bench b;
        b.form().setRadio(ids::kAlarmByIdentity, c.type);
        b.form().setText(ids::kAlarmNumber, c.number);
        writeUpTo(b, 3);
        EXPECT_EQ(hexOf(b.lastWrite()), c.frame) << c.number;
        if (std::string(c.number).empty()) {
            EXPECT_EQ(b.form().text(ids::kAlarmNumber), "0");
            EXPECT_EQ(b.form().radio(ids::kAlarmByIdentity), 0);
        }
    }
}

TEST(Qx710Base, WriteStopsAtTheFirstBadValueWithItsMessage) {
    // Every step's checks run before the first frame: a bad value in any step sends nothing.
    struct Case {
        int step;  // the step whose request the bad value stops
        int id;
        const char* text;
        const char* message;
        const char* caption;
    };
    const Case cases[] = {
        {1, ids::kBaseNumber, "64", "基站编号设置错误,请设为0-63!", "提示"},
        {1, ids::kIdentity, "0", "身份码范围为:1-262143,请重新输入!", "RadioBench"},
        {1, ids::kOwnerName, "一二三四五六七八九十", "机主姓名设置错误,请设为0-19位!", "提示"},
        {1, ids::kVersionB, "16", "基站频率表版本号错误,版本范围:15.15!", "提示"},
        {2, ids::kOffNet, "4000001", "脱网信道频率设置不正确!", "提示"},
        {2, ids::kDefaultRx, "-250", "默认信道接收频率设置不正确!", "提示"},
        {3, ids::kAlarmNumber, "262144", "身份码范围为:0-262143,请重新输入!", "提示"},
        {3, ids::kAlarmNumber, "123456789012345", "报警电话号码长度设置错误,请设为0-14!", "提示"},
        {4, ids::kKeyParameter, "65536", "密钥参数设置错误,请设为0-65535!", "提示"},
        {4, ids::kKeyWord, "1234567890123", "密钥字设置错误,请设为0-12位!", "提示"},
        {5, ids::kPttHold, "256", "PTT保持时间设置错误,请设为0-255!", "提示"},
        {6, ids::kTablePage, "64", "基站编号设置错误,请设为0-63!", "提示"},
        {6, ids::kRowRx[2], "100", "2信道频率设置不正确!", "RadioBench"},
    };
    for (const Case& c : cases) {
        Qx710Bench b;
        b.form().setText(c.id, c.text);
        writeUpTo(b, c.step);
        const std::size_t before = b.writes().size();
        EXPECT_EQ(before, 0u) << c.message;  // nothing, not even the steps before
        if (c.step > 1) b.advance(0);
        ASSERT_EQ(b.prompter.boxes.size(), 1u) << c.message;
        EXPECT_EQ(b.prompter.boxes[0].text, c.message);
        EXPECT_EQ(b.prompter.boxes[0].caption, c.caption) << c.message;
        EXPECT_EQ(b.prompter.boxes[0].icon, std::string(c.caption) == "提示"
                                                ? engine::Icon::None
                                                : engine::Icon::Information);
        EXPECT_FALSE(b.responseTimerRunning(0)) << c.message;
    }
}

TEST(Qx710Base, OffNetNotOnTheStepStopsTheWriteBeforeTheBasicParameters) {
    Qx710Bench b;
    b.form().setText(ids::kOffNet, "4000100");
    b.form().click(2091);
    EXPECT_TRUE(b.writes().empty());
    EXPECT_EQ(b.prompter.lastText(), "脱网信道频率设置不正确!");
    EXPECT_FALSE(b.responseTimerRunning(0));
}

TEST(Qx710Base, PeriodicReadAgainstSilenceEndsInOneTimeOutAndClearsTheBox) {
    Qx710Bench b;
    b.form().click(ids::kPeriodicRead);
    EXPECT_TRUE(b.form().checked(ids::kPeriodicRead));
    b.advance(2000);  // the first periodic read
    ASSERT_EQ(b.writes().size(), 1u);
    b.advance(20000);
    EXPECT_EQ(b.prompter.texts(), std::vector<std::string>{"操作失败！请检查设备连接是否正常？"});
    EXPECT_FALSE(b.form().checked(ids::kPeriodicRead));
    EXPECT_EQ(b.session.statusBar.text(2), "操作失败");
    EXPECT_LE(b.writes().size(), 2u);  // at most the read that started with the time-out
    const std::size_t sent = b.writes().size();
    b.advance(10000);
    EXPECT_EQ(b.writes().size(), sent);
}

TEST(Qx710Base, PeriodicReadRepeatsEveryTwoSecondsWhileTicked) {
    Qx710Bench b;
    b.form().click(ids::kPeriodicRead);
    for (int k = 0; k < 3; ++k) {
        b.advance(2000);
        b.answer(0x22, basicPayload({}));
        b.answer(0x24, {0});
        b.answer(0x28, {0, 0, 0, 0, 'V', 0});
        b.answer(0x2A, {0x11});
        b.answer(0x26, {0, 0, 0, 0, 0, 0, 0});
    }
    EXPECT_EQ(b.writes().size(), 15u);
    EXPECT_TRUE(b.prompter.boxes.empty());
    b.form().click(ids::kPeriodicRead);
    b.advance(6000);
    EXPECT_EQ(b.writes().size(), 15u);
}

TEST(Qx710Base, AnswersTheStationsOwnQuery) {
    Qx710Bench b;
    // 0x96: replied at once, nothing armed, status part 2 left alone.
    b.session.statusBar.SetText(2, "x");
    b.answer(0x96, {0x10});
    EXPECT_EQ(hexOf(b.lastWrite()), sealed("EA 05 00 96 01 00 00 00 20"));
    EXPECT_FALSE(b.responseTimerRunning(0));
    EXPECT_EQ(b.session.statusBar.text(2), "x");
    EXPECT_FALSE(b.session.activity.awaitingAnswer);
    // 0x55 comes without a checksum byte; its reply waits for an answer.
    b.opener.last->receive({0xEA, 0x01, 0x00, 0x55, 0x10});
    EXPECT_EQ(hexOf(b.lastWrite()), sealed("EA 05 00 55 01 00 00 00 20"));
    EXPECT_TRUE(b.responseTimerRunning(0));
    // Other lengths or payloads are not the query.
    const std::size_t sent = b.writes().size();
    b.answer(0x96, {0x11});
    b.answer(0x96, {0x10, 0x00});
    EXPECT_EQ(b.writes().size(), sent);
}

TEST(Qx710Base, AnAnswerForAnotherPageLeavesTheBasePageUnchanged) {
    Qx710Bench b;
    b.form().click(2090);
    const std::size_t sent = b.writes().size();
    const std::string identity = b.form().text(ids::kIdentity);
    b.answer(0x41, {0x10});  // muster answer
    b.answer(0x42, {0x20});  // roll-call answer
    b.ack(0x51);             // a GPS acknowledgement nobody waits for: moves and stops nothing
    EXPECT_EQ(b.writes().size(), sent);
    EXPECT_EQ(b.form().text(ids::kIdentity), identity);
    EXPECT_NE(b.session.statusBar.text(2), "GPS写入成功");
    EXPECT_TRUE(b.responseTimerRunning(0));  // the read still waits for its 0x22
}

TEST(Qx710Base, SetIdentitySendsAtOnceWithoutTimer) {
    Qx710Bench b;
    b.form().setText(ids::kIdentity, "4660");
    b.form().setRadio(ids::kAuthOn, 0);
    b.form().select(ids::kSystemCategory, 2);
    b.form().click(ids::kSetIdentity);
    EXPECT_EQ(hexOf(b.lastWrite()), sealed("EA 05 00 10 00 12 34 01 02"));
    EXPECT_FALSE(b.responseTimerRunning(0));
    EXPECT_TRUE(b.prompter.boxes.empty());
    b.ack(0x10);
    EXPECT_EQ(b.session.statusBar.text(2), "电台身份码设置成功");
}

TEST(Qx710Base, EditGuardsKeepTypedValuesInRange) {
    Qx710Bench b;
    auto& f = b.form();
    const std::vector<std::tuple<int, std::string, std::string>> cases = {
        {ids::kIdentity, "262144", "1"},      {ids::kIdentity, "1234567", "1"},
        {ids::kIdentity, "262143", "262143"}, {ids::kVersionA, "16", "15"},
        {ids::kTablePage, "99", "63"},        {ids::kKeyParameter, "70000", "65535"},
        {ids::kDefaultNumber, "255", "0"},    {ids::kPttHold, "-3", "0"},
        {ids::kChannelHold, "300", "255"},    {ids::kOffNet, "123456789", "1234567"},
        {ids::kKeyWord, "1234567890123", ""}, {ids::kOwnerName, "一二三四五六七八九十", ""},
    };
    for (const auto& [id, typed, shown] : cases) {
        f.type(id, typed);
        EXPECT_EQ(f.text(id), shown) << id << " " << typed;
    }
}
