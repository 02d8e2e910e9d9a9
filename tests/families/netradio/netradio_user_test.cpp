// The network-radio user page against a hand-played terminal: the identity rule, the checks
// before and during a write, the chains byte by byte, encryption and the hop-map transfer.
#include "families/netradio/netradio_user.h"

#include <gtest/gtest.h>

#include "families/hopmap/hop_map.h"
#include "families/netradio/netradio_bench.h"

using namespace rb;
using namespace rb::families::netradio::user_ids;
using rb::testing::concat;
using rb::testing::gbk;
using rb::testing::payloadOf;
namespace hop = rb::families::hopmap;

namespace {

struct UserBench : rb::testing::NetRadioBench {
    engine::FormModel& f() { return form(1); }
    // Identity 37 (group 2, number 5): passes the checks before the confirmation.
    void validIdentity() { f().type(kIdentityEdit, "37"); }
};

// Common bytes 6-15 of a terminal whose flags byte has every bit set.
const wire::Bytes kAllBitsCommon = {10, 20, 0xFF, 0x44, 0x44, 0xCC, 3, 0, 0x22, 0xAA};

std::string hopText(int n) {
    std::vector<int> v;
    for (int i = 0; i < n; ++i) v.push_back(i == 0 ? -12 : i % 100);
    return hop::joinItems(v);
}

}  // namespace

TEST(NetRadioUser, IdentityGroupAndNumberFollowEachOther) {
    UserBench b;
    auto& f = b.f();
    f.type(kIdentityEdit, "37");
    EXPECT_EQ(f.text(kGroupEdit), "2");
    EXPECT_EQ(f.text(kNumberEdit), "5");
    EXPECT_EQ(f.text(kGroupCodeEdits[0]), "2");  // code 01 is the local group-call code
    f.type(kGroupEdit, "3");
    f.type(kNumberEdit, "1");
    EXPECT_EQ(f.text(kIdentityEdit), "49");
    EXPECT_EQ(f.text(kGroupCodeEdits[0]), "3");

    // The spins wrap: group up from 63 gives 1, number down from 1 gives 15.
    f.type(kGroupEdit, "63");
    f.spin(kGroupSpin, 1);
    EXPECT_EQ(f.text(kGroupEdit), "1");
    EXPECT_EQ(f.text(kGroupCodeEdits[0]), "1");
    f.spin(kNumberSpin, -1);
    EXPECT_EQ(f.text(kNumberEdit), "15");
    EXPECT_EQ(f.text(kIdentityEdit), "31");
    f.spin(kGroupSpin, -1);
    EXPECT_EQ(f.text(kGroupEdit), "63");
    EXPECT_EQ(f.text(kIdentityEdit), "1023");

    // The identity edit takes four characters; code 01 cannot be typed into.
    f.type(kIdentityEdit, "123456");
    EXPECT_EQ(f.text(kIdentityEdit), "1234");
    EXPECT_FALSE(f.type(kGroupCodeEdits[0], "9"));

    // A group of nine digits: the identity saturates instead of overflowing (found by the
    // container fuzzer), and the group and number follow it.
    f.type(kGroupEdit, "991561934");
    EXPECT_EQ(f.text(kIdentityEdit), "2147483647");
    EXPECT_EQ(f.text(kGroupEdit), "134217727");
    EXPECT_EQ(f.text(kNumberEdit), "15");
}

TEST(NetRadioUser, WriteRefusesABadIdentityBeforeTheConfirmation) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"16", "身份码设置不正确,请设置为17-1023!"},
        {"1024", "身份码设置不正确,请设置为17-1023!"},
        {"", "身份码设置不正确,请设置为17-1023!"},
        {"32", "组内编号设置不正确,请设置为1-15!"},  // group 2, number 0
    };
    for (const auto& [identity, message] : cases) {
        SCOPED_TRACE(identity);
        UserBench b;
        b.f().type(kIdentityEdit, identity);
        b.f().click(engine::kWriteButton);
        EXPECT_EQ(b.prompter.texts(), std::vector<std::string>{message});
        EXPECT_EQ(b.prompter.boxes[0].caption, "提示");
        EXPECT_TRUE(b.writes().empty());
        EXPECT_TRUE(b.f().enabled(engine::kWriteButton));
        EXPECT_EQ(b.session.requestPage, 1);
    }
    // Number 16, put in without the identity rule.
    UserBench b;
    b.f().type(kIdentityEdit, "37");
    b.f().setText(kNumberEdit, "16");
    b.f().click(engine::kWriteButton);
    EXPECT_EQ(b.prompter.texts(), std::vector<std::string>{"组内编号设置不正确,请设置为1-15!"});
}

TEST(NetRadioUser, ReadChainAsksWithoutPausingAndShowsEveryAnswer) {
    UserBench b;
    auto& f = b.f();
    f.type(kIdentityEdit, "100");
    f.type(kOwnerNameEdit, "旧名");
    f.type(kGroupCodeEdits[3], "9");
    f.click(kRelayCheck);  // off
    f.click(engine::kReadButton);
    for (int id : {kIdentityEdit, kGroupEdit, kNumberEdit, kOwnerNameEdit, kGroupCodeEdits[0],
                   kGroupCodeEdits[3]})
        EXPECT_EQ(f.text(id), "") << id;
    EXPECT_TRUE(f.checked(kRelayCheck) && f.checked(kAuthCheck));
    EXPECT_FALSE(f.checked(kCrossGroupCheck));

    b.answer(0x9A, {0x00, 0x01, 0, 0, 0, 0, 'V', '1'});
    EXPECT_EQ(b.session.statusBar.text(1), "V1");
    b.answerCommon({0, 0, 0x20, 0x44, 0x44, 0xCC, 3, 0, 0x22, 0xAA});  // bit 5, not bit 7
    EXPECT_FALSE(f.checked(kAuthCheck));
    EXPECT_TRUE(f.checked(kCrossGroupCheck));
    EXPECT_EQ(b.traces.rbegin()[1], "\r\n公共参数读取成功!");
    EXPECT_EQ(b.session.statusBar.text(2), "");  // no status text of its own

    b.answer(0x53, concat({{0x00, 0x00, 0x00, 0x00, 0x25}, gbk("张三", 19), gbk("二中队", 63)}));
    EXPECT_EQ(f.text(kOwnerNameEdit), "张三");
    EXPECT_EQ(f.text(kOwnerTextEdit), "二中队");

    // Identity 0x0125 = 293 (group 18, number 5); the answer's own group and number bytes win.
    // Codes 02-16: 5, then 0xFF ends the list; 04 = 7 is not shown.
    wire::Bytes numbers = {0x00, 0x01, 0x00, 0x01, 0x25, 0xF5, 18, 5, 18, 5, 0xFF, 7};
    numbers.resize(24, 1);
    b.answer(0x47, numbers);
    EXPECT_EQ(f.text(kIdentityEdit), "293");
    EXPECT_EQ(f.text(kGroupEdit), "18");
    EXPECT_EQ(f.text(kNumberEdit), "5");
    EXPECT_EQ(f.text(kGroupCodeEdits[0]), "18");
    EXPECT_EQ(f.text(kGroupCodeEdits[1]), "5");
    for (int k = 3; k <= 16; ++k) EXPECT_EQ(f.text(kGroupCodeEdits[k - 1]), "") << k;
    EXPECT_TRUE(f.checked(kRelayCheck));
    EXPECT_EQ(b.session.statusBar.text(2), "本机号码设置读取成功");

    EXPECT_EQ(b.writes(),
              (std::vector<wire::Bytes>{wire::frame96(0x99, {0x00, 0x01}), wire::frame96(0x22),
                                        wire::frame96(0x52), wire::frame96(0x46)}));
    b.advance(5000);
    EXPECT_TRUE(b.prompter.boxes.empty());

    // A code above 63 is empty, the ones after it still show (a second read: only an answer the
    // page asked for is taken).
    f.click(engine::kReadButton);
    b.answer(0x9A, {0x00, 0x01, 0, 0, 0, 0, 'V', '1'});
    b.answerCommon({0, 0, 0x20, 0x44, 0x44, 0xCC, 3, 0, 0x22, 0xAA});
    b.answer(0x53, concat({{0x00, 0x00, 0x00, 0x00, 0x25}, gbk("张三", 19), gbk("二中队", 63)}));
    numbers = {0x00, 0x01, 0x00, 0x00, 0x25, 0x00, 2, 5, 2, 64, 0, 63};
    numbers.resize(24, 0xFF);
    b.answer(0x47, numbers);
    EXPECT_FALSE(f.checked(kRelayCheck));
    EXPECT_EQ(f.text(kGroupCodeEdits[1]), "");
    EXPECT_EQ(f.text(kGroupCodeEdits[2]), "0");
    EXPECT_EQ(f.text(kGroupCodeEdits[3]), "63");
    EXPECT_EQ(f.text(kGroupCodeEdits[4]), "");
}

TEST(NetRadioUser, WriteChainSendsTheFieldsAndTheTerminalsOwnCommonBytes) {
    UserBench b;
    auto& f = b.f();
    f.type(kIdentityEdit, "37");
    f.type(kOwnerNameEdit, "张三");
    f.type(kOwnerTextEdit, "tx");
    f.click(kAuthCheck);  // off; 跨组呼叫使能 stays off
    f.type(kGroupCodeEdits[1], "5");
    f.type(kGroupCodeEdits[3], "7");

    f.click(engine::kWriteButton);
    EXPECT_EQ(b.prompter.texts(), std::vector<std::string>{"确认写录数据?"});
    EXPECT_EQ(b.lastWrite(), wire::frame96(0x22));
    // Every bit set in the terminal: only bits 7 and 5 change.
    b.answerCommon(kAllBitsCommon);
    EXPECT_EQ(b.lastWrite(),
              wire::frame96(0x20, {0x00, 0x01, 10, 20, 0x5F, 0x44, 0x44, 0xCC, 3, 0, 0x22, 0xAA}));

    b.answer(0x21);
    EXPECT_EQ(b.lastWrite(),
              wire::frame96(
                  0x50, concat({{0x00, 0x00, 0x00, 0x00, 0x25}, gbk("张三", 19), gbk("tx", 63)})));
    EXPECT_EQ(b.lastWrite().size(), 92u);

    b.answer(0x51);
    wire::Bytes numbers = {0x00, 0x01, 0x00, 0x00, 0x25, 0xF5, 2, 5, 2, 0x05, 0xFF, 0x07};
    numbers.resize(24, 0xFF);
    EXPECT_EQ(b.lastWrite(), wire::frame96(0x44, numbers));
    EXPECT_EQ(b.lastWrite()[1], 0x1B);

    b.answer(0x45);
    EXPECT_EQ(b.session.statusBar.text(2), "本机号码设置成功");
    EXPECT_EQ(b.writes().size(), 4u);
}

TEST(NetRadioUser, ChecksDuringTheWriteStopItWithTheirMessage) {
    struct Case {
        std::vector<std::pair<int, std::string>> edits;  // set after identity 37
        int acks;             // answers 0x21, 0x51 given; the last one runs the check
        const char* message;  // nullptr: the request goes out
    };
    const std::vector<Case> cases = {
        {{{kOwnerNameEdit, "一二三四五六七八九十"}}, 1, "机主姓名设置错误,请设为0-19位!"},
        {{{kOwnerNameEdit, "一二三四五六七八九A"}}, 1, nullptr},
        {{{kOwnerTextEdit, std::string(64, 'x')}}, 1, "机主身份信息设置错误,请设为0-63位!"},
        {{{kGroupCodeEdits[4], "64"}}, 2, "所属组呼码5设置错误,请设为1-63!"},
        {{{kGroupCodeEdits[15], "-1"}}, 2, "所属组呼码16设置错误,请设为1-63!"},
        {{{kGroupCodeEdits[1], "63"}, {kGroupCodeEdits[15], "0"}}, 2, nullptr},
        {{{kGroupEdit, "0"}}, 2, "本机组呼码设置错误,请设为1-63!"},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(i);
        const Case& c = cases[i];
        UserBench b;
        b.validIdentity();
        b.f().click(engine::kWriteButton);
        // Changed after the confirmation, as a technician can while the chain runs.
        for (const auto& [id, text] : c.edits) b.f().setText(id, text);
        b.answerCommon(kAllBitsCommon);
        const std::uint8_t acks[] = {0x21, 0x51};
        for (int a = 0; a < c.acks; ++a) b.answer(acks[a]);
        EXPECT_EQ(b.writes().size(), std::size_t(c.message ? 1 + c.acks : 2 + c.acks));
        if (!c.message) continue;
        ASSERT_EQ(b.prompter.boxes.size(), 2u);
        EXPECT_EQ(b.prompter.boxes[1].text, c.message);
        EXPECT_EQ(b.prompter.boxes[1].caption, "提示");
        EXPECT_EQ(b.prompter.boxes[1].buttons, engine::Buttons::Ok);
        b.advance(5000);
        EXPECT_EQ(b.prompter.boxes.size(), 2u);
    }
}

TEST(NetRadioUser, EditGuards) {
    struct Case {
        int id;
        const char* before;
        std::string typed;
        std::string shown;
    };
    const std::vector<Case> cases = {
        {kOwnerNameEdit, "张三", "一二三四五六七八九十", "张三"},  // 20 bytes: refused
        {kOwnerNameEdit, "张三", "一二三四五六七八九A", "一二三四五六七八九A"},
        {kOwnerTextEdit, "ok", std::string(64, 'y'), "ok"},
        {kOwnerTextEdit, "ok", std::string(63, 'y'), std::string(63, 'y')},
        {kKeyWordEdit, "AB", "ABCDEFGHIJKLM", "AB"},
        {kKeyWordEdit, "AB", "密钥密钥密钥", "密钥密钥密钥"},
        {kKeyParamEdit, "1", "70000", "65535"},
        {kKeyParamEdit, "1", "-3", "0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.id) + " <- " + c.typed);
        UserBench b;
        ASSERT_TRUE(b.f().type(c.id, c.before));
        b.f().type(c.id, c.typed);
        EXPECT_EQ(b.f().text(c.id), c.shown);
    }
}

TEST(NetRadioUser, Encryption) {
    struct Case {
        const char* scheme;
        const char* key;
        std::string word;
        const char* message;
        wire::Bytes expected;
    };
    const std::vector<Case> cases = {
        {"3", "0", "密钥", nullptr,
         wire::frame96(0x34, concat({{0x00, 0x01, 0x03, 0x00, 0x00}, gbk("密钥", 12)}))},
        {"15", "1", "ABC", nullptr,  // key parameter 1: twelve zero bytes
         wire::frame96(0x34, concat({{0x00, 0x01, 0x0F, 0x00, 0x01}, wire::Bytes(12, 0)}))},
        {"16", "0", "", "加密方案设置错误,请设为0-15!", {}},
        {"0", "65536", "", "密钥参数设置错误,请设为0-65535!", {}},
        {"0", "0", "ABCDEFGHIJKLM", "密钥字设置错误,请设为0-12位!", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.scheme) + "/" + c.key);
        UserBench b;
        b.session.requestPage = 0;
        b.f().setText(kSchemeEdit, c.scheme);
        b.f().setText(kKeyParamEdit, c.key);
        b.f().setText(kKeyWordEdit, c.word);
        b.f().click(kEncryptSetButton);
        EXPECT_EQ(b.session.requestPage, 1);
        EXPECT_EQ(b.prompter.texts(),
                  c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{});
        EXPECT_EQ(b.lastWrite(), c.expected);
    }

    // Reading: a scheme above 15 shows 15, other schemes leave the field; a word only with
    // key parameter 0.
    for (auto [scheme, key, schemeShown, wordShown] :
         {std::tuple{0x20, 0, "15", "密钥A"}, {7, 0x0102, "4", ""}}) {
        UserBench b;
        b.f().setText(kSchemeEdit, "4");
        b.f().setText(kKeyWordEdit, "old");
        b.f().click(kEncryptReadButton);
        EXPECT_EQ(b.lastWrite(), wire::frame96(0x36, {0x00, 0x01, 0x04}));
        b.answer(
            0x37,
            concat({{0x00, 0x01, std::uint8_t(scheme), std::uint8_t(key >> 8), std::uint8_t(key)},
                    gbk("密钥A", 12)}));
        EXPECT_EQ(b.f().text(kSchemeEdit), schemeShown);
        EXPECT_EQ(b.f().text(kKeyParamEdit), std::to_string(key));
        EXPECT_EQ(b.f().text(kKeyWordEdit), wordShown);
        EXPECT_EQ(b.session.statusBar.text(2), "加密方式读取成功");
    }
}

TEST(NetRadioUser, HopMapOf300ItemsGoesInThreeChunksAndATimeOutEndsIt) {
    UserBench b;
    auto& f = b.f();
    // An empty text (or one without a comma) sends nothing and shows nothing.
    for (const char* text : {"", "5"}) {
        f.setText(hop::kDataEdit, text);
        f.click(hop::kSetButton);
        EXPECT_TRUE(b.writes().empty());
        EXPECT_TRUE(b.prompter.boxes.empty());
        EXPECT_FALSE(b.user().transferInProgress());
    }

    f.select(hop::kSchemeCombo, 2);
    f.select(hop::kLengthCombo, 3);
    f.setText(hop::kDataEdit, hopText(300));
    f.click(engine::kReadButton);  // its timer 2 must not free the buttons mid-transfer
    b.advance(1000);
    b.writes().clear();
    b.prompter.boxes.clear();

    const int locked[] = {engine::kReadButton, engine::kWriteButton, hop::kReadButton,
                          hop::kSetButton,     hop::kLoadButton,     hop::kGenerateButton,
                          hop::kClearButton};
    f.click(hop::kSetButton);
    for (std::size_t c = 0; c < 3; ++c) {
        SCOPED_TRACE(c);
        ASSERT_EQ(b.writes().size(), c + 1);
        const wire::Bytes& w = b.writes()[c];
        const std::size_t m = c < 2 ? 112 : 76;
        EXPECT_EQ(w.size(), m + 11);
        EXPECT_EQ(w[1], c < 2 ? 121 : 85);
        EXPECT_EQ(
            wire::Bytes(w.begin(), w.begin() + 11),
            (wire::Bytes{0x96, std::uint8_t(m + 9), 0x80, 0x38, 0x00, 0x01, 0x02, std::uint8_t(c),
                         0x01, 0x00, std::uint8_t(c == 0 ? 0x8C : (112 * c) % 100)}));
        EXPECT_TRUE(b.user().transferInProgress());
        for (int id : locked) EXPECT_FALSE(f.enabled(id)) << id;
        b.advance(1400);  // within the chunk's 1500 ms; and no response time-out either
        b.answer(0x39, {0x00, 0x01, 0x02, std::uint8_t(c)});
    }
    EXPECT_EQ(b.writes().size(), 3u);
    EXPECT_EQ(b.session.statusBar.text(2), "跳频图设置成功");
    EXPECT_FALSE(b.user().transferInProgress());
    for (int id : locked) EXPECT_TRUE(f.enabled(id)) << id;

    // Again (without the read's time-out box); the terminal does not take chunk 1: the transfer
    // ends with "操作失败" and chunk 2 never follows, not even after a late acknowledgement.
    b.prompter.boxes.clear();
    f.click(hop::kSetButton);
    b.answer(0x39, {0x00, 0x01, 0x02, 0x00});
    ASSERT_EQ(b.writes().size(), 5u);
    EXPECT_EQ(b.writes()[4][7], 1);
    b.advance(1499);
    EXPECT_TRUE(b.prompter.boxes.empty());
    b.advance(1);
    EXPECT_EQ(b.session.statusBar.text(2), "操作失败");
    EXPECT_EQ(b.prompter.texts(), std::vector<std::string>{"操作失败！请检查设备连接是否正常？"});
    EXPECT_FALSE(b.user().transferInProgress());
    for (int id : locked) EXPECT_TRUE(f.enabled(id)) << id;
    b.answer(0x39, {0x00, 0x01, 0x02, 0x01});
    b.advance(5000);
    EXPECT_EQ(b.writes().size(), 5u);
    EXPECT_EQ(b.session.statusBar.text(2), "操作失败");
}

TEST(NetRadioUser, HopMapReadClearsThenTakesSchemeLengthAndValues) {
    UserBench b;
    auto& f = b.f();
    f.select(hop::kSchemeCombo, 1);
    f.select(hop::kLengthCombo, 2);
    f.setText(hop::kDataEdit, "1,2,");
    f.click(hop::kReadButton);
    EXPECT_EQ(b.lastWrite(), (wire::Bytes{0x96, 0x06, 0x80, 0x3A, 0x00, 0x01, 0x01, 0x2A}));
    EXPECT_EQ(f.text(hop::kDataEdit), "");
    EXPECT_EQ(f.selection(hop::kLengthCombo), 0);

    b.answer(0x3B, {0x00, 0x01, 0x03, 0x00, 0x00, 0x40, 0x8C, 0x0C, 0x00});
    EXPECT_EQ(f.selection(hop::kSchemeCombo), 3);
    EXPECT_EQ(f.selection(hop::kLengthCombo), 1);  // 64
    EXPECT_EQ(f.text(hop::kDataEdit), "-12,12,0,");
    EXPECT_EQ(b.session.statusBar.text(2), "跳频图读取成功");
    // Scheme 9 leaves the scheme; length 100 selects "32"; a frame too short for any value
    // (its count would be negative) adds nothing.
    b.answer(0x3B, {0x00, 0x01, 0x09, 0x01, 0x00, 100, 0x05});
    b.answer(0x3B, {0x00, 0x01});
    EXPECT_EQ(f.selection(hop::kSchemeCombo), 3);
    EXPECT_EQ(f.selection(hop::kLengthCombo), 0);
    EXPECT_EQ(f.text(hop::kDataEdit), "-12,12,0,5,");
}
