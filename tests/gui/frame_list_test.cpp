// The monitor's frame list: rows follow the filter, keep their frames when the full log drops
// its oldest, colours and tips say the direction, the search selects the next match, and the
// command filter refuses what is not one byte.
#include "gui/frame_list.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>

#include "gui/monitor_window.h"
#include "gui_fixture.h"

namespace rb::gui {
namespace {

const char* sent(int code) {
    static std::string text;
    text = "\r\n\r\n发送信息(x)\r\n96 05 80 " + monitor::codeText(code) + " 00 01 ff ";
    return text.c_str();
}

QString bytesAt(const FrameListModel& m, int row) {
    return m.data(m.index(row, 3), Qt::DisplayRole).toString();
}

TEST(FrameListModelTest, RowsFollowTheFilterAndSurviveTheOldestFramesGoing) {
    monitor::FrameLog log(4);
    FrameListModel model(log);
    auto add = [&](const std::string& text) {
        ASSERT_TRUE(log.append(0, text));
        model.frameAdded();
    };
    add(sent(0x16));
    add("\r\n\r\n接收信息(x)\r\n96 05 80 17 00 01 ee ");
    add("\r\n信道频率读取成功!");
    ASSERT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.data(model.index(1, 1), Qt::DisplayRole).toString(), "接收");
    EXPECT_EQ(model.data(model.index(1, 2), Qt::DisplayRole).toString(), "17");
    // Sent and received rows differ in colour, and the tip says what the colour means.
    EXPECT_NE(model.data(model.index(0, 0), Qt::ForegroundRole),
              model.data(model.index(1, 0), Qt::ForegroundRole));
    EXPECT_TRUE(model.data(model.index(1, 3), Qt::ToolTipRole).toString().contains("终端发来"));

    monitor::FrameFilter onlySent;
    onlySent.received = false;
    onlySent.notes = false;
    model.setFilter(onlySent);
    ASSERT_EQ(model.rowCount(), 1);
    // The log holds four: two more sent frames push the first two out of it.
    add(sent(0x18));
    add(sent(0x1A));
    EXPECT_EQ(log.dropped(), 1u);
    ASSERT_EQ(model.rowCount(), 2);  // 0x16 went with the oldest
    EXPECT_EQ(bytesAt(model, 0), "96 05 80 18 00 01 FF");
    EXPECT_EQ(bytesAt(model, 1), "96 05 80 1A 00 01 FF");
    EXPECT_EQ(model.shownPositions(), (std::vector<std::size_t>{2, 3}));
    add("\r\n提示");  // filtered out, and the received one drops from the log
    EXPECT_EQ(model.rowCount(), 2);
    EXPECT_EQ(model.shownPositions(), (std::vector<std::size_t>{1, 2}));

    log.clear();
    model.cleared();
    EXPECT_EQ(model.rowCount(), 0);
}

using FrameListTest = GuiFixture;

TEST_F(FrameListTest, TheWindowsFilterAndSearchWorkOnTheSessionsFrames) {
    make();
    ASSERT_TRUE(window->start());
    window->showMonitorWindow();
    MonitorWindow* m = window->monitorWindow();
    ASSERT_NE(m, nullptr);
    FrameList* list = m->frameList();
    const int before = list->model()->rowCount();
    for (int code : {0x16, 0x99, 0x16}) session.AppendTrace(std::uint8_t(code), sent(code));
    ASSERT_EQ(list->model()->rowCount(), before + 3);

    list->codeFilter()->setText("16");  // as typed: the textChanged signal filters
    EXPECT_EQ(list->model()->rowCount(), 2);
    list->codeFilter()->setText("1g");
    EXPECT_EQ(list->model()->rowCount(), 0);
    const auto* note = list->findChild<QLabel*>();
    ASSERT_NE(note, nullptr);
    bool refused = false;
    for (auto* l : list->findChildren<QLabel*>())
        refused = refused || (l->isVisibleTo(list) && l->text().contains("十六进制字节"));
    EXPECT_TRUE(refused);
    list->codeFilter()->clear();

    list->openSearch();
    list->searchBox()->setText("80 99");
    ASSERT_TRUE(list->findNext());
    EXPECT_EQ(bytesAt(*list->model(), list->table()->currentIndex().row()), "96 05 80 99 00 01 FF");
    list->searchBox()->setText("no such bytes");
    EXPECT_FALSE(list->findNext());
}

}  // namespace
}  // namespace rb::gui
