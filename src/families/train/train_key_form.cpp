// The key page's form: the three groups with their controls, opening values and layout.
#include "families/train/train_key.h"

namespace rb::families::train {

using namespace key_ids;
using namespace engine::layout;

namespace {

// One column of the key grid: rows [first, last] under the headers "键名", "按键", "测机".
engine::LayoutItem keyColumn(int first, int last) {
    std::vector<engine::LayoutItem> cells = {label("键名"), label("按键"), label("测机")};
    for (int k = first; k <= last; ++k) {
        const KeyRow& row = kKeys[std::size_t(k - 1)];
        cells.push_back(label(row.name));
        cells.push_back(ctl(row.press));
        cells.push_back(ctl(row.test));
    }
    return column({grid(3, std::move(cells)), stretch()});  // the shorter columns at the top
}

}  // namespace

void CTrainKey::declareForm() {
    auto& f = form();
    f.addEdit(kIdentityEdit, 5, "0").readOnly = true;
    f.addEdit(kOwnerNameEdit);
    f.addMultiEdit(kOwnerTextEdit);
    f.addCheck(kAuthCheck, "鉴权(使能)", true).visible = false;
    f.addButton(kReadIdentityButton, "读取数据");
    f.addButton(kWriteIdentityButton, "写录数据");

    f.addEdit(kChannelEdit, 0, "1");
    f.addSpin(kChannelSpin, kChannelEdit, 1, 16, /*wrap=*/true);
    f.addEdit(kDispatchEdit, 0, "1");
    f.addSpin(kDispatchSpin, kDispatchEdit, 1, 255, /*wrap=*/true);
    f.addEdit(kStaffEdit, 0, "1");
    f.addSpin(kStaffSpin, kStaffEdit, 1, 15, /*wrap=*/true);
    f.addRadio(kHandheldRadio, "手持台", kHandheldRadio).value = 1;
    f.addRadio(kLocomotiveRadio, "机车台", kHandheldRadio);
    f.addRadio(kSectionRadio, "区长台", kHandheldRadio);
    f.addRadio(kOrdinaryRadio, "常规台", kHandheldRadio);
    f.addButton(kReadTrainButton, "读取列调参数");
    f.addButton(kWriteTrainButton, "写录列调参数");

    f.addEdit(kLongPressEdit, 5, "1200");
    f.addEdit(kComboEdit, 5, "500");
    f.addEdit(kTestEdit, 5, "6000");
    for (const KeyRow& row : kKeys) {
        f.addCheck(row.press, "", false);
        f.addCheck(row.test, "", false);
    }
    f.addButton(kReadKeysButton, "读取按键");
    f.addButton(kWriteKeysButton, "写录按键");

    engine::LayoutItem identity =
        group("个人信息",
              column({grid(2, {label("身份码:"), ctl(kIdentityEdit), label("机主姓名:"),
                               ctl(kOwnerNameEdit), label("机主身份信息:"), ctl(kOwnerTextEdit)}),
                      ctl(kAuthCheck),
                      row({stretch(), ctl(kReadIdentityButton), ctl(kWriteIdentityButton)})}));
    engine::LayoutItem dispatch = group(
        "列调参数", column({grid(3, {label("信道:"), ctl(kChannelEdit), ctl(kChannelSpin),
                                     label("调号:"), ctl(kDispatchEdit), ctl(kDispatchSpin),
                                     label("编号:"), ctl(kStaffEdit), ctl(kStaffSpin)}),
                            group("电台类型", grid(2, {ctl(kHandheldRadio), ctl(kLocomotiveRadio),
                                                       ctl(kSectionRadio), ctl(kOrdinaryRadio)})),
                            row({ctl(kReadTrainButton), ctl(kWriteTrainButton)})}));
    engine::LayoutItem keys = group(
        "按键设置",
        column({row({label("长按键时限(毫秒)"), ctl(kLongPressEdit), label("组合键时限(毫秒)"),
                     ctl(kComboEdit), label("测机间隔(毫秒)"), ctl(kTestEdit), stretch()}),
                row({keyColumn(1, 8), keyColumn(9, 15), keyColumn(16, 21), stretch()}),
                row({stretch(), ctl(kReadKeysButton), ctl(kWriteKeysButton)})}));
    f.setLayout(column({row({identity, dispatch}), keys}));
}

}  // namespace rb::families::train
