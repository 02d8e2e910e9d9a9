// The form of the LM52R crew page: its controls with their opening values, and its layout.
#include "families/lm52r/lm52r_crew.h"

namespace rb::families::lm52r {

using namespace crew_ids;
using namespace engine::layout;

void CLM52RCrew::declareForm() {
    auto& f = form();
    f.addEdit(kDispatchEdit, 0, "0");
    f.addSpin(kDispatchSpin, kDispatchEdit, 0, 15);
    f.addEdit(kStaffEdit, 0, "0");
    f.addSpin(kStaffSpin, kStaffEdit, 0, 15);
    f.addCheck(kNoResendCheck, "禁止自动重发", false);
    f.addRadio(kHandheldRadio, "手持电台", kHandheldRadio).value = 1;
    f.addRadio(kLocomotiveRadio, "机车电台", kHandheldRadio);
    f.addButton(kReadButton, "读取列调参数");
    f.addButton(kWriteButton, "写录列调参数");
    f.setLayout(group("列车调度型参数设置:",
                      column({grid(3, {label("调号:"), ctl(kDispatchEdit), ctl(kDispatchSpin),
                                       label("人员编号:"), ctl(kStaffEdit), ctl(kStaffSpin)}),
                              ctl(kNoResendCheck),
                              group("电台类型", row({ctl(kHandheldRadio), ctl(kLocomotiveRadio)})),
                              row({ctl(kReadButton), ctl(kWriteButton)})})));
}

}  // namespace rb::families::lm52r
