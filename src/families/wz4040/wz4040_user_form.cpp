#include "families/eapages/aux_commands.h"
#include "families/wz4040/wz4040_user.h"
#include "wire/text_format.h"

namespace rb::families::wz4040 {

using namespace user_ids;
using wire::twoDigits;

void CWZ4040User::declareForm() {
    namespace L = engine::layout;
    auto& f = form();
    // Both texts are limited in GBK bytes, the width of their field on the wire.
    f.addEdit(kOwnerName, int(kOwnerNameBytes), "").maxLengthInGbkBytes = true;
    auto& text = f.addMultiEdit(kOwnerText, "");
    text.maxLength = int(kOwnerTextBytes);
    text.maxLengthInGbkBytes = true;
    f.addRadio(kPower5W, "5W", kPower5W).value = 1;
    f.addRadio(kPower20W, "20W", kPower5W);
    f.addEdit(kStaticCount, 0, "0").readOnly = true;
    f.addSpin(kStaticSpin, kStaticCount, 0, 15, true);
    f.addEdit(kDynamicCount, 0, "0").readOnly = true;
    f.addSpin(kDynamicSpin, kDynamicCount, 0, 15, true);
    for (int k = 1; k <= kGroupCodes; ++k) {
        f.addEdit(staticEdit(k), 5, "0");
        f.addEdit(dynamicEdit(k), 5, "0");
    }
    eapages::declareAuxControls(f, "开机通知", "关机通知");
    f.addButton(engine::kReadButton, "读取数据");
    f.addButton(engine::kWriteButton, "写录数据");

    auto codes = [](int (*edit)(int)) {
        std::vector<engine::LayoutItem> cells;
        for (int k = 1; k <= kGroupCodes; ++k) {
            cells.push_back(L::label(twoDigits(k)));
            cells.push_back(L::ctl(edit(k)));
        }
        return L::grid(10, std::move(cells));
    };
    f.setLayout(L::column({
        L::group("设置用户信息",
                 L::column({L::row({L::label("机主姓名:"), L::ctl(kOwnerName), L::stretch()}),
                            L::row({L::label("机主身份信息:"), L::ctl(kOwnerText)})})),
        L::group("设置发射功率", L::row({L::ctl(kPower5W), L::ctl(kPower20W), L::stretch()})),
        L::group("静态组呼码", L::column({L::row({L::label("静态组呼个数:"), L::ctl(kStaticCount),
                                                  L::ctl(kStaticSpin), L::stretch()}),
                                          codes(&staticEdit)})),
        L::group("动态组呼码", L::column({L::row({L::label("动态组呼个数:"), L::ctl(kDynamicCount),
                                                  L::ctl(kDynamicSpin), L::stretch()}),
                                          codes(&dynamicEdit)})),
        L::group("辅助控制协议",
                 L::row({L::label("复位延时秒数:"), L::ctl(kResetDelay), L::ctl(kResetButton),
                         L::ctl(kFactoryMode), L::ctl(kOnlineMode), L::ctl(kWorkModeButton),
                         L::ctl(kPowerOn), L::ctl(kPowerOff), L::stretch()})),
        L::stretch(),
        L::row({L::stretch(), L::ctl(engine::kReadButton), L::ctl(engine::kWriteButton)}),
    }));
}

}  // namespace rb::families::wz4040
