// The test station over the production page on the simulated bench terminal (manual clock):
// a unit typed and Enter starts a run, the banner and the list show each outcome, the failing
// measurement is marked and the steps not reached are skipped.
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTest>
#include <QTreeWidget>
#include <fstream>

#include "cli/event_waiter.h"
#include "gui/station/station_window.h"
#include "gui_fixture.h"
#include "link/sim_link.h"
#include "sim/protest_terminal.h"

namespace rb::gui {
namespace {

using station::StationWindow;
using Monitor = sim::ProtestTerminal::Monitor;

constexpr const char* kPlan =
    "step 监测参数\n"
    "click 1150\n"
    "measure 场强电压 1162 200 400\n"
    "measure 数据质量 1164 200 255\n"
    "step 天线\n"
    "prompt 接好天线后按确定\n"
    "step 基本参数\n"
    "click 1153\n";

class StationTest : public GuiFixture {
protected:
    void SetUp() override {
        session.theComm.setOpener([this](const engine::PortRequest&) {
            auto terminal = std::make_unique<sim::ProtestTerminal>();
            bench = terminal.get();
            engine::OpenResult result;
            result.link = std::make_unique<link::SimLink>(std::move(terminal), timers);
            return result;
        });
        make();
        ASSERT_TRUE(window->start());
        codes = {"4lotus"};
        window->showStation();
        station = window->stationWindow();
        ASSERT_NE(station, nullptr);
        ASSERT_NE(bench, nullptr);
        station->setWaiter(&waiter);
        const std::string plan = dir.path().toStdString() + "/bench.plan";
        std::ofstream(plan) << kPlan;
        station->setPlanPath(QString::fromStdString(plan));
    }

    // What the operator does: types (or scans) the unit's label and presses Enter.
    void scan(const char* label) {
        QTest::keyClicks(station->unitEdit(), QString::fromUtf8(label));
        QTest::keyClick(station->unitEdit(), Qt::Key_Return);
    }
    QString banner() const { return station->banner()->text(); }
    QTreeWidgetItem* step(int i) const { return station->steps()->topLevelItem(i); }

    cli::ManualClockWaiter waiter{timers};
    sim::ProtestTerminal* bench = nullptr;
    StationWindow* station = nullptr;
};

TEST_F(StationTest, TypedTextAndEnterRunThePlanToPass) {
    EXPECT_TRUE(station->unitEdit()->hasFocus() || !station->isActiveWindow());
    scan("LBL-0001");
    EXPECT_EQ(banner(), QStringLiteral("PASS   LBL-0001"));
    EXPECT_FALSE(station->running());
    EXPECT_TRUE(station->unitEdit()->text().isEmpty());  // ready for the next label
    ASSERT_EQ(station->steps()->topLevelItemCount(), 3);
    ASSERT_EQ(step(0)->childCount(), 2);
    EXPECT_EQ(step(0)->child(0)->text(1), QStringLiteral("258"));
    EXPECT_EQ(step(0)->child(0)->text(2), QStringLiteral("200"));
    EXPECT_EQ(step(0)->child(0)->text(3), QStringLiteral("400"));
    EXPECT_EQ(step(0)->child(1)->text(1), QStringLiteral("231"));
    EXPECT_EQ(step(0)->child(1)->text(5), QStringLiteral("✔ 合格"));
    for (int i = 0; i < 3; ++i) EXPECT_EQ(step(i)->text(5), QStringLiteral("✔")) << i;
    EXPECT_EQ(station->progress()->value(), station->progress()->maximum());
    ASSERT_EQ(station->history()->topLevelItemCount(), 1);
    EXPECT_EQ(station->history()->topLevelItem(0)->text(1), QStringLiteral("LBL-0001"));
    EXPECT_EQ(station->history()->topLevelItem(0)->text(2), QStringLiteral("PASS"));
    EXPECT_NE(prompter.texts().end(),
              std::find(prompter.texts().begin(), prompter.texts().end(), "接好天线后按确定"));
}

struct RunCase {
    const char* what;
    std::optional<Monitor> monitor;
    engine::Answer prompt;
    const char* banner;
    const char* mark;  // step 0's second measurement
    const char* last;  // the last step's mark
    const char* failed;
    int measured;  // measurements of step 0 (a failure stops the plan)
};

TEST_F(StationTest, EachOutcomeShowsInTheBannerAndTheList) {
    const RunCase cases[] = {
        {"clean", Monitor{258, 772, 231}, engine::Answer::Ok, "PASS   U1", "✔ 合格", "✔", "", 2},
        {"quality out of limits", Monitor{258, 772, 120}, engine::Answer::Ok, "FAIL   U2",
         "✘ below 200", "跳过", "数据质量", 2},
        {"voltage out of limits", Monitor{655, 731, 231}, engine::Answer::Ok, "FAIL   U3",
         "✘ above 400", "跳过", "场强电压", 1},
        {"operator cancels", Monitor{258, 772, 231}, engine::Answer::Cancel, "ABORTED   U4",
         "✔ 合格", "跳过", "", 2},
    };
    int n = 0;
    for (const auto& c : cases) {
        bench->setMonitor(c.monitor);
        prompter.answers = {c.prompt};
        scan(("U" + std::to_string(++n)).c_str());
        EXPECT_EQ(banner(), QString::fromUtf8(c.banner)) << c.what;
        ASSERT_EQ(step(0)->childCount(), c.measured) << c.what;
        const QString mark = step(0)->child(c.failed == std::string("场强电压") ? 0 : 1)->text(5);
        EXPECT_EQ(mark, QString::fromUtf8(c.mark)) << c.what;
        EXPECT_EQ(step(2)->text(5), QString::fromUtf8(c.last)) << c.what;
        EXPECT_EQ(station->history()->topLevelItem(0)->text(3), QString::fromUtf8(c.failed))
            << c.what;
    }
    // Newest first.
    ASSERT_EQ(station->history()->topLevelItemCount(), 4);
    EXPECT_EQ(station->history()->topLevelItem(0)->text(1), QStringLiteral("U4"));
    EXPECT_EQ(station->history()->topLevelItem(3)->text(1), QStringLiteral("U1"));
}

TEST_F(StationTest, TheListKeepsTheLastTenUnits) {
    bench->setMonitor(Monitor{258, 772, 231});
    for (int i = 1; i <= 12; ++i) scan(("N" + std::to_string(i)).c_str());
    ASSERT_EQ(station->history()->topLevelItemCount(), station::kHistoryLength);
    EXPECT_EQ(station->history()->topLevelItem(0)->text(1), QStringLiteral("N12"));
    EXPECT_EQ(station->history()->topLevelItem(9)->text(1), QStringLiteral("N3"));
}

TEST_F(StationTest, ThePlanFileIsRemembered) {
    const QString plan = station->planPath();
    StationWindow again(session, [] { return nullptr; });
    EXPECT_EQ(again.planPath(), plan);
    // No page to drive: a message, no run.
    again.unitEdit()->setText("X");
    again.start();
    EXPECT_EQ(prompter.lastText(), "生产测试页面未打开");
    EXPECT_EQ(again.history()->topLevelItemCount(), 0);
}

}  // namespace
}  // namespace rb::gui
