// The monitor window: on top two views of the traffic — "帧列表", every frame of the session in
// a filtered, searchable, exportable list, and "文本", the classic trace box — and the monitor's
// rendered form below. The trace box only ever appends (or empties) — it is never given the
// whole text again.
#pragma once

#include <QDialog>
#include <functional>

#include "gui/form_view.h"
#include "gui/modal.h"
#include "monitor/monitor_dlg.h"

class QPlainTextEdit;
class QTabWidget;

namespace rb::gui {

class MonitorWindow : public QDialog {
    Q_OBJECT
public:
    MonitorWindow(monitor::CMonitorDlg& monitor, ModalRunner runModal, QWidget* parent = nullptr);
    // The monitor logic outlives the window: its hooks are released here.
    ~MonitorWindow() override;

    monitor::CMonitorDlg& monitor() { return monitor_; }
    QPlainTextEdit* traceBox() const { return trace_; }
    class FrameList* frameList() const {
        return frames_;
    }
    QTabWidget* views() const { return views_; }
    FormView* formView() const { return view_; }
    // Sets the caption "收发数据显示(Port:...)".
    void refreshCaption();

    // Closing from the title bar hides the window and puts the main window back in the middle.
    std::function<void()> closedByTitleBar;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void appendTrace(const monitor::TraceUpdate& update);

    monitor::CMonitorDlg& monitor_;
    ModalRunner runModal_;
    QPlainTextEdit* trace_;
    class FrameList* frames_;
    QTabWidget* views_;
    FormView* view_;
};

}  // namespace rb::gui
