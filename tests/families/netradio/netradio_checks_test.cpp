// The network-radio pages refuse a value before the first frame of its write, and their chains
// move only on the answer to the request they sent.
#include <gtest/gtest.h>

#include <set>

#include "families/netradio/netradio_base.h"
#include "families/netradio/netradio_base_ids.h"
#include "families/netradio/netradio_bench.h"
#include "families/netradio/netradio_user.h"

using namespace rb;
using Bench = rb::testing::NetRadioBench;
namespace ids = rb::families::netradio::base_ids;
namespace uid = rb::families::netradio::user_ids;

namespace {

struct Refusal {
    int page;
    std::vector<std::pair<int, std::string>> texts;  // control, text (as a file or `set` puts it)
    bool narrow;                                     // 12.5 kHz selected
    bool own;                                        // own frequency 1 ticked
    int button;
    std::string message;
};

// A user page whose identity, group and number pass the write button's checks.
void validUser(Bench& b) {
    auto& u = b.form(1);
    u.setText(uid::kIdentityEdit, "35");
    u.setText(uid::kGroupEdit, "2");
    u.setText(uid::kNumberEdit, "3");
}

}  // namespace

TEST(NetRadioChecks, ABadValueAnywhereInAWriteSendsNothing) {
    const std::string ptt = "PTT时限设置不正确,请设为0-255!";
    const std::vector<Refusal> cases = {
        {0, {{ids::kPttEdit, "256"}}, false, true, 2091, ptt},
        {0, {{ids::kPttEdit, "-5"}}, false, true, 2091, ptt},
        {0, {{ids::kPttEdit, "abc"}}, false, true, 2091, ptt},
        {0, {{ids::kStandbyEdit, "300"}}, false, true, 2091, "转待机时长设置不正确,请设为0-255!"},
        // Defaults with no own frequency: refused before the common parameters go out.
        {0, {}, false, false, 2091, "请设置本机频率!"},
        {0, {{ids::kFrequencyEdits[0], "8192000"}}, true, true, 2091, "01号频率数据设置不正确!"},
        {0, {{ids::kOffNetEdit, "16384000"}}, false, true, 2091, "脱网频率数据设置不正确!"},
        {0, {{ids::kFrequencyEdits[2], "12abc"}}, false, true, 2091, "03号频率数据设置不正确!"},
        // User page: the button's checks, 0x50 (texts) and 0x44, its last write.
        {1, {{uid::kIdentityEdit, "abc"}}, false, false, 2091, "身份码设置不正确,请设置为17-1023!"},
        {1, {{uid::kNumberEdit, "3x"}}, false, false, 2091, "组内编号设置不正确,请设置为1-15!"},
        {1,
         {{uid::kOwnerNameEdit, "😀"}},
         false,
         false,
         2091,
         "机主姓名含有无法发送的字符,请重新输入!"},
        {1,
         {{uid::kOwnerNameEdit, "一二三四五六七八九十"}},
         false,
         false,
         2091,
         "机主姓名设置错误,请设为0-19位!"},
        {1,
         {{uid::kOwnerTextEdit, std::string(64, 'x')}},
         false,
         false,
         2091,
         "机主身份信息设置错误,请设为0-63位!"},
        {1,
         {{uid::kGroupCodeEdits[15], "64"}},
         false,
         false,
         2091,
         "所属组呼码16设置错误,请设为1-63!"},
        {1,
         {{uid::kGroupCodeEdits[4], "abc"}},
         false,
         false,
         2091,
         "所属组呼码5设置错误,请设为1-63!"},
        // Hop map "设置": every value before the first chunk.
        {1,
         {{rb::families::hopmap::kDataEdit, "-128,"}},
         false,
         false,
         rb::families::hopmap::kSetButton,
         "跳频图第1个数据设置不正确,请设为-127-127!"},
        // Encryption "设置".
        {1,
         {{uid::kSchemeEdit, "16"}},
         false,
         false,
         uid::kEncryptSetButton,
         "加密方案设置错误,请设为0-15!"},
        {1,
         {{uid::kKeyParamEdit, "1e3"}},
         false,
         false,
         uid::kEncryptSetButton,
         "密钥参数设置错误,请设为0-65535!"},
        {1,
         {{uid::kKeyWordEdit, "ẞ"}},
         false,
         false,
         uid::kEncryptSetButton,
         "定义密钥含有无法发送的字符,请重新输入!"},
    };
    for (const Refusal& c : cases) {
        SCOPED_TRACE(c.message + " " + (c.texts.empty() ? "" : c.texts[0].second));
        Bench b;
        validUser(b);
        if (c.narrow) b.form(0).click(ids::kSpacing12_5);
        if (c.own) b.form(0).click(ids::kFirstOwnBox);
        for (const auto& [id, text] : c.texts) b.form(c.page).setText(id, text);
        b.form(c.page).click(c.button);
        EXPECT_EQ(b.prompter.lastText(), c.message);
        EXPECT_TRUE(b.writes().empty());
        b.answerCommon(rb::testing::kCommon25);
        b.answer(0x21);
        EXPECT_TRUE(b.writes().empty());
    }
}

TEST(NetRadioChecks, ValidValuesStillGoOutWhole) {
    Bench b;
    validUser(b);
    b.form(0).click(ids::kFirstOwnBox);
    b.form(0).setText(ids::kPttEdit, "255");
    b.form(0).setText(ids::kOffNetEdit, "16383500");  // code 65534 at 25 kHz
    b.form(0).click(2091);
    b.answerCommon(rb::testing::kCommon25);
    b.answer(0x21);
    b.answer(0x15);
    ASSERT_EQ(b.writes().size(), 4u);
    EXPECT_EQ(b.writes()[1][6], 255);
    EXPECT_EQ(b.writes()[2][36], 0xFF);
    EXPECT_EQ(b.writes()[2][37], 0xFE);
    EXPECT_EQ(b.lastWrite()[3], 0x18);
}

namespace {

struct StrayCase {
    const char* name;
    int page;
    int button;
    std::uint8_t firstAnswer;          // answers the first request (0: a one-request action)
    std::vector<std::uint8_t> strays;  // codes nothing asked for at that point (not its own)
};

const std::set<std::uint8_t> kWriteCodes = {0x20, 0x14, 0x18, 0x50, 0x44, 0x34, 0x38};

bool anyWrite(const std::vector<wire::Bytes>& frames) {
    for (const auto& f : frames) {
        if (kWriteCodes.count(f[3])) return true;
    }
    return false;
}

}  // namespace

TEST(NetRadioChecks, StrayAnswersMoveNoChainAndTheWaitStillEnds) {
    const std::vector<StrayCase> cases = {
        // 0x3D and 0x3F are never asked for: taken, but they end no wait.
        {"base read", 0, 2090, 0x9A, {0x21, 0x15, 0x19, 0x9A, 0x17, 0x1F, 0x3D, 0x3F}},
        {"base write", 0, 2091, 0x23, {0x23, 0x17, 0x1F, 0x15, 0x19, 0x3D, 0x3F}},
        {"user read", 1, 2090, 0x9A, {0x21, 0x51, 0x45, 0x9A, 0x53, 0x47}},
        {"user write", 1, 2091, 0x23, {0x23, 0x53, 0x47, 0x51, 0x45}},
        {"encryption read", 1, uid::kEncryptReadButton, 0, {0x35, 0x39, 0x3B}},
    };
    for (const StrayCase& c : cases) {
        SCOPED_TRACE(c.name);
        Bench b;
        validUser(b);
        b.form(0).click(ids::kFirstOwnBox);
        b.form(c.page).click(c.button);
        if (c.firstAnswer == 0x23) {
            b.answerCommon(rb::testing::kCommon25);
        } else if (c.firstAnswer) {
            b.answer(c.firstAnswer);
        }
        const std::size_t sent = b.writes().size();
        const bool wroteBefore = anyWrite(b.writes());
        for (std::uint8_t code : c.strays) b.answer(code);
        EXPECT_EQ(b.writes().size(), sent);
        if (!wroteBefore) {
            EXPECT_FALSE(anyWrite(b.writes()));
        }
        b.advance(2000);
        EXPECT_EQ(b.session.statusBar.text(2), "操作失败");
        EXPECT_EQ(b.prompter.lastText(), engine::kFailedBox);
        // The chain's own answer after the time-out is late.
        b.answer(std::uint8_t(b.writes().back()[3] + 1));
        EXPECT_EQ(b.writes().size(), sent);
        EXPECT_EQ(b.session.statusBar.text(2), "操作失败");
    }
}

TEST(NetRadioChecks, AVoxFrameNobodyAskedForStillShowsItsLevel) {
    Bench b;
    b.form(0).click(2090);
    b.answer(0x3F, {0x00, 0x01, 0x10, 0x27});
    EXPECT_EQ(b.form(0).text(ids::kVoxEdit), "10000");
    EXPECT_EQ(b.writes().size(), 1u);
    // The version request still waits for its answer.
    b.answer(0x9A);
    EXPECT_EQ(b.lastWrite(), wire::frame96(0x22));
}

TEST(NetRadioChecks, AHopMapReadTakesItsChunksInOrderOnly) {
    namespace hop = rb::families::hopmap;
    Bench b;
    auto& f = b.form(1);
    auto chunk = [&](std::uint8_t c, std::uint8_t value) {
        b.answer(0x3B, {0x00, 0x01, 0x00, c, 0x00, 0x20, value});
    };
    chunk(0, 9);  // nothing asked yet
    EXPECT_EQ(f.text(hop::kDataEdit), "");
    f.click(hop::kReadButton);
    chunk(1, 7);  // not the first
    chunk(0, 1);
    chunk(0, 2);  // chunk 0 again
    chunk(1, 0x84);
    EXPECT_EQ(f.text(hop::kDataEdit), "1,-4,");
    EXPECT_EQ(b.writes().size(), 1u);
}
