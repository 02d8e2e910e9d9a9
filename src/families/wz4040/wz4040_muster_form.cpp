#include "families/wz4040/wz4040_muster.h"

namespace rb::families::wz4040 {

using namespace muster_ids;

namespace {

constexpr const char* kStateNames[7] = {"切换到默认信道频率",
                                        "切换到指定信道编号",
                                        "切换到脱网信道频率",
                                        "切换到脱网频率",
                                        "切换到默认信道频率，并收发频率调换",
                                        "切换到指定信道编号，并收发频率调换",
                                        "切换到脱网信道频率，并收发频率调换"};

}  // namespace

void CWZ4040Muster::declareForm() {
    namespace L = engine::layout;
    auto& f = form();
    dispatch::declareSlots(f);
    // The beacon's controls come ahead of the muster's of the same kind.
    f.addEdit(kBeaconInterval, 0, std::to_string(kIntervalMin));
    f.addSpin(kBeaconSpin, kBeaconInterval, kIntervalMin, kIntervalMax);
    declareIntervals(f);
    f.addCheck(kTimedBeacon, "定时信标");
    declareTimedBoxes(f);
    declareSendButtons(f);
    f.addButton(kBeaconButton, "信标指令");

    f.addRadio(kRestore, "恢复到前次切换时的频率", kRestore).value = 1;
    f.addRadio(kSwitch, "切换", kRestore);
    f.addRadio(kResearch, "重新搜索控制信道", kRestore);
    f.addRadio(kByFrequency, "按指定信道频率切换", kRestore);
    for (std::size_t i = 0; i < kStates.size(); ++i)
        f.addRadio(kStates[i], kStateNames[i], kStates[0]).value = i == 0 ? 1 : 0;
    f.addEdit(kChannelNumber, 0, "1");
    f.addRadio(kSpacing25, "25 KHz", kSpacing25).value = 1;
    f.addRadio(kSpacing12_5, "12.5KHz", kSpacing25);
    f.addEdit(kTxFrequency, 7, "0");
    f.addEdit(kRxFrequency, 7, "0");
    f.addButton(kSwitchButton, "信道切换");

    f.setLayout(L::column({
        musterGroup(),
        rollCallGroup(),
        L::group("信标", timedRow(kTimedBeacon, kBeaconInterval, kBeaconSpin, kBeaconButton)),
        L::group(
            "信道切换（适用于船台）",
            L::column({
                L::row({L::label("切换控制:"), L::ctl(kRestore), L::ctl(kSwitch), L::ctl(kResearch),
                        L::ctl(kByFrequency), L::stretch()}),
                L::grid(4, {L::ctl(kStates[0]), L::ctl(kStates[1]), L::ctl(kStates[2]),
                            L::ctl(kStates[3]), L::ctl(kStates[4]), L::ctl(kStates[5]),
                            L::ctl(kStates[6])}),
                L::row({L::label("指定信道编号:"), L::ctl(kChannelNumber), L::label("信道间隔:"),
                        L::ctl(kSpacing25), L::ctl(kSpacing12_5), L::label("指定信道频率 发射:"),
                        L::ctl(kTxFrequency), L::label("接收:"), L::ctl(kRxFrequency), L::stretch(),
                        L::ctl(kSwitchButton)}),
            })),
        L::stretch(),
    }));
}

}  // namespace rb::families::wz4040
