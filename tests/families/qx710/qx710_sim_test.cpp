// The QX-7100 base page end to end against the simulated station over the in-process link: what
// one container writes, a fresh container reads back, field for field.
#include <gtest/gtest.h>

#include "qx710_bench.h"
#include "sim/qx710_terminal.h"

using namespace rb;
using rb::testing::Qx710Bench;
namespace ids = rb::families::qx710::base_ids;

TEST(Qx710Sim, WriteThenReadGivesBackEveryField) {
    Qx710Bench b(/*simulated=*/true);
    ASSERT_TRUE(b.session.theComm.IsOpen());
    auto& f = b.form();
    const std::vector<std::pair<int, std::string>> texts = {
        {ids::kIdentity, "262143"},     {ids::kVersionA, "15"},
        {ids::kVersionB, "4"},          {ids::kBaseNumber, "63"},
        {ids::kOwnerName, "李大海号"},  {ids::kOwnerText, "福建省宁德市渔船"},
        {ids::kDefaultNumber, "254"},   {ids::kOffNet, "50000"},
        {ids::kDefaultTx, "4000125"},   {ids::kDefaultRx, "0"},
        {ids::kTablePage, "63"},        {ids::kAlarmNumber, "10501"},
        {ids::kKeyParameter, "0"},      {ids::kKeyWord, "海鹰"},
        {ids::kRollCallTimeout, "255"}, {ids::kOffNetTimeout, "0"},
        {ids::kChannelHold, "17"},      {ids::kPttHold, "99"},
    };
    for (const auto& [id, text] : texts) f.setText(id, text);
    const std::array<std::string, 4> tx = {"4000000", "4000125", "0", "8191750"};
    const std::array<std::string, 4> rx = {"125", "250", "4100000", "4100125"};
    for (std::size_t r = 0; r < 4; ++r) {
        f.setText(ids::kRowTx[r], tx[r]);
        f.setText(ids::kRowRx[r], rx[r]);
    }
    f.click(ids::kSpacing12_5);
    f.click(ids::kAuthOn);
    f.click(ids::kAnalogShip);
    f.click(ids::kAlarmByPhone);
    f.click(ids::kEncryptOn);
    f.click(ids::kPower20W);
    f.select(ids::kSystemCategory, 2);
    f.click(ids::kSetIdentity);
    b.advance(100);
    EXPECT_EQ(b.session.statusBar.text(2), "电台身份码设置成功");
    f.click(2091);
    b.advance(2500);
    EXPECT_EQ(b.session.statusBar.text(2), "查询电台状态返回成功");
    EXPECT_EQ(b.prompter.texts(), std::vector<std::string>{"确认写录数据?"});

    auto written = std::move(b.container);
    b.container = std::make_unique<families::qx710::CQX710>(b.session);
    b.session.theComm.SetWnd(b.container.get());
    b.form().setText(ids::kTablePage, "63");
    b.form().click(2090);
    b.advance(1500);
    EXPECT_EQ(b.session.statusBar.text(2), "查询电台状态返回成功");
    EXPECT_EQ(b.session.statusBar.text(1), sim::Qx710Terminal::kFactoryVersion);
    auto& g = b.form();
    for (const auto& [id, text] : texts) EXPECT_EQ(g.text(id), text) << id;
    for (std::size_t k = 0; k < 4; ++k) {
        EXPECT_EQ(g.text(ids::kRowTx[k]), tx[k]);
        EXPECT_EQ(g.text(ids::kRowRx[k]), rx[k]);
        EXPECT_EQ(g.text(ids::kRowLabels[k]), std::to_string(252 + k));
    }
    for (int group : {ids::kSpacing25, ids::kAuthOn, ids::kControlDesk, ids::kAlarmByIdentity,
                      ids::kEncryptOn, ids::kPower5W})
        EXPECT_EQ(g.radio(group), written->page(0).form().radio(group)) << group;
    EXPECT_EQ(g.selection(ids::kSystemCategory), 2);
    EXPECT_EQ(b.container->state().freqStep, 125);
    EXPECT_EQ(b.prompter.boxes.size(), 1u);  // no failure anywhere
}

TEST(Qx710Sim, TestCommandsAreAnsweredByTheSimulatedStation) {
    Qx710Bench b(/*simulated=*/true);
    const std::pair<std::pair<int, int>, std::string> clicks[] = {
        {{1, 2048}, "召集数据返回成功"}, {{1, 1110}, "点名数据回送返回成功"},
        {{2, 1054}, "GPS写入成功"},      {{2, 2065}, "信道切换成功"},
        {{2, 2073}, "呼叫发起成功"},     {{2, 1045}, "呼叫分配成功"},
        {{2, 3075}, "透明传输成功"},     {{2, 3074}, "透明传输模式设置成功"},
        {{2, 3076}, "动态重组成功"},     {{2, 3077}, "动态重组取消成功"},
        {{2, 2044}, "强拆信道成功"},     {{2, 3047}, "指定船台呼叫成功"},
    };
    for (const auto& [where, status] : clicks) {
        b.form(where.first).click(where.second);
        b.advance(200);
        EXPECT_EQ(b.session.statusBar.text(2), status) << where.second;
    }
    EXPECT_TRUE(b.prompter.boxes.empty());
}
