// The WZ-4040 base page: the read chain's decoding edges, the write chain's frames and where its
// checks stop it, and the two variants' faces.
#include <gtest/gtest.h>

#include "wz4040_bench.h"

using namespace rb;
using rb::testing::bytesOf;
using rb::testing::sealedHex;
using rb::testing::Wz4040Bench;
namespace ids = rb::families::wz4040::base_ids;

namespace {

// A 0x22 payload of 53 bytes with a few bytes set.
wire::Bytes basicPayload(std::initializer_list<std::pair<std::size_t, std::uint8_t>> set) {
    wire::Bytes p(53, 0);
    for (auto [k, v] : set) p[k] = v;
    return p;
}

// Walks the write chain acknowledging each step until the given command has been sent.
void writeUntil(Wz4040Bench& b, std::uint8_t code) {
    b.form().click(2091);
    for (int step = 0; step < 6 && !b.writes().empty() && b.lastWrite()[3] != code; ++step)
        b.ack(b.lastWrite()[3]);
}

// Clicks read and answers the chain with empty groups until the request `code` is out, so that
// the next answer is the one the page waits for.
void readUntil(Wz4040Bench& b, std::uint8_t code) {
    b.form().click(2090);
    for (int step = 0; step < 4 && b.lastWrite()[3] != code; ++step) {
        switch (b.lastWrite()[3]) {
            case 0x27:
                b.answer(0x28, {});
                break;
            case 0x21:
                b.answer(0x22, basicPayload({}));
                break;
            case 0x23:
                b.answer(0x24, wire::Bytes(66, 0));
                break;
            default:
                return;
        }
    }
}

}  // namespace

TEST(Wz4040Base, ReadChainAndItsDecodingEdges) {
    struct Case {
        const char* name;
        std::uint8_t code;
        wire::Bytes payload;
        int id;
        std::string shown;
    };
    const Case cases[] = {
        {"base number 0 shows 1", 0x22, basicPayload({{7, 0x00}}), ids::kBaseNumber, "1"},
        {"base number 0xFF shows 0", 0x22, basicPayload({{7, 0xFF}}), ids::kBaseNumber, "0"},
        {"channel 4 shows 5", 0x22, basicPayload({{8, 0x04}}), ids::kChannelNumber, "5"},
        {"version 0x21 shows 2.1", 0x22, basicPayload({{10, 0x21}}), ids::kSoftware, "2.1"},
        {"telephone 105", 0x22, basicPayload({{27, 0x00}, {28, 4}, {29, 0x1A}, {30, 0x50}}),
         ids::kAlarmNumber, "105"},
        {"alarm identity", 0x22, basicPayload({{27, 0x55}, {29, 0x00}, {30, 0x07}, {31, 0xD1}}),
         ids::kAlarmNumber, "2001"},
        {"12.5 kHz codes", 0x22, basicPayload({{12, 0x55}, {13, 0x47}, {14, 0xE0}}),
         ids::kDefaultTx, "2300000"},
        {"0xFFFF reads 0", 0x22, basicPayload({{13, 0xFF}, {14, 0xFF}}), ids::kDefaultTx, "0"},
        {"status base 0xFF",
         0x26,
         {0xFF, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00},
         ids::kStatusBase,
         "无"},
        {"status call type 0x08 is empty", 0x26, {0, 0, 0, 0x08, 0, 0, 0}, ids::kStatusCall, ""},
        {"status call type 0x85",
         0x26,
         {0, 0, 0, 0x85, 0, 0, 0},
         ids::kStatusCall,
         "双工一级告警语音"},
        {"status tx/rx 0x44", 0x26, {0, 0, 0, 0, 0x44, 0, 0}, ids::kStatusTxRx, "挂机"},
        {"status tx/rx 0x99 in decimal", 0x26, {0, 0, 0, 0, 0x99, 0, 0}, ids::kStatusTxRx, "153"},
        {"data quality bits 3-5", 0x26, {0, 0, 0, 0, 0, 0x2E, 0}, ids::kStatusQuality, "5"},
        {"field strength bits 0-2", 0x26, {0, 0, 0, 0, 0, 0x2E, 0}, ids::kStatusStrength, "6"},
        {"channel switch 6", 0x26, {0, 0, 0, 0, 0, 0, 6}, ids::kStatusSwitch, "脱网信道,收发调换"},
        {"channel switch above 6", 0x26, {0, 0, 0, 0, 0, 0, 9}, ids::kStatusSwitch, "未知(9)"},
        {"a short status answer reads zeros", 0x26, {0xFF}, ids::kStatusChannel, "1"},
    };
    for (const Case& c : cases) {
        Wz4040Bench b;
        readUntil(b, std::uint8_t(c.code - 1));
        b.answer(c.code, c.payload);
        EXPECT_EQ(b.form().text(c.id), c.shown) << c.name;
    }

    // The chain itself: 0x27 -> 0x28 -> 0x21 -> 0x22 -> 0x23 -> 0x24 -> 0x25 -> 0x26.
    Wz4040Bench b;
    b.form().setText(ids::kTablePage, "2");
    b.form().click(2090);
    EXPECT_EQ(b.lastHex(), sealedHex("EA 00 00 27"));
    wire::Bytes factory{0, 0, 0, 0};
    for (char c : std::string("WZ-4040 V2")) factory.push_back(std::uint8_t(c));
    factory.resize(20, 0);
    b.answer(0x28, factory);
    EXPECT_EQ(b.session.statusBar.text(1), "WZ-4040 V2");
    EXPECT_EQ(b.lastHex(), sealedHex("EA 00 00 21"));
    b.answer(0x22, basicPayload({}));
    EXPECT_EQ(b.lastHex(), sealedHex("EA 01 00 23 01"));
    EXPECT_EQ(b.form().text(ids::kRowLabels[0]), "17");  // page 2: rows 17 ... 32
    EXPECT_EQ(b.form().text(ids::kRowLabels[15]), "32");
    wire::Bytes table(66, 0);
    table[0] = 0x3C;
    table[2] = 0x3E;  // row 0 TX code 16000
    table[3] = 0x80;
    b.answer(0x24, table);
    EXPECT_EQ(b.form().text(ids::kVersionA), "3");
    EXPECT_EQ(b.form().text(ids::kVersionB), "12");
    EXPECT_EQ(b.form().text(ids::rowTx(0)), "4000000");
    EXPECT_EQ(b.lastHex(), sealedHex("EA 00 00 25"));
    b.answer(0x26, {0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(b.session.statusBar.text(2), "状态查询成功");
    EXPECT_EQ(b.traces.back(), "\r\n状态查询成功!");
    EXPECT_FALSE(b.responseTimerRunning(0));
    EXPECT_EQ(b.writes().size(), 4u);
}

TEST(Wz4040Base, FactoryTextStaysInsideItsLengthAndTheFrame) {
    struct Case {
        const char* name;
        wire::Bytes frame;
        std::string text;
    };
    // A length below 8 gives no text; a text without its zero byte ends at the frame's end;
    // (length - 8) cuts it.
    const Case cases[] = {
        {"length 5", wire::frameEA(0x28, {0, 0, 0, 0, 'A'}), ""},
        {"length 12 cuts to 4", wire::frameEA(0x28, bytesOf("00 00 00 00 41 42 43 44 45 46 47 48")),
         "ABCD"},
        {"at most 99 bytes",
         wire::frameEA(0x28,
                       [] {
                           wire::Bytes p(4, 0);
                           p.resize(196, 'A');
                           return p;
                       }()),
         std::string(99, 'A')},
        {"only the length's low byte counts (0x108)",
         wire::frameEA(0x28,
                       [] {
                           wire::Bytes p(4, 0);
                           p.resize(0x108, 'A');
                           return p;
                       }()),
         ""},
    };
    for (const Case& c : cases) {
        Wz4040Bench b;
        b.form().click(2090);  // the factory text answers the read's 0x27
        b.session.statusBar.SetText(1, "old");
        b.opener.last->receive(c.frame);
        EXPECT_EQ(b.session.statusBar.text(1), c.text) << c.name;
    }
}

TEST(Wz4040Base, WriteChainFramesAndChecks) {
    Wz4040Bench b;
    auto& f = b.form();
    f.setText(ids::kIdentity, "70000");
    f.click(ids::kAuthOn);
    f.setSelection(ids::kCategory, 2);
    f.click(ids::kControlDesk);
    f.click(ids::kSwitches[0]);
    f.click(ids::kSwitches[5]);
    f.setText(ids::kBaseNumber, "3");
    f.setText(ids::kChannelNumber, "255");
    f.setText(ids::kDefaultTx, "2300000");
    f.setText(ids::kDefaultRx, "");
    f.setText(ids::kOffNet, "0");
    f.setText(ids::kVersionA, "1");
    f.setText(ids::kVersionB, "2");
    f.setText(ids::rowRx(15), "4000000");
    f.click(ids::kAlarmByPhone);
    f.setText(ids::kAlarmNumber, "105");
    f.setText(ids::kKeyWord, "abc");
    f.click(2091);
    EXPECT_EQ(b.prompter.boxes.at(0).text, "确认写录数据?");
    EXPECT_EQ(b.lastHex(), sealedHex("EA 09 00 11 01 11 70 01 02 DD 21 02 FE"));
    b.ack(0x11);
    EXPECT_EQ(b.traces[b.traces.size() - 2], "\r\n基本参数设置成功!");
    EXPECT_EQ(b.session.statusBar.text(2), "");  // the next request cleared it
    EXPECT_EQ(b.lastHex(), sealedHex("EA 0B 00 15 00 23 F0 00 00 00 00 00 00 00 00"));
    b.ack(0x15);
    std::string table = "EA 42 00 12 12 00";
    for (int i = 0; i < 15; ++i) table += " 00 00 00 00";
    table += " 00 00 3E 80";
    EXPECT_EQ(b.lastHex(), sealedHex(table));
    b.ack(0x12);
    EXPECT_EQ(b.lastHex(), sealedHex("EA 04 00 14 05 01 0F 3C"));
    b.ack(0x14);
    EXPECT_EQ(b.lastHex(), sealedHex("EA 06 00 13 00 04 1A 50 00 00"));
    b.ack(0x13);
    EXPECT_EQ(b.traces[b.traces.size() - 2], "\r\n报警电话绑定号码设置成功!");
    EXPECT_EQ(b.lastHex(), sealedHex("EA 0E 00 16 00 00 61 62 63 00 00 00 00 00 00 00 00 00"));
    b.ack(0x16);
    EXPECT_EQ(b.session.statusBar.text(2), "密钥参数设置成功");
    EXPECT_EQ(b.writes().size(), 6u);
    EXPECT_EQ(b.prompter.boxes.size(), 1u);

    // Where a check stops the chain, with nothing sent for that step.
    struct Stop {
        const char* name;
        bool relay;
        int id;
        std::string text;
        std::uint8_t step;  // the command that would have been sent
        std::string message;
    };
    const Stop stops[] = {
        {"relay identity 70000", true, ids::kIdentity, "70000", 0x11,
         "身份码设置错误,请设置为0x01-0xFFFF!"},
        {"identity 0", false, ids::kIdentity, "0", 0x11, "身份码设置错误,请设置为0x01-0x03FFFF!"},
        {"identity 262144", false, ids::kIdentity, "262144", 0x11,
         "身份码设置错误,请设置为0x01-0x03FFFF!"},
        {"base number 256", false, ids::kBaseNumber, "256", 0x11,
         "基站编号设置错误,请设置为1-255!"},
        {"channel number 0", false, ids::kChannelNumber, "0", 0x11,
         "信道编号设置错误,请设置为1-255!"},
        {"six-digit frequency", false, ids::kDefaultRx, "230000", 0x15,
         "默认信道接收频率设置不正确!"},
        {"not a multiple of 250", false, ids::kOffNet, "2300125", 0x15, "脱网频率设置不正确!"},
        {"version 16", false, ids::kVersionB, "16", 0x12, "频率表版本号错误,版本范围:15.15!"},
        {"page 17", false, ids::kTablePage, "17", 0x12, "频率表页号错误,页号范围:1-16!"},
        {"row 15 receive", false, ids::rowRx(15), "1234567", 0x12, "15信道接收频率设置不正确!"},
        {"key 65536", false, ids::kKeyParameter, "65536", 0x16,
         "密钥参数设置错误,请设置为0-65535!"},
    };
    for (const Stop& s : stops) {
        Wz4040Bench w(s.relay);
        w.form().setText(s.id, s.text);
        writeUntil(w, s.step);
        EXPECT_EQ(w.prompter.lastText(), s.message) << s.name;
        for (const auto& frame : w.writes()) EXPECT_NE(frame[3], s.step) << s.name;
    }
    // 70000 goes out in the trunking variant.
    Wz4040Bench trunking;
    trunking.form().setText(ids::kIdentity, "70000");
    trunking.form().click(2091);
    EXPECT_EQ(trunking.lastWrite()[3], 0x11);
    EXPECT_EQ(trunking.lastWrite()[4], 0x01);
    EXPECT_EQ(trunking.lastWrite()[5], 0x11);
    EXPECT_EQ(trunking.lastWrite()[6], 0x70);
}

TEST(Wz4040Base, EachShowingAppliesItsVariantsFace) {
    Wz4040Bench b(true);
    auto& f = b.form();
    auto expectRelay = [&f] {
        EXPECT_EQ(f.text(1665), "信道发射频率:");
        EXPECT_EQ(f.text(1666), "本地接收频率:");
        EXPECT_EQ(f.text(1667), "转发发射频率:");
        EXPECT_EQ(f.text(1668), "转发接收频率:");
        EXPECT_EQ(f.text(ids::kRowLabels[0]), "CH1-B1本地");
        EXPECT_EQ(f.text(ids::kRowLabels[5]), "CH2-B1转发");
        EXPECT_EQ(f.text(ids::kRowLabels[15]), "CH4-B2转发");
        for (int id : {1667, 1060, 1540, 1541, 1574}) EXPECT_FALSE(f.enabled(id)) << id;
    };
    expectRelay();
    // The page request keeps the relay labels.
    f.click(2090);
    b.answer(0x28, {});
    b.answer(0x22, basicPayload({}));
    EXPECT_EQ(f.text(ids::kRowLabels[0]), "CH1-B1本地");
    b.show(false);
    EXPECT_EQ(f.text(1665), "默认信道发射频率:");
    EXPECT_EQ(f.text(1668), "脱网信道接收频率:");
    EXPECT_EQ(f.text(ids::kRowLabels[0]), "1");
    EXPECT_EQ(f.text(ids::kRowLabels[15]), "16");
    for (int id : {1667, 1060, 1540, 1541, 1574}) EXPECT_TRUE(f.enabled(id)) << id;
    b.show(true);
    expectRelay();
}
