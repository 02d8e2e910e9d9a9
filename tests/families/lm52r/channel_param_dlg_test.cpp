// The channel dialog: its checks, what it shows for channel k, and what comes back to the base
// page on "确定" and "取消".
#include <gtest/gtest.h>

#include "families/lm52r/lm52r_bench.h"

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
        {"", "0000000", "15", "3", nullptr},        // 0 in any spelling; the top schemes
        {"4000000", "4000125", "0", "0", nullptr},  // the spacing is not checked here
        {"400000", "0", "0", "0", "发射频率设置不正确!"},
        {"400000", "40000", "0", "0", "发射频率设置不正确!"},  // transmit first
        {"4000000", "40000", "0", "0", "接收频率设置不正确!"},
        {"0", "0", "16", "4", "密钥方案设置不正确,请设为0-15!"},  // key scheme first
        {"0", "0", "-1", "0", "密钥方案设置不正确,请设为0-15!"},
        {"0", "0", "0", "4", "跳频系数设置不正确,请设为0-3!"},
        // Whole numbers only: no scheme 0 from "abc", no scheme 2 from "2x".
        {"0", "0", "abc", "0", "密钥方案设置不正确,请设为0-15!"},
        {"0", "0", "", "0", "密钥方案设置不正确,请设为0-15!"},
        {"0", "0", "0", "2x", "跳频系数设置不正确,请设为0-3!"},
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
        if (!c.message) {
            EXPECT_EQ(d.result(), CChannelParamDlg::Result::Ok);
            EXPECT_TRUE(prompter.boxes.empty());
            continue;
        }
        EXPECT_EQ(d.result(), CChannelParamDlg::Result::Open);  // the dialog stays open
        ASSERT_EQ(prompter.boxes.size(), 1u);
        EXPECT_EQ(prompter.boxes[0].text, c.message);
        EXPECT_EQ(prompter.boxes[0].caption, "提示");
        EXPECT_EQ(prompter.boxes[0].icon, engine::Icon::Information);
        EXPECT_EQ(prompter.boxes[0].owner, nullptr);
    }
}

TEST(ChannelParamDlg, ShowsTheChannelAndHandsBackOnlyOnOk) {
    rb::testing::Lm52rBench b;
    auto& f = b.form();
    const auto& row = ids::kRows[1];  // channel 2, button 2522
    f.type(row.tx, "4000000");
    f.type(row.rx, "4500000");
    f.click(row.flags[1]);  // 声控
    b.state().chanEncryType[1] = 9;
    b.state().chanHFType[1] = 2;
    EXPECT_TRUE(f.click(row.button));  // no GUI hook yet: nothing opens
    EXPECT_TRUE(b.prompter.boxes.empty());

    int closedCalls = 0;
    for (int button : {dlg::kCancelButton, dlg::kOkButton}) {
        SCOPED_TRACE(button);
        b.base().showDialog = [&](CChannelParamDlg& d) {
            d.closed = [&](CChannelParamDlg::Result) { ++closedCalls; };
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
            df.click(button);
            df.click(dlg::kOkButton);  // a closed dialog takes nothing more
        };
        f.click(row.button);
    }
    EXPECT_EQ(closedCalls, 2);
    EXPECT_EQ(f.text(row.tx), "4012500");
    EXPECT_EQ(f.text(row.rx), "0");
    EXPECT_FALSE(f.checked(row.flags[1]));
    EXPECT_TRUE(f.checked(row.flags[5]));
    EXPECT_EQ(b.state().chanEncryType[1], 15);
    EXPECT_EQ(b.state().chanHFType[1], 3);
}
