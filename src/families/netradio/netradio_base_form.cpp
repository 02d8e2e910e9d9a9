// The base page's form: every control with its id, caption, opening value and range, and the
// layout the renderer turns into widgets.
#include <cstdio>

#include "families/netradio/netradio_base.h"
#include "families/netradio/netradio_base_ids.h"
#include "wire/text_format.h"

namespace rb::families::netradio {

using namespace base_ids;
namespace L = engine::layout;

namespace {

const std::vector<std::string> kParityItems = {"无校验", "偶校验", "奇校验"};
const std::vector<std::string> kSpeedItems = {"300",  "600",  "1200",  "2400",  "4800",
                                              "7200", "9600", "14400", "19200", "38400"};
const std::vector<std::string> kDataBitsItems = {"5", "6", "7", "8", "9"};
const std::vector<std::string> kStopBitsItems = {"1", "2"};
const std::vector<std::string> kAirSpeedItems = {"6400", "9600", "12800", "19200"};

using wire::twoDigits;

engine::LayoutItem secondsCell(int editId, int spinId) {
    return L::row({L::ctl(editId), L::ctl(spinId), L::label("秒")});
}

// Two columns of rows: 01-15 and the off-net row, then the spare rows 17-32; each row is its
// number, the frequency edit and its own-frequency box.
engine::LayoutItem frequencyTable() {
    std::vector<engine::LayoutItem> cells = {L::label("序号"),     L::label("频率"),
                                             L::label("本机频率"), L::label("序号"),
                                             L::label("频率"),     L::label("本机频率")};
    for (int row = 1; row <= 16; ++row) {
        if (row <= kFrequencies) {
            cells.push_back(L::label(twoDigits(row)));
            cells.push_back(L::ctl(kFrequencyEdits[row - 1]));
            cells.push_back(L::ctl(kFirstOwnBox + row - 1));
        } else {
            cells.push_back(L::label("脱网频率"));
            cells.push_back(L::ctl(kOffNetEdit));
            cells.push_back(L::ctl(kOffNetOwnBox));
        }
        cells.push_back(L::label(twoDigits(row + 16)));
        cells.push_back(L::ctl(kFirstSpareEdit + row - 1));
        cells.push_back(L::ctl(kFirstSpareBox + row - 1));
    }
    return L::group("频率信息", L::grid(6, std::move(cells)));
}

}  // namespace

void CNetRadioBase::declareForm(engine::FormModel& f) {
    f.addRadio(kSpacing12_5, "12.5KHz", kSpacing12_5);
    f.addRadio(kSpacing25, "25KHz", kSpacing12_5).value = 1;
    f.addRadio(kCompanderOn, "打开", kCompanderOn).value = 1;
    f.addRadio(kCompanderOff, "关闭", kCompanderOn);
    // Declared in index order: the hidden 0.5W and 3.0W come first.
    f.addRadio(kPower0_5W, "0.5W", kPower0_5W).visible = false;
    f.addRadio(kPower3W, "3.0W", kPower0_5W).visible = false;
    f.addRadio(kPowerLow, "低功率", kPower0_5W);
    f.addRadio(kPowerHigh, "高功率", kPower0_5W).value = 1;

    f.addCheck(kBeepPowerOn, "开机", true);
    f.addCheck(kBeepPttOff, "PTT松开", true);
    f.addCheck(kBacklight, "液晶背光灯有效", true).visible = false;

    f.addCombo(kParityList, kParityItems, 0);
    f.addCombo(kSpeedList, kSpeedItems, 6);
    f.addCombo(kDataBitsList, kDataBitsItems, 3);
    f.addCombo(kStopBitsList, kStopBitsItems, 0);
    f.addCombo(kAirSpeedList, kAirSpeedItems, 1).enabled = false;

    f.addEdit(kPttEdit, 0, "0");
    f.addSpin(kPttSpin, kPttEdit, 0, 255);
    f.addEdit(kStandbyEdit, 0, "0");
    f.addSpin(kStandbySpin, kStandbyEdit, 0, 255);
    f.addEdit(kVoxEdit, 0, "300");
    f.addSpin(kVoxSpin, kVoxEdit, 0, 65535);

    f.addCheck(kVoxCheck, "声控", false);
    f.addCheck(kEncryptCheck, "加密", false);
    f.addCheck(kHoppingCheck, "跳频", false);

    for (int row = 1; row <= kFrequencies; ++row) {
        f.addEdit(kFrequencyEdits[row - 1], kFrequencyChars, "0");
        f.addCheck(kFirstOwnBox + row - 1, "");
    }
    f.addEdit(kOffNetEdit, kFrequencyChars, "0");
    f.addCheck(kOffNetOwnBox, "").enabled = false;
    for (int i = 0; i < kSpareRows; ++i) {
        auto& edit = f.addEdit(kFirstSpareEdit + i, kFrequencyChars);
        edit.enabled = false;
        f.addCheck(kFirstSpareBox + i, "").enabled = false;
    }

    f.addButton(engine::kReadButton, "读取数据");
    f.addButton(engine::kWriteButton, "写录数据");

    f.setLayout(L::column({
        L::row({
            L::group("信道间隔", L::row({L::ctl(kSpacing12_5), L::ctl(kSpacing25)})),
            L::group("语音压扩", L::row({L::ctl(kCompanderOn), L::ctl(kCompanderOff)})),
            L::group("发射功率", L::row({L::ctl(kPower0_5W), L::ctl(kPower3W), L::ctl(kPowerLow),
                                         L::ctl(kPowerHigh)})),
            L::group("提示音",
                     L::row({L::ctl(kBeepPowerOn), L::ctl(kBeepPttOff), L::ctl(kBacklight)})),
            L::group("功能",
                     L::row({L::ctl(kVoxCheck), L::ctl(kEncryptCheck), L::ctl(kHoppingCheck)})),
            L::stretch(),
        }),
        L::grid(10, {L::label("校验方式:"), L::ctl(kParityList), L::label("串口速率:"),
                     L::ctl(kSpeedList), L::label("数据位:"), L::ctl(kDataBitsList),
                     L::label("停止位:"), L::ctl(kStopBitsList), L::label("空中速率:"),
                     L::ctl(kAirSpeedList), L::label("PTT时限"), secondsCell(kPttEdit, kPttSpin),
                     L::label("转待机时长"), secondsCell(kStandbyEdit, kStandbySpin),
                     L::label("声控电平"), L::row({L::ctl(kVoxEdit), L::ctl(kVoxSpin)})}),
        frequencyTable(),
        L::row({L::stretch(), L::ctl(engine::kReadButton), L::ctl(engine::kWriteButton)}),
    }));
}

}  // namespace rb::families::netradio
