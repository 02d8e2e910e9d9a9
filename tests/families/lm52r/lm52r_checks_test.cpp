// The LM52R pages refuse a value before the first frame of its write, and their chains move
// only on the answer to the request they sent: bad values of every kind reach no terminal, and
// stray frames (a write acknowledgement during a read, a late answer) send nothing.
#include <gtest/gtest.h>

#include <set>

#include "families/lm52r/lm52r_bench.h"

using namespace rb;
using rb::testing::Lm52rBench;
namespace ids = rb::families::lm52r::base_ids;
namespace uid = rb::families::lm52r::user_ids;
namespace tid = rb::families::lm52r::crew_ids;

namespace {

int tx(int k) { return ids::kRows[k - 1].tx; }
int rx(int k) { return ids::kRows[k - 1].rx; }

struct Refusal {
    int page;
    std::vector<std::pair<int, std::string>> texts;  // control, text (as a file or `set` puts it)
    bool narrow;                                     // 12.5 kHz selected
    int button;
    std::string message;
};

}  // namespace

TEST(Lm52rChecks, ABadValueAnywhereInAWriteSendsNothing) {
    const std::string ptt = "PTT时限设置不正确,请设为0-255!";
    const std::string vox = "声控电平设置不正确,请设为0-65535!";
    const std::vector<Refusal> cases = {
        // 0x20, the first write: one byte each.
        {0, {{ids::kPttEdit, "-5"}}, false, 2091, ptt},
        {0, {{ids::kPttEdit, "99999"}}, false, 2091, ptt},
        {0, {{ids::kPttEdit, "256"}}, false, 2091, ptt},
        {0, {{ids::kPttEdit, "12abc"}}, false, 2091, ptt},
        {0, {{ids::kStandbyEdit, "256"}}, false, 2091, "转待机时长设置不正确,请设为0-255!"},
        {0, {{ids::kStandbyEdit, "abc"}}, false, 2091, "转待机时长设置不正确,请设为0-255!"},
        // 0x14: the group and codes that would wrap in 16 bits.
        {0, {{ids::kGroupEdit, "abc"}}, false, 2091, "信道组号设置错误,请设为1-10!"},
        {0, {{tx(1), "8192000"}}, true, 2091, "1信道频率设置不正确!"},
        {0, {{rx(16), "16384000"}}, false, 2091, "16信道频率设置不正确!"},
        {0, {{tx(3), "9999999"}}, false, 2091, "3信道频率设置不正确!"},
        {0, {{tx(2), "4000000abc"}}, false, 2091, "2信道频率设置不正确!"},
        // 0x3C, the last write: two bytes.
        {0, {{ids::kVoxEdit, "65536"}}, false, 2091, vox},
        {0, {{ids::kVoxEdit, "-300"}}, false, 2091, vox},
        {0, {{ids::kVoxEdit, "99999"}}, false, 2091, vox},
        // User page: 0x50 (texts), 0x28, and 0x2C, its last write.
        {1, {{uid::kIdentityEdit, "abc"}}, false, 2091, "身份码设置错误,请设为0-65535!"},
        {1,
         {{uid::kOwnerNameEdit, "一二三四五六七八九十"}},
         false,
         2091,
         "机主姓名设置错误,请设为0-19位!"},
        {1, {{uid::kOwnerNameEdit, "张😀"}}, false, 2091, "机主姓名含有无法发送的字符,请重新输入!"},
        {1,
         {{uid::kOwnerTextEdit, "ẞ"}},
         false,
         2091,
         "机主身份信息含有无法发送的字符,请重新输入!"},
        {1,
         {{uid::kOwnerTextEdit, std::string(64, 'x')}},
         false,
         2091,
         "机主身份信息设置错误,请设为0-63位!"},
        {1,
         {{uid::kBindingEdits[4], "12abc"}},
         false,
         2091,
         "05信道绑定号码设置错误,请设为0-65535!"},
        {1, {{uid::kCategoryEdit, "x"}}, false, 2091, "系统类别设置错误,请设为1-4!"},
        {1,
         {{uid::kStandbyEdits[15], "65536"}},
         false,
         2091,
         "16信道守候组设置错误,请设为0-65535!"},
        // Encryption "设置".
        {1,
         {{uid::kSchemeEdit, "abc"}},
         false,
         uid::kEncryptSetButton,
         "加密方案设置错误,请设为0-15!"},
        {1,
         {{uid::kKeyParamEdit, "70000"}},
         false,
         uid::kEncryptSetButton,
         "密钥参数设置错误,请设为0-65535!"},
        {1,
         {{uid::kKeyWordEdit, "𠀀"}},
         false,
         uid::kEncryptSetButton,
         "定义密钥含有无法发送的字符,请重新输入!"},
        // Hop map "设置": every value before the first chunk.
        {1,
         {{rb::families::hopmap::kDataEdit, "1,200,3,"}},
         false,
         rb::families::hopmap::kSetButton,
         "跳频图第2个数据设置不正确,请设为-127-127!"},
        {1,
         {{rb::families::hopmap::kDataEdit, "1,2,abc,"}},
         false,
         rb::families::hopmap::kSetButton,
         "跳频图第3个数据设置不正确,请设为-127-127!"},
        // Train page: a nibble each, no confirmation.
        {2, {{tid::kDispatchEdit, "abc"}}, false, tid::kWriteButton, "调号设置不正确,请设为0-15!"},
        {2, {{tid::kStaffEdit, ""}}, false, tid::kWriteButton, "人员编号设置不正确,请设为0-15!"},
    };
    for (const Refusal& c : cases) {
        SCOPED_TRACE(c.message + " " + c.texts[0].second);
        Lm52rBench b;
        if (c.narrow) b.form(0).click(ids::kSpacing12_5);
        for (const auto& [id, text] : c.texts) b.form(c.page).setText(id, text);
        b.form(c.page).click(c.button);
        EXPECT_EQ(b.prompter.lastText(), c.message);
        EXPECT_TRUE(b.writes().empty());
        // The terminal answers nothing that was not asked for.
        b.answerCommon(rb::testing::kCommon25);
        b.answer(0x21);
        EXPECT_TRUE(b.writes().empty());
    }
}

TEST(Lm52rChecks, PerChannelParametersFromAFileAreNotCutToAByte) {
    struct Case {
        int channel;
        int key;
        int hop;
        const char* message;  // nullptr: 0x1C carries them
    };
    const std::vector<Case> cases = {
        {5, 300, 0, "5信道密钥方案设置不正确,请设为0-255!"},
        {16, 0, -1, "16信道跳频系数设置不正确,请设为0-255!"},
        {1, 255, 255, nullptr},  // what a terminal reported goes back as it came
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.channel);
        Lm52rBench b;
        const std::string path = b.dir.file("channel.ini");
        {
            ini::IniFile file;
            const std::string n = (c.channel < 10 ? "0" : "") + std::to_string(c.channel);
            file.setInt("TelSet", "ChannelGroup", 1);
            file.setInt("TelSet", "EncryType" + n, c.key);
            file.setInt("TelSet", "HFType" + n, c.hop);
            ASSERT_TRUE(file.save(path));
        }
        ASSERT_TRUE(b.container->loadFile(path));
        b.form(0).click(2091);
        if (c.message) {
            EXPECT_EQ(b.prompter.lastText(), c.message);
            EXPECT_TRUE(b.writes().empty());
            continue;
        }
        b.answerCommon(rb::testing::kCommon25);
        b.answer(0x21);
        b.answer(0x15);
        ASSERT_EQ(b.writes().size(), 4u);
        EXPECT_EQ(b.lastWrite()[3], 0x1C);
        EXPECT_EQ(b.lastWrite()[7], 255);
        EXPECT_EQ(b.lastWrite()[8], 255);
    }
}

TEST(Lm52rChecks, TheSameValuesAtTheirLimitsGoOut) {
    Lm52rBench b;
    auto& f = b.form(0);
    f.click(ids::kSpacing12_5);
    f.setText(ids::kPttEdit, "255");
    f.setText(ids::kStandbyEdit, "0");
    f.setText(ids::kVoxEdit, "65535");
    f.setText(tx(1), "8191750");  // code 65534, the largest that is not "no frequency"
    f.click(2091);
    b.answerCommon(rb::testing::kCommon12_5);
    b.answer(0x21);
    b.answer(0x15);
    b.answer(0x1D);
    ASSERT_EQ(b.writes().size(), 5u);
    EXPECT_EQ(b.writes()[1][6], 255);
    EXPECT_EQ(b.writes()[2][6], 0xFF);
    EXPECT_EQ(b.writes()[2][7], 0xFE);
    EXPECT_EQ(b.lastWrite(), wire::frame96(0x3C, {0x00, 0x01, 0xFF, 0xFF}));
}

namespace {

// A chain, its first request and the frames that would be strays in its middle.
struct StrayCase {
    const char* name;
    int page;
    int button;
    std::uint8_t firstAnswer;          // answers the first request
    std::vector<std::uint8_t> strays;  // codes nothing asked for at that point (not its own)
};

// The codes of every write request of the three pages.
const std::set<std::uint8_t> kWriteCodes = {0x20, 0x14, 0x1C, 0x3C, 0x50,
                                            0x28, 0x2C, 0x34, 0x38, 0x30};

bool anyWrite(const std::vector<wire::Bytes>& frames, std::size_t from) {
    for (std::size_t i = from; i < frames.size(); ++i) {
        if (kWriteCodes.count(frames[i][3])) return true;
    }
    return false;
}

}  // namespace

TEST(Lm52rChecks, StrayAnswersMoveNoChainAndTheWaitStillEnds) {
    const std::vector<StrayCase> cases = {
        {"base read", 0, 2090, 0x9A, {0x21, 0x15, 0x1D, 0x3D, 0x9A, 0x17, 0x1F, 0x3F}},
        {"base write", 0, 2091, 0x23, {0x23, 0x17, 0x1F, 0x3F, 0x15, 0x1D, 0x3D}},
        {"user read", 1, 2090, 0x9A, {0x21, 0x51, 0x29, 0x2D, 0x9A, 0x53, 0x2B, 0x2F}},
        {"user write", 1, 2091, 0x23, {0x23, 0x53, 0x2B, 0x2F, 0x51, 0x29, 0x2D}},
        {"train read", 2, tid::kReadButton, 0, {0x31}},
        {"train write", 2, tid::kWriteButton, 0, {0x33}},
        {"encryption read", 1, uid::kEncryptReadButton, 0, {0x35, 0x39, 0x3B}},
    };
    for (const StrayCase& c : cases) {
        SCOPED_TRACE(c.name);
        Lm52rBench b;
        b.form(c.page).click(c.button);
        // One step in (or, for a one-request chain, no step), then the chain waits.
        if (c.firstAnswer == 0x23) {
            b.answerCommon(rb::testing::kCommon25);
        } else if (c.firstAnswer) {
            b.answer(c.firstAnswer);
        }
        const std::size_t sent = b.writes().size();
        const bool wroteBefore = anyWrite(b.writes(), 0);
        for (std::uint8_t code : c.strays) b.answer(code);
        EXPECT_EQ(b.writes().size(), sent);
        if (!wroteBefore) {
            EXPECT_FALSE(anyWrite(b.writes(), 0));
        }
        // The lost answer still ends in "操作失败" within 2000 ms of its request.
        b.advance(2000);
        EXPECT_EQ(b.session.statusBar.text(2), "操作失败");
        EXPECT_EQ(b.prompter.lastText(), engine::kFailedBox);
        // And the chain's own answer after the time-out is late: it moves nothing either.
        b.answer(std::uint8_t(b.writes().back()[3] + 1));
        EXPECT_EQ(b.writes().size(), sent);
        EXPECT_EQ(b.session.statusBar.text(2), "操作失败");
    }
}

TEST(Lm52rChecks, TheReportedStrayWriteAcknowledgementDuringAReadWritesNothing) {
    // 96 05 80 21 00 01 33 after the version answer used to start the frequency write with
    // every channel's code 0, then 0x1C and 0x3C, while the read went on.
    Lm52rBench b;
    b.form(0).click(2090);
    b.answer(0x9A);
    b.opener.last->receive({0x96, 0x05, 0x80, 0x21, 0x00, 0x01, 0x33});
    b.answer(0x15);
    b.answer(0x1D);
    b.answerCommon(rb::testing::kCommon25);
    b.answer(0x17);
    b.answer(0x1F);
    b.answer(0x3F, {0x00, 0x01, 0x2C, 0x01});
    std::vector<std::uint8_t> codes;
    for (const auto& w : b.writes()) codes.push_back(w[3]);
    EXPECT_EQ(codes, (std::vector<std::uint8_t>{0x99, 0x22, 0x16, 0x1E, 0x3E}));
    EXPECT_EQ(b.session.statusBar.text(2), "读取声控电平成功");
}

TEST(Lm52rChecks, HopMapAcknowledgementsAreMatchedToTheChunkInFlight) {
    Lm52rBench b;
    auto& f = b.form(1);
    namespace hop = rb::families::hopmap;
    std::string text;
    for (int i = 0; i < 300; ++i) text += std::to_string(i % 50) + ",";
    f.select(hop::kLengthCombo, 3);
    f.setText(hop::kDataEdit, text);
    f.click(hop::kSetButton);
    ASSERT_EQ(b.writes().size(), 1u);
    b.answer(0x39, {0x00, 0x01, 0x00, 0x00});
    ASSERT_EQ(b.writes().size(), 2u);
    // A second acknowledgement of chunk 0 does not stand for chunk 1.
    b.answer(0x39, {0x00, 0x01, 0x00, 0x00});
    EXPECT_EQ(b.writes().size(), 2u);
    b.answer(0x39, {0x00, 0x01, 0x00, 0x01});
    EXPECT_EQ(b.writes().size(), 3u);
}

TEST(Lm52rChecks, AHopMapReadTakesItsChunksInOrderOnly) {
    namespace hop = rb::families::hopmap;
    Lm52rBench b;
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
    chunk(2, 3);  // one missed
    chunk(1, 4);
    EXPECT_EQ(f.text(hop::kDataEdit), "1,4,");
    EXPECT_EQ(b.writes().size(), 1u);
}

TEST(Lm52rChecks, EncryptionSetTakesOnlyItsAcknowledgement) {
    Lm52rBench b;
    b.form(1).click(uid::kEncryptSetButton);
    ASSERT_EQ(b.writes().size(), 1u);
    for (std::uint8_t code : {0x37, 0x21, 0x39, 0x3B}) b.answer(code);
    b.advance(2000);
    EXPECT_EQ(b.session.statusBar.text(2), "操作失败");
    b.answer(0x35);  // late
    EXPECT_EQ(b.session.statusBar.text(2), "操作失败");
    EXPECT_EQ(b.writes().size(), 1u);
}
