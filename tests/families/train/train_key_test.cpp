// The train-station key page against a hand-played station: the identity that follows 调号 and
// 编号, the three button pairs byte by byte, the station types and what they enable, the spins,
// the limits and where a chain stops.
#include <gtest/gtest.h>

#include "families/train/train_bench.h"

using namespace rb;
using rb::testing::TrainBench;
using rb::testing::trainConcat;
namespace kid = rb::families::train::key_ids;
using families::train::CTrainKey;

namespace {

constexpr int kKey = 1;  // page index

wire::Bytes gbk(const std::string& utf8, std::size_t width) {
    wire::Bytes out;
    wire::putGbkField(out, utf8, width);
    return out;
}

}  // namespace

TEST(TrainKey, IdentityFollowsDispatchAndStaffNumbers) {
    TrainBench b;
    auto& f = b.form(kKey);
    EXPECT_EQ(f.text(kid::kIdentityEdit), "257");  // 1 and 1
    f.type(kid::kDispatchEdit, "3");
    f.type(kid::kStaffEdit, "5");
    EXPECT_EQ(f.text(kid::kIdentityEdit), "773");
    f.spin(kid::kStaffSpin, +1);
    EXPECT_EQ(f.text(kid::kIdentityEdit), "774");
    f.type(kid::kStaffEdit, "");  // empty counts as 0
    EXPECT_EQ(f.text(kid::kIdentityEdit), "768");
    EXPECT_FALSE(f.type(kid::kIdentityEdit, "1"));  // read-only

    f.type(kid::kStaffEdit, "5");
    f.click(kid::kWriteIdentityButton);
    EXPECT_TRUE(b.prompter.boxes.empty());  // no confirmation
    b.answerCommon({0, 0, 0x40, 0x44, 0x44, 0xCC, 3, 0, 0x22, 0xAA});
    b.answer(0x21);
    const wire::Bytes w = b.lastWrite();
    ASSERT_EQ(w.size(), 92u);
    EXPECT_EQ(wire::Bytes(w.begin(), w.begin() + 9),
              (wire::Bytes{0x96, 0x5A, 0x80, 0x50, 0x00, 0x00, 0x00, 0x03, 0x05}));
}

TEST(TrainKey, IdentityReadChain) {
    TrainBench b;
    auto& f = b.form(kKey);
    f.type(kid::kOwnerNameEdit, "旧名");
    f.setChecked(kid::kAuthCheck, false);
    b.session.requestPage = 0;
    f.click(kid::kReadIdentityButton);
    EXPECT_EQ(b.session.requestPage, 1);
    EXPECT_EQ(f.text(kid::kIdentityEdit), "");
    EXPECT_EQ(f.text(kid::kOwnerNameEdit), "");
    EXPECT_TRUE(f.checked(kid::kAuthCheck));
    EXPECT_TRUE(f.enabled(kid::kReadIdentityButton));  // no button lock on this page
    b.answer(0x9A, {0x00, 0x01, 0, 0, 0, 0, 'K', 0});
    EXPECT_EQ(b.session.statusBar.text(1), "K");
    b.answerCommon({0, 0, 0x4F, 0x44, 0x44, 0xCC, 3, 0, 0x22, 0xAA});  // bit 7 clear
    EXPECT_FALSE(f.checked(kid::kAuthCheck));
    EXPECT_EQ(b.traces[b.traces.size() - 2], "\r\n公共参数读取成功!");
    wire::Bytes identity =
        trainConcat({{0x00, 0x00, 0x00, 0x03, 0x05}, gbk("李明", 19), gbk("郑州机务段", 63)});
    b.answer(0x53, identity);
    EXPECT_EQ(f.text(kid::kOwnerNameEdit), "李明");
    EXPECT_EQ(f.text(kid::kOwnerTextEdit), "郑州机务段");
    EXPECT_EQ(f.text(kid::kIdentityEdit), "");  // bytes 6-8 are not shown
    EXPECT_EQ(b.session.statusBar.text(2), "身份信息读取成功");
    EXPECT_EQ(b.writes(), (std::vector<wire::Bytes>{
                              {0x96, 0x05, 0x80, 0x99, 0x00, 0x01, 0x8B},
                              {0x96, 0x03, 0x80, 0x22, 0x37},
                              {0x96, 0x03, 0x80, 0x52, 0x47},
                          }));
    EXPECT_FALSE(b.responseTimerRunning(kKey));
}

TEST(TrainKey, IdentityWriteRepeatsTheStationsBytesWithOnlyTheAuthenticationBitReplaced) {
    for (bool auth : {true, false}) {
        SCOPED_TRACE(auth);
        TrainBench b;
        auto& f = b.form(kKey);
        f.setChecked(kid::kAuthCheck, auth);
        f.type(kid::kOwnerNameEdit, "一二三四五六七八九A");  // 19 bytes
        f.type(kid::kOwnerTextEdit, "段");
        f.click(kid::kWriteIdentityButton);
        EXPECT_EQ(b.lastWrite(), (wire::Bytes{0x96, 0x03, 0x80, 0x22, 0x37}));
        const wire::Bytes station = {0x11, 0x22, 0x3B, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88, 0x99};
        b.answerCommon(station);
        wire::Bytes expected = trainConcat({{0x00, 0x01}, station});
        expected[4] = auth ? 0xBB : 0x3B;
        EXPECT_EQ(b.lastWrite(), wire::frame96(0x20, expected));
        b.answer(0x21);
        EXPECT_EQ(b.lastWrite(), wire::frame96(0x50, trainConcat({{0x00, 0x00, 0x00, 0x01, 0x01},
                                                                  gbk("一二三四五六七八九A", 19),
                                                                  gbk("段", 63)})));
        b.answer(0x51);
        EXPECT_EQ(b.session.statusBar.text(2), "身份信息设置成功");
        EXPECT_TRUE(b.prompter.boxes.empty());
    }
}

TEST(TrainKey, TooLongTextsStopTheIdentityWriteBeforeItsFirstFrame) {
    struct Case {
        int edit;
        std::string text;
        std::string message;
    };
    const Case cases[] = {
        {kid::kOwnerNameEdit, "一二三四五六七八九十",
         "机主姓名设置错误,请设为0-19位!"},  // 20 bytes
        {kid::kOwnerTextEdit, std::string(64, 'x'), "机主身份信息设置错误,请设为0-63位!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        TrainBench b;
        auto& f = b.form(kKey);
        f.type(c.edit, c.text);
        EXPECT_EQ(f.text(c.edit), "");  // typing cannot go past the limit
        f.setText(c.edit, c.text);      // a file can
        f.click(kid::kWriteIdentityButton);
        ASSERT_EQ(b.prompter.boxes.size(), 1u);
        EXPECT_EQ(b.prompter.boxes[0].text, c.message);
        EXPECT_EQ(b.prompter.boxes[0].caption, "提示");
        EXPECT_EQ(b.prompter.boxes[0].icon, engine::Icon::None);
        // Checked before the first frame: not even the public parameters are read or written.
        EXPECT_TRUE(b.writes().empty());
    }
}

TEST(TrainKey, DispatchParametersBothWays) {
    TrainBench b;
    auto& f = b.form(kKey);
    f.click(kid::kSectionRadio);
    f.type(kid::kChannelEdit, "100");
    f.type(kid::kDispatchEdit, "3");
    f.type(kid::kStaffEdit, "5");
    f.click(kid::kWriteTrainButton);
    EXPECT_EQ(b.lastWrite(),
              (wire::Bytes{0x96, 0x09, 0x80, 0x70, 0x00, 0x01, 0x03, 0x05, 0x02, 0x63, 0x09}));
    b.answer(0x71);
    EXPECT_EQ(b.session.statusBar.text(2), "列调参数设置成功");

    f.click(kid::kReadTrainButton);
    EXPECT_EQ(b.lastWrite(), (wire::Bytes{0x96, 0x06, 0x80, 0x72, 0x00, 0x01, 0x63, 0x00}));
    // The reset before the answer.
    EXPECT_EQ(f.text(kid::kDispatchEdit), "1");
    EXPECT_EQ(f.radio(kid::kHandheldRadio), 0);
    EXPECT_TRUE(f.enabled(kid::kWriteKeysButton));
    b.answer(0x73, {0x00, 0x01, 0x03, 0x05, 0x02, 0x63});
    EXPECT_EQ(f.text(kid::kDispatchEdit), "3");
    EXPECT_EQ(f.text(kid::kStaffEdit), "5");
    EXPECT_EQ(f.text(kid::kIdentityEdit), "773");
    EXPECT_EQ(f.radio(kid::kHandheldRadio), 2);
    EXPECT_EQ(f.text(kid::kChannelEdit), "100");
    EXPECT_EQ(b.session.statusBar.text(2), "列调参数读取成功");
    for (int id : {kid::kReadKeysButton, kid::kWriteKeysButton, kid::kLongPressEdit, kid::kTestEdit,
                   kid::kKeys[0].press, kid::kKeys[20].test})
        EXPECT_FALSE(f.enabled(id)) << id;
}

TEST(TrainKey, StationTypeCodesAndTheKeyGroup) {
    // byte 8 of 0x73 -> radio index; anything but 1-3 is hand-held.
    for (auto [code, index] : {std::pair{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 0}, {0xFF, 0}}) {
        SCOPED_TRACE(code);
        TrainBench b;
        auto& f = b.form(kKey);
        f.click(kid::kOrdinaryRadio);
        f.click(kid::kReadTrainButton);
        b.answer(0x73, {0x00, 0x01, 0x01, 0x01, std::uint8_t(code), 0x00});
        EXPECT_EQ(f.radio(kid::kHandheldRadio), index);
        EXPECT_EQ(f.enabled(kid::kKeys[10].press), index == 0);
        EXPECT_EQ(f.enabled(kid::kComboEdit), index == 0);
    }
}

TEST(TrainKey, SpinsWrapAtTheirBounds) {
    struct Case {
        int typeRadio;
        int spin;
        int edit;
        std::string from;
        int delta;
        std::string to;
    };
    const Case cases[] = {
        {kid::kHandheldRadio, kid::kStaffSpin, kid::kStaffEdit, "15", +1, "1"},
        {kid::kHandheldRadio, kid::kStaffSpin, kid::kStaffEdit, "1", -1, "15"},
        {kid::kHandheldRadio, kid::kDispatchSpin, kid::kDispatchEdit, "255", +1, "1"},
        {kid::kHandheldRadio, kid::kDispatchSpin, kid::kDispatchEdit, "1", -1, "255"},
        {kid::kOrdinaryRadio, kid::kChannelSpin, kid::kChannelEdit, "32", +1, "1"},
        {kid::kSectionRadio, kid::kChannelSpin, kid::kChannelEdit, "1", -1, "128"},
        {kid::kLocomotiveRadio, kid::kChannelSpin, kid::kChannelEdit, "16", +1, "1"},
        {kid::kSectionRadio, kid::kChannelSpin, kid::kChannelEdit, "127", +1, "128"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.spin) + " from " + c.from);
        TrainBench b;
        auto& f = b.form(kKey);
        f.click(c.typeRadio);
        f.type(c.edit, c.from);
        f.spin(c.spin, c.delta);
        EXPECT_EQ(f.text(c.edit), c.to);
    }
}

TEST(TrainKey, DispatchValidationNamesTheFieldAndSendsNothing) {
    struct Case {
        int typeRadio;
        std::string channel, dispatch, staff;
        std::string message;  // empty: accepted
    };
    const Case cases[] = {
        {kid::kSectionRadio, "129", "1", "1", "信道号设置不正确,请设置为1-128!"},
        {kid::kSectionRadio, "128", "1", "1", ""},
        {kid::kOrdinaryRadio, "33", "1", "1", "信道号设置不正确,请设置为1-32!"},
        {kid::kLocomotiveRadio, "17", "1", "1", "信道号设置不正确,请设置为1-16!"},
        {kid::kHandheldRadio, "0", "1", "1", "信道号设置不正确,请设置为1-16!"},
        {kid::kHandheldRadio, "16", "0", "1", "调号设置不正确,请设置为1-255!"},
        {kid::kHandheldRadio, "16", "256", "1", "调号设置不正确,请设置为1-255!"},
        {kid::kHandheldRadio, "16", "255", "16", "人员编号设置不正确,请设置为1-15!"},
        {kid::kHandheldRadio, "x", "1", "1", "信道号设置不正确,请设置为1-16!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.channel + "/" + c.dispatch + "/" + c.staff);
        TrainBench b;
        auto& f = b.form(kKey);
        f.click(c.typeRadio);
        f.type(kid::kChannelEdit, c.channel);
        f.type(kid::kDispatchEdit, c.dispatch);
        f.type(kid::kStaffEdit, c.staff);
        f.click(kid::kWriteTrainButton);
        if (c.message.empty()) {
            EXPECT_TRUE(b.prompter.boxes.empty());
            EXPECT_EQ(b.writes().size(), 1u);
            continue;
        }
        EXPECT_EQ(b.prompter.texts(), std::vector<std::string>{c.message});
        EXPECT_EQ(b.prompter.boxes[0].icon, engine::Icon::Information);
        EXPECT_TRUE(b.writes().empty());
        // The read checks the channel the same way.
        if (c.message.rfind("信道号", 0) == 0) {
            f.click(kid::kReadTrainButton);
            EXPECT_TRUE(b.writes().empty());
            EXPECT_EQ(b.prompter.boxes.size(), 2u);
        }
    }
}

TEST(TrainKey, KeyGridBytesBothWays) {
    TrainBench b;
    auto& f = b.form(kKey);
    f.click(kid::kKeys[0].press);
    f.click(kid::kKeys[0].test);   // row 1: C0
    f.click(kid::kKeys[1].press);  // row 2: 80
    f.click(kid::kKeys[20].test);  // row 21: 40
    f.click(kid::kWriteKeysButton);
    wire::Bytes keys(21, 0);
    keys[0] = 0xC0;
    keys[1] = 0x80;
    keys[20] = 0x40;
    const wire::Bytes expected =
        wire::frame96(0x74, trainConcat({{0x00, 0x01, 0x04, 0xB0, 0x01, 0xF4, 0x17, 0x70}, keys}));
    EXPECT_EQ(b.lastWrite(), expected);
    EXPECT_EQ(expected.size(), 34u);
    b.answer(0x75);
    EXPECT_EQ(b.session.statusBar.text(2), "按键设置成功");

    f.click(kid::kReadKeysButton);
    EXPECT_EQ(b.lastWrite(), wire::frame96(0x76, {0x00, 0x01}));
    EXPECT_EQ(f.text(kid::kLongPressEdit), "");
    EXPECT_FALSE(f.checked(kid::kKeys[0].press));
    wire::Bytes answer = {0x00, 0x01, 0x0B, 0xB8, 0x03, 0x20, 0x1F, 0x40};
    for (int k = 0; k < 21; ++k) answer.push_back(std::uint8_t(k == 4 ? 0x7F : k == 5 ? 0xBF : 0));
    b.answer(0x77, answer);
    EXPECT_EQ(f.text(kid::kLongPressEdit), "3000");
    EXPECT_EQ(f.text(kid::kComboEdit), "800");
    EXPECT_EQ(f.text(kid::kTestEdit), "8000");
    EXPECT_FALSE(f.checked(kid::kKeys[4].press));
    EXPECT_TRUE(f.checked(kid::kKeys[4].test));  // the other bits are ignored
    EXPECT_TRUE(f.checked(kid::kKeys[5].press));
    EXPECT_FALSE(f.checked(kid::kKeys[5].test));
    EXPECT_EQ(b.session.statusBar.text(2), "按键设置读取成功");
}

TEST(TrainKey, TimeLimitBounds) {
    struct Case {
        int edit;
        std::string value;
        std::string message;  // empty: accepted
    };
    const Case cases[] = {
        {kid::kLongPressEdit, "999", "长按键时限输入不正确,请设置为1000~3000!"},
        {kid::kLongPressEdit, "3001", "长按键时限输入不正确,请设置为1000~3000!"},
        {kid::kLongPressEdit, "1000", ""},
        {kid::kLongPressEdit, "3000", ""},
        {kid::kComboEdit, "299", "组合键时限输入不正确,请设置为300~800!"},
        {kid::kComboEdit, "801", "组合键时限输入不正确,请设置为300~800!"},
        {kid::kComboEdit, "", "组合键时限输入不正确,请设置为300~800!"},
        {kid::kComboEdit, "300", ""},
        {kid::kTestEdit, "1999", "测机间隔输入不正确,请设置为2000~8000!"},
        {kid::kTestEdit, "8001", "测机间隔输入不正确,请设置为2000~8000!"},
        {kid::kTestEdit, "8000", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.edit) + "=" + c.value);
        TrainBench b;
        auto& f = b.form(kKey);
        f.type(c.edit, c.value);
        f.click(kid::kWriteKeysButton);
        if (c.message.empty()) {
            EXPECT_TRUE(b.prompter.boxes.empty());
            ASSERT_EQ(b.writes().size(), 1u);
            EXPECT_EQ(b.lastWrite()[3], 0x74);
        } else {
            EXPECT_EQ(b.prompter.texts(), std::vector<std::string>{c.message});
            EXPECT_TRUE(b.writes().empty());
        }
    }
    // The first failure in field order wins.
    TrainBench b;
    b.form(kKey).type(kid::kTestEdit, "1");
    b.form(kKey).type(kid::kComboEdit, "1");
    b.form(kKey).click(kid::kWriteKeysButton);
    EXPECT_EQ(b.prompter.lastText(), "组合键时限输入不正确,请设置为300~800!");
}

TEST(TrainKey, FileChainsListTheThreeButtonPairsInOrder) {
    TrainBench b;
    auto& key = b.container->key();
    auto reads = key.fileReadChains();
    auto writes = key.fileWriteChains();
    ASSERT_EQ(reads.size(), 3u);
    ASSERT_EQ(writes.size(), 3u);
    std::vector<std::uint8_t> codes;
    for (auto& chain : reads) {
        chain();
        codes.push_back(b.lastWrite()[3]);
        b.advance(2000);  // each chain is left to time out
    }
    // "读取按键" blanked the times; a write needs them.
    for (auto [id, ms] : {std::pair{kid::kLongPressEdit, "1200"},
                          {kid::kComboEdit, "500"},
                          {kid::kTestEdit, "6000"}})
        b.form(kKey).type(id, ms);
    for (auto& chain : writes) {
        chain();
        codes.push_back(b.lastWrite()[3]);
        b.advance(2000);
    }
    EXPECT_EQ(codes, (std::vector<std::uint8_t>{0x99, 0x72, 0x76, 0x22, 0x70, 0x74}));
}

TEST(TrainKey, AnIdentityBlankedByAReadGoesOutAsTheNumbersItStandsFor) {
    // "读取数据" blanks the identity and its answer does not fill it; the write must not send 0.
    TrainBench b;
    auto& f = b.form(kKey);
    f.type(kid::kDispatchEdit, "3");
    f.type(kid::kStaffEdit, "5");
    f.click(kid::kReadIdentityButton);
    b.answer(0x9A, {0x00, 0x01, 0, 0, 0, 0, 0});
    b.answerCommon({0, 0, 0xC0, 0, 0, 0, 0, 0, 0, 0});
    b.answer(0x53, wire::Bytes(87, 0));
    EXPECT_EQ(f.text(kid::kIdentityEdit), "");
    f.click(kid::kWriteIdentityButton);
    b.answerCommon({0, 0, 0xC0, 0, 0, 0, 0, 0, 0, 0});
    b.answer(0x21);
    const wire::Bytes w = b.lastWrite();
    ASSERT_EQ(w.size(), 92u);
    EXPECT_EQ(wire::Bytes(w.begin() + 6, w.begin() + 9), (wire::Bytes{0x00, 0x03, 0x05}));
}

TEST(TrainKey, VersionTextOfBothPagesStaysInsideTheFrame) {
    const wire::Bytes head = {0x00, 0x01, 0, 0, 0, 0};
    wire::Bytes long150 = head;
    long150.resize(head.size() + 150, 'V');
    const std::pair<wire::Bytes, std::string> cases[] = {
        {trainConcat({head, {'T', '1', 0, 'x'}}), "T1"},
        {trainConcat({head, {'T', '1', '.', '2'}}), "T1.2"},  // never the checksum
        {{0x00, 0x01}, ""},
        {long150, std::string(99, 'V')},
    };
    for (int page : {0, kKey}) {
        for (const auto& [payload, shown] : cases) {
            TrainBench b;
            b.form(page).click(page == 0 ? 2090 : kid::kReadIdentityButton);
            b.answer(0x9A, payload);
            EXPECT_EQ(b.session.statusBar.text(1), shown) << page;
            EXPECT_EQ(b.lastWrite()[3], 0x22);
        }
    }
}
