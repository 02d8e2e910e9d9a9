// The train pages refuse a value before the first frame of its write (each of the key page's
// three write buttons for its own chain, `write` for all three), and their chains move only on
// the answer to the request they sent.
#include <gtest/gtest.h>

#include <set>

#include "families/train/train_bench.h"

using namespace rb;
using rb::testing::TrainBench;
namespace ids = rb::families::train::base_ids;
namespace kid = rb::families::train::key_ids;

namespace {

int tx(int k) { return ids::kRows[k - 1].tx; }
int rx(int k) { return ids::kRows[k - 1].rx; }

struct Refusal {
    int page;
    std::vector<std::pair<int, std::string>> texts;  // control, text (as a file or `set` puts it)
    int spacing;                                     // radio to click first, 0: none
    int button;
    std::string message;
};

// Key timings that pass, so that a key-page case fails only on its own field.
void validKeys(TrainBench& b) {
    auto& k = b.form(1);
    k.setText(kid::kLongPressEdit, "1000");
    k.setText(kid::kComboEdit, "300");
    k.setText(kid::kTestEdit, "2000");
}

}  // namespace

TEST(TrainChecks, ABadValueAnywhereInAWriteSendsNothing) {
    const std::string ptt = "PTT时限设置不正确,请设为0-255!";
    const std::vector<Refusal> cases = {
        {0, {{ids::kPttEdit, "256"}}, 0, 2091, ptt},
        {0, {{ids::kPttEdit, "abc"}}, 0, 2091, ptt},
        {0, {{ids::kStandbyEdit, "-1"}}, 0, 2091, "转待机时长设置不正确,请设为0-255!"},
        {0, {{ids::kGroupEdit, "3abc"}}, 0, 2091, "信道组号设置错误,请设为1-8!"},
        // 24-bit codes at 6.25 kHz, 16-bit codes otherwise.
        {0, {{tx(1), "1048576000"}}, ids::kSpacing6_25, 2091, "1信道频率设置不正确!"},
        {0, {{rx(16), "16384000"}}, ids::kSpacing25, 2091, "16信道频率设置不正确!"},
        {0, {{tx(4), "8192000"}}, ids::kSpacing12_5, 2091, "4信道频率设置不正确!"},
        // Key page, 个人信息 (0x50 goes out third, after the public parameters).
        {1,
         {{kid::kOwnerNameEdit, "𠀀"}},
         0,
         kid::kWriteIdentityButton,
         "机主姓名含有无法发送的字符,请重新输入!"},
        {1,
         {{kid::kOwnerTextEdit, "ẞ"}},
         0,
         kid::kWriteIdentityButton,
         "机主身份信息含有无法发送的字符,请重新输入!"},
        {1,
         {{kid::kOwnerTextEdit, std::string(64, 'x')}},
         0,
         kid::kWriteIdentityButton,
         "机主身份信息设置错误,请设为0-63位!"},
        {1,
         {{kid::kDispatchEdit, "99999"}},
         0,
         kid::kWriteIdentityButton,
         "身份码设置错误,请设为0-16777215!"},
        // 列调参数.
        {1,
         {{kid::kDispatchEdit, "256"}},
         0,
         kid::kWriteTrainButton,
         "调号设置不正确,请设置为1-255!"},
        {1,
         {{kid::kStaffEdit, "1x"}},
         0,
         kid::kWriteTrainButton,
         "人员编号设置不正确,请设置为1-15!"},
        {1,
         {{kid::kChannelEdit, "abc"}},
         0,
         kid::kWriteTrainButton,
         "信道号设置不正确,请设置为1-16!"},
        // 按键设置.
        {1,
         {{kid::kLongPressEdit, "999"}},
         0,
         kid::kWriteKeysButton,
         "长按键时限输入不正确,请设置为1000~3000!"},
        {1,
         {{kid::kComboEdit, "abc"}},
         0,
         kid::kWriteKeysButton,
         "组合键时限输入不正确,请设置为300~800!"},
        {1,
         {{kid::kTestEdit, "8001"}},
         0,
         kid::kWriteKeysButton,
         "测机间隔输入不正确,请设置为2000~8000!"},
    };
    for (const Refusal& c : cases) {
        SCOPED_TRACE(c.message + " " + c.texts[0].second);
        TrainBench b;
        validKeys(b);
        if (c.spacing) b.form(0).click(c.spacing);
        for (const auto& [id, text] : c.texts) b.form(c.page).setText(id, text);
        b.form(c.page).click(c.button);
        EXPECT_EQ(b.prompter.lastText(), c.message);
        EXPECT_TRUE(b.writes().empty());
        b.answerCommon(rb::testing::kTrainCommon25);
        b.answer(0x21);
        EXPECT_TRUE(b.writes().empty());
    }
}

TEST(TrainChecks, AFileWriteChecksAllThreeKeyChainsFirst) {
    // `write` runs 个人信息, 列调参数 and 按键设置 in turn: a bad key timing in the last one is
    // found before the identity chain's first frame.
    TrainBench b;
    validKeys(b);
    b.form(1).setText(kid::kTestEdit, "9000");
    EXPECT_TRUE(b.container->page(0).precheckFileWrite());
    EXPECT_FALSE(b.container->page(1).precheckFileWrite());
    EXPECT_EQ(b.prompter.lastText(), "测机间隔输入不正确,请设置为2000~8000!");
    EXPECT_TRUE(b.writes().empty());
    b.form(1).setText(kid::kTestEdit, "8000");
    EXPECT_TRUE(b.container->page(1).precheckFileWrite());
}

TEST(TrainChecks, TheLargestCodesStillGoOut) {
    TrainBench b;
    auto& f = b.form(0);
    f.click(ids::kSpacing25);
    f.setText(ids::kPttEdit, "255");
    f.setText(tx(1), "16383500");  // code 65534
    f.click(2091);
    b.answerCommon(rb::testing::kTrainCommon25);
    b.answer(0x21);
    ASSERT_EQ(b.writes().size(), 3u);
    EXPECT_EQ(b.writes()[1][6], 255);
    EXPECT_EQ(b.writes()[2][6], 0xFF);
    EXPECT_EQ(b.writes()[2][7], 0xFE);
}

namespace {

struct StrayCase {
    const char* name;
    int page;
    int button;
    std::uint8_t firstAnswer;          // answers the first request (0: a one-request action)
    std::vector<std::uint8_t> strays;  // codes nothing asked for at that point (not its own)
};

const std::set<std::uint8_t> kWriteCodes = {0x20, 0x14, 0x1C, 0x78, 0x50, 0x70, 0x74};

bool anyWrite(const std::vector<wire::Bytes>& frames) {
    for (const auto& f : frames) {
        if (kWriteCodes.count(f[3])) return true;
    }
    return false;
}

}  // namespace

TEST(TrainChecks, StrayAnswersMoveNoChainAndTheWaitStillEnds) {
    const std::vector<StrayCase> cases = {
        {"base read", 0, 2090, 0x9A, {0x21, 0x15, 0x1D, 0x79, 0x9A, 0x17, 0x1F, 0x7B}},
        {"base write", 0, 2091, 0x23, {0x23, 0x17, 0x1F, 0x7B, 0x15, 0x1D, 0x79}},
        {"identity read",
         1,
         kid::kReadIdentityButton,
         0x9A,
         {0x21, 0x51, 0x71, 0x75, 0x9A, 0x53, 0x73, 0x77}},
        {"identity write", 1, kid::kWriteIdentityButton, 0x23, {0x23, 0x53, 0x51, 0x71, 0x75}},
        {"train read", 1, kid::kReadTrainButton, 0, {0x71, 0x75, 0x53}},
        {"train write", 1, kid::kWriteTrainButton, 0, {0x73, 0x75}},
        {"keys read", 1, kid::kReadKeysButton, 0, {0x75, 0x71}},
        {"keys write", 1, kid::kWriteKeysButton, 0, {0x77, 0x71}},
    };
    for (const StrayCase& c : cases) {
        SCOPED_TRACE(c.name);
        TrainBench b;
        validKeys(b);
        b.form(c.page).click(c.button);
        if (c.firstAnswer == 0x23) {
            b.answerCommon(rb::testing::kTrainCommon25);
        } else if (c.firstAnswer) {
            b.answer(c.firstAnswer);
        }
        ASSERT_FALSE(b.writes().empty());
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
