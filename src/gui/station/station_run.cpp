// A run of the station: the plan read from its file and carried out over the production page,
// the steps and measurements shown as the runner reports them, the outcome kept in the list.
#include <QBrush>
#include <QDateTime>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>

#include "cli/script_runner.h"
#include "gui/language/language.h"
#include "gui/station/station_window.h"
#include "plan/measure.h"

namespace rb::gui::station {

namespace {

const QColor kRunningStep(0xff, 0xf5, 0x9d);
const QColor kPassColour(0x2e, 0x7d, 0x32);
const QColor kFailColour(0xc6, 0x28, 0x28);

QString qs(const std::string& text) { return QString::fromStdString(text); }

QString bound(const std::optional<double>& v) {
    return v ? qs(plan::numberText(*v)) : QStringLiteral("—");
}

void mark(QTreeWidgetItem& item, int column, bool pass, const QString& text) {
    item.setText(column, text);
    item.setForeground(column, QBrush(pass ? kPassColour : kFailColour));
}

}  // namespace

void StationWindow::start() {
    if (runner_) return;
    QFile file(planPath());
    if (planPath().isEmpty()) {
        session_.prompter.info("请先选择测试计划", "测试站", this);
        return;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        session_.prompter.info("无法读取测试计划: " + planPath().toStdString(), "测试站", this);
        return;
    }
    const std::string plan = file.readAll().toStdString();
    engine::Container* container = production_ ? production_() : nullptr;
    if (!container) {
        session_.prompter.info("生产测试页面未打开", "测试站", this);
        return;
    }
    runPlan(*container, plan);
}

void StationWindow::stop() {
    if (runner_) runner_->requestStop();
}

void StationWindow::runPlan(engine::Container& container, const std::string& plan) {
    const std::string unit = unit_->text().trimmed().toStdString();
    steps_->clear();
    stepIndex_ = -1;
    progress_->setValue(0);
    showBanner("测试中...", unit);

    // The window may go while a click is still waited for: nothing is touched after that.
    QPointer<StationWindow> self(this);
    cli::ScriptRunner runner(cli::ScriptHost{session_, *waiter_, nullptr, nullptr}, lines_);
    runner.attach("protest", container);
    runner.setPlanFile(planPath().toStdString());
    runner.presetUnit(unit);
    runner.planEvents.started = [self](const std::vector<std::string>& names) {
        if (self) self->showSteps(names);
    };
    runner.planEvents.stepStarted = [self](const std::string&) {
        if (self) self->stepStarted();
    };
    runner.planEvents.measured = [self](const units::Measurement& m) {
        if (self) self->measured(m);
    };
    runner.planEvents.finished = [self, &runner](const units::TestRun& run) {
        if (!self) return;
        self->finished(run);
        QStringList failed;
        for (const auto& f : runner.lastFailed()) failed << qs(f);
        self->history_->topLevelItem(0)->setText(3, failed.join(QStringLiteral(", ")));
    };
    runner_ = &runner;
    setRunning(true);
    std::istringstream in(plan);
    runner.run(in);
    lines_.str("");
    if (!self) return;
    runner_ = nullptr;
    setRunning(false);
    unit_->clear();
    unit_->setFocus();
}

void StationWindow::setRunning(bool on) {
    start_->setEnabled(!on);
    stop_->setEnabled(on);
    unit_->setReadOnly(on);
}

void StationWindow::showSteps(const std::vector<std::string>& names) {
    steps_->clear();
    for (const auto& name : names) new QTreeWidgetItem(steps_, {qs(name)});
    progress_->setRange(0, std::max<int>(1, int(names.size())));
    progress_->setValue(0);
}

void StationWindow::markStep(QTreeWidgetItem* step) {
    if (!step) return;
    QFont font = step->font(0);
    font.setBold(false);
    for (int c = 0; c < steps_->columnCount(); ++c) {
        step->setBackground(c, QBrush());
        step->setFont(c, font);
    }
    bool pass = true;
    for (int i = 0; i < step->childCount(); ++i) {
        if (!step->child(i)->data(5, Qt::UserRole).toBool()) pass = false;
    }
    mark(*step, 5, pass, pass ? QStringLiteral("✔") : QStringLiteral("✘"));
}

void StationWindow::stepStarted() {
    markStep(steps_->topLevelItem(stepIndex_));
    ++stepIndex_;
    progress_->setValue(stepIndex_);
    QTreeWidgetItem* step = steps_->topLevelItem(stepIndex_);
    if (!step) return;
    QFont font = step->font(0);
    font.setBold(true);
    for (int c = 0; c < steps_->columnCount(); ++c) {
        step->setBackground(c, QBrush(kRunningStep));
        step->setFont(c, font);
    }
    steps_->scrollToItem(step);
}

void StationWindow::measured(const units::Measurement& m) {
    QTreeWidgetItem* step = steps_->topLevelItem(stepIndex_);
    auto* item = step ? new QTreeWidgetItem(step) : new QTreeWidgetItem(steps_);
    const bool numeric = m.value || m.low || m.high || !m.unit.empty();
    item->setText(0, qs(m.name));
    item->setText(1, m.value ? qs(plan::numberText(*m.value)) : qs(m.text));
    if (numeric || m.reason == "no value") {
        item->setText(2, bound(m.low));
        item->setText(3, bound(m.high));
        item->setText(4, qs(m.unit));
    }
    const bool pass = m.verdict == "pass";
    item->setData(5, Qt::UserRole, pass);
    mark(*item, 5, pass, pass ? uiText("✔ 合格") : QStringLiteral("✘ ") + uiText(m.reason));
    if (step) step->setExpanded(true);
    steps_->scrollToItem(item);
}

void StationWindow::finished(const units::TestRun& run) {
    markStep(steps_->topLevelItem(stepIndex_));
    // Steps the run did not reach.
    for (int i = stepIndex_ + 1; i < steps_->topLevelItemCount(); ++i) {
        steps_->topLevelItem(i)->setText(5, uiText("跳过"));
        steps_->topLevelItem(i)->setForeground(5, QBrush(Qt::gray));
    }
    if (run.outcome == units::kRunPass) progress_->setValue(progress_->maximum());
    showBanner(run.outcome, run.unit);
    const QString when = QDateTime::fromMSecsSinceEpoch(run.endMs).toString("HH:mm:ss");
    auto* row = new QTreeWidgetItem({when, qs(run.unit), qs(run.outcome)});
    mark(*row, 2, run.outcome == units::kRunPass, qs(run.outcome));
    history_->insertTopLevelItem(0, row);
    while (history_->topLevelItemCount() > kHistoryLength) {
        delete history_->takeTopLevelItem(kHistoryLength);
    }
}

}  // namespace rb::gui::station
