// The channel dialog: what it shows for channel k, its checks, and what comes back to the base
// page on "确定" and "取消".
#include <gtest/gtest.h>

#include "lm52r_base_bench.h"

using rb::testing::Lm52rBaseBench;
using namespace rb;
using families::lm52r::CChannelParamDlg;
using families::lm52r::ChannelParams;
namespace ids = rb::families::lm52r::base_ids;
namespace dlg = rb::families::lm52r::channel_dlg_ids;

TEST(ChannelParamDlg, ChecksOnOk) {
    struct Case {
        const char* tx;
        const char* rx;
        const char* key;
        const char* hop;
        const char* message;  // nullptr: accepted
    };
    const std::vector<Case> cases = {
        {"0", "0", "0", "0", nullptr},
        {"", "", "15", "3", nullptr},               // empty texts stand for 0
        {"4000000", "4000125", "7", "1", nullptr},  // spacing is not checked here
        {"0000000", "abc", "0", "0", nullptr},      // value 0 in any spelling
        {"400000", "0", "0", "0", "发射频率设置不正确!"},
        {"4000000", "40000", "0", "0", "接收频率设置不正确!"},
        {"400000", "40000", "0", "0", "发射频率设置不正确!"},  // transmit first
        {"0", "0", "16", "0", "密钥方案设置不正确,请设为0-15!"},
        {"0", "0", "-1", "0", "密钥方案设置不正确,请设为0-15!"},
        {"0", "0", "0", "4", "跳频系数设置不正确,请设为0-3!"},
        {"0", "0", "16", "4", "密钥方案设置不正确,请设为0-15!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.tx) + " / " + c.rx + " / " + c.key + " / " + c.hop);
        engine::ScriptedPrompter prompter;
        CChannelParamDlg d(prompter, ChannelParams{});
        d.form().type(dlg::kTxEdit, c.tx);
        d.form().type(dlg::kRxEdit, c.rx);
        d.form().type(dlg::kKeySchemeEdit, c.key);
        d.form().type(dlg::kHopSchemeEdit, c.hop);
        d.form().click(dlg::kOkButton);
        if (c.message) {
            EXPECT_EQ(d.result(), CChannelParamDlg::Result::Open);  // stays open
            ASSERT_EQ(prompter.boxes.size(), 1u);
            EXPECT_EQ(prompter.boxes[0].text, c.message);
            EXPECT_EQ(prompter.boxes[0].caption, "提示");
            EXPECT_EQ(prompter.boxes[0].icon, engine::Icon::Information);
            EXPECT_EQ(prompter.boxes[0].owner, nullptr);
        } else {
            EXPECT_EQ(d.result(), CChannelParamDlg::Result::Ok);
            EXPECT_TRUE(prompter.boxes.empty());
            EXPECT_EQ(d.params().tx, c.tx);
            EXPECT_EQ(d.params().hfType, std::stoi(c.hop));
        }
    }
}

TEST(ChannelParamDlg, OpensOnTheChannelAndHandsBackOnOk) {
    Lm52rBaseBench b;
    auto& f = b.form();
    const auto& row = ids::kRows[1];  // channel 2, button 2522
    f.type(row.tx, "4000000");
    f.type(row.rx, "4500000");
    f.click(row.flags[1]);  // 声控
    b.state().chanEncryType[1] = 9;
    b.state().chanHFType[1] = 2;

    int closedCalls = 0;
    b.base->showDialog = [&](CChannelParamDlg& d) {
        d.closed = [&](CChannelParamDlg::Result r) {
            ++closedCalls;
            EXPECT_EQ(r, CChannelParamDlg::Result::Ok);
        };
        auto& df = d.form();
        EXPECT_EQ(df.selection(dlg::kChannelList), 1);
        EXPECT_EQ(df.items(dlg::kChannelList).at(1), "信道2");
        EXPECT_FALSE(df.enabled(dlg::kChannelList));
        EXPECT_EQ(df.text(dlg::kTxEdit), "4000000");
        EXPECT_EQ(df.text(dlg::kRxEdit), "4500000");
        for (int j = 0; j < 6; ++j) EXPECT_EQ(df.checked(dlg::kFlagChecks[j]), j == 1) << j;
        EXPECT_EQ(df.text(dlg::kKeySchemeEdit), "9");
        EXPECT_EQ(df.text(dlg::kHopSchemeEdit), "2");

        df.type(dlg::kTxEdit, "4012500");
        df.type(dlg::kRxEdit, "0");
        df.click(dlg::kFlagChecks[1]);  // 声控 off
        df.click(dlg::kFlagChecks[5]);  // 跳频 on
        df.type(dlg::kKeySchemeEdit, "15");
        df.spin(dlg::kHopSchemeSpin, 1);
        df.click(dlg::kOkButton);
    };
    f.click(row.button);

    EXPECT_EQ(closedCalls, 1);
    EXPECT_EQ(f.text(row.tx), "4012500");
    EXPECT_EQ(f.text(row.rx), "0");
    EXPECT_FALSE(f.checked(row.flags[1]));
    EXPECT_TRUE(f.checked(row.flags[5]));
    EXPECT_EQ(b.state().chanEncryType[1], 15);
    EXPECT_EQ(b.state().chanHFType[1], 3);

    // The edited values reach the terminal with the channel-function write.
    b.writeUpToFrequencies();
    b.answer(0x15, {0x00, 0x01});
    const wire::Bytes w = b.lastWrite();
    ASSERT_EQ(w.size(), 55u);
    EXPECT_EQ(w[9], 0x02);  // channel 2 flags: 跳频 only
    EXPECT_EQ(w[10], 15);   // chanEncryType
    EXPECT_EQ(w[11], 3);    // chanHFType
}

TEST(ChannelParamDlg, CancelOrNoDialogLeavesTheBasePageUnchanged) {
    Lm52rBaseBench b;
    auto& f = b.form();
    const auto& row = ids::kRows[15];
    f.type(row.tx, "4000000");
    b.state().chanEncryType[15] = 4;
    EXPECT_TRUE(f.click(row.button));  // no GUI hook: nothing opens
    EXPECT_TRUE(b.prompter.boxes.empty());
    b.base->showDialog = [&](CChannelParamDlg& d) {
        EXPECT_EQ(d.form().selection(dlg::kChannelList), 15);
        d.form().type(dlg::kTxEdit, "4999999");
        d.form().click(dlg::kFlagChecks[0]);
        d.form().type(dlg::kKeySchemeEdit, "1");
        d.form().click(dlg::kCancelButton);
        EXPECT_EQ(d.result(), CChannelParamDlg::Result::Cancel);
        d.form().click(dlg::kOkButton);  // a closed dialog takes nothing more
        EXPECT_EQ(d.result(), CChannelParamDlg::Result::Cancel);
    };
    f.click(row.button);
    EXPECT_EQ(f.text(row.tx), "4000000");
    EXPECT_FALSE(f.checked(row.flags[0]));
    EXPECT_EQ(b.state().chanEncryType[15], 4);
}
