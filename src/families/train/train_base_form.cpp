// The base page's form: every control with its id, caption, opening value and range, and the
// layout the renderer turns into widgets.
#include "families/train/train_base.h"
#include "wire/text_format.h"

namespace rb::families::train {

using namespace base_ids;

namespace {

const std::vector<std::string> kParityItems = {"无校验", "偶校验", "奇校验"};
const std::vector<std::string> kSpeedItems = {"300",  "600",  "1200",  "2400",  "4800",
                                              "7200", "9600", "14400", "19200", "38400"};
const std::vector<std::string> kDataBitsItems = {"5", "6", "7", "8", "9"};
const std::vector<std::string> kStopBitsItems = {"1", "2"};
const std::vector<std::string> kAirSpeedItems = {"6400", "9600", "12800", "19200"};

using wire::twoDigits;

engine::LayoutItem secondsCell(int editId, int spinId) {
    namespace L = engine::layout;
    return L::row({L::ctl(editId), L::ctl(spinId), L::label("秒")});
}

// Two blocks of eight rows side by side: label, transmit, receive, digital.
engine::LayoutItem channelTable() {
    namespace L = engine::layout;
    std::vector<engine::LayoutItem> cells;
    for (int half = 0; half < 2; ++half) {
        for (const char* h : {"信道", "发射频率", "接收频率", "数字"}) cells.push_back(L::label(h));
    }
    for (int k = 1; k <= 8; ++k) {
        for (int row : {k, k + 8}) {
            const ChannelRow& r = kRows[row - 1];
            for (int id : {r.label, r.tx, r.rx, r.digital}) cells.push_back(L::ctl(id));
        }
    }
    return L::group("信道信息", L::grid(8, std::move(cells)));
}

}  // namespace

void CTrainBase::declareForm(engine::FormModel& f) {
    namespace L = engine::layout;

    f.addEdit(kGroupEdit, 0, "1");
    f.addSpin(kGroupSpin, kGroupEdit, 1, 8, /*wrap=*/true);  // 8 + 1 -> 1, 1 - 1 -> 8

    f.addRadio(kSpacing6_25, "6.25K", kSpacing6_25);
    f.addRadio(kSpacing12_5, "12.5K", kSpacing6_25);
    f.addRadio(kSpacing25, "25K", kSpacing6_25).value = 1;
    f.addRadio(kCompanderOn, "打开", kCompanderOn).value = 1;
    f.addRadio(kCompanderOff, "关闭", kCompanderOn);
    f.addRadio(kPower0_5W, "0.5W", kPower0_5W).visible = false;
    f.addRadio(kPowerLow, "低功率", kPower0_5W);
    f.addRadio(kPower3W, "3.0W", kPower0_5W).visible = false;
    f.addRadio(kPowerHigh, "高功率", kPower0_5W).value = 1;
    f.addRadio(kPowerCustom, "人工功率", kPower0_5W);
    f.addSlider(kCustomLevel, 0, 255, 0);

    f.addCheck(kTonePowerOn, "开机", true);
    f.addCheck(kTonePttOff, "PTT松开", true);
    f.addCheck(kToneChannel, "频道切换", true);

    f.addCombo(kParityList, kParityItems, 0);
    f.addCombo(kSpeedList, kSpeedItems, 6);
    f.addCombo(kDataBitsList, kDataBitsItems, 3);
    f.addCombo(kStopBitsList, kStopBitsItems, 0);
    engine::Control& air = f.addCombo(kAirSpeedList, kAirSpeedItems, 1);
    air.visible = false;
    air.enabled = false;

    f.addEdit(kPttEdit, 0, "0");
    f.addSpin(kPttSpin, kPttEdit, 0, 255);
    f.addEdit(kStandbyEdit, 0, "0");
    f.addSpin(kStandbySpin, kStandbyEdit, 0, 255);
    f.addCheck(kSingleChannel, "单一信道频率", false);

    for (int k = 1; k <= kChannels; ++k) {
        const ChannelRow& row = kRows[k - 1];
        f.addStatic(row.label, twoDigits(k));
        f.addEdit(row.tx, kFrequencyChars, "0");
        f.addEdit(row.rx, kFrequencyChars, "0");
        f.addCheck(row.digital, "", true);
    }
    f.addButton(engine::kReadButton, "读取数据");
    f.addButton(engine::kWriteButton, "写录数据");

    f.setLayout(L::column({
        L::row({
            L::group("信道间隔(Hz)",
                     L::row({L::ctl(kSpacing6_25), L::ctl(kSpacing12_5), L::ctl(kSpacing25)})),
            L::group("语音压扩", L::row({L::ctl(kCompanderOn), L::ctl(kCompanderOff)})),
            L::group("提示音",
                     L::row({L::ctl(kTonePowerOn), L::ctl(kTonePttOff), L::ctl(kToneChannel)})),
            L::stretch(),
        }),
        L::group("发射功率", L::row({L::ctl(kPower0_5W), L::ctl(kPowerLow), L::ctl(kPower3W),
                                     L::ctl(kPowerHigh), L::ctl(kPowerCustom), L::label("低"),
                                     L::ctl(kCustomLevel), L::label("高"), L::stretch()})),
        // The air speed list is hidden: it has no label.
        L::grid(8, {L::label("校验方式:"), L::ctl(kParityList), L::label("串口速率:"),
                    L::ctl(kSpeedList), L::label("数据位:"), L::ctl(kDataBitsList),
                    L::label("停止位:"), L::row({L::ctl(kStopBitsList), L::ctl(kAirSpeedList)}),
                    L::label("PTT时限"), secondsCell(kPttEdit, kPttSpin), L::label("转待机时长"),
                    secondsCell(kStandbyEdit, kStandbySpin), L::label("信道组号:"),
                    L::row({L::ctl(kGroupEdit), L::ctl(kGroupSpin)}), L::ctl(kSingleChannel),
                    L::empty()}),
        channelTable(),
        L::row({L::stretch(), L::ctl(engine::kReadButton), L::ctl(engine::kWriteButton)}),
    }));
}

}  // namespace rb::families::train
