// Control ids of the monitor window and of its auto-reply configuration dialog.
#pragma once

namespace rb::monitor {

namespace monitor_ids {
inline constexpr int kTraceBox = 2084;     // trace box (multi-line, the window shows it itself)
inline constexpr int kClearTrace = 2079;   // "清空显示"
inline constexpr int kStopTrace = 2080;    // "停止显示" / "继续显示"
inline constexpr int kSaveRecord = 2087;   // "保存记录": every trace line into a file as well
inline constexpr int kCloseWindow = 3085;  // "关闭窗口"
inline constexpr int kSendBox = 2082;      // frame to send, as hexadecimal text
inline constexpr int kClearSend = 2083;    // "清空"
inline constexpr int kHistory = 1518;      // history drop-down list
inline constexpr int kSend = 2081;         // "发送"
inline constexpr int kSave = 2085;         // "保存"
inline constexpr int kConfigure = 2086;    // "配置"
inline constexpr int kRun = 2088;          // "运行"
}  // namespace monitor_ids

namespace show_set_ids {
inline constexpr int kHistoryList = 1519;    // the saved history
inline constexpr int kReplyList = 1520;      // `autoReplyList`
inline constexpr int kAddAll = 1525;         // "==>"
inline constexpr int kAddOne = 1521;         // "-->"
inline constexpr int kRemoveOne = 1522;      // "<--"
inline constexpr int kRemoveAll = 1523;      // "<=="
inline constexpr int kDeleteHistory = 1524;  // "删除"
inline constexpr int kClearHistory = 2079;   // "清空"
inline constexpr int kEnabled = 1528;        // "是否自动回复"
inline constexpr int kCode = 1529;           // the triggering command code
inline constexpr int kOk = 1;                // "确定"
inline constexpr int kCancel = 2;            // "取消"
}  // namespace show_set_ids

}  // namespace rb::monitor
