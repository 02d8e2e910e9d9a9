#include "families/eapages/aux_commands.h"
#include "families/qx710/qx710_muster.h"

namespace rb::families::qx710 {

using namespace muster_ids;

void CQX710Muster::declareForm() {
    namespace L = engine::layout;
    auto& f = form();
    dispatch::declareSlots(f);
    declareIntervals(f);
    declareTimedBoxes(f);
    declareSendButtons(f);
    eapages::declareAuxControls(f, "船台开机时间", "船台关机时间");

    f.setLayout(L::column({
        musterGroup(),
        rollCallGroup(),
        L::row({
            L::group("电台复位", L::row({L::label("复位延时秒数:"), L::ctl(kResetDelay),
                                         L::ctl(kResetButton)})),
            L::group("工作模式",
                     L::row({L::ctl(kFactoryMode), L::ctl(kOnlineMode), L::ctl(kWorkModeButton)})),
            L::group("船台开关机时间", L::row({L::ctl(kPowerOnTime), L::ctl(kPowerOffTime)})),
            L::stretch(),
        }),
        L::stretch(),
    }));
}

}  // namespace rb::families::qx710
