// Every page of every type, the production and data-test pages, the monitor and the dialogs,
// laid out at the window's own size, in Chinese and in English: no control outside its parent,
// no two controls on top of each other, no caption or value cut off, and in English no Chinese
// caption left.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "families/catalog/catalog.h"
#include "families/protest/protest_container.h"
#include "families/protest/protest_ids.h"
#include "gui/geometry_faults.h"
#include "gui/monitor_window.h"
#include "gui_fixture.h"
#include "monitor/show_set.h"
#include "untranslated_texts.h"

namespace rb::gui {
namespace {

class GeometryTest : public GuiFixture, public ::testing::WithParamInterface<Language> {
protected:
    void SetUp() override { ASSERT_TRUE(useLanguage(GetParam())); }
    void TearDown() override { useLanguage(Language::Chinese); }
};

// The faults of a window, with the Chinese texts it still shows in English.
std::vector<QString> windowFaults(const QWidget& w, const QString& name, int* judged = nullptr) {
    auto faults = geometryFaults(w, name, judged);
    if (currentLanguage() == Language::English) {
        const auto untranslated = untranslatedTexts(w);
        noteMissingTexts(untranslated);
        for (const QString& t : untranslated)
            faults.push_back(name + QStringLiteral(": untranslated \"") + t + QLatin1Char('"'));
    }
    return faults;
}

std::string joinedFaults(const std::vector<QString>& faults) {
    QString all;
    for (const QString& f : faults) all += f + QLatin1Char('\n');
    return all.toStdString();
}

// Each tab of the container that shows, in turn.
std::vector<QString> tabFaults(MainWindow& window, const std::string& key) {
    std::vector<QString> faults;
    ContainerWidget* cw = window.containerWidget(key);
    if (!cw) return {QString::fromStdString(key + ": no window")};
    for (int i = 0; i < cw->tabs()->count(); ++i) {
        if (!cw->tabs()->isTabVisible(i)) continue;
        cw->tabs()->setCurrentIndex(i);
        QApplication::processEvents();
        int judged = 0;
        auto more = windowFaults(
            window, QString::fromStdString(key) + QStringLiteral(" tab %1").arg(i + 1), &judged);
        // The page's own controls were looked at, not only the window around them.
        if (judged < 40)
            more.push_back(
                QString::fromStdString(key) +
                QStringLiteral(" tab %1: only %2 widgets judged").arg(i + 1).arg(judged));
        faults.insert(faults.end(), more.begin(), more.end());
    }
    cw->tabs()->setCurrentIndex(0);
    return faults;
}

TEST_P(GeometryTest, EveryPageOfEveryTypeIsLaidOutWhole) {
    make();
    ASSERT_TRUE(window->start());
    window->show();
    QApplication::processEvents();
    const auto& types = families::terminalTypes();
    for (int i = 0; i < int(types.size()); ++i) {
        if (!types[std::size_t(i)].built) continue;
        window->showTerminalType(i);
        QApplication::processEvents();
        const auto faults = tabFaults(*window, families::containerKeyOf(types[std::size_t(i)].key));
        EXPECT_TRUE(faults.empty()) << joinedFaults(faults);
    }

    codes = {"4lotus"};
    window->showProductionTest();
    // A machine code as the page shows it after a read: seven digits.
    window->activeContainer()->page(0).form().setText(families::protest::ids::kMachineCode,
                                                      "0810001");
    QApplication::processEvents();
    auto faults = tabFaults(*window, MainWindow::kProductionTestKey);
    EXPECT_TRUE(faults.empty()) << joinedFaults(faults);
    // The data test shows in the production page's place.
    auto* bench = dynamic_cast<families::protest::CProTestContainer*>(window->activeContainer());
    ASSERT_NE(bench, nullptr);
    bench->page().form().click(families::protest::ids::kDataTestButton);
    QApplication::processEvents();
    faults = windowFaults(*window, QStringLiteral("data test"));
    EXPECT_TRUE(faults.empty()) << joinedFaults(faults);
}

TEST_P(GeometryTest, TheMonitorAndTheAutoReplyDialogAreLaidOutWhole) {
    make();
    ASSERT_TRUE(window->start());
    window->show();
    window->showMonitorWindow();
    MonitorWindow* m = window->monitorWindow();
    ASSERT_NE(m, nullptr);
    QApplication::processEvents();
    auto faults = windowFaults(*m, QStringLiteral("monitor"));
    EXPECT_TRUE(faults.empty()) << joinedFaults(faults);

    monitor::CShowSet set(m->monitor().autoReply(), session.paths.historyFile, prompter, "1");
    FormDialog d(set.form(), uiText(set.caption()), m);
    d.show();
    d.adjustSize();
    QApplication::processEvents();
    faults = windowFaults(d, QStringLiteral("auto reply"));
    EXPECT_TRUE(faults.empty()) << joinedFaults(faults);
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, GeometryTest,
                         ::testing::Values(Language::Chinese, Language::English),
                         [](const auto& info) {
                             return info.param == Language::English ? "English" : "Chinese";
                         });

// The checker itself: a squeezed caption, a child pushed out and two buttons on one spot are
// each found; a sound window gives nothing.
TEST(GeometryFaultsTest, FindsEachKindOfFault) {
    QWidget sound;
    auto* box = new QVBoxLayout(&sound);
    box->addWidget(new QPushButton(QStringLiteral("读取数据")));
    box->addWidget(new QLabel(QStringLiteral("终端类型:LM52R/LM520(串口速率:9600)")));
    sound.show();
    QApplication::processEvents();
    EXPECT_TRUE(geometryFaults(sound, QStringLiteral("sound")).empty());

    QWidget broken;
    broken.resize(200, 100);
    auto* squeezed = new QPushButton(QStringLiteral("设置序号范围并初始化机型"), &broken);
    squeezed->setGeometry(0, 0, 40, 24);
    auto* outside = new QLabel(QStringLiteral("x"), &broken);
    outside->setGeometry(190, 90, 40, 24);
    auto* a = new QPushButton(QStringLiteral("a"), &broken);
    auto* b = new QPushButton(QStringLiteral("b"), &broken);
    a->setGeometry(50, 40, 60, 30);
    b->setGeometry(70, 50, 60, 30);
    broken.show();
    QApplication::processEvents();
    const auto faults = geometryFaults(broken, QStringLiteral("broken"));
    const std::string all = joinedFaults(faults);
    EXPECT_NE(all.find("text cut off QPushButton \"设置序号范围并初始化机型\""), std::string::npos)
        << all;
    EXPECT_NE(all.find("QLabel \"x\" reaches outside"), std::string::npos) << all;
    EXPECT_NE(all.find("QPushButton \"a\" overlaps QPushButton \"b\""), std::string::npos) << all;
}

}  // namespace
}  // namespace rb::gui
