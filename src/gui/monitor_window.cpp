#include "gui/monitor_window.h"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTabWidget>
#include <QTextCursor>
#include <QVBoxLayout>

#include "gui/container_widget.h"
#include "gui/frame_list.h"
#include "gui/language/language.h"
#include "monitor/monitor_ids.h"

namespace rb::gui {

MonitorWindow::MonitorWindow(monitor::CMonitorDlg& monitor, ModalRunner runModal, QWidget* parent)
    : QDialog(parent), monitor_(monitor), runModal_(std::move(runModal)) {
    trace_ = new QPlainTextEdit;
    trace_->setObjectName(QString::number(monitor::monitor_ids::kTraceBox));
    trace_->setReadOnly(true);
    trace_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    trace_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    trace_->setPlainText(QString::fromStdString(monitor_.trace().text()).remove(QLatin1Char('\r')));

    frames_ = new FrameList(monitor_);
    views_ = new QTabWidget;
    views_->addTab(frames_, uiText("帧列表"));
    views_->addTab(trace_, uiText("文本"));
    views_->setTabToolTip(0, uiText("每一帧一行: 时间(毫秒)、方向、命令、字节"));
    views_->setTabToolTip(1, uiText("收发数据的原始文本"));

    view_ = new FormView(monitor_.form());
    if (QWidget* send = view_->widget(monitor::monitor_ids::kSendBox)) send->setMaximumHeight(70);

    auto* box = new QVBoxLayout(this);
    box->addWidget(views_, 1);
    box->addWidget(view_);
    resize(680, 600);

    monitor_.traceChanged = [this](const monitor::TraceUpdate& u) { appendTrace(u); };
    monitor_.hideRequested = [this] { hide(); };
    monitor_.showDialog = [this](monitor::CShowSet& dlg) {
        FormDialog d(dlg.form(), uiText(dlg.caption()), this);
        d.resize(560, 380);
        dlg.closed = [&d](monitor::CShowSet::Result r) {
            d.done(r == monitor::CShowSet::Result::Ok ? QDialog::Accepted : QDialog::Rejected);
        };
        runModal_(d);
        dlg.closed = nullptr;
        // Escape or the close box end it like "取消".
        if (dlg.result() == monitor::CShowSet::Result::Open) dlg.OnCancel();
    };
    refreshCaption();
}

MonitorWindow::~MonitorWindow() {
    monitor_.traceChanged = nullptr;
    monitor_.hideRequested = nullptr;
    monitor_.showDialog = nullptr;
}

void MonitorWindow::refreshCaption() { setWindowTitle(uiText(monitor_.caption())); }

void MonitorWindow::appendTrace(const monitor::TraceUpdate& update) {
    if (update.cleared) trace_->clear();
    if (update.appended.empty()) return;
    QString text = QString::fromStdString(update.appended);
    text.remove(QLatin1Char('\r'));
    QTextCursor end(trace_->document());
    end.movePosition(QTextCursor::End);
    end.insertText(text);
    trace_->verticalScrollBar()->setValue(trace_->verticalScrollBar()->maximum());
}

void MonitorWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    hide();
    if (closedByTitleBar) closedByTitleBar();
}

}  // namespace rb::gui
