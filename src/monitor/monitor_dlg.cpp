#include "monitor/monitor_dlg.h"

#include <chrono>

#include "engine/user_settings.h"
#include "ini/file_io.h"
#include "monitor/hex_input.h"
#include "monitor/monitor_ids.h"

namespace rb::monitor {

using namespace monitor_ids;

namespace {
constexpr const char* kRecordDefaultName = "收发记录";
constexpr const char* kRecordFilter = "记录文件(*.log)|*.log|所有文件(*.*)|*.*||";
constexpr const char* kRecordOpenFailed = "记录文件无法打开:";
// A request of the tool's own 0x96 form: the version query (0x99) every 0x96 terminal answers.
constexpr const char* kSendHint = "示例(十六进制):96 05 80 99 00 01 8B";
constexpr const char* kExportDefaultName = "收发帧";
constexpr const char* kExportFilter = "CSV文件(*.csv)|*.csv|所有文件(*.*)|*.*||";
constexpr const char* kExportFailed = "导出失败:";
constexpr const char* kRecordWriteFailed = "记录文件写入失败,已停止保存记录:";
}  // namespace

void CMonitorDlg::declareForm(engine::FormModel& f) {
    namespace l = engine::layout;
    f.addButton(kClearTrace, "清空显示");
    f.addButton(kStopTrace, "停止显示");
    f.addCheck(kSaveRecord, "保存记录");
    f.addButton(kCloseWindow, "关闭窗口");
    f.addMultiEdit(kSendBox);
    f.addButton(kClearSend, "清空");
    f.addCombo(kHistory, {});
    f.addButton(kSend, "发送");
    f.addButton(kSave, "保存");
    f.addButton(kConfigure, "配置");
    f.addButton(kRun, "运行");
    // The trace box (2084) sits above this form; the window places it.
    f.setLayout(l::column({
        l::row({l::ctl(kClearTrace), l::ctl(kStopTrace), l::ctl(kSaveRecord), l::stretch(),
                l::ctl(kCloseWindow)}),
        l::row({l::label(kSendHint), l::stretch(), l::ctl(kClearSend)}),
        l::ctl(kSendBox),
        l::ctl(kHistory),
        l::row({l::ctl(kSend), l::ctl(kSave), l::ctl(kConfigure), l::ctl(kRun)}),
    }));
}

CMonitorDlg::CMonitorDlg(engine::Session& session)
    : session_(session),
      history_(session.paths.historyFile),
      runner_(session, autoReply_),
      clock_([] {
          using namespace std::chrono;
          return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
      }) {
    declareForm(form_);
    form_.onClick(kClearTrace, [this] { OnClearTrace(); });
    form_.onClick(kStopTrace, [this] { OnStopTrace(); });
    form_.onClick(kSaveRecord, [this] { OnSaveRecord(); });
    form_.onClick(kCloseWindow, [this] {
        if (hideRequested) hideRequested();
    });
    form_.onClick(kClearSend, [this] { form_.setText(kSendBox, ""); });
    form_.onChange(kHistory, [this] {
        const int sel = form_.selection(kHistory);
        if (sel >= 0) form_.setText(kSendBox, form_.items(kHistory)[std::size_t(sel)]);
    });
    form_.onClick(kSend, [this] { OnSend(); });
    form_.onClick(kSave, [this] { OnSave(); });
    form_.onClick(kConfigure, [this] { OnConfigure(); });
    form_.onClick(kRun, [this] { RunReplyList(); });
    runner_.running = [this](bool on) { form_.enable(kSendBox, !on); };

    reloadHistory();
    session_.attachMonitor(
        [this](std::uint8_t code, const std::string& text) { AppendTrace(code, text); });
}

CMonitorDlg::~CMonitorDlg() { session_.attachMonitor(nullptr); }

std::string CMonitorDlg::caption() const {
    return std::string(kCaption) + "(Port:" + portLabel_ + ")";
}

void CMonitorDlg::AppendTrace(std::uint8_t code, const std::string& text) {
    if (record_.isOpen() && !record_.append(text)) {
        form_.setChecked(kSaveRecord, false);
        session_.prompter.info(std::string(kRecordWriteFailed) + record_.error(), "提示", this);
    }
    auto update = trace_.append(text);
    if (!update) return;  // stopped: the text is lost
    if (traceChanged) traceChanged(*update);
    if (frames_.append(clock_(), text) && frameAdded) frameAdded(frames_.frames().back());
    if (triggersAutoReply(autoReply_, code, text)) RunReplyList();
}

void CMonitorDlg::OnClearTrace() {
    trace_.clear();
    frames_.clear();
    if (traceChanged) traceChanged(TraceUpdate{true, {}});
    if (framesCleared) framesCleared();
}

void CMonitorDlg::OnStopTrace() {
    trace_.setStopped(!trace_.stopped());
    form_.setText(kStopTrace, trace_.stopped() ? "继续显示" : "停止显示");
}

void CMonitorDlg::OnSaveRecord() {
    if (!form_.checked(kSaveRecord)) {
        record_.close();
        return;
    }
    std::string last = engine::readOption(session_.paths, engine::kTraceFileKey);
    // The record is appended to: an existing file is no reason to ask.
    auto path = session_.prompter.chooseFile(engine::FileChoice{
        true, last.empty() ? kRecordDefaultName : last, "log", kRecordFilter, false});
    if (!path) {
        form_.setChecked(kSaveRecord, false);
        return;
    }
    if (!record_.open(*path)) {
        form_.setChecked(kSaveRecord, false);
        session_.prompter.info(std::string(kRecordOpenFailed) + record_.error(), "提示", this);
        return;
    }
    // Only a convenience for the next time: a settings file that cannot be written is no loss.
    engine::saveOption(session_.paths, engine::kTraceFileKey, *path);
}

void CMonitorDlg::OnSend() {
    const std::string text = trimBlanks(form_.text(kSendBox));
    if (characterCount(text) > kMaxSendText) {
        session_.prompter.info(kTooLongText, "提示", this);
        return;
    }
    const wire::Bytes bytes = pairsToBytes(text, session_.prompter);
    // Written whether or not the bytes form a frame; a closed port sends nothing but the trace
    // still shows what was asked for.
    session_.theComm.Write(bytes);
    session_.AppendTrace(0, session_.tool.FormatSendTrace(bytes));
}

void CMonitorDlg::OnSave() {
    if (!history_.add(form_.text(kSendBox))) return;
    showHistory();
    std::string error;
    if (!history_.save(&error)) session_.prompter.info("历史记录保存失败:" + error, "提示", this);
}

void CMonitorDlg::OnConfigure() {
    {
        CShowSet dlg(autoReply_, history_.path(), session_.prompter, portLabel_);
        if (showDialog) showDialog(dlg);
    }
    // The dialog may have deleted history entries.
    reloadHistory();
}

void CMonitorDlg::RunReplyList() { runner_.RunReplyList(); }

bool CMonitorDlg::exportFrames(const std::vector<std::size_t>& rows) {
    auto path = session_.prompter.chooseFile(
        engine::FileChoice{true, kExportDefaultName, "csv", kExportFilter, true});
    if (!path) return false;
    std::string error;
    if (!ini::detail::replaceFileAtomically(*path, framesCsv(frames_.frames(), rows), error)) {
        session_.prompter.info(std::string(kExportFailed) + error, "提示", this);
        return false;
    }
    return true;
}

void CMonitorDlg::reloadHistory() {
    history_.load();
    showHistory();
}

void CMonitorDlg::showHistory() { form_.setItems(kHistory, history_.entries()); }

}  // namespace rb::monitor
