// The base page's form: every control with its id, caption and start value, and the layout.
#include "families/wz4040/wz4040_base.h"

namespace rb::families::wz4040 {

using namespace base_ids;
using eapages::labelled;

namespace {

constexpr int kFrequencyChars = 7;
constexpr int kAlarmChars = 20;
constexpr int kKeyWordBytes = 12;

}  // namespace

void CWZ4040Base::declareForm(engine::FormModel& f) {
    namespace L = engine::layout;

    eapages::declareIdentity(f);
    f.addRadio(kControlDesk, "控制调度台", kControlDesk);
    f.addRadio(kServiceDesk, "业务调度台", kControlDesk);
    f.addRadio(kRelayStation, "延伸中转台", kControlDesk);
    f.addRadio(kPlainStation, "普通电台", kControlDesk).value = 1;
    const char* switchNames[] = {"自动搜索", "扩展搜索", "信标", "加密", "邻台GPS", "发射灯"};
    for (std::size_t i = 0; i < kSwitches.size(); ++i) f.addCheck(kSwitches[i], switchNames[i]);
    f.addEdit(kHardware, 0, "0.0").readOnly = true;
    f.addEdit(kSoftware, 0, "0.0").readOnly = true;
    f.addEdit(kBaseNumber, 0, "1");
    f.addEdit(kChannelNumber, 0, "1");

    f.addRadio(kSpacing25, "25 KHz", kSpacing25).value = 1;
    f.addRadio(kSpacing12_5, "12.5KHz", kSpacing25);
    for (int id : kFrequencyLabels) f.addStatic(id, "");
    f.addStatic(kOffNetLabel, "脱网频率:");
    for (int id : {kDefaultTx, kDefaultRx, kOffNetTx, kOffNetRx, kOffNet})
        f.addEdit(id, kFrequencyChars, "0");

    f.addEdit(kVersionA, 0, "0");
    f.addEdit(kVersionB, 0, "0");
    f.addEdit(kTablePage, 0, "1");
    for (int i = 0; i < 16; ++i) {
        f.addStatic(kRowLabels[std::size_t(i)], std::to_string(i + 1));
        f.addEdit(rowTx(i), kFrequencyChars, "0");
        f.addEdit(rowRx(i), kFrequencyChars, "0");
    }

    f.addEdit(kRollCallTimeout, 0, "5");
    f.addEdit(kOffNetTimeout, 0, "1");
    f.addEdit(kChannelHold, 0, "15");
    f.addEdit(kPttHold, 0, "60");
    f.addRadio(kAlarmByIdentity, "身份码", kAlarmByIdentity).value = 1;
    f.addRadio(kAlarmByPhone, "电话号码", kAlarmByIdentity);
    f.addEdit(kAlarmNumber, kAlarmChars, "0");
    f.addEdit(kKeyParameter, 0, "0");
    f.addEdit(kKeyWord, kKeyWordBytes, "").maxLengthInGbkBytes = true;
    for (int id : kStatusFields) f.addStatic(id, "");

    f.addButton(engine::kReadButton, "读取数据");
    f.addButton(engine::kWriteButton, "写录数据");

    // The frequency table in two halves of eight rows.
    std::vector<engine::LayoutItem> table;
    for (int half = 0; half < 2; ++half) {
        table.push_back(L::label("信道"));
        table.push_back(L::label("发射频率"));
        table.push_back(L::label("接收频率"));
    }
    for (int r = 0; r < 8; ++r) {
        for (int i : {r, r + 8}) {
            table.push_back(L::ctl(kRowLabels[std::size_t(i)]));
            table.push_back(L::ctl(rowTx(i)));
            table.push_back(L::ctl(rowRx(i)));
        }
    }

    const engine::LayoutItem left = L::column({
        L::group(
            "身份码及基本参数",
            L::column({
                L::row({labelled("身份码:", kIdentity), L::ctl(kAuthOn), L::ctl(kAuthOff),
                        labelled("系统类别:", kCategory)}),
                L::row({L::label("电台类型:"), L::ctl(kControlDesk), L::ctl(kServiceDesk),
                        L::ctl(kRelayStation), L::ctl(kPlainStation)}),
                L::grid(3, {L::ctl(kSwitches[0]), L::ctl(kSwitches[1]), L::ctl(kSwitches[2]),
                            L::ctl(kSwitches[3]), L::ctl(kSwitches[4]), L::ctl(kSwitches[5])}),
                L::row({labelled("硬件版本:", kHardware), labelled("软件版本:", kSoftware)}),
                L::row({labelled("基站编号:", kBaseNumber), labelled("信道编号:", kChannelNumber)}),
            })),
        L::group(
            "设置信道频率参数(调度台)",
            L::grid(2, {L::ctl(kSpacing25), L::ctl(kSpacing12_5), L::ctl(kFrequencyLabels[0]),
                        L::ctl(kDefaultTx), L::ctl(kFrequencyLabels[1]), L::ctl(kDefaultRx),
                        L::ctl(kFrequencyLabels[2]), L::ctl(kOffNetTx), L::ctl(kFrequencyLabels[3]),
                        L::ctl(kOffNetRx), L::ctl(kOffNetLabel), L::ctl(kOffNet)})),
        L::group("调度时间参数",
                 L::grid(4, {L::label("点名超时周期(分钟):"), L::ctl(kRollCallTimeout),
                             L::label("脱网超时周期(分钟):"), L::ctl(kOffNetTimeout),
                             L::label("信道保持时间(秒):"), L::ctl(kChannelHold),
                             L::label("PTT 保持时间(秒):"), L::ctl(kPttHold)})),
        L::group("报警电话绑定",
                 L::column({L::row({L::ctl(kAlarmByIdentity), L::ctl(kAlarmByPhone)}),
                            labelled("报警电话号码或身份码:", kAlarmNumber)})),
        L::group("密钥参数",
                 L::row({labelled("密钥参数:", kKeyParameter), labelled("密钥字:", kKeyWord)})),
    });

    const engine::LayoutItem right = L::column({
        L::group("频率表", L::column({L::row({L::label("版本号:"), L::ctl(kVersionA), L::label("."),
                                              L::ctl(kVersionB), labelled("页号:", kTablePage)}),
                                      L::grid(6, table)})),
        L::group("状态信息",
                 L::grid(8, {L::label("基站编号:"), L::ctl(kStatusBase), L::label("信道:"),
                             L::ctl(kStatusChannel), L::label("电台类型:"), L::ctl(kStatusType),
                             L::label("呼叫类型:"), L::ctl(kStatusCall), L::label("收发状态:"),
                             L::ctl(kStatusTxRx), L::label("数据质量:"), L::ctl(kStatusQuality),
                             L::label("场强:"), L::ctl(kStatusStrength), L::label("信道切换:"),
                             L::ctl(kStatusSwitch)})),
        L::stretch(),
        L::row({L::stretch(), L::ctl(engine::kReadButton), L::ctl(engine::kWriteButton)}),
    });

    f.setLayout(L::row({left, right}));
}

}  // namespace rb::families::wz4040
