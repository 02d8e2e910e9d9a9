// The base page's form: every control with its id, caption, default and range, and the layout
// the renderer turns into widgets.
#include "families/lm52r/lm52r_base.h"
#include "wire/text_format.h"

namespace rb::families::lm52r {

using namespace base_ids;

namespace {

const std::vector<std::string> kParityItems = {"无校验", "偶校验", "奇校验"};
const std::vector<std::string> kSpeedItems = {"300",  "600",  "1200",  "2400",  "4800",
                                              "7200", "9600", "14400", "19200", "38400"};
const std::vector<std::string> kDataBitsItems = {"5", "6", "7", "8", "9"};
const std::vector<std::string> kStopBitsItems = {"1", "2"};
const std::vector<std::string> kAirSpeedItems = {"6400", "9600", "12800", "19200"};

using wire::twoDigits;

// An edit with its spin and the unit "秒".
engine::LayoutItem timerCell(int editId, int spinId) {
    namespace L = engine::layout;
    return L::row({L::ctl(editId), L::ctl(spinId), L::label("秒")});
}

engine::LayoutItem channelTable() {
    namespace L = engine::layout;
    constexpr int kColumns = 3 + kFlagCount;  // button, TX, RX, six flags
    std::vector<engine::LayoutItem> cells = {L::label("信道编号"), L::label("发射频率"),
                                             L::label("接收频率")};
    for (const char* h : kFlagHeaders) cells.push_back(L::label(h));
    // Under the headers: the two clear buttons and the six column switches.
    cells.push_back(L::empty());
    cells.push_back(L::ctl(kClearTx));
    cells.push_back(L::ctl(kClearRx));
    for (int id : kColumnSwitches) cells.push_back(L::ctl(id));
    for (const ChannelRow& row : kRows) {
        cells.push_back(L::ctl(row.button));
        cells.push_back(L::ctl(row.tx));
        cells.push_back(L::ctl(row.rx));
        for (int id : row.flags) cells.push_back(L::ctl(id));
    }
    return L::group("信道信息", L::grid(kColumns, std::move(cells)));
}

}  // namespace

void CLM52RBase::declareForm(engine::FormModel& f) {
    namespace L = engine::layout;

    f.addEdit(kGroupEdit, 0, "1");
    f.addSpin(kGroupSpin, kGroupEdit, 1, 10);

    f.addRadio(kSpacing12_5, "12.5KHz", kSpacing12_5);
    f.addRadio(kSpacing25, "25KHz", kSpacing12_5).value = 1;
    f.addRadio(kCompanderOn, "打开", kCompanderOn).value = 1;
    f.addRadio(kCompanderOff, "关闭", kCompanderOn);
    f.addRadio(kPower0_5W, "0.5W", kPower0_5W).visible = false;
    f.addRadio(kPowerLow, "低功率", kPower0_5W);
    f.addRadio(kPower3W, "3.0W", kPower0_5W).visible = false;
    f.addRadio(kPowerHigh, "高功率", kPower0_5W).value = 1;

    f.addCheck(kBeepPowerOn, "开机", true);
    f.addCheck(kBeepPttOff, "PTT松开", true);
    f.addCheck(kBeepChannel, "频道切换", true);
    f.addCheck(kBacklight, "液晶背光灯有效", true).visible = false;

    f.addCombo(kParityList, kParityItems, 0);
    f.addCombo(kSpeedList, kSpeedItems, 6);
    f.addCombo(kDataBitsList, kDataBitsItems, 3);
    f.addCombo(kStopBitsList, kStopBitsItems, 0);
    f.addCombo(kAirSpeedList, kAirSpeedItems, 1);

    f.addEdit(kPttEdit, 0, "0");
    f.addSpin(kPttSpin, kPttEdit, 0, 255);
    f.addEdit(kStandbyEdit, 0, "0");
    f.addSpin(kStandbySpin, kStandbyEdit, 0, 255);
    f.addEdit(kVoxEdit, 0, "300");
    f.addSpin(kVoxSpin, kVoxEdit, 0, 65535);

    for (int k = 1; k <= kChannels; ++k) {
        const ChannelRow& row = kRows[k - 1];
        f.addEdit(row.tx, kFrequencyChars);
        f.addEdit(row.rx, kFrequencyChars);
        f.addButton(row.button, "信道" + twoDigits(k));
        for (int id : row.flags) f.addCheck(id, "");
    }
    for (int id : kColumnSwitches) f.addCheck(id, "");
    f.addButton(kClearTx, "清空");
    f.addButton(kClearRx, "清空");
    f.addButton(engine::kReadButton, "读取数据");
    f.addButton(engine::kWriteButton, "写录数据");

    f.setLayout(L::column({
        L::row({
            L::label("信道组号:"),
            L::ctl(kGroupEdit),
            L::ctl(kGroupSpin),
            L::group("信道间隔", L::row({L::ctl(kSpacing12_5), L::ctl(kSpacing25)})),
            L::group("语音压扩", L::row({L::ctl(kCompanderOn), L::ctl(kCompanderOff)})),
            L::group("发射功率", L::row({L::ctl(kPower0_5W), L::ctl(kPowerLow), L::ctl(kPower3W),
                                         L::ctl(kPowerHigh)})),
            L::group("提示音", L::row({L::ctl(kBeepPowerOn), L::ctl(kBeepPttOff),
                                       L::ctl(kBeepChannel), L::ctl(kBacklight)})),
            L::stretch(),
        }),
        // Two rows of label / control pairs: the data-port lists, then the timers and VOX.
        L::grid(10, {L::label("校验方式:"), L::ctl(kParityList), L::label("串口速率:"),
                     L::ctl(kSpeedList), L::label("数据位:"), L::ctl(kDataBitsList),
                     L::label("停止位:"), L::ctl(kStopBitsList), L::label("空中速率:"),
                     L::ctl(kAirSpeedList), L::label("PTT时限"), timerCell(kPttEdit, kPttSpin),
                     L::label("转待机时长"), timerCell(kStandbyEdit, kStandbySpin),
                     L::label("声控电平"), L::row({L::ctl(kVoxEdit), L::ctl(kVoxSpin)})}),
        channelTable(),
        L::row({L::stretch(), L::ctl(engine::kReadButton), L::ctl(engine::kWriteButton)}),
    }));
}

}  // namespace rb::families::lm52r
