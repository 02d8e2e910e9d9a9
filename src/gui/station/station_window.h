// StationWindow "测试站": the operator's screen of a factory line. A plan file is chosen once
// (remembered); the unit field has the focus and takes a barcode scanner's keystrokes, Enter or
// 开始 runs the plan over the production page underneath, 停止 ends it (ABORTED). The steps
// and their measurements show as they happen (the running step highlighted, each measurement
// with its value, limits and mark), a progress bar goes over the steps, and the outcome stays
// as a large PASS (green) or FAIL (red) banner until the next unit starts. The last ten units
// of the session are listed with their outcomes.
//
// A run waits in local event loops as the command line does, so the window and the page stay
// live; a plan's `prompt` is a box with 确定 / 取消 through the session's prompter.
#pragma once

#include <QWidget>
#include <functional>
#include <sstream>

#include "cli/event_waiter.h"
#include "engine/container.h"
#include "engine/session.h"
#include "units/test_run.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace rb::cli {
class ScriptRunner;
}

namespace rb::gui::station {

// The option the chosen plan file is remembered under.
inline constexpr const char* kPlanFileKey = "StationPlan";
inline constexpr int kHistoryLength = 10;

class StationWindow : public QWidget {
    Q_OBJECT
public:
    // `production` gives the production page's container the plan drives, or null when it
    // cannot be shown.
    StationWindow(engine::Session& session, std::function<engine::Container*()> production,
                  QWidget* parent = nullptr);
    ~StationWindow() override;

    // How a run waits: the window's own event loop, or another waiter (a test's manual clock).
    void setWaiter(cli::EventWaiter* waiter) { waiter_ = waiter ? waiter : &ownWaiter_; }
    void setPlanPath(const QString& path);  // and remembers it
    QString planPath() const;
    bool running() const { return runner_ != nullptr; }
    void start();  // 开始, or Enter in the unit field
    void stop();   // 停止

    QLineEdit* unitEdit() const { return unit_; }
    QLabel* banner() const { return banner_; }
    QTreeWidget* steps() const { return steps_; }
    QTreeWidget* history() const { return history_; }
    QProgressBar* progress() const { return progress_; }
    QPushButton* startButton() const { return start_; }
    QPushButton* stopButton() const { return stop_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void build();
    void choosePlan();
    void runPlan(engine::Container& container, const std::string& plan);
    void showSteps(const std::vector<std::string>& names);
    void stepStarted();
    void measured(const units::Measurement& m);
    void finished(const units::TestRun& run);
    void showBanner(const std::string& outcome, const std::string& unit);
    void markStep(QTreeWidgetItem* step);
    void setRunning(bool on);

    engine::Session& session_;
    std::function<engine::Container*()> production_;
    cli::QtEventWaiter ownWaiter_;
    cli::EventWaiter* waiter_ = &ownWaiter_;
    cli::ScriptRunner* runner_ = nullptr;  // while a run is in progress
    std::ostringstream lines_;             // the runner's JSON lines, not shown
    int stepIndex_ = -1;

    QLineEdit* plan_ = nullptr;
    QLineEdit* unit_ = nullptr;
    QPushButton* start_ = nullptr;
    QPushButton* stop_ = nullptr;
    QTreeWidget* steps_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* banner_ = nullptr;
    QTreeWidget* history_ = nullptr;
};

}  // namespace rb::gui::station
