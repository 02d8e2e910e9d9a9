// The LM52R user page against a hand-played terminal: the read and write chains byte by byte,
// where a write stops and what it says, the edit guards, encryption, the configuration file
// and the hop-map transfer.
#include "families/lm52r/lm52r_user.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <sstream>

#include "families/hopmap/hop_map.h"
#include "lm52r_page_bench.h"
#include "wire/codecs.h"

using namespace rb;
using namespace rb::families::lm52r::user_ids;
using rb::testing::Lm52rPageBench;
using rb::testing::payloadOf;
namespace hop = rb::families::hopmap;

namespace {

struct UserBench : Lm52rPageBench {
    UserBench() : Lm52rPageBench(1) {}
    families::lm52r::CLM52RUser& user() { return static_cast<families::lm52r::CLM52RUser&>(*page); }
    // 0x23 with the given bytes 6-15.
    void answerCommon(const wire::Bytes& bytes6to15) {
        wire::Bytes p = {0x00, 0x01};
        p.insert(p.end(), bytes6to15.begin(), bytes6to15.end());
        answer(0x23, p);
    }
};

wire::Bytes gbkField(const std::string& utf8, std::size_t width) {
    wire::Bytes out;
    wire::putGbkField(out, utf8, width);
    return out;
}

wire::Bytes concat(std::initializer_list<wire::Bytes> parts) {
    wire::Bytes out;
    for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

const wire::Bytes kTerminalCommon = {10, 20, 0xCF, 0x44, 0x44, 0xCC, 3, 0, 0x22, 0xAA};

// A hop-map text of n items: -12, then 1, 2, 3, ...
std::string hopText(int n) {
    std::vector<int> v;
    for (int i = 0; i < n; ++i) v.push_back(i == 0 ? -12 : i % 100);
    return hop::joinItems(v);
}

}  // namespace

TEST(Lm52rUserRead, ChainRequestsAndDecodesEveryAnswer) {
    UserBench b;
    b.form().setText(kOwnerNameEdit, "旧名");
    b.form().click(kStandbyChecks[4]);
    b.form().setText(kStandbyEdits[4], "77");

    b.form().click(engine::kReadButton);
    // The reset shows the opening state before anything comes back.
    EXPECT_EQ(b.form().text(kOwnerNameEdit), "");
    EXPECT_EQ(b.form().text(kStandbyEdits[4]), "");
    EXPECT_FALSE(b.form().checked(kStandbyChecks[4]));
    EXPECT_FALSE(b.form().enabled(kStandbyEdits[4]));
    EXPECT_EQ(b.session.requestPage, 1);
    ASSERT_EQ(b.writes().size(), 1u);
    EXPECT_EQ(b.lastWrite(), (wire::Bytes{0x96, 0x05, 0x80, 0x99, 0x00, 0x01, 0x8B}));

    // A version without a closing zero: the text ends before the checksum.
    b.answer(0x9A, {0x00, 0x01, 0, 0, 0, 0, 'V', '2'});
    EXPECT_EQ(b.session.statusBar.text(1), "V2");
    EXPECT_EQ(b.lastWrite(), (wire::Bytes{0x96, 0x03, 0x80, 0x22, 0x37}));

    // Flags: bit 7 (鉴权) and bit 4 (绑定允许) set, bit 5 (守候全有效) clear.
    b.answerCommon({0, 0, 0x90, 0x44, 0x44, 0xCC, 3, 0, 0x22, 0xAA});
    EXPECT_TRUE(b.form().checked(kAuthCheck));
    EXPECT_TRUE(b.form().checked(kBindAllowedCheck));
    EXPECT_FALSE(b.form().checked(kAllStandbyCheck));
    EXPECT_TRUE(b.form().enabled(kBindingEdits[0]));
    EXPECT_EQ(b.traces.rbegin()[1], "\r\n公共参数读取成功!");
    EXPECT_EQ(b.lastWrite(), wire::frame96(0x52));

    wire::Bytes identity = payloadOf(92);
    const wire::Bytes name = gbkField("张三", 19);
    const wire::Bytes text = gbkField("北京铁路局A1", 63);
    std::copy(name.begin(), name.end(), identity.begin() + (9 - 4));
    std::copy(text.begin(), text.end(), identity.begin() + (28 - 4));
    b.answer(0x53, identity);
    EXPECT_EQ(b.form().text(kOwnerNameEdit), "张三");
    EXPECT_EQ(b.form().text(kOwnerTextEdit), "北京铁路局A1");
    EXPECT_EQ(b.traces.rbegin()[1], "\r\n身份信息读取成功!");
    EXPECT_EQ(b.lastWrite(), wire::frame96(0x2A));

    // Byte 6 carries the category in its high nibble and is also channel 1's high byte.
    wire::Bytes bindings = payloadOf(39);
    bindings[6 - 4] = 0x25;
    bindings[7 - 4] = 0x10;
    bindings[36 - 4] = 0xFF;
    bindings[37 - 4] = 0xFF;
    b.answer(0x2B, bindings);
    EXPECT_EQ(b.form().text(kCategoryEdit), "3");
    EXPECT_EQ(b.form().text(kBindingEdits[0]), "9488");
    EXPECT_EQ(b.form().text(kBindingEdits[1]), "0");
    EXPECT_EQ(b.form().text(kBindingEdits[15]), "65535");
    EXPECT_EQ(b.lastWrite(), wire::frame96(0x2E));

    wire::Bytes standby = payloadOf(45);
    standby[6 - 4] = 0xF5;
    standby[7 - 4] = 0x80;  // group 16
    standby[8 - 4] = 0x01;  // group 1
    standby[9 - 4] = 0x01;  // category 2
    standby[10 - 4] = 0x12;
    standby[11 - 4] = 0x34;
    standby[13 - 4] = 0x01;  // group 1 code 1
    standby[42 - 4] = 0xFF;
    standby[43 - 4] = 0xFE;  // group 16 code 65534
    b.answer(0x2F, standby);
    EXPECT_TRUE(b.form().checked(kRelayCheck));
    EXPECT_TRUE(b.form().checked(kStandbyChecks[0]));
    EXPECT_TRUE(b.form().checked(kStandbyChecks[15]));
    EXPECT_FALSE(b.form().checked(kStandbyChecks[1]));
    EXPECT_TRUE(b.form().enabled(kStandbyEdits[15]));
    EXPECT_FALSE(b.form().enabled(kStandbyEdits[1]));
    EXPECT_EQ(b.form().text(kCategoryEdit), "2");
    EXPECT_EQ(b.form().text(kIdentityEdit), "4660");
    EXPECT_EQ(b.form().text(kStandbyEdits[0]), "1");
    EXPECT_EQ(b.form().text(kStandbyEdits[15]), "65534");
    EXPECT_EQ(b.session.statusBar.text(2), "信道守候组读取成功");
    EXPECT_EQ(b.writes().size(), 5u);  // the chain ends here

    b.advance(5000);
    EXPECT_TRUE(b.prompter.boxes.empty());
    EXPECT_TRUE(b.form().enabled(engine::kReadButton));
}

TEST(Lm52rUserWrite, ChainSendsTheFieldsAndKeepsTheTerminalsCommonBytes) {
    UserBench b;
    auto& f = b.form();
    f.type(kCategoryEdit, "2");
    f.type(kIdentityEdit, "4660");
    f.type(kOwnerNameEdit, "张三");
    f.type(kOwnerTextEdit, "tx");
    f.click(kRelayCheck);
    f.click(kAuthCheck);  // off
    f.click(kBindAllowedCheck);
    f.click(kAllStandbyCheck);
    f.type(kBindingEdits[0], "513");
    f.click(kStandbyChecks[0]);
    f.click(kStandbyChecks[15]);
    f.type(kStandbyEdits[0], "1");
    f.type(kStandbyEdits[15], "65535");

    f.click(engine::kWriteButton);
    ASSERT_EQ(b.prompter.boxes.size(), 1u);
    EXPECT_EQ(b.prompter.boxes[0].text, "确认写录数据?");
    EXPECT_EQ(b.lastWrite(), wire::frame96(0x22));

    // Flags 0xCF from the terminal: bits 4, 5 replaced by the switches (on), bit 7 (off).
    b.answerCommon(kTerminalCommon);
    EXPECT_EQ(b.lastWrite(),
              wire::frame96(0x20, {0x00, 0x01, 10, 20, 0x7F, 0x44, 0x44, 0xCC, 3, 0, 0x22, 0xAA}));

    b.answer(0x21, {0x00, 0x01});
    EXPECT_EQ(b.lastWrite().size(), 92u);
    EXPECT_EQ(b.lastWrite(), wire::frame96(0x50, concat({{0x00, 0x00, 0x00, 0x12, 0x34},
                                                         gbkField("张三", 19),
                                                         gbkField("tx", 63)})));

    b.answer(0x51, {0x00, 0x00});
    wire::Bytes bindings(34, 0);
    bindings[1] = 0x01;
    bindings[2] = 0x02;  // channel 1 = 513
    bindings[3] = 0x01;  // empty codes go out as 0
    EXPECT_EQ(b.lastWrite().size(), 39u);
    EXPECT_EQ(b.lastWrite(), wire::frame96(0x28, bindings));

    b.answer(0x29, {0x00, 0x01});
    wire::Bytes standby = {0x00, 0x01, 0xF5, 0x80, 0x01, 0x01, 0x12, 0x34};
    standby.resize(8 + 32, 0);
    standby[9] = 0x01;   // group 1 code 1
    standby[38] = 0xFF;  // group 16 code 65535
    standby[39] = 0xFF;
    EXPECT_EQ(b.lastWrite().size(), 45u);
    EXPECT_EQ(b.lastWrite(), wire::frame96(0x2C, standby));

    b.answer(0x2D, {0x00, 0x01});
    EXPECT_EQ(b.session.statusBar.text(2), "信道守候组设置成功");
    EXPECT_EQ(b.writes().size(), 5u);
}

TEST(Lm52rUserWrite, AFailedCheckStopsTheChainWithItsMessage) {
    using Setup = std::function<void(engine::FormModel&)>;
    struct Case {
        const char* name;
        Setup setup;
        int acks;             // answers 0x21, 0x51, 0x29 given before the check runs
        const char* message;  // nullptr: the request goes out
    };
    const std::string nineteen = "一二三四五六七八九A";  // 19 GBK bytes
    const std::string twenty = "一二三四五六七八九十";   // 20 GBK bytes
    const std::vector<Case> cases = {
        {"identity 70000", [](auto& f) { f.type(kIdentityEdit, "70000"); }, 1,
         "身份码设置错误,请设为0-65535!"},
        {"identity -1", [](auto& f) { f.type(kIdentityEdit, "-1"); }, 1,
         "身份码设置错误,请设为0-65535!"},
        {"identity 65535", [](auto& f) { f.type(kIdentityEdit, "65535"); }, 1, nullptr},
        {"name of 19 bytes", [&](auto& f) { f.setText(kOwnerNameEdit, nineteen); }, 1, nullptr},
        {"name of 20 bytes", [&](auto& f) { f.setText(kOwnerNameEdit, twenty); }, 1,
         "机主姓名设置错误,请设为0-19位!"},
        {"owner text of 64 bytes", [](auto& f) { f.setText(kOwnerTextEdit, std::string(64, 'x')); },
         1, "机主身份信息设置错误,请设为0-63位!"},
        {"binding 3 above range", [](auto& f) { f.setText(kBindingEdits[2], "70000"); }, 2,
         "03信道绑定号码设置错误,请设为0-65535!"},
        {"binding 16 negative", [](auto& f) { f.setText(kBindingEdits[15], "-1"); }, 2,
         "16信道绑定号码设置错误,请设为0-65535!"},
        {"empty bindings", [](auto&) {}, 2, nullptr},
        {"category 5", [](auto& f) { f.type(kCategoryEdit, "5"); }, 3,
         "系统类别设置错误,请设为1-4!"},
        {"category empty", [](auto& f) { f.type(kCategoryEdit, ""); }, 3,
         "系统类别设置错误,请设为1-4!"},
        {"category before codes",
         [](auto& f) {
             f.type(kCategoryEdit, "0");
             f.setText(kStandbyEdits[0], "65536");
         },
         3, "系统类别设置错误,请设为1-4!"},
        {"standby 1 above range", [](auto& f) { f.setText(kStandbyEdits[0], "65536"); }, 3,
         "01信道守候组设置错误,请设为0-65535!"},
        {"category 4", [](auto& f) { f.type(kCategoryEdit, "4"); }, 3, nullptr},
    };
    const std::uint8_t acks[] = {0x21, 0x51, 0x29};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        UserBench b;
        c.setup(b.form());
        b.form().click(engine::kWriteButton);
        b.answerCommon(kTerminalCommon);
        for (int i = 0; i < c.acks - 1; ++i) b.answer(acks[i], {0x00, 0x01});
        const std::size_t before = b.writes().size();
        b.answer(acks[c.acks - 1], {0x00, 0x01});
        if (!c.message) {
            EXPECT_EQ(b.writes().size(), before + 1);
            EXPECT_EQ(b.prompter.boxes.size(), 1u);  // only the confirmation
            continue;
        }
        EXPECT_EQ(b.writes().size(), before);
        ASSERT_EQ(b.prompter.boxes.size(), 2u);
        EXPECT_EQ(b.prompter.boxes[1].text, c.message);
        EXPECT_EQ(b.prompter.boxes[1].caption, "提示");
        EXPECT_EQ(b.prompter.boxes[1].buttons, engine::Buttons::Ok);
        // The previous answer stopped timer 1: no time-out follows; timer 2 frees the buttons.
        b.advance(5000);
        EXPECT_EQ(b.prompter.boxes.size(), 2u);
        EXPECT_TRUE(b.form().enabled(engine::kWriteButton));
    }
}

TEST(Lm52rUserForm, EditGuardsAndSwitches) {
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
        {kOwnerTextEdit, "ok", std::string(63, 'y'), std::string(63, 'y')},
        {kKeyWordEdit, "AB", "ABCDEFGHIJKLM", "AB"},
        {kKeyWordEdit, "AB", "密钥密钥密钥", "密钥密钥密钥"},  // 12 bytes
        {kKeyParamEdit, "1", "70000", "65535"},
        {kKeyParamEdit, "1", "-3", "0"},
        {kBindingEdits[0], "1", "-5", "0"},
        {kBindingEdits[15], "1", "65536", "65535"},
        {kStandbyEdits[7], "1", "99999", "65535"},
        {kStandbyEdits[7], "1", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.id) + " <- " + c.typed);
        UserBench b;
        b.form().click(kBindAllowedCheck);
        b.form().click(kSelectAllCheck);
        ASSERT_TRUE(b.form().type(c.id, c.before));
        b.form().type(c.id, c.typed);
        EXPECT_EQ(b.form().text(c.id), c.shown);
    }

    UserBench b;
    auto& f = b.form();
    EXPECT_FALSE(f.enabled(kBindingEdits[3]));
    f.click(kBindAllowedCheck);
    EXPECT_TRUE(f.enabled(kBindingEdits[3]));
    f.click(kSelectAllCheck);
    for (int g = 0; g < 16; ++g)
        EXPECT_TRUE(f.checked(kStandbyChecks[g]) && f.enabled(kStandbyEdits[g]));
    f.click(kStandbyChecks[9]);
    EXPECT_FALSE(f.enabled(kStandbyEdits[9]));
    f.click(kSelectAllCheck);
    for (int g = 0; g < 16; ++g)
        EXPECT_FALSE(f.checked(kStandbyChecks[g]) || f.enabled(kStandbyEdits[g]));
}

TEST(Lm52rUserEncryption, SetChecksAndBytes) {
    struct Case {
        const char* scheme;
        const char* key;
        std::string word;
        const char* message;  // nullptr: sent as `expected`
        wire::Bytes expected;
    };
    const std::vector<Case> cases = {
        {"3", "0", "密钥", nullptr,
         wire::frame96(0x34, concat({{0x00, 0x01, 0x03, 0x00, 0x00}, gbkField("密钥", 12)}))},
        {"15", "258", "ABC", nullptr,  // key word only with key parameter 0
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
        b.form().setText(kSchemeEdit, c.scheme);
        b.form().setText(kKeyParamEdit, c.key);
        b.form().setText(kKeyWordEdit, c.word);
        b.form().click(kEncryptSetButton);
        EXPECT_EQ(b.session.requestPage, 1);
        if (c.message) {
            EXPECT_TRUE(b.writes().empty());
            EXPECT_EQ(b.prompter.lastText(), c.message);
        } else {
            EXPECT_TRUE(b.prompter.boxes.empty());  // no confirmation
            EXPECT_EQ(b.lastWrite(), c.expected);
            EXPECT_EQ(b.lastWrite().size(), 22u);
            b.answer(0x35, {0x00, 0x01});
            EXPECT_EQ(b.session.statusBar.text(2), "加密方式设置成功");
        }
    }
}

TEST(Lm52rUserEncryption, ReadShowsKeyAndWord) {
    struct Case {
        std::uint8_t scheme;
        std::uint16_t key;
        const char* scheme_shown;
        const char* key_shown;
        const char* word_shown;
    };
    const std::vector<Case> cases = {
        {0x20, 0, "15", "0", "密钥A"},  // a scheme above 15 shows 15
        {7, 0x0102, "4", "258", ""},    // other schemes leave the field; no word unless key 0
    };
    for (const auto& c : cases) {
        UserBench b;
        b.form().setText(kSchemeEdit, "4");
        b.form().setText(kKeyWordEdit, "old");
        b.form().click(kEncryptReadButton);
        EXPECT_EQ(b.lastWrite(), (wire::frame96(0x36, {0x00, 0x01, 0x04})));
        wire::Bytes p =
            concat({{0x00, 0x01, c.scheme, std::uint8_t(c.key >> 8), std::uint8_t(c.key)},
                    gbkField("密钥A", 12)});
        b.answer(0x37, p);
        EXPECT_EQ(b.form().text(kSchemeEdit), c.scheme_shown);
        EXPECT_EQ(b.form().text(kKeyParamEdit), c.key_shown);
        EXPECT_EQ(b.form().text(kKeyWordEdit), c.word_shown);
        EXPECT_EQ(b.session.statusBar.text(2), "加密方式读取成功");
    }
}

TEST(Lm52rUserFile, StoreAndLoadRoundTrip) {
    UserBench b;
    auto& f = b.form();
    f.type(kCategoryEdit, "3");
    f.type(kIdentityEdit, "12345");
    f.type(kOwnerNameEdit, "王小明");
    f.type(kOwnerTextEdit, "机务段 A-7");
    f.type(kKeyParamEdit, "0");
    f.type(kKeyWordEdit, "钥匙");
    f.click(kBindAllowedCheck);
    f.click(kAllStandbyCheck);
    for (int k = 0; k < 16; ++k) f.type(kBindingEdits[k], std::to_string(100 + k));
    f.click(kStandbyChecks[0]);
    f.click(kStandbyChecks[15]);
    f.type(kStandbyEdits[0], "7");
    f.type(kStandbyEdits[15], "65535");
    f.click(kRelayCheck);  // not in the file

    const std::string path = b.dir.file("user.ini");
    ASSERT_TRUE(b.container->storeFile(path));
    EXPECT_EQ(b.prompter.lastText(), "文件保存成功!");

    std::ifstream in(path, std::ios::binary);
    std::stringstream raw;
    raw << in.rdbuf();
    const std::string bytes = raw.str();
    EXPECT_NE(bytes.find("UserName=" + wire::utf8ToGbk("王小明") + "\r\n"), std::string::npos);
    for (const char* line :
         {"BaseSite=3\r\n", "UserCode=12345\r\n", "EncryptPara=0\r\n", "Allow Bind=1\r\n",
          "All Availability=1\r\n", "ChannelBind16=115\r\n", "Group01=7\r\n", "Group01Sel=1\r\n",
          "Group02Sel=0\r\n", "Group16=65535\r\n"}) {
        EXPECT_NE(bytes.find(line), std::string::npos) << line;
    }

    // Everything different, then load.
    f.click(engine::kReadButton);  // the reset empties the fields
    f.click(kBindAllowedCheck);
    f.click(kAllStandbyCheck);
    f.setText(kKeyWordEdit, "x");
    ASSERT_TRUE(b.container->loadFile(path));
    EXPECT_EQ(b.prompter.lastText(), "文件打开成功!");
    EXPECT_EQ(f.text(kCategoryEdit), "3");
    EXPECT_EQ(f.text(kIdentityEdit), "12345");
    EXPECT_EQ(f.text(kOwnerNameEdit), "王小明");
    EXPECT_EQ(f.text(kOwnerTextEdit), "机务段 A-7");
    EXPECT_EQ(f.text(kKeyParamEdit), "0");
    EXPECT_EQ(f.text(kKeyWordEdit), "钥匙");
    EXPECT_TRUE(f.checked(kBindAllowedCheck));
    EXPECT_TRUE(f.checked(kAllStandbyCheck));
    EXPECT_TRUE(f.enabled(kBindingEdits[5]));
    for (int k = 0; k < 16; ++k) EXPECT_EQ(f.text(kBindingEdits[k]), std::to_string(100 + k));
    EXPECT_TRUE(f.checked(kStandbyChecks[0]) && f.enabled(kStandbyEdits[0]));
    EXPECT_TRUE(f.checked(kStandbyChecks[15]));
    EXPECT_FALSE(f.checked(kStandbyChecks[1]) || f.enabled(kStandbyEdits[1]));
    EXPECT_EQ(f.text(kStandbyEdits[0]), "7");
    EXPECT_EQ(f.text(kStandbyEdits[15]), "65535");
    EXPECT_FALSE(f.checked(kRelayCheck));  // the reset cleared it and the file has no relay

    // The name came back byte-guarded: typing past the limit restores it.
    f.type(kOwnerNameEdit, "一二三四五六七八九十");
    EXPECT_EQ(f.text(kOwnerNameEdit), "王小明");
}

TEST(Lm52rUserHopMap, SetWithoutDataAsksForAMap) {
    UserBench b;
    b.form().click(hop::kSetButton);
    EXPECT_TRUE(b.writes().empty());
    ASSERT_EQ(b.prompter.boxes.size(), 1u);
    EXPECT_EQ(b.prompter.boxes[0].text, "请加载或生成跳频图数据!");
    EXPECT_EQ(b.prompter.boxes[0].icon, engine::Icon::Information);
}

TEST(Lm52rUserHopMap, ThreeHundredItemsGoOutInThreeChunks) {
    UserBench b;
    auto& f = b.form();
    f.select(hop::kSchemeCombo, 2);
    f.select(hop::kLengthCombo, 3);
    f.setText(hop::kDataEdit, hopText(300));
    // A read leaves timer 2 running; it must not free the buttons in the middle of the transfer.
    f.click(engine::kReadButton);
    b.advance(1000);
    b.writes().clear();

    f.click(hop::kSetButton);
    const int locked[] = {engine::kReadButton, engine::kWriteButton, hop::kReadButton,
                          hop::kSetButton,     hop::kLoadButton,     hop::kGenerateButton,
                          hop::kClearButton};
    for (std::size_t c = 0; c < 3; ++c) {
        SCOPED_TRACE(c);
        ASSERT_EQ(b.writes().size(), c + 1);
        const wire::Bytes& w = b.writes()[c];
        const std::size_t m = c < 2 ? 112 : 76;
        EXPECT_EQ(w.size(), m + 11);
        EXPECT_EQ(w[1], m + 9);
        EXPECT_EQ(wire::Bytes(w.begin(), w.begin() + 10),
                  (wire::Bytes{0x96, std::uint8_t(m + 9), 0x80, 0x38, 0x00, 0x01, 0x02,
                               std::uint8_t(c), 0x01, 0x00}));
        EXPECT_EQ(w[10], c == 0 ? 0x8C : std::uint8_t((112 * c) % 100));
        for (int id : locked) EXPECT_FALSE(f.enabled(id)) << id;
        b.advance(700);
        b.answer(0x39, {0x00, 0x01, 0x02, std::uint8_t(c)});
    }
    EXPECT_EQ(b.writes().size(), 3u);
    EXPECT_EQ(b.session.statusBar.text(2), "跳频图设置成功");
    for (int id : locked) EXPECT_TRUE(f.enabled(id)) << id;
    EXPECT_FALSE(b.user().hopTransferRunning());
}

TEST(Lm52rUserHopMap, AChunkThatTimesOutStopsTheTransfer) {
    UserBench b;
    auto& f = b.form();
    f.setText(hop::kDataEdit, hopText(300));
    f.click(hop::kSetButton);
    b.answer(0x39, {0x00, 0x01, 0x00, 0x00});
    ASSERT_EQ(b.writes().size(), 2u);
    EXPECT_EQ(b.writes()[1][7], 1);  // chunk 1

    b.advance(1499);
    EXPECT_TRUE(b.prompter.boxes.empty());
    b.advance(1);
    EXPECT_EQ(b.session.statusBar.text(2), "操作失败");
    EXPECT_EQ(b.prompter.texts(), std::vector<std::string>{"操作失败！请检查设备连接是否正常？"});
    EXPECT_TRUE(f.enabled(hop::kSetButton));
    EXPECT_TRUE(f.enabled(engine::kReadButton));

    // Chunk 2 never follows, not even after a late acknowledgement, and no success shows.
    b.answer(0x39, {0x00, 0x01, 0x00, 0x01});
    b.advance(5000);
    EXPECT_EQ(b.writes().size(), 2u);
    EXPECT_EQ(b.session.statusBar.text(2), "操作失败");
    EXPECT_EQ(b.prompter.boxes.size(), 1u);

    // A new transfer starts again from chunk 0.
    f.click(hop::kSetButton);
    ASSERT_EQ(b.writes().size(), 3u);
    EXPECT_EQ(b.writes()[2][7], 0);
}

TEST(Lm52rUserHopMap, ReadClearsAndAppendsEveryAnswer) {
    UserBench b;
    auto& f = b.form();
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
    EXPECT_EQ(f.text(hop::kDataEdit), "-12,12,0,-0,5,");
    // A frame too short to hold any value adds nothing.
    b.answer(0x3B, {0x00, 0x01});
    EXPECT_EQ(f.text(hop::kDataEdit), "-12,12,0,-0,5,");
}
