// The records window's charts over a database with test runs: one bar per day and yield
// series, and the control chart of a measurement with its limits and the mean ± 3σ lines.
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QLabel>
#include <QLineSeries>
#include <QTabWidget>
#include <QTemporaryDir>

#include "gui/control_chart_tab.h"
#include "gui/unit_records_dialog.h"
#include "gui/yield_chart_tab.h"
#include "gui_fixture.h"
#include "units/unit_store.h"

namespace rb::gui {
namespace {

units::TestRun run(const char* id, const char* unit, std::int64_t start, const char* outcome,
                   double value) {
    units::TestRun r;
    r.runId = id;
    r.unit = unit;
    r.startMs = start;
    r.endMs = start + 1000;
    r.outcome = outcome;
    units::Measurement m;
    m.step = "监测";
    m.name = "场强电压";
    m.value = value;
    m.low = 3.0;
    m.high = 3.6;
    m.verdict = "pass";
    r.measurements = {m};
    return r;
}

TEST(RecordChartsTest, YieldBarsPerDayAndAControlChartWithItsLines) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("units.sqlite").toStdString();
    {
        units::UnitStore store;
        std::string error;
        ASSERT_TRUE(store.openForWriting(path, &error)) << error;
        const std::int64_t day = 86400000, t0 = 1796803200000;
        for (const auto& r :
             {run("a", "U1", t0, "PASS", 3.1), run("b", "U2", t0 + 1, "FAIL", 3.3),
              run("c", "U2", t0 + 2, "PASS", 3.5), run("d", "U3", t0 + day, "PASS", 3.3)})
            ASSERT_TRUE(store.insertRun(r, &error)) << error;
    }
    UnitRecordsDialog d;
    d.fill(path, "U1");
    ASSERT_EQ(d.tabs()->count(), 3);
    EXPECT_EQ(d.tabs()->tabText(1), "良率");
    EXPECT_EQ(d.tabs()->tabText(2), "控制图");

    const auto series = d.yieldTab()->view()->chart()->series();
    ASSERT_EQ(series.size(), 1);
    auto* bars = qobject_cast<QBarSeries*>(series[0]);
    ASSERT_NE(bars, nullptr);
    ASSERT_EQ(bars->count(), 2);
    // Day 1: U1 and U2, first pass 1 of 2, final 2 of 2; day 2: U3 passed.
    EXPECT_DOUBLE_EQ(bars->barSets()[0]->at(0), 50.0);
    EXPECT_DOUBLE_EQ(bars->barSets()[1]->at(0), 100.0);
    EXPECT_DOUBLE_EQ(bars->barSets()[0]->at(1), 100.0);

    ControlChartTab* c = d.controlTab();
    EXPECT_EQ(c->names()->currentText(), "场强电压");
    QStringList names;
    for (auto* s : c->view()->chart()->series()) names << s->name();
    EXPECT_EQ(names, (QStringList{"场强电压", "下限", "上限", "均值", "均值+3σ", "均值-3σ"}));
    auto* values = qobject_cast<QLineSeries*>(c->view()->chart()->series()[0]);
    ASSERT_NE(values, nullptr);
    ASSERT_EQ(values->count(), 4);
    EXPECT_DOUBLE_EQ(values->at(2).y(), 3.5);  // in the order the runs started
    // Mean 3.3, s = sqrt((0.04 + 0 + 0.04 + 0) / 3) = 0.163299; Cpk = 0.3 / 0.489898 = 0.612372.
    EXPECT_TRUE(c->note()->text().contains("Cpk 0.612372")) << c->note()->text().toStdString();
}

}  // namespace
}  // namespace rb::gui
