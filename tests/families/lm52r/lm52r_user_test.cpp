// The LM52R user page against a hand-played terminal: the chains byte by byte, where a write
// stops and what it says, the edit guards, encryption and the hop-map transfer.
#include "families/lm52r/lm52r_user.h"

#include <gtest/gtest.h>

#include "families/hopmap/hop_map.h"
#include "families/lm52r/lm52r_bench.h"

using namespace rb;
using namespace rb::families::lm52r::user_ids;
using rb::testing::concat;
using rb::testing::gbk;
using rb::testing::payloadOf;
namespace hop = rb::families::hopmap;

namespace {

struct UserBench : rb::testing::Lm52rBench {
    engine::FormModel& f() { return form(1); }
    bool transferRunning() {
        return static_cast<families::lm52r::CLM52RUser&>(container->page(1)).hopTransferRunning();
    }
};

// Common parameters of a terminal whose flags byte 0xCF has 鉴权 (bit 7) set, bits 4 and 5
// clear, and base-page bits besides.
const wire::Bytes kTerminalCommon = {10, 20, 0xCF, 0x44, 0x44, 0xCC, 3, 0, 0x22, 0xAA};

// A hop-map text of n items: -12, then 1, 2, 3, ... 99, 0, 1, ...
std::string hopText(int n) {
    std::vector<int> v;
    for (int i = 0; i < n; ++i) v.push_back(i == 0 ? -12 : i % 100);
    return hop::joinItems(v);
}

}  // namespace

// What each answer shows is checked field by field by the write-then-read round trip against
// the simulated terminal (lm52r_sim_test.cpp) together with the byte-exact write chain below;
// here: the reset, the requests, and what only a read does.
TEST(Lm52rUser, ReadChainResetsAndRequestsEveryGroup) {
    UserBench b;
    auto& f = b.f();
    f.setText(kOwnerNameEdit, "旧名");
    f.click(kStandbyChecks[4]);
    f.setText(kStandbyEdits[4], "77");

    f.click(engine::kReadButton);
    EXPECT_EQ(f.text(kOwnerNameEdit), "");
    EXPECT_EQ(f.text(kStandbyEdits[4]), "");
    EXPECT_FALSE(f.checked(kStandbyChecks[4]) || f.enabled(kStandbyEdits[4]));
    EXPECT_EQ(b.session.requestPage, 1);

    b.answer(0x9A, {0x00, 0x01, 0, 0, 0, 0, 'V', '2'});
    EXPECT_EQ(b.session.statusBar.text(1), "V2");
    b.answerCommon({0, 0, 0x90, 0x44, 0x44, 0xCC, 3, 0, 0x22, 0xAA});
    EXPECT_EQ(b.traces.rbegin()[1], "\r\n公共参数读取成功!");
    EXPECT_TRUE(f.enabled(kBindingEdits[0]));  // 绑定允许 from bit 4
    b.answer(0x53, payloadOf(92));
    // Byte 6 of 0x2B carries the category in its high nibble (0x25: category 3) and is also
    // channel 1's high byte.
    wire::Bytes bindings = payloadOf(39);
    bindings[6 - 4] = 0x25;
    b.answer(0x2B, bindings);
    EXPECT_EQ(f.text(kCategoryEdit), "3");
    EXPECT_EQ(f.text(kBindingEdits[0]), "9472");
    // Selection bytes 0x80 and 0x03: standby groups 16, 2 and 1, their edits enabled.
    wire::Bytes standby = payloadOf(45);
    standby[7 - 4] = 0x80;
    standby[8 - 4] = 0x03;
    b.answer(0x2F, standby);
    for (int g = 0; g < 16; ++g) {
        EXPECT_EQ(f.checked(kStandbyChecks[g]), g <= 1 || g == 15) << g;
        EXPECT_EQ(f.enabled(kStandbyEdits[g]), g <= 1 || g == 15) << g;
    }
    EXPECT_EQ(f.text(kCategoryEdit), "1");
    EXPECT_EQ(b.session.statusBar.text(2), "信道守候组读取成功");
    EXPECT_EQ(b.writes(), (std::vector<wire::Bytes>{wire::frame96(0x99, {0x00, 0x01}),
                                                    wire::frame96(0x22), wire::frame96(0x52),
                                                    wire::frame96(0x2A), wire::frame96(0x2E)}));
    b.advance(5000);
    EXPECT_TRUE(b.prompter.boxes.empty());
}

TEST(Lm52rUser, WriteChainSendsTheFieldsAndTheTerminalsCommonBytes) {
    UserBench b;
    auto& f = b.f();
    f.type(kCategoryEdit, "2");
    f.type(kIdentityEdit, "4660");
    f.type(kOwnerNameEdit, "张三");
    f.type(kOwnerTextEdit, "tx");
    // 鉴权 off, 绑定允许 on, 守候全有效 stays off; standby groups 1 and 16.
    for (int id :
         {kRelayCheck, kAuthCheck, kBindAllowedCheck, kStandbyChecks[0], kStandbyChecks[15]})
        f.click(id);
    f.type(kBindingEdits[0], "513");
    f.type(kStandbyEdits[0], "1");
    f.type(kStandbyEdits[15], "65535");

    f.click(engine::kWriteButton);
    EXPECT_EQ(b.prompter.texts(), std::vector<std::string>{"确认写录数据?"});
    EXPECT_EQ(b.lastWrite(), wire::frame96(0x22));

    // Flags 0xCF from the terminal: bit 4 set, 5 and 7 cleared by the switches; every other
    // byte and bit as the terminal sent it.
    b.answerCommon(kTerminalCommon);
    EXPECT_EQ(b.lastWrite(),
              wire::frame96(0x20, {0x00, 0x01, 10, 20, 0x5F, 0x44, 0x44, 0xCC, 3, 0, 0x22, 0xAA}));

    b.answer(0x21);
    EXPECT_EQ(b.lastWrite(),
              wire::frame96(
                  0x50, concat({{0x00, 0x00, 0x00, 0x12, 0x34}, gbk("张三", 19), gbk("tx", 63)})));
    EXPECT_EQ(b.lastWrite().size(), 92u);

    b.answer(0x51);
    wire::Bytes bindings(34, 0);
    bindings[1] = 0x01;
    bindings[2] = 0x02;  // channel 1 = 513; the empty codes go out as 0
    bindings[3] = 0x01;
    EXPECT_EQ(b.lastWrite(), wire::frame96(0x28, bindings));

    b.answer(0x29);
    wire::Bytes standby = {0x00, 0x01, 0xF5, 0x80, 0x01, 0x01, 0x12, 0x34};
    standby.resize(8 + 32, 0);
    standby[9] = 0x01;                 // group 1 code 1
    standby[38] = standby[39] = 0xFF;  // group 16 code 65535
    EXPECT_EQ(b.lastWrite(), wire::frame96(0x2C, standby));
    EXPECT_EQ(b.lastWrite().size(), 45u);

    b.answer(0x2D);
    EXPECT_EQ(b.session.statusBar.text(2), "信道守候组设置成功");
    EXPECT_EQ(b.writes().size(), 5u);
}

TEST(Lm52rUser, AFailedCheckStopsTheWriteWithItsMessage) {
    struct Case {
        std::vector<std::pair<int, std::string>> edits;  // control, text
        int acks;             // answers 0x21, 0x51, 0x29 given; the last one runs the check
        const char* message;  // nullptr: the request goes out
    };
    const std::vector<Case> cases = {
        {{{kIdentityEdit, "70000"}}, 1, "身份码设置错误,请设为0-65535!"},
        {{{kIdentityEdit, "-1"}}, 1, "身份码设置错误,请设为0-65535!"},
        {{{kIdentityEdit, "65535"}, {kOwnerNameEdit, "一二三四五六七八九A"}}, 1, nullptr},
        {{{kOwnerNameEdit, "一二三四五六七八九十"}}, 1, "机主姓名设置错误,请设为0-19位!"},
        {{{kOwnerTextEdit, std::string(64, 'x')}}, 1, "机主身份信息设置错误,请设为0-63位!"},
        {{{kBindingEdits[2], "70000"}}, 2, "03信道绑定号码设置错误,请设为0-65535!"},
        {{{kBindingEdits[15], "-1"}}, 2, "16信道绑定号码设置错误,请设为0-65535!"},
        {{{kCategoryEdit, "5"}}, 3, "系统类别设置错误,请设为1-4!"},
        {{{kCategoryEdit, ""}, {kStandbyEdits[0], "65536"}}, 3, "系统类别设置错误,请设为1-4!"},
        {{{kStandbyEdits[0], "65536"}}, 3, "01信道守候组设置错误,请设为0-65535!"},
        {{{kCategoryEdit, "4"}}, 3, nullptr},
    };
    const std::uint8_t acks[] = {0x21, 0x51, 0x29};
    for (std::size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(i);
        const Case& c = cases[i];
        UserBench b;
        for (const auto& [id, text] : c.edits) b.f().setText(id, text);
        b.f().click(engine::kWriteButton);
        b.answerCommon(kTerminalCommon);
        for (int a = 0; a < c.acks; ++a) b.answer(acks[a]);
        // A refused value is found before the first frame: nothing at all is sent, whichever
        // step would have sent it.
        EXPECT_EQ(b.writes().size(), c.message ? 0u : std::size_t(2 + c.acks));
        if (!c.message) {
            EXPECT_EQ(b.prompter.boxes.size(), 1u);  // only the confirmation
            continue;
        }
        ASSERT_EQ(b.prompter.boxes.size(), 1u);
        const auto& box = b.prompter.boxes[0];
        EXPECT_EQ(box.text, c.message);
        EXPECT_EQ(box.caption, "提示");
        EXPECT_EQ(box.icon, engine::Icon::None);
        EXPECT_EQ(box.buttons, engine::Buttons::Ok);
        // Nothing waits for an answer: no time-out follows; the buttons stay usable.
        b.advance(5000);
        EXPECT_EQ(b.prompter.boxes.size(), 1u);
        EXPECT_TRUE(b.f().enabled(engine::kWriteButton));
    }
}

TEST(Lm52rUser, EditGuardsAndSwitches) {
    struct Case {
        int id;
        const char* before;  // accepted first
        std::string typed;
        std::string shown;
    };
    const std::vector<Case> cases = {
        {kOwnerNameEdit, "张三", "一二三四五六七八九十", "张三"},  // 20 bytes: refused
        {kOwnerNameEdit, "张三", "一二三四五六七八九A", "一二三四五六七八九A"},
        {kOwnerTextEdit, "ok", std::string(64, 'y'), "ok"},
        {kKeyWordEdit, "AB", "ABCDEFGHIJKLM", "AB"},
        {kKeyWordEdit, "AB", "密钥密钥密钥", "密钥密钥密钥"},  // 12 bytes
        {kKeyParamEdit, "1", "70000", "65535"},
        {kBindingEdits[0], "1", "-5", "0"},
        {kStandbyEdits[15], "1", "65536", "65535"},
        {kStandbyEdits[7], "1", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.id) + " <- " + c.typed);
        UserBench b;
        b.f().click(kBindAllowedCheck);
        b.f().click(kSelectAllCheck);
        ASSERT_TRUE(b.f().type(c.id, c.before));
        b.f().type(c.id, c.typed);
        EXPECT_EQ(b.f().text(c.id), c.shown);
    }

    // (The cases above could type into the code edits only because 绑定允许 and 选择全部守候组
    // enabled them.)
    UserBench b;
    auto& f = b.f();
    EXPECT_FALSE(f.enabled(kBindingEdits[3]) || f.enabled(kStandbyEdits[3]));  // at opening
    f.click(kSelectAllCheck);
    for (int g = 0; g < 16; ++g)
        EXPECT_TRUE(f.checked(kStandbyChecks[g]) && f.enabled(kStandbyEdits[g]));
    f.click(kStandbyChecks[9]);
    EXPECT_FALSE(f.enabled(kStandbyEdits[9]));
    f.click(kSelectAllCheck);
    for (int g = 0; g < 16; ++g)
        EXPECT_FALSE(f.checked(kStandbyChecks[g]) || f.enabled(kStandbyEdits[g]));
}

TEST(Lm52rUser, EncryptionSetChecksAndBytes) {
    struct Case {
        const char* scheme;
        const char* key;
        std::string word;
        const char* message;  // nullptr: sent as `expected`, without confirmation
        wire::Bytes expected;
    };
    const std::vector<Case> cases = {
        {"3", "0", "密钥", nullptr,
         wire::frame96(0x34, concat({{0x00, 0x01, 0x03, 0x00, 0x00}, gbk("密钥", 12)}))},
        {"15", "258", "ABC", nullptr,  // the key word only goes with key parameter 0
         wire::frame96(0x34, concat({{0x00, 0x01, 0x0F, 0x01, 0x02}, wire::Bytes(12, 0)}))},
        {"16", "0", "", "加密方案设置错误,请设为0-15!", {}},
        {"-1", "0", "", "加密方案设置错误,请设为0-15!", {}},
        {"0", "70000", "", "密钥参数设置错误,请设为0-65535!", {}},
        {"0", "0", "ABCDEFGHIJKLM", "密钥字设置错误,请设为0-12位!", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.scheme) + "/" + c.key + "/" + c.word);
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
}

TEST(Lm52rUser, EncryptionReadShowsKeyAndWord) {
    // A scheme above 15 shows 15, other schemes leave the field; no word unless key 0.
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

TEST(Lm52rUser, HopMapOf300ItemsGoesInThreeChunksAndStopsAtATimeOut) {
    UserBench b;
    auto& f = b.f();
    f.click(hop::kSetButton);  // nothing to send yet
    EXPECT_TRUE(b.writes().empty());
    ASSERT_EQ(b.prompter.boxes.size(), 1u);
    EXPECT_EQ(b.prompter.boxes[0].text, "请加载或生成跳频图数据!");
    EXPECT_EQ(b.prompter.boxes[0].icon, engine::Icon::Information);

    f.select(hop::kSchemeCombo, 2);
    f.select(hop::kLengthCombo, 3);
    f.setText(hop::kDataEdit, hopText(300));
    // A read leaves timer 2 running; it must not free the buttons in the middle of the transfer.
    f.click(engine::kReadButton);
    b.advance(1000);
    b.writes().clear();

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
        EXPECT_EQ(
            wire::Bytes(w.begin(), w.begin() + 11),
            (wire::Bytes{0x96, std::uint8_t(m + 9), 0x80, 0x38, 0x00, 0x01, 0x02, std::uint8_t(c),
                         0x01, 0x00, std::uint8_t(c == 0 ? 0x8C : (112 * c) % 100)}));
        for (int id : locked) EXPECT_FALSE(f.enabled(id)) << id;
        b.advance(1400);
        b.answer(0x39, {0x00, 0x01, 0x02, std::uint8_t(c)});
    }
    EXPECT_EQ(b.writes().size(), 3u);
    EXPECT_EQ(b.session.statusBar.text(2), "跳频图设置成功");
    for (int id : locked) EXPECT_TRUE(f.enabled(id)) << id;
    EXPECT_FALSE(b.transferRunning());

    // Again (without the read's time-out box), and the terminal does not take chunk 1: the
    // transfer stops with "操作失败".
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
    for (int id : locked) EXPECT_TRUE(f.enabled(id)) << id;
    // Chunk 2 never follows, not even after a late acknowledgement, and no success shows.
    b.answer(0x39, {0x00, 0x01, 0x02, 0x01});
    b.advance(5000);
    EXPECT_EQ(b.writes().size(), 5u);
    EXPECT_EQ(b.session.statusBar.text(2), "操作失败");
}

TEST(Lm52rUser, HopMapReadClearsAndAppendsEveryAnswer) {
    UserBench b;
    auto& f = b.f();
    f.select(hop::kSchemeCombo, 1);
    f.select(hop::kLengthCombo, 2);
    f.setText(hop::kDataEdit, "1,2,");
    f.click(hop::kReadButton);
    EXPECT_EQ(b.lastWrite(), (wire::Bytes{0x96, 0x06, 0x80, 0x3A, 0x00, 0x01, 0x01, 0x2A}));
    EXPECT_EQ(f.text(hop::kDataEdit), "");
    EXPECT_EQ(f.selection(hop::kLengthCombo), 0);

    b.answer(0x3B, {0x00, 0x01, 0x01, 0x00, 0x00, 0x40, 0x8C, 0x0C, 0x00, 0x80});
    EXPECT_EQ(f.text(hop::kDataEdit), "-12,12,0,-0,");
    EXPECT_EQ(b.session.statusBar.text(2), "跳频图读取成功");
    b.answer(0x3B, {0x00, 0x01, 0x01, 0x01, 0x00, 0x40, 0x05});
    b.answer(0x3B, {0x00, 0x01});  // too short to hold any value: adds nothing
    EXPECT_EQ(f.text(hop::kDataEdit), "-12,12,0,-0,5,");
}
