// The WZ-4040 base and user pages end to end against the simulated terminal over the in-process
// link, in both variants: what one container writes, a fresh container reads back.
#include <gtest/gtest.h>

#include "wz4040_bench.h"

using namespace rb;
using rb::testing::Wz4040Bench;
namespace base = rb::families::wz4040::base_ids;
namespace user = rb::families::wz4040::user_ids;

namespace {

// Every edit's text and every radio, check and combo state of a page.
std::map<int, std::string> snapshot(const engine::FormModel& f) {
    std::map<int, std::string> out;
    for (int id : f.ids()) {
        const auto& c = f.control(id);
        switch (c.kind) {
            case engine::ControlKind::Edit:
            case engine::ControlKind::MultiEdit:
                out[id] = c.text;
                break;
            case engine::ControlKind::Radio:
            case engine::ControlKind::CheckBox:
            case engine::ControlKind::Combo:
                out[id] = std::to_string(c.value);
                break;
            default:
                break;
        }
    }
    return out;
}

}  // namespace

TEST(Wz4040Sim, WriteThenReadGivesBackTheBaseAndUserPages) {
    for (bool relay : {false, true}) {
        Wz4040Bench b(relay, /*simulated=*/true);
        ASSERT_TRUE(b.session.theComm.IsOpen());
        auto& f = b.form(0);
        const std::vector<std::pair<int, std::string>> texts = {
            {base::kIdentity, relay ? "65535" : "262143"},
            {base::kBaseNumber, "255"},
            {base::kChannelNumber, "1"},
            {base::kDefaultTx, "4000125"},
            {base::kDefaultRx, "0"},
            {base::kOffNetTx, "4100000"},
            {base::kOffNetRx, "8191750"},
            {base::kOffNet, "4000250"},
            {base::kVersionA, "15"},
            {base::kVersionB, "0"},
            {base::rowTx(0), "4000000"},
            {base::rowRx(15), "4100125"},
            {base::kRollCallTimeout, "255"},
            {base::kOffNetTimeout, "0"},
            {base::kChannelHold, "17"},
            {base::kPttHold, "99"},
            {base::kAlarmNumber, "1380571"},
            {base::kKeyParameter, "0"},
            {base::kKeyWord, "海鹰ab"},
        };
        for (const auto& [id, text] : texts) f.setText(id, text);
        f.click(base::kSpacing12_5);
        f.click(base::kAuthOn);
        f.click(base::kRelayStation);
        f.click(base::kSwitches[1]);
        f.click(base::kSwitches[4]);
        f.click(base::kAlarmByPhone);
        f.select(base::kCategory, 2);
        f.click(2091);
        b.settle();
        EXPECT_EQ(b.session.statusBar.text(2), "密钥参数设置成功") << relay;

        auto& u = b.form(1);
        u.setText(user::kOwnerName, "王海洋");
        u.setText(user::kOwnerText, "浙江省舟山市普陀区");
        u.click(user::kPower20W);
        for (int i = 0; i < 3; ++i) u.spin(user::kStaticSpin, 1);
        u.spin(user::kDynamicSpin, -1);  // 15
        for (int k = 0; k < 15; ++k) u.setText(user::kFirstDynamic + k, std::to_string(60000 + k));
        u.setText(user::kFirstStatic, "1");
        u.setText(user::kFirstStatic + 2, "65535");
        u.click(2091);
        b.settle();
        EXPECT_EQ(b.session.statusBar.text(2), "组呼码设置成功") << relay;
        const auto wroteBase = snapshot(f);
        const auto wroteUser = snapshot(u);

        b.container = std::make_unique<families::wz4040::CWZ4040>(b.session);
        b.show(relay);
        b.session.theComm.SetWnd(b.container.get());
        b.form(0).click(2090);
        b.settle();
        EXPECT_EQ(b.session.statusBar.text(2), "状态查询成功") << relay;
        EXPECT_EQ(b.session.statusBar.text(1),
                  relay ? "LM520W V1.05 2009-01-08" : "WZ-4040 V2.03 2009-02-16");
        b.form(1).click(2090);
        b.settle();
        EXPECT_EQ(b.session.statusBar.text(2), "组呼码读取成功") << relay;
        auto readBase = snapshot(b.form(0));
        // The versions are the terminal's own.
        EXPECT_EQ(readBase[base::kSoftware], "2.1");
        for (int id : {base::kHardware, base::kSoftware}) readBase.erase(id);
        for (const auto& [id, text] : wroteBase) {
            if (id == base::kHardware || id == base::kSoftware) continue;
            EXPECT_EQ(readBase[id], text) << relay << " base " << id;
        }
        for (const auto& [id, text] : snapshot(b.form(1))) {
            if (id == user::kResetDelay) continue;
            EXPECT_EQ(wroteUser.at(id), text) << relay << " user " << id;
        }
        EXPECT_EQ(b.form(0).text(base::kStatusBase), "255");
        EXPECT_EQ(b.form(0).text(base::kStatusType), "延伸中转台");
        EXPECT_TRUE(b.prompter.texts() ==
                    std::vector<std::string>({"确认写录数据?", "确认写录数据?"}));
    }
}

TEST(Wz4040Sim, TestCommandsAreAnsweredAndTheFixComesBack) {
    Wz4040Bench b(false, true);
    auto& ctrl = b.form(3);
    ctrl.setText(rb::families::wz4040::ctrl_ids::kLongitude, "-73.5");
    ctrl.click(rb::families::wz4040::ctrl_ids::kGpsWrite);
    b.settle(100);
    ctrl.setText(rb::families::wz4040::ctrl_ids::kLongitude, "1");
    ctrl.click(rb::families::wz4040::ctrl_ids::kGpsRead);
    b.settle(100);
    EXPECT_EQ(ctrl.text(rb::families::wz4040::ctrl_ids::kLongitude), "-73.500000");
    EXPECT_EQ(b.session.statusBar.text(2), "GPS数据读取成功");
    b.form(2).click(rb::families::wz4040::muster_ids::kRollCallButton);
    b.settle(100);
    EXPECT_EQ(b.session.statusBar.text(2), "点名数据回送返回成功");
    EXPECT_TRUE(b.prompter.boxes.empty());
}
