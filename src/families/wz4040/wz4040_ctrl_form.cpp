#include "families/eapages/form_parts.h"
#include "families/wz4040/wz4040_ctrl.h"

namespace rb::families::wz4040 {

using namespace ctrl_ids;
using eapages::labelled;

namespace {

std::vector<std::string> itemsOf(const ComboTable& t) {
    std::vector<std::string> out;
    for (const ComboItem& i : t) out.push_back(i.text);
    return out;
}

}  // namespace

void CWZ4040Ctrl::declareForm() {
    namespace L = engine::layout;
    auto& f = form();
    f.addEdit(kLongitude, 0, "122.729031");
    f.addEdit(kLatitude, 0, "23.123456");
    f.addEdit(kDirection, 0, "179.5");
    f.addEdit(kSpeed, 0, "9.3");
    f.addButton(kGpsWrite, "GPS写入");
    f.addButton(kGpsRead, "读取GPS");

    eapages::declareCdmaSelect(f, kCdma, kWz);

    f.addCombo(kVoiceType, itemsOf(kVoiceTypes), 0);
    f.addRadio(kByIdentity, "身份码", kByIdentity).value = 1;
    f.addRadio(kByPhone, "电话号码", kByIdentity);
    f.addEdit(kCallNumber, 0, "123");
    f.addButton(kCallButton, "呼叫发起");

    f.addEdit(kDirectedCaller, 0, "123");
    f.addCombo(kDirectedState, itemsOf(kDirectedStates), int(kDirectedStates.size()) - 1);
    f.addButton(kDirectedButton, "指定呼叫");
    f.addButton(kTeardownButton, "强拆信道");

    f.addCombo(kAllocType, itemsOf(kCallTypes), 0);
    f.addCombo(kAllocExtra, itemsOf(kExtraControls), 0);
    f.addCombo(kAllocRate, itemsOf(kRates), 0);
    f.addEdit(kAllocCalled, 0, "0");
    f.addEdit(kAllocCaller, 0, "123");
    f.addRadio(kSpacing25, "25 KHz", kSpacing25).value = 1;
    f.addRadio(kSpacing12_5, "12.5KHz", kSpacing25);
    f.addEdit(kAllocTx, 7, "2300000");
    f.addEdit(kAllocRx, 7, "2300000");
    f.addEdit(kAllocPhone, 0, "");
    f.addButton(kAllocButton, "呼叫分配");

    f.addCombo(kDataType, itemsOf(kDataTypes), 0);
    f.addCombo(kDataRate, itemsOf(kRates), 0);
    f.addEdit(kDataCalled, 0, "123");
    f.addMultiEdit(kData, "").maxLength = kMaxDataChars;
    f.addButton(kDataButton, "发送数传");

    f.addCombo(kServiceType, itemsOf(kCallTypes), 0);
    f.addCombo(kServiceRate, itemsOf(kRates), 0);
    f.addEdit(kServiceTarget, 0, "123");
    f.addButton(kServiceButton, "业务调度");

    const engine::LayoutItem left = L::column({
        L::group("GPS写入（船台）",
                 L::column({L::row({labelled("经度:", kLongitude), labelled("纬度:", kLatitude)}),
                            L::row({labelled("方向:", kDirection), labelled("速度:", kSpeed),
                                    L::ctl(kGpsWrite), L::ctl(kGpsRead)})})),
        eapages::cdmaSelectGroup(kCdma, kWz),
        L::group("语音呼叫发起（船台）",
                 L::column({labelled("呼叫类型:", kVoiceType),
                            L::row({L::label("号码类型:"), L::ctl(kByIdentity), L::ctl(kByPhone)}),
                            L::row({labelled("呼叫号码:", kCallNumber), L::ctl(kCallButton)})})),
        L::group("指定船台呼叫（基站侧）",
                 L::column({labelled("主叫身份码:", kDirectedCaller),
                            L::row({labelled("指定控制状态:", kDirectedState),
                                    L::ctl(kDirectedButton), L::ctl(kTeardownButton)})})),
        L::group(
            "业务调度分配（基站侧）",
            L::column(
                {L::row({labelled("呼叫类型:", kServiceType), labelled("空中速率:", kServiceRate)}),
                 L::row({labelled("目标身份码:", kServiceTarget), L::ctl(kServiceButton)})})),
    });
    const engine::LayoutItem right = L::column({
        L::group("呼叫分配（基站侧）",
                 L::grid(2, {L::label("呼叫类型:"),
                             L::ctl(kAllocType),
                             L::label("附加控制类型:"),
                             L::ctl(kAllocExtra),
                             L::label("空中速率:"),
                             L::ctl(kAllocRate),
                             L::label("被叫身份码:"),
                             L::ctl(kAllocCalled),
                             L::label("主叫身份码:"),
                             L::ctl(kAllocCaller),
                             L::label("信道间隔:"),
                             L::row({L::ctl(kSpacing25), L::ctl(kSpacing12_5)}),
                             L::label("发射频率:"),
                             L::ctl(kAllocTx),
                             L::label("接收频率:"),
                             L::ctl(kAllocRx),
                             L::label("主叫电话号码:"),
                             L::ctl(kAllocPhone),
                             L::empty(),
                             L::ctl(kAllocButton)})),
        L::group(
            "透明数据传输（船台）",
            L::column({L::row({labelled("呼叫类型:", kDataType), labelled("空中速率:", kDataRate)}),
                       labelled("被叫身份码:", kDataCalled), labelled("透明数据:", kData),
                       L::row({L::stretch(), L::ctl(kDataButton)})})),
        L::stretch(),
    });
    f.setLayout(L::row({left, right}));
}

}  // namespace rb::families::wz4040
