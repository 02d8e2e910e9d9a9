// CMonitorDlg ("收发数据显示"): the logic of the monitor window. It keeps the trace of every
// frame sent and received (`AppendTrace`), sends hand-typed frames, keeps their history, runs
// the reply list and answers received frames automatically.
//
// Headless like a page: its controls live in `form()` (the GUI renders them), except the trace
// box, which the window keeps itself and feeds from `traceChanged` so that it only ever appends.
// Constructing it is creating the monitor window: from then on the session's traces reach it.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/form_model.h"
#include "engine/session.h"
#include "monitor/auto_reply.h"
#include "monitor/frame_log.h"
#include "monitor/monitor_history.h"
#include "monitor/show_set.h"
#include "monitor/trace_file.h"
#include "monitor/trace_log.h"

namespace rb::monitor {

class CMonitorDlg {
public:
    static constexpr const char* kCaption = "收发数据显示";

    explicit CMonitorDlg(engine::Session& session);
    ~CMonitorDlg();
    CMonitorDlg(const CMonitorDlg&) = delete;
    CMonitorDlg& operator=(const CMonitorDlg&) = delete;

    engine::FormModel& form() { return form_; }
    const TraceLog& trace() const { return trace_; }
    AutoReplyState& autoReply() { return autoReply_; }
    const MonitorHistory& history() const { return history_; }
    const ReplyRunner& runner() const { return runner_; }
    const TraceFile& record() const { return record_; }
    // Every frame of the session for the frame list (emptied by "清空显示", not fed while the
    // display is stopped, like the trace box).
    const FrameLog& frames() const { return frames_; }
    // Milliseconds since the epoch for the frames' times; tests set their own.
    void setClock(std::function<std::int64_t()> clock) { clock_ = std::move(clock); }

    // Every trace line of the program arrives here.
    void AppendTrace(std::uint8_t code, const std::string& text);

    // "收发数据显示(Port:1)"; the port as the user knows it ("1", "/dev/ttyUSB0", ...).
    void setPortLabel(const std::string& port) { portLabel_ = port; }
    std::string caption() const;

    // --- hooks for the window ---------------------------------------------------------------
    // The trace box changed: empty it first when `cleared`, then append `appended`.
    std::function<void(const TraceUpdate&)> traceChanged;
    // A frame was kept (the newest of frames()); the list appends it.
    std::function<void(const LoggedFrame&)> frameAdded;
    // "清空显示": the list empties too.
    std::function<void()> framesCleared;
    // "关闭窗口": hide the window.
    std::function<void()> hideRequested;
    // "配置": run the configuration dialog modally; returns when it has closed.
    std::function<void(CShowSet&)> showDialog;

    // --- the buttons ------------------------------------------------------------------------
    void OnClearTrace();  // "清空显示"
    void OnStopTrace();   // "停止显示" / "继续显示"
    // "保存记录" on: asks for the file (the last one offered first) and appends every trace line
    // to it, also while the display is stopped; off: closes it. A file that cannot be opened or
    // written shows why and turns the box off.
    void OnSaveRecord();
    void OnSend();        // "发送"
    void OnSave();        // "保存"
    void OnConfigure();   // "配置"
    void RunReplyList();  // "运行", and the auto reply
    // "导出": asks for a file and writes the frames at `rows` (positions in frames()) as CSV.
    // True when written; a file that cannot be written shows why.
    bool exportFrames(const std::vector<std::size_t>& rows);
    void reloadHistory();

private:
    static void declareForm(engine::FormModel& f);
    void showHistory();

    engine::Session& session_;
    engine::FormModel form_;
    TraceLog trace_;
    AutoReplyState autoReply_;
    MonitorHistory history_;
    ReplyRunner runner_;
    std::string portLabel_ = "1";
    TraceFile record_;
    FrameLog frames_;
    std::function<std::int64_t()> clock_;
};

}  // namespace rb::monitor
