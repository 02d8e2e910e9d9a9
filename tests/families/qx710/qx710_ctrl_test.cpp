// The QX-7100 control page: every command's frame, the checks that refuse to send, the
// acknowledgements, and the repeated data on the page's timer 2.
#include <gtest/gtest.h>

#include "qx710_bench.h"

using namespace rb;
using rb::testing::hexOf;
using rb::testing::Qx710Bench;
using rb::testing::sealed;
namespace ids = rb::families::qx710::ctrl_ids;

namespace {
constexpr int kCtrl = 2;
}

TEST(Qx710Ctrl, CommandsSendTheirFrames) {
    struct Case {
        const char* name;
        std::vector<std::pair<int, std::string>> texts;
        std::vector<int> clicks;  // radios and boxes, then the button last
        std::string frame;
    };
    const std::string gps0F = "EA 18 00 A3" + std::string(24 * 3, ' ');
    auto repeat = [](const char* byte, int n) {
        std::string s;
        for (int i = 0; i < n; ++i) s += std::string(" ") + byte;
        return s;
    };
    const Case cases[] = {
        {"GPS 0F",
         {{ids::kGpsValue, "0F"}},
         {ids::kGpsButton},
         sealed("EA 18 00 A3" + repeat("0F", 24))},
        {"GPS minus",
         {{ids::kGpsValue, "-"}},
         {ids::kGpsButton},
         sealed("EA 18 00 A3" + repeat("00", 24))},
        {"in-band switch 33000",
         {{ids::kChannelNumber, "33000"}},
         {ids::kInBand, ids::kTypeGiven, ids::kSwitchButton},
         sealed("EA 05 00 A6 01 03 00 80 E8")},
        {"in-table switch, restore",
         {{ids::kChannelNumber, "254"}},
         {ids::kSwitchRestore, ids::kTypeGivenSwap, ids::kSwitchButton},
         sealed("EA 04 00 A6 00 05 01 FE")},
        {"call 105 by telephone at level 1",
         {{ids::kCallNumber, "105"}},
         {ids::kLevel1, ids::kByPhone, ids::kCallButton},
         sealed("EA 05 00 90 06 00 03 1A 50")},
        {"call by identity at level 2",
         {{ids::kCallNumber, "262143"}},
         {ids::kLevel2, ids::kCallButton},
         sealed("EA 06 00 90 07 55 03 03 FF FF")},
        {"data mode", {{ids::kTarget, "4660"}}, {ids::kModeButton}, sealed("EA 03 00 97 00 12 34")},
        {"data once at level 2 with 0x97",
         {{ids::kData, "AB"}},
         {ids::kUse97, ids::kLevel2, ids::kDataButton},
         sealed("EA 06 00 97 03 00 00 7B 41 42")},
        {"prompt data", {}, {ids::kPromptButton}, sealed("EA 05 00 96 04 00 00 7B 10")},
        {"regroup",
         {},
         {ids::kRegroupButton},
         sealed("EA 0C 00 A8 00 04 00 00 00 01 00 00 02 00 00 03")},
        {"ungroup",
         {{ids::kGroupCode, "262143"}},
         {ids::kUngroupButton},
         sealed("EA 03 00 A9 03 FF FF")},
        {"teardown", {}, {ids::kTeardownButton}, "EA 00 00 A7 A7"},
        {"CDMA", {}, {ids::kRingOn, ids::kCdmaButton}, sealed("EA 02 00 A2 CD 02")},
        {"WZ", {}, {ids::kWz, ids::kCdmaButton}, sealed("EA 02 00 A2 00 00")},
        {"allocation with the defaults",
         {},
         {ids::kAllocateButton},
         sealed("EA 0F 00 92 01 00 00 04 00 00 02 00 00 00 00 23 F0 23 F0")},
        {"ship call",
         {{ids::kShipIdentity, "5"}},
         {ids::kShipCallButton},
         sealed("EA 04 00 94 00 00 05 00")},
    };
    for (const Case& c : cases) {
        Qx710Bench b;
        auto& f = b.form(kCtrl);
        for (const auto& [id, text] : c.texts) f.setText(id, text);
        for (int id : c.clicks) ASSERT_TRUE(f.click(id)) << c.name;
        ASSERT_EQ(b.writes().size(), 1u) << c.name;
        EXPECT_EQ(hexOf(b.lastWrite()), c.frame) << c.name;
        EXPECT_TRUE(b.prompter.boxes.empty()) << c.name;
    }
    (void)gps0F;
}

TEST(Qx710Ctrl, ChecksRefuseToSend) {
    struct Case {
        std::vector<std::pair<int, std::string>> texts;
        std::vector<int> clicks;
        const char* message;
        const char* caption;
    };
    const Case cases[] = {
        {{{ids::kGpsValue, "G1"}}, {ids::kGpsButton}, "请输入正确的16进制字符串!", "输入错误"},
        {{{ids::kChannelNumber, "33001"}},
         {ids::kInBand, ids::kSwitchButton},
         "因船台频率步进为25KHz,带内信道切换时:\r\n请输入偶数频率编号！",
         "提示"},
        {{{ids::kChannelNumber, "255"}},
         {ids::kSwitchButton},
         "表内频率编号不正确，请输入0-254!",
         "提示"},
        {{{ids::kCallNumber, ""}}, {ids::kCallButton}, "发起呼叫号码不能为空!", "提示"},
        {{{ids::kTarget, ""}}, {ids::kModeButton}, "目标身份码不能为空!", "提示"},
        {{{ids::kData, ""}}, {ids::kDataButton}, "传输数据不能为空!", "提示"},
        {{{ids::kGroupCode, ""}}, {ids::kRegroupButton}, "组呼码不能为空!", "提示"},
        {{{ids::kCalling, "0"}},
         {ids::kAllocateButton},
         "身份码范围为:1-262143,请重新输入!",
         "RadioBench"},
        {{{ids::kRxFrequency, "2300100"}}, {ids::kAllocateButton}, "接收频率设置不正确!", "提示"},
        {{{ids::kTxFrequency, "2300100"}}, {ids::kAllocateButton}, "发射频率设置不正确!", "提示"},
        {{{ids::kShipIdentity, ""}}, {ids::kShipCallButton}, "船台身份码不能为空!", "提示"},
    };
    for (const Case& c : cases) {
        Qx710Bench b;
        auto& f = b.form(kCtrl);
        for (const auto& [id, text] : c.texts) f.setText(id, text);
        for (int id : c.clicks) f.click(id);
        EXPECT_TRUE(b.writes().empty()) << c.message;
        ASSERT_EQ(b.prompter.boxes.size(), 1u) << c.message;
        EXPECT_EQ(b.prompter.boxes[0].text, c.message);
        EXPECT_EQ(b.prompter.boxes[0].caption, c.caption);
    }
    // Clicking 带内编号 moves an in-table number to 32768; 表内编号 an in-band one to 0.
    Qx710Bench b;
    auto& f = b.form(kCtrl);
    f.setText(ids::kChannelNumber, "12");
    f.click(ids::kInBand);
    EXPECT_EQ(f.text(ids::kChannelNumber), "32768");
    f.click(ids::kInTable);
    EXPECT_EQ(f.text(ids::kChannelNumber), "0");
}

TEST(Qx710Ctrl, TransparentDataIsSizedToItsFrame) {
    Qx710Bench b;
    auto& f = b.form(kCtrl);
    f.setText(ids::kData, std::string(1200, 'x'));
    f.click(ids::kDataButton);
    const wire::Bytes frame = b.lastWrite();
    ASSERT_EQ(frame.size(), 1009u);
    EXPECT_EQ(hexOf(wire::Bytes(frame.begin(), frame.begin() + 8)), "EA EC 03 96 01 00 00 7B");
    EXPECT_EQ(frame[1007], 'x');
    EXPECT_TRUE(wire::checkFrame(frame).ok);
    EXPECT_TRUE(b.responseTimerRunning(kCtrl));
}

TEST(Qx710Ctrl, AcknowledgementsStopTimerOneAndReportTheirEcho) {
    Qx710Bench b;
    auto& f = b.form(kCtrl);
    f.click(ids::kTeardownButton);
    EXPECT_TRUE(b.responseTimerRunning(kCtrl));
    b.ack(0x11);  // another page's echo neither stops the timer nor says anything here
    EXPECT_TRUE(b.responseTimerRunning(kCtrl));
    const std::pair<wire::Bytes, std::string> answers[] = {
        {wire::frameEA(0x80, {0x59}), "强拆信道成功"},
        {wire::frameEA(0x80, {0x5E}), "注销登录成功"},
        {wire::frameEA(0x95), "呼叫控制成功"},
        {wire::frameEA(0x5C), "呼叫发起成功"},
        {wire::frameEA(0x93), "呼叫分配成功"},
    };
    for (const auto& [frame, text] : answers) {
        b.opener.last->receive(frame);
        EXPECT_EQ(b.session.statusBar.text(2), text);
        EXPECT_EQ(b.traces.back(), "\r\n" + text + "!");
        EXPECT_FALSE(b.responseTimerRunning(kCtrl));  // the teardown's own echo stopped it
    }
    // A silent station: one time-out.
    f.click(ids::kTeardownButton);
    b.advance(2000);
    EXPECT_EQ(b.prompter.lastText(), "操作失败！请检查设备连接是否正常？");
}

TEST(Qx710Ctrl, RepeatedPromptDataOnceASecondUntilTheTargetIsCleared) {
    Qx710Bench b;
    auto& f = b.form(kCtrl);
    f.setText(ids::kDataInterval, "1000");
    f.click(ids::kRepeatPrompt);
    b.advance(3000);  // the first tick comes 3000 ms after creation
    ASSERT_EQ(b.writes().size(), 1u);
    b.advance(3000);
    EXPECT_EQ(b.writes().size(), 4u);
    for (const auto& w : b.writes()) EXPECT_EQ(hexOf(w), sealed("EA 05 00 96 04 00 00 7B 10"));
    EXPECT_FALSE(b.session.activity.awaitingAnswer);  // in the background
    EXPECT_FALSE(b.responseTimerRunning(kCtrl));
    f.setText(ids::kTarget, "");
    b.advance(5000);
    EXPECT_EQ(b.writes().size(), 4u);
    EXPECT_EQ(b.prompter.texts(), std::vector<std::string>{"目标身份码不能为空!"});
    EXPECT_FALSE(f.checked(ids::kRepeatPrompt));
}

TEST(Qx710Ctrl, RepeatedNormalDataIsTypeOneAndTheBoxesExcludeEachOther) {
    Qx710Bench b;
    auto& f = b.form(kCtrl);
    f.click(ids::kLevel2);
    f.click(ids::kRepeatPrompt);
    f.click(ids::kRepeatNormal);
    EXPECT_FALSE(f.checked(ids::kRepeatPrompt));
    b.advance(3000);
    ASSERT_EQ(b.writes().size(), 1u);
    EXPECT_EQ(hexOf(b.lastWrite()), sealed("EA 07 00 96 01 00 00 7B 31 32 33"));
    f.setText(ids::kData, "");
    b.advance(3000);
    EXPECT_EQ(b.writes().size(), 1u);
    EXPECT_EQ(b.prompter.lastText(), "传输数据不能为空!");
    EXPECT_FALSE(f.checked(ids::kRepeatNormal));
}
