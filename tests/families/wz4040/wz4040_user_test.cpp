// The WZ-4040 user page: owner texts in GBK bytes, power, the group-code counts and frames, and
// the three auxiliary commands with the PC's clock.
#include <gtest/gtest.h>

#include "wz4040_bench.h"

using namespace rb;
using rb::testing::sealedHex;
using rb::testing::Wz4040Bench;
namespace ids = rb::families::wz4040::user_ids;

namespace {
constexpr int kUser = 1;
int staticEdit(int k) { return ids::kFirstStatic + k - 1; }
int dynamicEdit(int k) { return ids::kFirstDynamic + k - 1; }
}  // namespace

TEST(Wz4040User, WriteChainSendsOwnerPowerAndGroupCodes) {
    Wz4040Bench b;
    auto& f = b.form(kUser);
    // 10 Chinese characters are 20 GBK bytes: the name field holds 9 of them, cut whole.
    f.type(ids::kOwnerName, "一二三四五六七八九十");
    EXPECT_EQ(f.text(ids::kOwnerName), "一二三四五六七八九");
    f.setText(ids::kOwnerText, "ab");
    f.click(ids::kPower20W);
    f.spin(ids::kStaticSpin, 1);
    f.spin(ids::kStaticSpin, 1);
    f.spin(ids::kDynamicSpin, 1);
    f.setText(staticEdit(1), "4097");
    f.setText(staticEdit(2), "4098");
    f.setText(dynamicEdit(1), "8193");
    f.click(2091);
    const wire::Bytes owner = b.lastWrite();
    ASSERT_EQ(owner.size(), 87u);
    EXPECT_EQ(wire::toHex(wire::Bytes(owner.begin(), owner.begin() + 4)), "EA 52 00 18");
    EXPECT_EQ(wire::gbkField(wire::ByteSpan(owner.data() + 4, 19)), "一二三四五六七八九");
    EXPECT_EQ(owner[4 + 18], 0x00);  // the 19th byte is zero, never half a character
    EXPECT_EQ(wire::gbkField(wire::ByteSpan(owner.data() + 23, 63)), "ab");
    b.ack(0x18);
    EXPECT_EQ(b.traces[b.traces.size() - 2], "\r\n用户信息设置成功!");
    EXPECT_EQ(b.lastHex(), sealedHex("EA 02 00 29 01 00"));
    b.ack(0x29);
    EXPECT_EQ(b.lastHex(), sealedHex("EA 07 00 17 12 10 01 10 02 20 01"));
    b.ack(0x17);
    EXPECT_EQ(b.session.statusBar.text(2), "组呼码设置成功");
    EXPECT_EQ(b.writes().size(), 3u);
    // A text too long for its field set from elsewhere (a file, `run set`) is refused, not cut.
    b.advance(3000);  // the buttons come back
    f.setText(ids::kOwnerText, std::string(62, 'x') + "海");
    f.click(2091);
    EXPECT_EQ(b.writes().size(), 3u);
    EXPECT_EQ(b.prompter.lastText(), "机主身份信息超出长度,最多63个字节(一个汉字占2个字节)!");
}

TEST(Wz4040User, ReadChainAndTheCountRule) {
    Wz4040Bench b;
    auto& f = b.form(kUser);
    f.click(2090);
    EXPECT_EQ(b.lastHex(), sealedHex("EA 00 00 2D"));
    wire::Bytes owner{1, 2, 3};
    wire::putGbkField(owner, "陈海生", 19);
    wire::putGbkField(owner, "浙江", 63);
    b.answer(0x2E, owner);
    EXPECT_EQ(f.text(ids::kOwnerName), "陈海生");
    EXPECT_EQ(f.text(ids::kOwnerText), "浙江");
    EXPECT_EQ(b.lastHex(), sealedHex("EA 02 00 29 00 11"));
    b.answer(0x2A, {0x00});
    EXPECT_EQ(f.radio(ids::kPower5W), 1);  // 20W
    EXPECT_EQ(b.lastHex(), sealedHex("EA 00 00 2B"));
    b.answer(0x2C, {0x30, 0x00, 0x01, 0x00, 0x02, 0x00, 0x03});
    EXPECT_EQ(f.text(ids::kDynamicCount), "3");
    EXPECT_EQ(f.text(ids::kStaticCount), "0");
    for (int k = 1; k <= 15; ++k) EXPECT_FALSE(f.enabled(staticEdit(k))) << k;
    EXPECT_TRUE(f.enabled(dynamicEdit(3)));
    EXPECT_FALSE(f.enabled(dynamicEdit(4)));
    EXPECT_EQ(f.text(dynamicEdit(1)), "1");
    EXPECT_EQ(f.text(dynamicEdit(3)), "3");
    EXPECT_EQ(b.session.statusBar.text(2), "组呼码读取成功");
    EXPECT_FALSE(b.responseTimerRunning(kUser));

    // Spinning wraps at both ends, and the edits follow the count.
    for (int i = 0; i < 15; ++i) f.spin(ids::kStaticSpin, 1);
    EXPECT_EQ(f.text(ids::kStaticCount), "15");
    EXPECT_TRUE(f.enabled(staticEdit(15)));
    f.spin(ids::kStaticSpin, 1);
    EXPECT_EQ(f.text(ids::kStaticCount), "0");
    EXPECT_FALSE(f.enabled(staticEdit(1)));
    f.spin(ids::kDynamicSpin, -1);
    f.spin(ids::kDynamicSpin, -1);
    f.spin(ids::kDynamicSpin, -1);
    f.spin(ids::kDynamicSpin, -1);
    EXPECT_EQ(f.text(ids::kDynamicCount), "15");
}

TEST(Wz4040User, AuxiliaryCommandsGoOutAtOnce) {
    struct Case {
        const char* name;
        std::vector<std::pair<int, std::string>> texts;
        std::vector<int> clicks;
        std::string frame;
    };
    const Case cases[] = {
        {"power-on notice at 2009-03-05 14:07:09",
         {},
         {ids::kPowerOn},
         sealedHex("EA 07 00 A5 01 09 03 05 0E 07 09")},
        {"power-off notice", {}, {ids::kPowerOff}, sealedHex("EA 07 00 A5 00 09 03 05 0E 07 09")},
        {"reset after 300 s sends its low byte",
         {{ids::kResetDelay, "300"}},
         {ids::kResetButton},
         sealedHex("EA 03 00 A0 CC DD 2C")},
        {"online mode", {}, {ids::kOnlineMode, ids::kWorkModeButton}, sealedHex("EA 01 00 A1 01")},
        {"factory mode", {}, {ids::kWorkModeButton}, sealedHex("EA 01 00 A1 00")},
    };
    for (const Case& c : cases) {
        Wz4040Bench b;
        auto& f = b.form(kUser);
        b.session.statusBar.SetText(2, "kept");
        for (const auto& [id, text] : c.texts) f.setText(id, text);
        for (int id : c.clicks) f.click(id);
        ASSERT_EQ(b.writes().size(), 1u) << c.name;
        EXPECT_EQ(b.lastHex(), c.frame) << c.name;
        EXPECT_FALSE(b.responseTimerRunning(kUser)) << c.name;
        EXPECT_EQ(b.session.statusBar.text(2), "kept") << c.name;
        EXPECT_TRUE(b.prompter.boxes.empty()) << c.name;
    }
}
