// Control ids of the data-transmission test page (dialog 173).
#pragma once

namespace rb::families::protest::ids::sr {

inline constexpr int kTitle = 1447;
inline constexpr int kFilePath = 1167;       // read-only
inline constexpr int kChooseFile = 3090;     // "选择文件"
inline constexpr int kSendFile = 3093;       // "发送文件"
inline constexpr int kStopSending = 2095;    // "停止发送"
inline constexpr int kProgress = 2442;       // "发送进度:"
inline constexpr int kFileInfo = 2447;       // length and chunks of the file being sent
inline constexpr int kText = 1440;           // at most 110 characters
inline constexpr int kHexSend = 2444;        // "十六进制发送"
inline constexpr int kAutoSend = 2443;       // "自动发送(周期改变后重选)"
inline constexpr int kPeriod = 2445;         // milliseconds, digits only
inline constexpr int kSendText = 3091;       // "手工发送"
inline constexpr int kClearText = 3094;      // "清空发送"
inline constexpr int kReceived = 2441;       // multi-line receive box
inline constexpr int kHexShow = 2446;        // "十六进制显示"
inline constexpr int kNewLine = 1453;        // "换行显示"
inline constexpr int kSaveReceived = 1451;   // "保存接收文件"
inline constexpr int kPauseShow = 1098;      // "停止显示" / "继续显示"
inline constexpr int kReceiveFile = 1168;    // "文件名称:"
inline constexpr int kClearReceived = 3097;  // "清空接收"
inline constexpr int kQuality = 1448;        // 数据质量:
inline constexpr int kRate = 1449;           // 误码率:
inline constexpr int kAverage = 1454;        // 平均误码率:
inline constexpr int kSentCount = 1450;      // 发送:
inline constexpr int kReceivedCount = 1452;  // 接收:
inline constexpr int kClearStatus = 2096;    // "清空状态"

}  // namespace rb::families::protest::ids::sr
