#include "families/common96/common_form.h"

#include <string>

#include "families/common96/common_ids.h"

namespace rb::families::common96 {

using namespace common_ids;
namespace L = engine::layout;

namespace {

const std::vector<std::string> kParityItems = {"无校验", "偶校验", "奇校验"};
const std::vector<std::string> kSpeedItems = {"300",  "600",  "1200",  "2400",  "4800",
                                              "7200", "9600", "14400", "19200", "38400"};
const std::vector<std::string> kDataBitsItems = {"5", "6", "7", "8", "9"};
const std::vector<std::string> kStopBitsItems = {"1", "2"};
const std::vector<std::string> kAirSpeedItems = {"6400", "9600", "12800", "19200"};

const char* powerCaption(int id) {
    switch (id) {
        case kPower0_5W:
            return "0.5W";
        case kPowerLow:
            return "低功率";
        case kPower3W:
            return "3.0W";
        default:
            return "高功率";
    }
}

}  // namespace

const PowerOrder kLowPowerSecond = {kPower0_5W, kPowerLow, kPower3W, kPowerHigh};
const PowerOrder kLowPowerThird = {kPower0_5W, kPower3W, kPowerLow, kPowerHigh};

void declareCompander(engine::FormModel& f) {
    f.addRadio(kCompanderOn, "打开", kCompanderOn).value = 1;
    f.addRadio(kCompanderOff, "关闭", kCompanderOn);
}

void declarePower(engine::FormModel& f, const PowerOrder& order) {
    for (int id : order) {
        engine::Control& radio = f.addRadio(id, powerCaption(id), kPower0_5W);
        if (id == kPower0_5W || id == kPower3W) radio.visible = false;
        if (id == kPowerHigh) radio.value = 1;
    }
}

void declareBeeps(engine::FormModel& f, bool channelBeep) {
    f.addCheck(kBeepPowerOn, "开机", true);
    f.addCheck(kBeepPttOff, "PTT松开", true);
    if (channelBeep) f.addCheck(kBeepChannel, "频道切换", true);
}

engine::Control& declareListsAndTimers(engine::FormModel& f) {
    f.addCombo(kParityList, kParityItems, 0);
    f.addCombo(kSpeedList, kSpeedItems, 6);
    f.addCombo(kDataBitsList, kDataBitsItems, 3);
    f.addCombo(kStopBitsList, kStopBitsItems, 0);
    engine::Control& air = f.addCombo(kAirSpeedList, kAirSpeedItems, 1);
    f.addEdit(kPttEdit, 0, "0");
    f.addSpin(kPttSpin, kPttEdit, 0, 255);
    f.addEdit(kStandbyEdit, 0, "0");
    f.addSpin(kStandbySpin, kStandbyEdit, 0, 255);
    return air;
}

void declareVox(engine::FormModel& f) {
    f.addEdit(kVoxEdit, 0, "300");
    f.addSpin(kVoxSpin, kVoxEdit, 0, 65535);
}

engine::LayoutItem companderGroup() {
    return L::group("语音压扩", L::row({L::ctl(kCompanderOn), L::ctl(kCompanderOff)}));
}

engine::LayoutItem spacingGroup() {
    return L::group("信道间隔", L::row({L::ctl(kSpacing12_5), L::ctl(kSpacing25)}));
}

engine::LayoutItem secondsCell(int editId, int spinId) {
    return L::row({L::ctl(editId), L::ctl(spinId), L::label("秒")});
}

std::vector<engine::LayoutItem> powerCells(const PowerOrder& order) {
    std::vector<engine::LayoutItem> cells;
    for (int id : order) cells.push_back(L::ctl(id));
    return cells;
}

std::vector<engine::LayoutItem> dataPortCells(engine::LayoutItem stopBitsCell) {
    return {L::label("校验方式:"), L::ctl(kParityList),    L::label("串口速率:"),
            L::ctl(kSpeedList),    L::label("数据位:"),    L::ctl(kDataBitsList),
            L::label("停止位:"),   std::move(stopBitsCell)};
}

std::vector<engine::LayoutItem> timerCells() {
    return {L::label("PTT时限"), secondsCell(kPttEdit, kPttSpin), L::label("转待机时长"),
            secondsCell(kStandbyEdit, kStandbySpin)};
}

std::vector<engine::LayoutItem> airTimersVoxCells() {
    std::vector<engine::LayoutItem> cells = {L::label("空中速率:"), L::ctl(kAirSpeedList)};
    for (engine::LayoutItem& cell : timerCells()) cells.push_back(std::move(cell));
    cells.push_back(L::label("声控电平"));
    cells.push_back(L::row({L::ctl(kVoxEdit), L::ctl(kVoxSpin)}));
    return cells;
}

}  // namespace rb::families::common96
