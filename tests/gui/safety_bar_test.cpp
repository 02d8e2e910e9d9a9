// The safety net in the window, on the built-in simulated terminal: "全部读取" keeps the read,
// "比较" lists the fields changed since and a click shows one, "恢复" brings a kept read back
// into the forms, Ctrl+Z / Ctrl+Y undo and redo on a page, "写前备份" is remembered.
#include "gui/safety_bar.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>
#include <algorithm>

#include "engine/read_history.h"
#include "engine/user_settings.h"
#include "engine/write_verify.h"
#include "gui/safety_dialogs.h"
#include "gui_fixture.h"
#include "link/link_opener.h"

namespace rb::gui {
namespace {

class SafetyBarTest : public GuiFixture {
protected:
    void startOnSimulator() {
        session.theComm.setOpener(link::makeLinkOpener(timers));
        make();
        PortSettings sim;
        sim.device = "sim";
        sim.commBaudRate = 9600;
        ASSERT_TRUE(window->start(sim));
        bar = window->containerWidget("lm52r")->findChild<SafetyBar*>();
        ASSERT_NE(bar, nullptr);
        container = window->activeContainer();
    }
    // The control of page `page` named `label` as verify names it.
    int idOf(std::size_t page, const std::string& label) {
        for (const auto& [id, name] : engine::fieldLabels(container->page(page).form())) {
            if (name == label) return id;
        }
        ADD_FAILURE() << label;
        return 0;
    }
    std::vector<engine::HistoryEntry> history() const {
        return engine::ReadHistory(session.paths.dataDir).list("lm52r");
    }
    void readAll() {
        bar->findChild<QPushButton*>(QString::number(safety_ids::kReadAll))->click();
        timers.advance(engine::Millis{10000});
    }

    SafetyBar* bar = nullptr;
    engine::Container* container = nullptr;
};

TEST_F(SafetyBarTest, CompareWithTheLatestReadListsTheThreeChangedFields) {
    startOnSimulator();
    readAll();
    ASSERT_EQ(history().size(), 1U) << prompter.lastText();
    EXPECT_TRUE(container->isClean());

    const struct {
        std::size_t page;
        std::string label, value;
    } edits[] = {
        {0, "信道03 发射频率", "4100500"}, {0, "声控电平", "400"}, {1, "机主姓名", "赵六"}};
    std::vector<std::string> before;
    for (const auto& e : edits) {
        engine::FormModel& f = container->page(e.page).form();
        before.push_back(f.text(idOf(e.page, e.label)));
        ASSERT_TRUE(f.type(idOf(e.page, e.label), e.value));
    }
    EXPECT_FALSE(container->isClean());

    bar->findChild<QPushButton*>(QString::number(safety_ids::kCompare))->click();
    auto* dialog = window->findChild<CompareDialog*>();
    ASSERT_NE(dialog, nullptr);
    ASSERT_EQ(dialog->differences().size(), 3U);
    ASSERT_EQ(dialog->list()->count(), 3);
    for (std::size_t i = 0; i < 3; ++i) {
        // Each edited field is listed once, under its page, with both values.
        const auto& all = dialog->differences();
        const int id = idOf(edits[i].page, edits[i].label);
        const auto d = std::find_if(all.begin(), all.end(), [&](const auto& x) {
            return x.page == edits[i].page && x.field.id == id;
        });
        ASSERT_NE(d, all.end()) << edits[i].label;
        EXPECT_EQ(d->field.label, edits[i].label);
        EXPECT_EQ(d->field.written, before[i]) << "the kept read's value";
        EXPECT_EQ(d->field.read, edits[i].value) << "the form's value";
        const int row = int(d - all.begin());
        EXPECT_EQ(dialog->list()->item(row)->text().toStdString(), engine::describeChange(*d));
    }
    // A click on the name shows its page and field.
    dialog->show();
    window->show();
    QTest::mouseClick(dialog->list()->viewport(), Qt::LeftButton, {},
                      dialog->list()->visualItemRect(dialog->list()->item(2)).center());
    ASSERT_EQ(dialog->differences()[2].page, 1U) << "the user page's field comes last";
    EXPECT_EQ(container->currentTab(), 1U);
    EXPECT_EQ(window->containerWidget("lm52r")->tabs()->currentIndex(), 1);
    QWidget* name = window->containerWidget("lm52r")->pageView(1)->widget(idOf(1, "机主姓名"));
    EXPECT_EQ(window->focusWidget(), name);
    dialog->close();
}

TEST_F(SafetyBarTest, RestoreBringsAKeptReadBackIntoTheForms) {
    startOnSimulator();
    readAll();
    const int vox = idOf(0, "声控电平");
    engine::FormModel& base = container->page(0).form();
    const std::string kept = base.text(vox);
    ASSERT_TRUE(base.type(vox, "401"));
    bar->findChild<QPushButton*>(QString::number(safety_ids::kHistory))->click();
    auto* dialog = window->findChild<HistoryDialog*>();
    ASSERT_NE(dialog, nullptr);
    ASSERT_EQ(dialog->list()->count(), 1);
    dialog->findChild<QPushButton*>(QStringLiteral("history_restore"))->click();
    EXPECT_EQ(base.text(vox), kept);
    EXPECT_EQ(prompter.lastText(), "文件打开成功!");
    // The load is an edit like any other: undone, the typed value is back.
    EXPECT_TRUE(bar->undo());
    EXPECT_EQ(base.text(vox), "401");
}

TEST_F(SafetyBarTest, CtrlZAndCtrlYOnAPageWinOverTheEditsOwnUndo) {
    startOnSimulator();
    window->show();
    const int vox = idOf(0, "声控电平");
    auto* edit =
        qobject_cast<QLineEdit*>(window->containerWidget("lm52r")->pageView(0)->widget(vox));
    ASSERT_NE(edit, nullptr);
    engine::FormModel& base = container->page(0).form();
    const std::string start = base.text(vox);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_End);
    QTest::keyClicks(edit, "9");
    const std::string typed = base.text(vox);
    ASSERT_EQ(typed, start + "9");
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(base.text(vox), start);
    EXPECT_EQ(edit->text().toStdString(), start);
    QTest::keyClick(edit, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(base.text(vox), typed);
    EXPECT_EQ(edit->text().toStdString(), typed);
}

TEST_F(SafetyBarTest, BackupBeforeWriteIsOffAtFirstAndRemembered) {
    startOnSimulator();
    auto* item = window->findChild<QAction*>(QString::number(main_ids::kMenuBackupBeforeWrite));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), QStringLiteral("写前备份(&B)"));
    EXPECT_FALSE(item->isChecked());
    EXPECT_FALSE(bar->backup().enabled());
    item->trigger();
    EXPECT_TRUE(bar->backup().enabled());
    EXPECT_EQ(engine::readOption(session.paths, engine::kBackupBeforeWriteKey), "1");

    // With it on, the base page's write first reads the terminal into the history.
    container->page(0).form().click(engine::kWriteButton);
    timers.advance(engine::Millis{10000});
    EXPECT_EQ(history().size(), 1U) << prompter.lastText();
    ASSERT_FALSE(prompter.boxes.empty());
    EXPECT_EQ(prompter.boxes.front().text, engine::kConfirmWrite);

    window.reset();
    make();
    item = window->findChild<QAction*>(QString::number(main_ids::kMenuBackupBeforeWrite));
    EXPECT_TRUE(item->isChecked());
}

}  // namespace
}  // namespace rb::gui
