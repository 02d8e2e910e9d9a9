#include "gui/form_view.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QtTest/QTest>

#include "gui/qt_prompter.h"

namespace rb::gui {
namespace {

namespace l = engine::layout;

class FormViewTest : public ::testing::Test {
protected:
    FormViewTest() {
        f.addButton(1, "读取数据");
        f.addCheck(2, "开机");
        f.addRadio(3, "12.5KHz", 3);
        f.addRadio(4, "25KHz", 3).value = 1;
        f.addEdit(5, 7, "4000000");
        f.addSpin(6, 5, 0, 10, true);
        f.addCombo(7, {"9600", "19200"}, 0);
        f.addListBox(8, {"a", "b"});
        f.addStatic(9, "状态");
        f.addMultiEdit(10, "x");
        f.addProgress(11, 0, 50);
        f.addEdit(12);  // declared but not placed
        f.setLayout(l::column({
            l::row({l::ctl(1), l::ctl(2), l::stretch()}),
            l::group("信道间隔", l::row({l::ctl(3), l::ctl(4)})),
            l::grid(2, {l::label("频率"), l::row({l::ctl(5), l::ctl(6)}), l::ctl(7), l::ctl(8),
                        l::ctl(9), l::empty()}),
            l::ctl(10),
            l::ctl(11),
        }));
        f.onClick(1, [this] { ++clicks; });
        f.onChange(5, [this] { ++edits; });
        f.onChange(7, [this] { ++selects; });
    }
    template <class W>
    W* w(int id) {
        return qobject_cast<W*>(view->widget(id));
    }

    engine::FormModel f;
    std::unique_ptr<FormView> view = nullptr;
    int clicks = 0, edits = 0, selects = 0;
};

TEST_F(FormViewTest, WidgetsStartFromTheModel) {
    view = std::make_unique<FormView>(f);
    EXPECT_EQ(w<QPushButton>(1)->text(), "读取数据");
    EXPECT_EQ(w<QPushButton>(1)->objectName(), "1");
    EXPECT_FALSE(w<QCheckBox>(2)->isChecked());
    EXPECT_FALSE(w<QRadioButton>(3)->isChecked());
    EXPECT_TRUE(w<QRadioButton>(4)->isChecked());
    EXPECT_EQ(w<QLineEdit>(5)->text(), "4000000");
    EXPECT_EQ(w<QLineEdit>(5)->maxLength(), 7);
    EXPECT_EQ(w<QComboBox>(7)->count(), 2);
    EXPECT_EQ(w<QComboBox>(7)->currentIndex(), 0);
    EXPECT_EQ(w<QListWidget>(8)->count(), 2);
    EXPECT_EQ(w<QLabel>(9)->text(), "状态");
    EXPECT_EQ(w<QPlainTextEdit>(10)->toPlainText(), "x");
    EXPECT_EQ(w<QProgressBar>(11)->maximum(), 50);
    EXPECT_EQ(view->widget(12), nullptr);
}

TEST_F(FormViewTest, UserActionsReachTheModelById) {
    view = std::make_unique<FormView>(f);
    w<QPushButton>(1)->click();
    EXPECT_EQ(clicks, 1);
    w<QCheckBox>(2)->click();
    EXPECT_TRUE(f.checked(2));
    w<QRadioButton>(3)->click();
    EXPECT_EQ(f.radio(3), 0);
    EXPECT_FALSE(w<QRadioButton>(4)->isChecked());  // the model unchecks the other radio
    w<QRadioButton>(3)->click();                    // clicking a checked radio keeps it
    EXPECT_TRUE(w<QRadioButton>(3)->isChecked());

    w<QLineEdit>(5)->clear();
    QTest::keyClicks(w<QLineEdit>(5), "9");
    EXPECT_EQ(f.text(5), "9");
    EXPECT_GE(edits, 1);
    auto arrows = view->widget(6)->findChildren<QToolButton*>();
    ASSERT_EQ(arrows.size(), 2);
    view->widget(6)->findChild<QToolButton*>("up")->click();
    EXPECT_EQ(f.text(5), "10");
    view->widget(6)->findChild<QToolButton*>("up")->click();  // wraps
    EXPECT_EQ(w<QLineEdit>(5)->text(), "0");

    emit w<QComboBox>(7)->activated(1);
    EXPECT_EQ(f.selection(7), 1);
    EXPECT_EQ(selects, 1);
    w<QListWidget>(8)->setCurrentRow(1);
    EXPECT_EQ(f.selection(8), 1);
    w<QPlainTextEdit>(10)->setPlainText("7e 00");
    EXPECT_EQ(f.text(10), "7e 00");
}

TEST_F(FormViewTest, ModelChangesShowInTheWidgets) {
    view = std::make_unique<FormView>(f);
    f.setText(1, "停止显示");
    f.enable(1, false);
    f.show(2, false);
    f.setRadio(3, 0);
    f.setText(5, "123");
    f.setItems(7, {"a", "b", "c"});
    f.setSelection(7, 2);
    f.removeItem(8, 0);
    f.setColor(9, 0xFF0000);
    f.setText(10, "line");
    f.setValue(11, 25);
    EXPECT_EQ(w<QPushButton>(1)->text(), "停止显示");
    EXPECT_FALSE(w<QPushButton>(1)->isEnabled());
    EXPECT_TRUE(w<QCheckBox>(2)->isHidden());
    EXPECT_TRUE(w<QRadioButton>(3)->isChecked());
    EXPECT_FALSE(w<QRadioButton>(4)->isChecked());
    EXPECT_EQ(w<QLineEdit>(5)->text(), "123");
    EXPECT_EQ(w<QComboBox>(7)->currentText(), "c");
    EXPECT_EQ(w<QListWidget>(8)->count(), 1);
    EXPECT_TRUE(w<QLabel>(9)->styleSheet().contains("#ff0000"));
    EXPECT_EQ(w<QPlainTextEdit>(10)->toPlainText(), "line");
    EXPECT_EQ(w<QProgressBar>(11)->value(), 25);
    // Setting from the model fires no handler.
    EXPECT_EQ(edits, 0);
    EXPECT_EQ(selects, 0);

    // A disabled control refuses the click; the widget shows the model again.
    f.enable(2, false);
    f.show(2, true);
    w<QCheckBox>(2)->setEnabled(true);
    w<QCheckBox>(2)->click();
    EXPECT_FALSE(f.checked(2));
    EXPECT_FALSE(w<QCheckBox>(2)->isChecked());
}

TEST_F(FormViewTest, ModelWithoutLayoutShowsEveryControl) {
    engine::FormModel plain;
    plain.addButton(1, "a");
    plain.addEdit(2);
    FormView v(plain);
    EXPECT_NE(v.widget(1), nullptr);
    EXPECT_NE(v.widget(2), nullptr);
}

TEST(QtFileFilter, ClassicFiltersBecomeQtFilters) {
    EXPECT_EQ(qtFileFilter("配置文件(*.ini)|*.ini||"), "配置文件(*.ini)");
    EXPECT_EQ(qtFileFilter("Text|*.txt|All|*.*||"), "Text (*.txt);;All (*.*)");
}

}  // namespace
}  // namespace rb::gui
