// WZ-4040 / LM520W: nothing wrong reaches the terminal. Every value a write or a test command
// sends is checked before the first frame (out of range, not a number, too long, not GBK), and
// every chain step acts only on the answer to its own request.
#include <gtest/gtest.h>

#include "wz4040_bench.h"

using namespace rb;
using rb::testing::Wz4040Bench;
namespace base = rb::families::wz4040::base_ids;
namespace user = rb::families::wz4040::user_ids;
namespace muster = rb::families::wz4040::muster_ids;
namespace ctrl = rb::families::wz4040::ctrl_ids;

namespace {

constexpr int kBase = 0;
constexpr int kUser = 1;
constexpr int kSdd = 2;
constexpr int kScc = 3;
const std::string kTimeOut = "操作失败！请检查设备连接是否正常？";

struct Field {
    int id;
    std::string text;
    std::string message;
};

struct Step {
    std::uint8_t request;
    wire::Bytes answer;  // a whole frame
};

wire::Bytes ack(std::uint8_t echo) { return wire::frameEA(0x80, {echo}); }

const std::vector<Step> kBaseRead = {
    {0x27, wire::frameEA(0x28, wire::Bytes(8, 0))},
    {0x21, wire::frameEA(0x22, wire::Bytes(53, 0))},
    {0x23, wire::frameEA(0x24, wire::Bytes(66, 0))},
    {0x25, wire::frameEA(0x26, wire::Bytes(7, 0))},
};
const std::vector<Step> kBaseWrite = {{0x11, ack(0x11)}, {0x15, ack(0x15)}, {0x12, ack(0x12)},
                                      {0x14, ack(0x14)}, {0x13, ack(0x13)}, {0x16, ack(0x16)}};
const std::vector<Step> kUserRead = {
    {0x2D, wire::frameEA(0x2E, wire::Bytes(85, 0))},
    {0x29, wire::frameEA(0x2A, {0x11})},
    {0x2B, wire::frameEA(0x2C, {0x00})},
};
const std::vector<Step> kUserWrite = {{0x18, ack(0x18)}, {0x29, ack(0x29)}, {0x17, ack(0x17)}};

// Every answer of the four chains: while a page waits for one, all others are strays to it.
std::vector<wire::Bytes> everyAnswer() {
    std::vector<wire::Bytes> all;
    for (const auto* chain : {&kBaseRead, &kBaseWrite, &kUserRead, &kUserWrite})
        for (const auto& s : *chain) all.push_back(s.answer);
    return all;
}

}  // namespace

TEST(Wz4040Checks, BaseWriteRefusesEachBadValueBeforeTheFirstFrame) {
    const Field cases[] = {
        {base::kIdentity, "abc", "身份码设置错误,请设置为0x01-0x03FFFF!"},
        {base::kIdentity, "16777217", "身份码设置错误,请设置为0x01-0x03FFFF!"},
        {base::kBaseNumber, "12abc", "基站编号设置错误,请设置为1-255!"},
        {base::kChannelNumber, "", "信道编号设置错误,请设置为1-255!"},
        {base::kDefaultTx, "23000O0", "默认信道发射频率设置不正确!"},
        {base::kVersionA, "１", "频率表版本号错误,版本范围:15.15!"},
        {base::kTablePage, "1x", "频率表页号错误,页号范围:1-16!"},
        {base::kRollCallTimeout, "300", "点名超时周期设置错误,请设置为0-255!"},
        {base::kOffNetTimeout, "-1", "脱网超时周期设置错误,请设置为0-255!"},
        {base::kChannelHold, "abc", "信道保持时间设置错误,请设置为0-255!"},
        {base::kPttHold, "256", "PTT保持时间设置错误,请设置为0-255!"},
        {base::kAlarmNumber, "262144", "报警身份码设置错误,请设置为0-0x03FFFF!"},
        {base::kKeyParameter, "6553x", "密钥参数设置错误,请设置为0-65535!"},
        {base::kKeyWord, "钥😀", "密钥字含有无法发送的字符,请重新输入!"},
        {base::kKeyWord, "一二三四五六七", "密钥字超出长度,最多12个字节(一个汉字占2个字节)!"},
    };
    for (const Field& c : cases) {
        Wz4040Bench b;
        b.form(kBase).setText(c.id, c.text);
        b.form(kBase).click(2091);
        EXPECT_TRUE(b.writes().empty()) << c.id << " " << c.text;
        EXPECT_EQ(b.prompter.lastText(), c.message) << c.id << " " << c.text;
        EXPECT_FALSE(b.responseTimerRunning(kBase)) << c.message;
    }
}

TEST(Wz4040Checks, BaseWriteChecksCodesAndTelephoneLengths) {
    // 12.5 kHz: 9999875 is a multiple of 125 but its code 79999 does not fit 16 bits.
    Wz4040Bench wide;
    wide.form().click(base::kSpacing12_5);
    wide.form().setText(base::rowTx(15), "9999875");
    wide.form().click(2091);
    EXPECT_TRUE(wide.writes().empty());
    EXPECT_EQ(wide.prompter.lastText(), "15信道发射频率设置不正确!");
    // A telephone number of 21 characters (set from elsewhere, past the edit's limit).
    Wz4040Bench phone;
    phone.form().click(base::kAlarmByPhone);
    phone.form().setText(base::kAlarmNumber, std::string(21, '1'));
    phone.form().click(2091);
    EXPECT_TRUE(phone.writes().empty());
    EXPECT_EQ(phone.prompter.lastText(), "报警电话号码长度设置错误,请设置为0-20!");
    // A key word that is not sent (key parameter non-zero) is not checked.
    Wz4040Bench key;
    key.form().setText(base::kKeyParameter, "7");
    key.form().setText(base::kKeyWord, "😀");
    key.form().click(2091);
    EXPECT_EQ(key.writes().size(), 1u);
}

TEST(Wz4040Checks, ABadKeyInTheLastStepSendsNothing) {
    Wz4040Bench b;
    b.form().setText(base::kKeyParameter, "65536");
    b.form().click(2091);
    EXPECT_TRUE(b.writes().empty());
    EXPECT_EQ(b.prompter.lastText(), "密钥参数设置错误,请设置为0-65535!");
    EXPECT_FALSE(b.container->page(kBase).precheckFileWrite());
    b.advance(3000);
    EXPECT_TRUE(b.writes().empty());
}

TEST(Wz4040Checks, UserWriteRefusesTextsAndGroupCodesBeforeTheFirstFrame) {
    const Field cases[] = {
        {user::kOwnerName, "王😀", "机主姓名含有无法发送的字符,请重新输入!"},
        {user::kOwnerName, std::string(20, 'a'),
         "机主姓名超出长度,最多19个字节(一个汉字占2个字节)!"},
        {user::kOwnerText, "𠀀", "机主身份信息含有无法发送的字符,请重新输入!"},
        {user::kFirstStatic + 1, "65536", "静态组呼码02设置错误,请设置为0-65535!"},
        {user::kFirstDynamic, "12abc", "动态组呼码01设置错误,请设置为0-65535!"},
        {user::kStaticCount, "16", "静态组呼个数设置错误,请设置为0-15!"},
    };
    for (const Field& c : cases) {
        Wz4040Bench b;
        auto& f = b.form(kUser);
        f.spin(user::kStaticSpin, 1);
        f.spin(user::kStaticSpin, 1);
        f.spin(user::kDynamicSpin, 1);
        f.setText(c.id, c.text);
        f.click(2091);
        EXPECT_TRUE(b.writes().empty()) << c.message;
        EXPECT_EQ(b.prompter.lastText(), c.message);
    }
    // Codes of disabled edits are not sent, so not checked.
    Wz4040Bench b;
    b.form(kUser).setText(user::kFirstStatic + 5, "99999");
    b.form(kUser).click(2091);
    EXPECT_EQ(b.writes().size(), 1u);
}

TEST(Wz4040Checks, ControlCommandsRefuseBadFields) {
    struct Case {
        const char* name;
        std::vector<std::pair<int, std::string>> texts;
        std::vector<int> clicks;
        std::string message;
    };
    const Case cases[] = {
        {"speed 500 does not fit 12 bits",
         {{ctrl::kSpeed, "500"}},
         {ctrl::kGpsWrite},
         "速度设置错误,范围为:0-409.5!"},
        {"speed not a number",
         {{ctrl::kSpeed, "9.3km"}},
         {ctrl::kGpsWrite},
         "速度设置错误,范围为:0-409.5!"},
        {"negative direction",
         {{ctrl::kDirection, "-1"}},
         {ctrl::kGpsWrite},
         "方向设置错误,范围为:0-360!"},
        {"direction 361",
         {{ctrl::kDirection, "361"}},
         {ctrl::kGpsWrite},
         "方向设置错误,范围为:0-360!"},
        {"longitude not a number",
         {{ctrl::kLongitude, "abc"}},
         {ctrl::kGpsWrite},
         "经度设置错误,范围为:-214.7483648-214.7483647!"},
        {"call identity beyond 18 bits",
         {{ctrl::kCallNumber, "262144"}},
         {ctrl::kCallButton},
         "呼叫号码设置错误,请设置为0-0x03FFFF!"},
        {"call number of 255 digits",
         {{ctrl::kCallNumber, std::string(255, '1')}},
         {ctrl::kByPhone, ctrl::kCallButton},
         "呼叫号码长度设置错误,请设置为0-254!"},
        {"directed caller",
         {{ctrl::kDirectedCaller, "12abc"}},
         {ctrl::kDirectedButton},
         "主叫身份码设置错误,请设置为0-0x03FFFF!"},
        {"allocation phone",
         {{ctrl::kAllocPhone, std::string(300, '2')}},
         {ctrl::kAllocButton},
         "主叫电话号码长度设置错误,请设置为0-254!"},
        {"data called identity",
         {{ctrl::kDataCalled, "99999999"}},
         {ctrl::kDataButton},
         "被叫身份码设置错误,请设置为0-0x03FFFF!"},
        {"data not GBK",
         {{ctrl::kData, "ẞ"}},
         {ctrl::kDataButton},
         "透明数据含有无法发送的字符,请重新输入!"},
        {"service target",
         {{ctrl::kServiceTarget, "-5"}},
         {ctrl::kServiceButton},
         "目标身份码设置错误,请设置为0-0x03FFFF!"},
    };
    for (const Case& c : cases) {
        Wz4040Bench b;
        auto& f = b.form(kScc);
        for (const auto& [id, text] : c.texts) f.setText(id, text);
        for (int id : c.clicks) f.click(id);
        EXPECT_TRUE(b.writes().empty()) << c.name;
        EXPECT_EQ(b.prompter.lastText(), c.message) << c.name;
    }
    // The largest speed still fits: 409.5 is 4095 tenths.
    Wz4040Bench b;
    b.form(kScc).setText(ctrl::kSpeed, "409.5");
    b.form(kScc).click(ctrl::kGpsWrite);
    ASSERT_EQ(b.writes().size(), 1u);
    EXPECT_EQ(b.lastWrite()[20] & 0x0F, 0x0F);
    EXPECT_EQ(b.lastWrite()[21], 0xFF);
}

TEST(Wz4040Checks, MusterPageRefusesBadSlotsAndChannelNumbers) {
    const std::pair<Field, int> cases[] = {
        {{1051, "16777216", "召集船04身份码设置错误,请设为0-262143!"}, muster::kMusterButton},
        {{1109, "１", "点名船32身份码设置错误,请设为0-262143!"}, muster::kRollCallButton},
        {{muster::kChannelNumber, "257", "指定信道编号设置错误,请设置为0-256!"},
         muster::kSwitchButton},
        {{muster::kChannelNumber, "5x", "指定信道编号设置错误,请设置为0-256!"},
         muster::kSwitchButton},
    };
    for (const auto& [c, button] : cases) {
        Wz4040Bench b;
        b.form(kSdd).setText(c.id, c.text);
        b.form(kSdd).click(button);
        EXPECT_TRUE(b.writes().empty()) << c.message;
        EXPECT_EQ(b.prompter.lastText(), c.message);
    }
    // 256 still goes out as 255.
    Wz4040Bench b;
    b.form(kSdd).setText(muster::kChannelNumber, "256");
    b.form(kSdd).click(muster::kSwitchButton);
    ASSERT_EQ(b.writes().size(), 1u);
    EXPECT_EQ(b.lastWrite()[6], 0xFF);
}

TEST(Wz4040Checks, AStrayAnswerAtAnyStepOfEveryChainSendsNothingAndTheTimeOutStays) {
    struct Chain {
        const char* name;
        int page;
        int button;
        const std::vector<Step>* steps;
    };
    const Chain chains[] = {
        {"base read", kBase, 2090, &kBaseRead},
        {"base write", kBase, 2091, &kBaseWrite},
        {"user read", kUser, 2090, &kUserRead},
        {"user write", kUser, 2091, &kUserWrite},
    };
    for (bool relay : {false, true}) {
        for (const Chain& chain : chains) {
            for (std::size_t k = 0; k < chain.steps->size(); ++k) {
                const Step& awaited = (*chain.steps)[k];
                Wz4040Bench b(relay);
                b.form(chain.page).click(chain.button);
                for (std::size_t i = 0; i < k; ++i)
                    b.opener.last->receive((*chain.steps)[i].answer);
                ASSERT_FALSE(b.writes().empty());
                ASSERT_EQ(b.lastWrite()[3], awaited.request) << chain.name << " " << k;
                const std::size_t sent = b.writes().size();
                for (const wire::Bytes& stray : everyAnswer())
                    if (stray != awaited.answer) b.opener.last->receive(stray);
                EXPECT_EQ(b.writes().size(), sent) << chain.name << " step " << k;
                EXPECT_TRUE(b.responseTimerRunning(chain.page)) << chain.name << " step " << k;
                // The lost answer ends in the time-out; the late answer after it moves nothing.
                b.advance(2000);
                EXPECT_EQ(b.prompter.lastText(), kTimeOut) << chain.name << " step " << k;
                EXPECT_EQ(b.session.statusBar.text(2), "操作失败");
                b.opener.last->receive(awaited.answer);
                EXPECT_EQ(b.writes().size(), sent) << chain.name << " step " << k;
            }
        }
    }
}

TEST(Wz4040Checks, TheUserPowerAnswerAndAcknowledgementBelongToTheirOwnChain) {
    // During the read's 0x29 a write acknowledgement of 0x29 is a stray; during the write's
    // 0x29 the 0x2A read answer is.
    Wz4040Bench reading;
    reading.form(kUser).click(2090);
    reading.opener.last->receive(kUserRead[0].answer);
    ASSERT_EQ(reading.lastWrite()[3], 0x29);
    reading.ack(0x29);
    EXPECT_EQ(reading.writes().size(), 2u);
    reading.opener.last->receive(kUserRead[1].answer);
    EXPECT_EQ(reading.lastWrite()[3], 0x2B);

    Wz4040Bench writing;
    writing.form(kUser).click(2091);
    writing.ack(0x18);
    ASSERT_EQ(writing.lastWrite()[3], 0x29);
    writing.opener.last->receive(kUserRead[1].answer);
    EXPECT_EQ(writing.writes().size(), 2u);
    writing.ack(0x29);
    EXPECT_EQ(writing.lastWrite()[3], 0x17);
}
