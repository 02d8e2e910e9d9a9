// The form of the network-radio user page: its controls with their opening values, and its
// layout.
#include <cstdio>

#include "families/netradio/netradio_user.h"
#include "wire/text_format.h"

namespace rb::families::netradio {

using namespace engine::layout;
using namespace user_ids;

using wire::twoDigits;

void CNetRadioUser::declareForm() {
    auto& f = form();
    f.addEdit(kIdentityEdit, 4, "0");
    f.addEdit(kGroupEdit, 0, "1");
    // The spins wrap: up from 63 gives 1, down from 1 gives 63 (numbers: 15 and 1).
    f.addSpin(kGroupSpin, kGroupEdit, 1, 63, /*wrap=*/true);
    f.addEdit(kNumberEdit, 0, "1");
    f.addSpin(kNumberSpin, kNumberEdit, 1, 15, /*wrap=*/true);
    f.addCheck(kRelayCheck, "中转有效", true);
    f.addEdit(kOwnerNameEdit);
    f.addMultiEdit(kOwnerTextEdit);
    f.addCheck(kAuthCheck, "鉴权(使能)", true);
    f.addCheck(kCrossGroupCheck, "跨组呼叫使能", false);
    for (int id : kGroupCodeEdits) f.addEdit(id).readOnly = id == kGroupCodeEdits[0];
    // Code 01 is the local group-call code; the page fills it in.
    f.addStatic(kNoteLabel, "说明:输入0或保留空白时后续数据无效");
    declareEncryptionHop();
    f.addButton(engine::kReadButton, "读取数据");
    f.addButton(engine::kWriteButton, "写录数据");
    f.setLayout(formLayout());
}

engine::LayoutItem CNetRadioUser::formLayout() const {
    engine::LayoutItem identity = group(
        "", grid(3, {label("身份码:"), ctl(kIdentityEdit), label("(17~1023)"), label("本机组呼码:"),
                     row({ctl(kGroupEdit), ctl(kGroupSpin)}), label("(1~63)"), label("组内编号:"),
                     row({ctl(kNumberEdit), ctl(kNumberSpin)}), label("(1~15)"), label("机主姓名:"),
                     ctl(kOwnerNameEdit), empty(), label("机主身份信息:"), ctl(kOwnerTextEdit),
                     empty()}));
    engine::LayoutItem switches =
        row({ctl(kRelayCheck), ctl(kAuthCheck), ctl(kCrossGroupCheck), stretch()});

    std::vector<engine::LayoutItem> codes;
    for (int k = 0; k < 16; ++k) {
        codes.push_back(label("所属组呼码" + twoDigits(k + 1) + ":"));
        codes.push_back(ctl(kGroupCodeEdits[std::size_t(k)]));
    }
    engine::LayoutItem groupCodes = group("所属组呼码", column({grid(8, codes), ctl(kNoteLabel)}));
    return column({row({column({identity, switches}), encryptionLayout("加密"), hopMap().layout()}),
                   groupCodes,
                   row({stretch(), ctl(engine::kReadButton), ctl(engine::kWriteButton)})});
}

}  // namespace rb::families::netradio
