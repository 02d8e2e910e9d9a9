// The form of the LM52R user page: its controls with their opening values, and its layout.
#include <cstdio>

#include "families/lm52r/lm52r_user.h"
#include "wire/text_format.h"

namespace rb::families::lm52r {

using namespace engine::layout;
using namespace user_ids;

using wire::twoDigits;

void CLM52RUser::declareForm() {
    auto& f = form();
    f.addEdit(kCategoryEdit, 0, "1");
    f.addSpin(kCategorySpin, kCategoryEdit, 1, 4);
    f.addEdit(kIdentityEdit, 5, "0");
    f.addEdit(kOwnerNameEdit);
    f.addMultiEdit(kOwnerTextEdit);
    f.addCheck(kRelayCheck, "中转台标志", false);
    f.addCheck(kAuthCheck, "鉴权(使能)", true);
    f.addCheck(kBindAllowedCheck, "绑定允许", false);
    f.addCheck(kAllStandbyCheck, "守候全有效", false);
    for (int k = 0; k < 16; ++k) f.addEdit(kBindingEdits[k]).enabled = false;
    for (int g = 0; g < 16; ++g) {
        f.addCheck(kStandbyChecks[g], "守候组" + twoDigits(g + 1) + ":", false);
        f.addEdit(kStandbyEdits[g]).enabled = false;
    }
    f.addCheck(kSelectAllCheck, "选择全部守候组", false);
    declareEncryptionHop();
    f.addButton(engine::kReadButton, "读取数据");
    f.addButton(engine::kWriteButton, "写录数据");
    f.setLayout(formLayout());
}

engine::LayoutItem CLM52RUser::formLayout() const {
    engine::LayoutItem identity =
        group("", grid(2, {label("系统类别:"), row({ctl(kCategoryEdit), ctl(kCategorySpin)}),
                           label("身份码:"), ctl(kIdentityEdit), label("机主姓名:"),
                           ctl(kOwnerNameEdit), label("机主身份信息:"), ctl(kOwnerTextEdit)}));
    engine::LayoutItem switches = row({ctl(kRelayCheck), ctl(kAuthCheck), ctl(kBindAllowedCheck),
                                       ctl(kAllStandbyCheck), ctl(kSelectAllCheck)});

    std::vector<engine::LayoutItem> bindings;
    for (int k = 0; k < 16; ++k) {
        bindings.push_back(label(twoDigits(k + 1) + "信道绑定号码:"));
        bindings.push_back(ctl(kBindingEdits[k]));
    }
    std::vector<engine::LayoutItem> standby;
    for (int g = 0; g < 16; ++g) {
        standby.push_back(ctl(kStandbyChecks[g]));
        standby.push_back(ctl(kStandbyEdits[g]));
    }
    return column({row({column({identity, switches}), encryptionLayout(""), hopMap().layout()}),
                   row({grid(8, bindings), grid(8, standby)}),
                   row({stretch(), ctl(engine::kReadButton), ctl(engine::kWriteButton)})});
}

}  // namespace rb::families::lm52r
