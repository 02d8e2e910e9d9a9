// The WZ-4040 control page: the GPS fix both ways, the call and allocation frames with their
// telephone form, transparent data sized to its bytes, and the code tables.
#include "families/wz4040/wz4040_ctrl.h"

#include <gtest/gtest.h>

#include "wz4040_bench.h"

using namespace rb;
using rb::testing::sealedHex;
using rb::testing::Wz4040Bench;
namespace ids = rb::families::wz4040::ctrl_ids;

namespace {
constexpr int kScc = 3;
}

TEST(Wz4040Scc, CommandFrames) {
    struct Case {
        const char* name;
        std::vector<std::pair<int, std::string>> texts;
        std::vector<std::pair<int, int>> selections;
        std::vector<int> clicks;
        std::string frame;
    };
    const Case cases[] = {
        {"GPS write with the initial fields",
         {},
         {},
         {ids::kGpsWrite},
         sealedHex("EA 13 00 A3 09 03 05 0E 07 09 00 49 26 F6 C6 0D C8 5C 00 70 30 5D 0C")},
        {"GPS write, western and southern",
         {{ids::kLongitude, "-122.729031"},
          {ids::kLatitude, "-0.5"},
          {ids::kDirection, "0"},
          {ids::kSpeed, "409.5"}},
         {},
         {ids::kGpsWrite},
         sealedHex("EA 13 00 A3 09 03 05 0E 07 09 00 B6 D9 09 3A FF B3 B4 C0 00 0F FF 0C")},
        {"GPS read", {}, {}, {ids::kGpsRead}, "EA 00 00 A7 A7"},
        {"CDMA, audio off", {}, {}, {ids::kCdmaButton}, sealedHex("EA 02 00 A2 CD 00")},
        {"WZ, ring off",
         {},
         {},
         {ids::kWz, ids::kRingOff, ids::kCdmaButton},
         sealedHex("EA 02 00 A2 00 03")},
        {"call by identity",
         {},
         {},
         {ids::kCallButton},
         sealedHex("EA 06 00 90 00 55 03 00 00 7B")},
        {"call 105 by telephone",
         {{ids::kCallNumber, "105"}},
         {{ids::kVoiceType, 1}},
         {ids::kByPhone, ids::kCallButton},
         sealedHex("EA 07 00 90 04 00 04 1A 50 00 00")},
        {"directed call 正常允许",
         {},
         {},
         {ids::kDirectedButton},
         sealedHex("EA 04 00 92 00 00 7B 99")},
        {"directed call 排队等待",
         {},
         {{ids::kDirectedState, 4}},
         {ids::kDirectedButton},
         sealedHex("EA 04 00 92 00 00 7B 04")},
        {"teardown", {}, {}, {ids::kTeardownButton}, "EA 00 00 9B 9B"},
        {"allocation at 12.5 kHz",
         {{ids::kAllocPhone, "105"}},
         {{ids::kAllocType, 14}, {ids::kAllocRate, 3}, {ids::kAllocExtra, 5}},
         {ids::kSpacing12_5, ids::kAllocButton},
         sealedHex("EA 12 00 94 87 33 81 00 00 00 00 00 7B 47 E0 47 E0 04 1A 50 00 00")},
        {"allocation at 25 kHz without a number",
         {},
         {},
         {ids::kAllocButton},
         sealedHex("EA 0E 00 94 00 00 00 00 00 00 00 00 7B 23 F0 23 F0 00")},
        {"service dispatch",
         {{ids::kServiceTarget, ""}},
         {{ids::kServiceType, 8}, {ids::kServiceRate, 1}},
         {ids::kServiceButton},
         sealedHex("EA 05 00 99 81 11 00 00 00")},
        {"transparent data",
         {{ids::kData, "AB"}},
         {{ids::kDataType, 6}, {ids::kDataRate, 2}},
         {ids::kDataButton},
         sealedHex("EA 07 00 96 83 22 00 00 7B 41 42")},
    };
    for (const Case& c : cases) {
        Wz4040Bench b;
        auto& f = b.form(kScc);
        for (const auto& [id, text] : c.texts) f.setText(id, text);
        for (const auto& [id, index] : c.selections) f.setSelection(id, index);
        for (int id : c.clicks) f.click(id);
        ASSERT_EQ(b.writes().size(), 1u) << c.name << " " << b.prompter.lastText();
        EXPECT_EQ(b.lastHex(), c.frame) << c.name;
        EXPECT_FALSE(b.responseTimerRunning(kScc)) << c.name;
    }
}

TEST(Wz4040Scc, RefusalsSendNothing) {
    struct Case {
        const char* name;
        int id;
        std::string text;
        int button;
        std::string message;
    };
    const Case cases[] = {
        {"longitude beyond 32 bits", ids::kLongitude, "215", ids::kGpsWrite,
         "经度设置错误,范围为:-214.7483648-214.7483647!"},
        {"latitude beyond 32 bits", ids::kLatitude, "-300", ids::kGpsWrite,
         "纬度设置错误,范围为:-214.7483648-214.7483647!"},
        {"allocation TX not a multiple", ids::kAllocTx, "2300125", ids::kAllocButton,
         "分配信道发射频率设置不正确!"},
        {"allocation RX six digits", ids::kAllocRx, "230000", ids::kAllocButton,
         "分配信道接收频率设置不正确!"},
    };
    for (const Case& c : cases) {
        Wz4040Bench b;
        b.form(kScc).setText(c.id, c.text);
        b.form(kScc).click(c.button);
        EXPECT_TRUE(b.writes().empty()) << c.name;
        EXPECT_EQ(b.prompter.lastText(), c.message) << c.name;
    }
}

TEST(Wz4040Scc, TransparentDataIsSizedToItsBytes) {
    struct Case {
        std::string text;
        std::size_t frameSize;
        std::string length;
    };
    const Case cases[] = {
        {std::string(500, '7'), 510, "F9 01"},
        {[] {
             std::string s;
             for (int i = 0; i < 500; ++i) s += "海";
             return s;
         }(),
         1010, "ED 03"},
        {"", 10, "05 00"},
    };
    for (const Case& c : cases) {
        Wz4040Bench b;
        b.form(kScc).setText(ids::kData, c.text);
        b.form(kScc).click(ids::kDataButton);
        const wire::Bytes frame = b.lastWrite();
        ASSERT_EQ(frame.size(), c.frameSize);
        EXPECT_EQ(wire::toHex(wire::Bytes(frame.begin() + 1, frame.begin() + 3)), c.length);
        EXPECT_EQ(frame.back(), wire::expectedChecksum(frame));
    }
    // Typing stops at 500 characters.
    Wz4040Bench b;
    b.form(kScc).type(ids::kData, std::string(600, 'x'));
    EXPECT_EQ(b.form(kScc).text(ids::kData).size(), 500u);
}

TEST(Wz4040Scc, GpsAnswerIsShownEvenFromAShortFrame) {
    Wz4040Bench b;
    wire::Bytes p(10, 0);
    for (std::uint8_t x : {0xB6, 0xD9, 0x09, 0x3A, 0x0D, 0xC8, 0x5C, 0x00, 0x70, 0x30, 0x5D})
        p.push_back(x);
    b.answer(0x41, p);
    auto& f = b.form(kScc);
    EXPECT_EQ(f.text(ids::kLongitude), "-122.729031");
    EXPECT_EQ(f.text(ids::kLatitude), "23.123456");
    EXPECT_EQ(f.text(ids::kDirection), "179.5");
    EXPECT_EQ(f.text(ids::kSpeed), "9.3");
    EXPECT_EQ(b.session.statusBar.text(2), "GPS数据读取成功");
    EXPECT_EQ(b.traces.back(), "\r\nGPS数据读取成功!");
    // A muster answer is read as a fix too; what it does not hold reads as zero.
    b.answer(0x41, {0x10});
    EXPECT_EQ(f.text(ids::kLongitude), "0.000000");
    EXPECT_EQ(f.text(ids::kSpeed), "0.0");
}
