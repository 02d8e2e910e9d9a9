// "单元记录" on the production-test page opens the read-only records of the current unit,
// newest first, without a modal loop; it follows the unit once its code is written.
#include <QApplication>
#include <QPushButton>
#include <QTableWidget>

#include "gui/unit_records_dialog.h"
#include "gui_fixture.h"
#include "link/link_opener.h"

namespace rb::gui {
namespace {

using namespace main_ids;
using UnitRecordsTest = GuiFixture;

TEST_F(UnitRecordsTest, TheButtonShowsTheCurrentUnitsRecordsNewestFirst) {
    session.theComm.setOpener(link::makeLinkOpener(timers));
    make();
    PortSettings sim;
    sim.device = "sim";
    sim.commBaudRate = 9600;
    ASSERT_TRUE(window->start(sim));
    codes = {"4lotus"};
    mainButton(kProductionTest)->click();
    engine::FormModel& form = window->activeContainer()->page(0).form();
    form.click(1671);  // "全部读取"
    timers.advance(engine::Millis{3000});
    QPushButton* button = find(*window, 2087);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), "单元记录");
    button->click();

    UnitRecordsDialog* d = window->unitRecordsDialog();
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(d->isVisible());
    EXPECT_FALSE(d->isModal());
    EXPECT_EQ(d->windowTitle(), "单元记录 - 未知");
    QTableWidget* t = d->table();
    ASSERT_EQ(t->rowCount(), 12);  // two band reads, ten calibration sets
    EXPECT_EQ(t->item(0, 1)->text(), "基本参数");
    EXPECT_EQ(t->item(0, 2)->text(), "读取  第5行  高功率  210 211 212 213 214 215 216 217");
    EXPECT_EQ(t->item(11, 1)->text(), "频段表");
    EXPECT_EQ(t->item(0, 3)->text(), "成功");
    EXPECT_EQ(t->editTriggers(), QAbstractItemView::NoEditTriggers);

    form.setSelection(1145, 4);
    form.setText(1129, "08");
    form.setText(1146, "1");
    form.setText(1174, "0001");
    form.click(1152);  // "初始化机型"
    timers.advance(engine::Millis{100});
    button->click();
    EXPECT_EQ(d->windowTitle(), "单元记录 - 0810001");
    EXPECT_EQ(t->rowCount(), 13);
    EXPECT_EQ(t->item(0, 1)->text(), "机器码");

    // Every column fits in the view beside the scroll bar, the outcome as wide as its text.
    d->resize(820, 420);
    QApplication::processEvents();
    int total = 0;
    for (int c = 0; c < t->columnCount(); ++c) total += t->columnWidth(c);
    EXPECT_LE(total, t->viewport()->width());
    const QFontMetrics fm(t->font());
    EXPECT_GE(t->columnWidth(3), fm.horizontalAdvance(t->item(0, 3)->text()));
    EXPECT_GE(t->columnWidth(3), fm.horizontalAdvance(QStringLiteral("结果")));
}

}  // namespace
}  // namespace rb::gui
