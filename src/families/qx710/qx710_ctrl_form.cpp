#include "families/eapages/form_parts.h"
#include "families/qx710/qx710_ctrl.h"

namespace rb::families::qx710 {

using namespace ctrl_ids;
using eapages::labelled;

void CQX710Ctrl::declareForm() {
    namespace L = engine::layout;
    auto& f = form();
    f.addEdit(kGpsValue, 2, "AA");
    f.addButton(kGpsButton, "GPS写入");

    f.addRadio(kSwitchDo, "切换", kSwitchDo).value = 1;
    f.addRadio(kSwitchRestore, "恢复", kSwitchDo);
    f.addRadio(kSwitchSearch, "重新搜索控制信道", kSwitchDo);
    f.addRadio(kTypeDefault, "切换到默认信道", kTypeDefault).value = 1;
    f.addRadio(kTypeOffNet, "切换到脱网信道", kTypeDefault);
    f.addRadio(kTypeGiven, "切换到指定信道", kTypeDefault);
    f.addRadio(kTypeDefaultSwap, "切换到默认信道，并收发频率调换", kTypeDefault);
    f.addRadio(kTypeGivenSwap, "切换到指定信道，并收发频率调换", kTypeDefault);
    f.addRadio(kInTable, "表内编号", kInTable).value = 1;
    f.addRadio(kInBand, "带内编号", kInTable);
    f.addEdit(kChannelNumber, 0, "0");
    f.addButton(kSwitchButton, "信道切换");

    f.addRadio(kLevel0, "0", kLevel0);
    f.addRadio(kLevel1, "1", kLevel0);
    f.addRadio(kLevel2, "2", kLevel0);
    f.addRadio(kByIdentity, "身份码", kByIdentity);
    f.addRadio(kByPhone, "电话号码", kByIdentity);
    f.addEdit(kCallNumber, 14, "123");
    f.addButton(kCallButton, "呼叫发起");

    f.addEdit(kTarget, 6, "123");
    f.addMultiEdit(kData, "123");
    f.addCheck(kUse97, "0x97协议", false);
    f.addEdit(kDataInterval, 0, "3000");
    f.addCheck(kRepeatNormal, "连续普通", false);
    f.addCheck(kRepeatPrompt, "连续及时", false);
    f.addButton(kModeButton, "传输模式");
    f.addButton(kDataButton, "发送数传");
    f.addButton(kPromptButton, "及时数传");

    f.addEdit(kGroupCode, 6, "1024");
    f.addButton(kRegroupButton, "动态重组");
    f.addButton(kUngroupButton, "取消重组");
    f.addButton(kTeardownButton, "强拆信道");

    f.addEdit(kCalling, 8, "2");
    f.addEdit(kCalled, 6, "4");
    f.addEdit(kTxFrequency, 7, "2300000");
    f.addEdit(kRxFrequency, 7, "2300000");
    f.addButton(kAllocateButton, "呼叫分配");

    eapages::declareCdmaSelect(f, kCdma, kWz);

    f.addEdit(kShipIdentity, 0, "123");
    std::vector<std::string> items;
    for (const auto& c : kShipControls) items.push_back(c.item);
    f.addCombo(kShipControl, items, 0);
    f.addButton(kShipCallButton, "船台呼叫");

    const engine::LayoutItem left = L::column({
        L::group("GPS写入", L::row({labelled("2位16进制数据:", kGpsValue), L::ctl(kGpsButton)})),
        L::group("信道切换",
                 L::column({
                     L::row({L::label("切换控制:"), L::ctl(kSwitchDo), L::ctl(kSwitchRestore),
                             L::ctl(kSwitchSearch)}),
                     L::label("呼叫类型:"),
                     L::grid(2, {L::ctl(kTypeDefault), L::ctl(kTypeOffNet), L::ctl(kTypeGiven),
                                 L::ctl(kTypeDefaultSwap), L::ctl(kTypeGivenSwap)}),
                     L::row({L::ctl(kInTable), L::ctl(kInBand),
                             labelled("频率编号:", kChannelNumber), L::ctl(kSwitchButton)}),
                 })),
        L::group(
            "语音呼叫",
            L::column({
                L::row({L::label("呼叫级别:"), L::ctl(kLevel0), L::ctl(kLevel1), L::ctl(kLevel2),
                        L::label("号码类型:"), L::ctl(kByIdentity), L::ctl(kByPhone)}),
                L::row({labelled("电话号码或身份码:", kCallNumber), L::ctl(kCallButton)}),
            })),
        L::group("动态重组", L::row({labelled("组呼码:", kGroupCode), L::ctl(kRegroupButton),
                                     L::ctl(kUngroupButton), L::ctl(kTeardownButton)})),
    });
    const engine::LayoutItem right = L::column({
        L::group("数据呼叫",
                 L::column({
                     L::row({labelled("目标身份码:", kTarget), L::ctl(kUse97),
                             labelled("数传间隔(ms):", kDataInterval)}),
                     labelled("透明数据:", kData),
                     L::row({L::ctl(kRepeatNormal), L::ctl(kRepeatPrompt), L::ctl(kModeButton),
                             L::ctl(kDataButton), L::ctl(kPromptButton)}),
                 })),
        L::group("呼叫分配",
                 L::grid(4, {L::label("主叫身份码:"), L::ctl(kCalling), L::label("被叫身份码:"),
                             L::ctl(kCalled), L::label("发射频率:"), L::ctl(kTxFrequency),
                             L::label("接收频率:"), L::ctl(kRxFrequency), L::empty(), L::empty(),
                             L::empty(), L::ctl(kAllocateButton)})),
        eapages::cdmaSelectGroup(kCdma, kWz),
        L::group("指定船台呼叫",
                 L::row({labelled("船台身份码:", kShipIdentity),
                         labelled("控制类型:", kShipControl), L::ctl(kShipCallButton)})),
    });
    f.setLayout(L::column({L::row({left, right}), L::stretch()}));
}

}  // namespace rb::families::qx710
