// QX-7100: nothing wrong reaches the station. Every value a write or a test command sends is
// checked before the first frame (out of range, not a number, too long, not GBK), and every
// chain step acts only on the answer to its own request.
#include <gtest/gtest.h>

#include "ini/ini_file.h"
#include "qx710_bench.h"

using namespace rb;
using rb::testing::Qx710Bench;
namespace ids = rb::families::qx710::base_ids;
namespace ctrl = rb::families::qx710::ctrl_ids;
namespace muster = rb::families::qx710::muster_ids;

namespace {

constexpr int kMuster = 1;
constexpr int kCtrl = 2;
const std::string kTimeOut = "操作失败！请检查设备连接是否正常？";

// The steps of a chain: the request the page sends and the answer that continues it.
struct Step {
    std::uint8_t request;
    wire::Bytes answer;  // a whole frame
};

wire::Bytes ack(std::uint8_t echo) { return wire::frameEA(0x80, {echo}); }

const std::vector<Step> kReadSteps = {
    {0x21, wire::frameEA(0x22, wire::Bytes(130, 0))},
    {0x23, wire::frameEA(0x24, wire::Bytes(17, 0))},
    {0x27, wire::frameEA(0x28, wire::Bytes(8, 0))},
    {0x29, wire::frameEA(0x2A, {0x11})},
    {0x25, wire::frameEA(0x26, wire::Bytes(7, 0))},
};
const std::vector<Step> kWriteSteps = {
    {0x11, ack(0x11)},
    {0x15, ack(0x15)},
    {0x13, ack(0x13)},
    {0x16, ack(0x16)},
    {0x14, ack(0x14)},
    {0x12, ack(0x12)},
    {0x29, wire::frameEA(0x2A, {0x11})},
    {0x25, wire::frameEA(0x26, wire::Bytes(7, 0))},
};

// Every answer either chain knows, and the acknowledgements of the other pages' commands: the
// strays a page must ignore while it waits for something else.
std::vector<wire::Bytes> everyAnswer() {
    std::vector<wire::Bytes> all;
    for (const auto& s : kReadSteps) all.push_back(s.answer);
    for (std::uint8_t echo : {0x10, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x51, 0x52, 0x55, 0x5A})
        all.push_back(ack(echo));
    return all;
}

// Starts the chain and answers it up to (not including) step k.
void runTo(Qx710Bench& b, bool write, std::size_t k) {
    const auto& steps = write ? kWriteSteps : kReadSteps;
    b.form().click(write ? 2091 : 2090);
    for (std::size_t i = 0; i < k; ++i) b.opener.last->receive(steps[i].answer);
}

}  // namespace

TEST(Qx710Checks, BaseWriteRefusesEachBadValueBeforeTheFirstFrame) {
    struct Case {
        int id;
        std::string text;
        std::string message;
    };
    const Case cases[] = {
        {ids::kDefaultNumber, "256", "默认频率编号设置错误,请设为0-254!"},
        {ids::kDefaultNumber, "-1", "默认频率编号设置错误,请设为0-254!"},
        {ids::kDefaultNumber, "", "默认频率编号设置错误,请设为0-254!"},
        {ids::kBaseNumber, "12abc", "基站编号设置错误,请设为0-63!"},
        {ids::kIdentity, "abc", "身份码范围为:1-262143,请重新输入!"},
        {ids::kIdentity, "16777217", "身份码范围为:1-262143,请重新输入!"},
        {ids::kVersionA, "x", "基站频率表版本号错误,版本范围:15.15!"},
        {ids::kOwnerName, "王😀", "机主姓名含有无法发送的字符,请重新输入!"},
        {ids::kOwnerText, "ẞ", "机主身份信息含有无法发送的字符,请重新输入!"},
        {ids::kDefaultTx, "23O0000", "默认信道发射频率设置不正确!"},
        {ids::kAlarmNumber, "12abc", "身份码范围为:0-262143,请重新输入!"},
        {ids::kKeyParameter, "１２３", "密钥参数设置错误,请设为0-65535!"},
        {ids::kKeyWord, "𠀀", "密钥字含有无法发送的字符,请重新输入!"},
        {ids::kChannelHold, "256", "信道保持时间设置错误,请设为0-255!"},
        {ids::kRollCallTimeout, "", "点名超时周期设置错误,请设为0-255!"},
        {ids::kPttHold, "1e2", "PTT保持时间设置错误,请设为0-255!"},
        {ids::kOffNetTimeout, "-1", "脱网超时周期设置错误,请设为0-255!"},
        {ids::kTablePage, "6x", "基站编号设置错误,请设为0-63!"},
        {ids::kRowRx[3], "8191875", "3信道频率设置不正确!"},  // at 12.5 kHz: code 0xFFFF
    };
    for (const Case& c : cases) {
        Qx710Bench b;
        if (c.id == ids::kRowRx[3]) b.form().click(ids::kSpacing12_5);  // 8191875 / 125 = 0xFFFF
        b.form().setText(c.id, c.text);
        b.form().click(2091);
        EXPECT_TRUE(b.writes().empty()) << c.id << " " << c.text;
        EXPECT_EQ(b.prompter.lastText(), c.message) << c.id << " " << c.text;
        EXPECT_FALSE(b.responseTimerRunning(0)) << c.message;
    }
}

TEST(Qx710Checks, ABadValueInTheLastStepSendsNothing) {
    struct Case {
        int id;
        std::string text;
        std::string message;
    };
    // The table page (step 6) and the timing (step 5) come after four frames in the chain.
    const Case cases[] = {
        {ids::kRowRx[0], "2300100", "0信道频率设置不正确!"},
        {ids::kPttHold, "300", "PTT保持时间设置错误,请设为0-255!"},
    };
    for (const Case& c : cases) {
        Qx710Bench b;
        b.form().setText(c.id, c.text);
        b.form().click(2091);
        EXPECT_TRUE(b.writes().empty()) << c.message;
        EXPECT_EQ(b.prompter.lastText(), c.message);
        // The buttons come back after their period; nothing is sent meanwhile.
        b.advance(3000);
        EXPECT_TRUE(b.writes().empty()) << c.message;
        EXPECT_TRUE(b.form().enabled(2091));
    }
}

TEST(Qx710Checks, ADefaultNumberOf256FromAFileIsRefusedNotSentAsZero) {
    Qx710Bench b;
    ini::IniFile file;
    b.container->base().storeFile(file);
    file.setText("QX710", "默认频率编号", "256");
    b.container->base().loadFile(file);
    b.form().click(2091);
    EXPECT_TRUE(b.writes().empty());
    EXPECT_EQ(b.prompter.lastText(), "默认频率编号设置错误,请设为0-254!");
    EXPECT_TRUE(b.container->base().precheckFileWrite() == false);
}

TEST(Qx710Checks, SetIdentityRefusesAnIdentityOutsideItsRange) {
    for (const std::string text : {"262144", "0", "99999999", "12abc"}) {
        Qx710Bench b;
        b.form().setText(ids::kIdentity, text);
        b.form().click(ids::kSetIdentity);
        EXPECT_TRUE(b.writes().empty()) << text;
        EXPECT_EQ(b.prompter.lastText(), "身份码范围为:1-262143,请重新输入!") << text;
    }
}

TEST(Qx710Checks, ControlCommandsRefuseBadFields) {
    struct Case {
        const char* name;
        std::vector<std::pair<int, std::string>> texts;
        std::vector<int> clicks;
        std::string message;
    };
    const Case cases[] = {
        {"table number not a number",
         {{ctrl::kChannelNumber, "12abc"}},
         {ctrl::kSwitchButton},
         "表内频率编号不正确，请输入0-254!"},
        {"band number with letters",
         {{ctrl::kChannelNumber, "33000x"}},
         {ctrl::kInBand, ctrl::kSwitchButton},
         "带内频率编号不正确，请输入32768-33567!"},
        {"call identity beyond 18 bits",
         {{ctrl::kCallNumber, "262144"}},
         {ctrl::kCallButton},
         "呼叫身份码设置错误,请设为0-262143!"},
        {"call number of 15 digits",
         {{ctrl::kCallNumber, "123456789012345"}},
         {ctrl::kByPhone, ctrl::kCallButton},
         "发起呼叫号码长度设置错误,请设为0-14!"},
        {"target not a number",
         {{ctrl::kTarget, "abc"}},
         {ctrl::kDataButton},
         "目标身份码设置错误,请设为0-262143!"},
        {"mode target beyond 24 bits",
         {{ctrl::kTarget, "16777216"}},
         {ctrl::kModeButton},
         "目标身份码设置错误,请设为0-262143!"},
        {"prompt target",
         {{ctrl::kTarget, "-1"}},
         {ctrl::kPromptButton},
         "目标身份码设置错误,请设为0-262143!"},
        {"data not GBK",
         {{ctrl::kData, "ok😀"}},
         {ctrl::kDataButton},
         "透明数据含有无法发送的字符,请重新输入!"},
        {"group code of 7 digits",
         {{ctrl::kGroupCode, "1234567"}},
         {ctrl::kRegroupButton},
         "组呼码设置错误,请设为0-999999!"},
        {"ungroup code not a number",
         {{ctrl::kGroupCode, "１"}},
         {ctrl::kUngroupButton},
         "组呼码设置错误,请设为0-999999!"},
        {"calling identity in full-width digits",
         {{ctrl::kCalling, "１２"}},
         {ctrl::kAllocateButton},
         "身份码范围为:1-262143,请重新输入!"},
        {"ship identity beyond 18 bits",
         {{ctrl::kShipIdentity, "300000"}},
         {ctrl::kShipCallButton},
         "船台身份码设置错误,请设为0-262143!"},
    };
    for (const Case& c : cases) {
        Qx710Bench b;
        auto& f = b.form(kCtrl);
        for (const auto& [id, text] : c.texts) f.setText(id, text);
        for (int id : c.clicks) f.click(id);
        EXPECT_TRUE(b.writes().empty()) << c.name;
        EXPECT_EQ(b.prompter.lastText(), c.message) << c.name;
    }
}

TEST(Qx710Checks, RepeatedDataWithDataThatIsNotGbkStopsAfterOneMessage) {
    Qx710Bench b;
    auto& f = b.form(kCtrl);
    f.setText(ctrl::kData, "😀");
    f.click(ctrl::kRepeatNormal);
    b.advance(10000);
    EXPECT_TRUE(b.writes().empty());
    EXPECT_FALSE(f.checked(ctrl::kRepeatNormal));
    EXPECT_EQ(b.prompter.texts(),
              std::vector<std::string>{"透明数据含有无法发送的字符,请重新输入!"});
}

TEST(Qx710Checks, MusterSlotsMustHoldIdentities) {
    struct Case {
        int slot;
        std::string text;
        int button;
        std::string message;
    };
    const Case cases[] = {
        {1051, "16777216", muster::kMusterButton, "召集船04身份码设置错误,请设为0-262143!"},
        {1081, "262144", muster::kMusterButton, "召集船16身份码设置错误,请设为0-262143!"},
        {1109, "abc", muster::kRollCallButton, "点名船32身份码设置错误,请设为0-262143!"},
        {1064, "-1", muster::kRollCallButton, "点名船01身份码设置错误,请设为0-262143!"},
    };
    for (const Case& c : cases) {
        Qx710Bench b;
        auto& f = b.form(kMuster);
        f.setText(c.slot, c.text);
        f.click(c.button);
        EXPECT_TRUE(b.writes().empty()) << c.message;
        EXPECT_EQ(b.prompter.lastText(), c.message);
    }
    // A timed muster with a bad slot: one message, its box cleared, nothing sent.
    Qx710Bench b;
    auto& f = b.form(kMuster);
    f.setText(1051, "99999999");
    f.click(muster::kTimedMuster);
    b.advance(5000);
    EXPECT_TRUE(b.writes().empty());
    EXPECT_FALSE(f.checked(muster::kTimedMuster));
    EXPECT_EQ(b.prompter.texts().size(), 1u);
    // Empty slots still go out as identity 0.
    f.setText(1051, "");
    f.click(muster::kMusterButton);
    ASSERT_EQ(b.writes().size(), 1u);
    for (std::size_t k = 14; k < 17; ++k) EXPECT_EQ(b.lastWrite()[k], 0x00);  // slot 04
}

TEST(Qx710Checks, AStrayAnswerAtAnyStepOfEitherChainSendsNothingAndTheTimeOutStays) {
    for (bool write : {false, true}) {
        const auto& steps = write ? kWriteSteps : kReadSteps;
        for (std::size_t k = 0; k < steps.size(); ++k) {
            Qx710Bench b;
            runTo(b, write, k);
            ASSERT_FALSE(b.writes().empty());
            ASSERT_EQ(b.lastWrite()[3], steps[k].request) << write << " " << k;
            const std::size_t sent = b.writes().size();
            const bool timed = steps[k].request != 0x25;  // 0x25 arms no timer
            for (const wire::Bytes& stray : everyAnswer()) {
                if (stray == steps[k].answer) continue;
                b.opener.last->receive(stray);
            }
            EXPECT_EQ(b.writes().size(), sent) << write << " step " << k;
            EXPECT_EQ(b.responseTimerRunning(0), timed) << write << " step " << k;
            // The lost answer ends in the time-out, and the answer coming after it is ignored.
            b.advance(2000);
            if (timed) {
                EXPECT_EQ(b.prompter.lastText(), kTimeOut) << write << " step " << k;
                EXPECT_EQ(b.session.statusBar.text(2), "操作失败");
            }
            b.opener.last->receive(steps[k].answer);
            EXPECT_EQ(b.writes().size(), sent) << write << " step " << k;
        }
    }
}

TEST(Qx710Checks, TheReportedStrayAcknowledgementDuringAReadWritesNothing) {
    Qx710Bench b;
    b.form().click(2090);
    b.opener.last->receive(wire::frameEA(0x80, {0x11}));  // EA 01 00 80 11 92
    EXPECT_EQ(wire::toHex(wire::frameEA(0x80, {0x11})), "EA 01 00 80 11 92");
    ASSERT_EQ(b.writes().size(), 1u);
    EXPECT_EQ(b.lastWrite()[3], 0x21);
    b.advance(2000);
    EXPECT_EQ(b.prompter.lastText(), kTimeOut);
    EXPECT_EQ(b.writes().size(), 1u);
}

TEST(Qx710Checks, TheStationsOwnQueryDuringAReadLeavesTheReadGoing) {
    Qx710Bench b;
    b.form().click(2090);
    b.answer(0x96, {0x10});
    b.opener.last->receive({0xEA, 0x01, 0x00, 0x55, 0x10});
    ASSERT_EQ(b.writes().size(), 3u);
    b.opener.last->receive(kReadSteps[0].answer);
    EXPECT_EQ(b.lastWrite()[3], 0x23);
}

TEST(Qx710Checks, AControlCommandTakesOnlyItsOwnEcho) {
    struct Case {
        int button;
        std::uint8_t echo;
        std::string text;
    };
    const Case cases[] = {
        {ctrl::kGpsButton, 0x51, "GPS写入成功"},
        {ctrl::kSwitchButton, 0x52, "信道切换成功"},
        {ctrl::kCallButton, 0x53, "呼叫发起成功"},
        {ctrl::kAllocateButton, 0x54, "呼叫分配成功"},
        {ctrl::kDataButton, 0x55, "透明传输成功"},
        {ctrl::kModeButton, 0x56, "透明传输模式设置成功"},
        {ctrl::kRegroupButton, 0x57, "动态重组成功"},
        {ctrl::kUngroupButton, 0x58, "动态重组取消成功"},
        {ctrl::kTeardownButton, 0x59, "强拆信道成功"},
        {ctrl::kShipCallButton, 0x5A, "指定船台呼叫成功"},
    };
    for (const Case& c : cases) {
        // Every other echo is a stray: timer 1 runs on, no success is shown.
        Qx710Bench b;
        b.form(kCtrl).click(c.button);
        ASSERT_EQ(b.writes().size(), 1u) << c.text;
        for (const Case& other : cases)
            if (other.echo != c.echo) b.ack(other.echo);
        b.ack(0x11);
        EXPECT_TRUE(b.responseTimerRunning(kCtrl)) << c.text;
        EXPECT_NE(b.session.statusBar.text(2), c.text);
        b.ack(c.echo);
        EXPECT_FALSE(b.responseTimerRunning(kCtrl)) << c.text;
        EXPECT_EQ(b.session.statusBar.text(2), c.text);
        // A lost echo: the time-out, and the late echo reports nothing.
        Qx710Bench lost;
        lost.form(kCtrl).click(c.button);
        lost.advance(2000);
        EXPECT_EQ(lost.prompter.lastText(), kTimeOut) << c.text;
        lost.ack(c.echo);
        EXPECT_EQ(lost.session.statusBar.text(2), "操作失败") << c.text;
    }
}
