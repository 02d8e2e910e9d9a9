#include "families/eapages/cdma_select.h"

#include <algorithm>

namespace rb::families::eapages {

using namespace cdma_ids;

namespace {
constexpr std::uint8_t kCdmaCode = 0xA2;
}  // namespace

void declareCdmaSelect(engine::FormModel& f, int cdma, int wz) {
    f.addRadio(cdma, "CDMA", cdma).value = 1;
    f.addRadio(wz, "WZ", cdma);
    f.addRadio(kAudioOff, "关", kAudioOff).value = 1;
    f.addRadio(kAudioOn, "开", kAudioOff);
    f.addRadio(kRingOn, "振铃开", kAudioOff);
    f.addRadio(kRingOff, "振铃关", kAudioOff);
    f.addButton(kCdmaButton, "CDMA/WZ选择");
}

engine::LayoutItem cdmaSelectGroup(int cdma, int wz) {
    namespace L = engine::layout;
    return L::group("CDMA/WZ选择（船台）",
                    L::column({L::row({L::label("控制类型:"), L::ctl(cdma), L::ctl(wz)}),
                               L::row({L::label("音频控制:"), L::ctl(kAudioOff), L::ctl(kAudioOn),
                                       L::ctl(kRingOn), L::ctl(kRingOff), L::ctl(kCdmaButton)})}));
}

wire::Bytes cdmaSelectFrame(const engine::FormModel& f, int cdma) {
    const std::uint8_t kind = f.radio(cdma) == 1 ? 0x00 : 0xCD;
    return wire::frameEA(kCdmaCode, {kind, std::uint8_t(std::max(0, f.radio(kAudioOff)))});
}

}  // namespace rb::families::eapages
