// The base page's form: every control with its id, caption and start value, the edit guards
// that keep typed values inside their ranges, and the layout.
#include "families/qx710/qx710_base.h"
#include "families/qx710/qx710_base_ids.h"
#include "wire/codecs.h"
#include "wire/utf8.h"

namespace rb::families::qx710 {

using namespace base_ids;
using eapages::labelled;

namespace {

constexpr int kFrequencyChars = 7;

}  // namespace

void CQX710Base::declareForm(engine::FormModel& f) {
    namespace L = engine::layout;

    eapages::declareIdentity(f);
    f.addButton(kSetIdentity, "设置");

    f.addEdit(kVersionA, 0, "1");
    f.addEdit(kVersionB, 0, "0");
    f.addEdit(kSoftwareHigh, 0, "").readOnly = true;
    f.addEdit(kSoftwareLow, 0, "").readOnly = true;
    f.addRadio(kControlDesk, "控制调度台", kControlDesk).value = 1;
    f.addRadio(kServiceDesk, "业务调度台", kControlDesk);
    f.addRadio(kShipStation, "船台", kControlDesk);
    f.addRadio(kAnalogShip, "模拟船台", kControlDesk);
    f.addEdit(kBaseNumber, 0, "0");
    f.addEdit(kOwnerName, 0, "");
    f.addMultiEdit(kOwnerText, "");

    f.addRadio(kSpacing25, "25 KHz", kSpacing25).value = 1;
    f.addRadio(kSpacing12_5, "12.5KHz", kSpacing25);
    f.addEdit(kDefaultNumber, 0, "0");
    for (int id : {kOffNet, kDefaultTx, kDefaultRx}) f.addEdit(id, kFrequencyChars, "0");

    f.addEdit(kTablePage, 0, "0");
    for (int r = 0; r < 4; ++r) {
        f.addStatic(kRowLabels[std::size_t(r)], std::to_string(r));
        f.addEdit(kRowTx[std::size_t(r)], kFrequencyChars, "0");
        f.addEdit(kRowRx[std::size_t(r)], kFrequencyChars, "0");
    }

    f.addRadio(kAlarmByIdentity, "身份码", kAlarmByIdentity).value = 1;
    f.addRadio(kAlarmByPhone, "电话号码", kAlarmByIdentity);
    f.addEdit(kAlarmNumber, 0, "1");

    f.addRadio(kEncryptOn, "加密使能", kEncryptOn).value = 1;
    f.addRadio(kEncryptOff, "加密禁止", kEncryptOn);
    f.addEdit(kKeyParameter, 0, "0");
    f.addEdit(kKeyWord, 0, "");

    // 点名超时 5, 脱网超时 1, 信道保持 10, PTT 保持 30, on creation as after a reset.
    f.addEdit(kRollCallTimeout, 0, "5");
    f.addEdit(kOffNetTimeout, 0, "1");
    f.addEdit(kChannelHold, 0, "10");
    f.addEdit(kPttHold, 0, "30");

    f.addRadio(kPower5W, "5W", kPower5W).value = 1;
    f.addRadio(kPower20W, "20W", kPower5W);

    for (int id : kStatusFields) f.addStatic(id, "");
    f.addCheck(kPeriodicRead, "定时读取电台数据", false);
    f.addButton(engine::kReadButton, "读取电台数据");
    f.addButton(engine::kWriteButton, "写录电台数据");

    std::vector<engine::LayoutItem> table = {L::label("编号"), L::label("发射频率"),
                                             L::label("接收频率")};
    for (std::size_t r = 0; r < 4; ++r) {
        table.push_back(L::ctl(kRowLabels[r]));
        table.push_back(L::ctl(kRowTx[r]));
        table.push_back(L::ctl(kRowRx[r]));
    }

    const engine::LayoutItem left = L::column({
        L::group("身份码设置",
                 L::row({labelled("身份码:", kIdentity), L::ctl(kAuthOn), L::ctl(kAuthOff),
                         labelled("系统类别:", kSystemCategory), L::ctl(kSetIdentity)})),
        L::group(
            "基本参数",
            L::column({
                L::row({L::label("基站频率表版本号:"), L::ctl(kVersionA), L::label("."),
                        L::ctl(kVersionB), L::label("电台软件版本号:"), L::ctl(kSoftwareHigh),
                        L::label("."), L::ctl(kSoftwareLow)}),
                L::row({L::label("电台类型:"), L::ctl(kControlDesk), L::ctl(kServiceDesk),
                        L::ctl(kShipStation), L::ctl(kAnalogShip)}),
                L::row({labelled("基站编号:", kBaseNumber), labelled("机主姓名:", kOwnerName)}),
                labelled("身份信息:", kOwnerText),
            })),
        L::group("信道间隔及默认频率",
                 L::grid(4, {L::ctl(kSpacing25), L::ctl(kSpacing12_5), L::label("默认频率编号:"),
                             L::ctl(kDefaultNumber), L::label("脱网信道频率:"), L::ctl(kOffNet),
                             L::label("默认发射频率:"), L::ctl(kDefaultTx),
                             L::label("默认接收频率:"), L::ctl(kDefaultRx)})),
        L::group("船台频率表", L::column({labelled("频率页号:", kTablePage), L::grid(3, table)})),
    });

    const engine::LayoutItem right = L::column({
        L::group("报警电话绑定",
                 L::column({L::row({L::ctl(kAlarmByIdentity), L::ctl(kAlarmByPhone)}),
                            labelled("报警电话号码或身份码:", kAlarmNumber)})),
        L::group("加密", L::column({L::row({L::ctl(kEncryptOn), L::ctl(kEncryptOff)}),
                                    L::row({labelled("密钥参数:", kKeyParameter),
                                            labelled("密钥字:", kKeyWord)})})),
        L::group("调度时间参数", L::grid(4, {L::label("点名超时(分钟):"), L::ctl(kRollCallTimeout),
                                             L::label("脱网超时(分钟):"), L::ctl(kOffNetTimeout),
                                             L::label("信道保持(秒):"), L::ctl(kChannelHold),
                                             L::label("PTT 保持(秒):"), L::ctl(kPttHold)})),
        L::group("电台发射功率", L::row({L::ctl(kPower5W), L::ctl(kPower20W)})),
        L::group("电台状态",
                 L::grid(4, {L::label("场强值:"), L::ctl(kFieldStrength), L::label("驻波值:"),
                             L::ctl(kSwr), L::label("基站编号:"), L::ctl(kStatusBase),
                             L::label("呼叫类型:"), L::ctl(kCallType), L::label("频率编号:"),
                             L::ctl(kFrequencyNumber), L::label("收发状态:"), L::ctl(kTxRxState),
                             L::label("信道状态:"), L::ctl(kChannelState)})),
        L::stretch(),
    });

    f.setLayout(L::column({
        L::row({left, right}),
        L::row({L::ctl(kPeriodicRead), L::stretch(), L::ctl(engine::kReadButton),
                L::ctl(engine::kWriteButton)}),
    }));
}

void CQX710Base::bindEditGuards() {
    auto& f = form();
    // Edits whose typed text is refused as a whole: the previous text comes back.
    auto refuse = [this](int id, engine::AcceptedTexts::Refuses tooLong) {
        accepted_.guard(id, std::move(tooLong));
    };
    refuse(kIdentity, [](const std::string& t) {
        const long long v = wire::parseLong(t);
        return t.size() > 6 || v < 1 || v > 262143;
    });
    refuse(kOwnerName, [](const std::string& t) { return wire::gbkLength(t) >= 20; });
    refuse(kOwnerText, [](const std::string& t) { return wire::gbkLength(t) >= 64; });
    refuse(kAlarmNumber, [](const std::string& t) { return wire::utf8CharCount(t) > 14; });
    refuse(kKeyWord, [](const std::string& t) { return wire::gbkLength(t) > 12; });

    // Numbers kept inside their range.
    auto clamp = [this](int id, long long lo, long long hi, long long outside) {
        form().onChange(id, [this, id, lo, hi, outside] {
            const std::string& text = form().text(id);
            if (text.empty()) return;
            const long long v = wire::parseLong(text);
            if (v < lo) form().setInt(id, outside < 0 ? lo : outside);
            if (v > hi) form().setInt(id, outside < 0 ? hi : outside);
        });
    };
    clamp(kVersionA, 0, 15, -1);
    clamp(kVersionB, 0, 15, -1);
    clamp(kBaseNumber, 0, 63, -1);
    clamp(kTablePage, 0, 63, -1);
    clamp(kKeyParameter, 0, 65535, -1);
    clamp(kDefaultNumber, 0, 254, 0);  // outside 0-254 becomes 0
    for (int id : kTimingEdits) clamp(id, 0, 255, -1);
    (void)f;
}

}  // namespace rb::families::qx710
