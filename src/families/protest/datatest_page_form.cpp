// The data-transmission test page's form: every control of dialog 173 with its caption and
// default, and the layout.
#include "families/protest/datatest_page.h"

namespace rb::families::protest {

using namespace ids::sr;

void CProSRTest::declareForm(engine::FormModel& f) {
    namespace L = engine::layout;

    f.addStatic(kTitle, "数传测试");
    f.addEdit(kFilePath).readOnly = true;
    f.addButton(kChooseFile, "选择文件");
    f.addButton(kSendFile, "发送文件");
    f.addButton(kStopSending, "停止发送");
    f.addProgress(kProgress, 0, 1);
    f.addStatic(kFileInfo, "");

    f.addEdit(kText, int(kChunkSize));
    f.addCheck(kHexSend, "十六进制发送");
    f.addCheck(kAutoSend, "自动发送(周期改变后重选)");
    f.addEdit(kPeriod, 9, "1000");
    f.addButton(kSendText, "手工发送");
    f.addButton(kClearText, "清空发送");

    f.addMultiEdit(kReceived).readOnly = true;
    f.addCheck(kHexShow, "十六进制显示");
    f.addCheck(kNewLine, "换行显示", true);
    f.addCheck(kSaveReceived, "保存接收文件");
    f.addButton(kPauseShow, "停止显示");
    f.addEdit(kReceiveFile, 64);
    f.addButton(kClearReceived, "清空接收");

    f.addStatic(kQuality, "");
    f.addStatic(kRate, "");
    f.addStatic(kAverage, "");
    f.addStatic(kSentCount, "");
    f.addStatic(kReceivedCount, "");
    f.addButton(kClearStatus, "清空状态");

    f.setLayout(L::column({
        L::ctl(kTitle),
        L::group("发送文件",
                 L::column({
                     L::row({L::ctl(kFilePath), L::ctl(kChooseFile), L::ctl(kSendFile),
                             L::ctl(kStopSending)}),
                     L::row({L::label("发送进度:"), L::ctl(kProgress), L::ctl(kFileInfo)}),
                 })),
        L::group("发送文本",
                 L::column({
                     L::ctl(kText),
                     L::row({L::ctl(kHexSend), L::ctl(kAutoSend), L::ctl(kPeriod), L::label("毫秒"),
                             L::stretch(), L::ctl(kSendText), L::ctl(kClearText)}),
                 })),
        L::group("接收信息", L::column({
                                 L::ctl(kReceived),
                                 L::row({L::ctl(kHexShow), L::ctl(kNewLine), L::ctl(kSaveReceived),
                                         L::ctl(kPauseShow)}),
                                 L::row({L::label("文件名称:"), L::ctl(kReceiveFile),
                                         L::ctl(kClearReceived), L::stretch()}),
                             })),
        L::row({L::label("数据质量:", "对端应答的数据质量, 0-255"), L::ctl(kQuality),
                L::label("误码率:", "最近一次应答的误码率"), L::ctl(kRate),
                L::label("平均误码率:", "每收到10次应答, 显示这10次误码率的平均值"),
                L::ctl(kAverage), L::label("发送:"), L::ctl(kSentCount), L::label("字节"),
                L::label("接收:"), L::ctl(kReceivedCount), L::label("字节"), L::stretch(),
                L::ctl(kClearStatus)}),
    }));
}

}  // namespace rb::families::protest
