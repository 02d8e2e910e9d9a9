#include "gui/yield_chart_tab.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QVBoxLayout>
#include <QValueAxis>

#include "gui/language/language.h"
#include "units/reports.h"

namespace rb::gui {

YieldChartTab::YieldChartTab(QWidget* parent) : QWidget(parent) {
    auto* box = new QVBoxLayout(this);
    note_ = new QLabel;
    box->addWidget(note_);
    view_ = new QChartView;
    view_->setRenderHint(QPainter::Antialiasing);
    box->addWidget(view_, 1);
}

void YieldChartTab::fill(units::UnitStore& store) {
    std::string error;
    const auto report = units::yieldReport(store, units::YieldGroup::Day, std::nullopt, &error);
    auto* chart = new QChart;
    chart->setTitle(uiText("每日良率"));
    view_->setChart(chart);  // the view owns it and drops the previous one
    if (!report) {
        note_->setText(uiText("测试记录无法读取: ") + uiText(error));
        return;
    }
    if (report->groups.empty()) {
        note_->setText(uiText("还没有测试记录"));
        return;
    }
    auto* first = new QBarSet(uiText("首次通过率"));
    auto* final = new QBarSet(uiText("最终通过率"));
    QStringList days;
    int units = 0;
    for (const auto& g : report->groups) {
        days << QString::fromStdString(g.key);
        *first << g.firstPassYield() * 100;
        *final << g.finalYield() * 100;
        units += g.units;
    }
    auto* series = new QBarSeries;
    series->append(first);
    series->append(final);
    series->setLabelsVisible(true);
    series->setLabelsFormat(QStringLiteral("@value%"));
    series->setLabelsPrecision(3);
    chart->addSeries(series);
    auto* x = new QBarCategoryAxis;
    x->append(days);
    chart->addAxis(x, Qt::AlignBottom);
    series->attachAxis(x);
    auto* y = new QValueAxis;
    y->setRange(0, 100);
    y->setLabelFormat(QStringLiteral("%d%"));
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(y);
    note_->setText(uiText("%1 天, 每天测试的单元合计 %2").arg(days.size()).arg(units));
}

}  // namespace rb::gui
