#include "gui/control_chart_tab.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QPen>
#include <QScatterSeries>
#include <QVBoxLayout>
#include <QValueAxis>

#include "gui/language/language.h"
#include "units/reports.h"

namespace rb::gui {

namespace {

// A level across the chart from sample 1 to n.
QLineSeries* level(const QString& name, double y, int n, const QColor& colour, Qt::PenStyle style) {
    auto* s = new QLineSeries;
    s->setName(name);
    s->append(1, y);
    s->append(std::max(n, 2), y);
    QPen pen(colour);
    pen.setStyle(style);
    pen.setWidth(2);
    s->setPen(pen);
    return s;
}

QString number(double v) { return QString::number(v, 'g', 6); }

QString noCpkText(const std::string& why) {
    if (why == "no values") return uiText("没有数值");
    if (why == "no limits") return uiText("没有上下限");
    if (why == "fewer than 2 values") return uiText("数值少于2个");
    if (why == "standard deviation is 0") return uiText("σ为0");
    return uiText(why);
}

}  // namespace

ControlChartTab::ControlChartTab(QWidget* parent) : QWidget(parent) {
    auto* box = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(uiText("测量项:")));
    names_ = new QComboBox;
    names_->setMinimumContentsLength(12);
    row->addWidget(names_);
    note_ = new QLabel;
    row->addWidget(note_, 1);
    box->addLayout(row);
    view_ = new QChartView;
    view_->setRenderHint(QPainter::Antialiasing);
    box->addWidget(view_, 1);
}

void ControlChartTab::fill(units::UnitStore& store) {
    std::string error;
    const auto names = units::measurementNames(store, &error);
    names_->blockSignals(true);
    names_->clear();
    if (names)
        for (const auto& n : *names) names_->addItem(QString::fromStdString(n));
    names_->blockSignals(false);
    if (!names) {
        view_->setChart(new QChart);
        note_->setText(uiText("测试记录无法读取: ") + uiText(error));
        return;
    }
    if (names->empty()) {
        view_->setChart(new QChart);
        note_->setText(uiText("还没有带数值的测量"));
        return;
    }
    show(store, names_->currentText());
}

void ControlChartTab::show(units::UnitStore& store, const QString& name) {
    std::string error;
    const std::string key = name.toStdString();
    const auto points = units::measurementSeries(store, key, &error);
    const auto stats =
        points ? units::measurementStats(store, key, std::nullopt, &error) : std::nullopt;
    auto* chart = new QChart;
    chart->setTitle(name + uiText(" 控制图"));
    view_->setChart(chart);
    if (!stats) {
        note_->setText(uiText("测试记录无法读取: ") + uiText(error));
        return;
    }
    auto* values = new QLineSeries;
    values->setName(name);
    values->setPointsVisible(true);
    int x = 0;
    for (const auto& p : *points) values->append(++x, p.value);
    chart->addSeries(values);
    const int n = int(points->size());
    if (stats->low) chart->addSeries(level(uiText("下限"), *stats->low, n, Qt::red, Qt::SolidLine));
    if (stats->high)
        chart->addSeries(level(uiText("上限"), *stats->high, n, Qt::red, Qt::SolidLine));
    chart->addSeries(level(uiText("均值"), stats->mean, n, QColor(0, 140, 0), Qt::SolidLine));
    if (stats->n > 1) {
        const QColor orange(230, 140, 0);
        chart->addSeries(
            level(uiText("均值+3σ"), stats->mean + 3 * stats->sd, n, orange, Qt::DashLine));
        chart->addSeries(
            level(uiText("均值-3σ"), stats->mean - 3 * stats->sd, n, orange, Qt::DashLine));
    }
    chart->createDefaultAxes();
    if (auto* xAxis = qobject_cast<QValueAxis*>(chart->axes(Qt::Horizontal).value(0))) {
        xAxis->setLabelFormat(QStringLiteral("%d"));
        xAxis->setTitleText(uiText("单元 (按测试时间)"));
    }
    QString text =
        uiText("n=%1  均值 %2  σ %3").arg(stats->n).arg(number(stats->mean), number(stats->sd));
    text += stats->cpk ? QStringLiteral("  Cpk %1").arg(number(*stats->cpk))
                       : uiText("  无 Cpk: ") + noCpkText(stats->noCpk);
    note_->setText(text);
}

}  // namespace rb::gui
