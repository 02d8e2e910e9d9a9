#include "families/eapages/aux_commands.h"

#include "families/eapages/ea_codes.h"
#include "families/eapages/muster_ids.h"

namespace rb::families::eapages {

namespace {

constexpr std::uint8_t kResetCode = 0xA0;
constexpr std::uint8_t kWorkModeCode = 0xA1;
constexpr std::uint8_t kPowerTimeCode = 0xA5;

}  // namespace

void declareAuxControls(engine::FormModel& f, const char* powerOnCaption,
                        const char* powerOffCaption) {
    using namespace aux_ids;
    f.addEdit(kResetDelay, 0, "0");
    f.addButton(kResetButton, "电台复位");
    f.addRadio(kFactoryMode, "出厂模式", kFactoryMode).value = 1;
    f.addRadio(kOnlineMode, "连机模式", kFactoryMode);
    f.addButton(kWorkModeButton, "工作模式设置");
    f.addButton(kPowerOn, powerOnCaption);
    f.addButton(kPowerOff, powerOffCaption);
}

wire::Bytes resetFrame(std::uint8_t delaySeconds) {
    return wire::frameEA(kResetCode, {0xCC, 0xDD, delaySeconds});
}

wire::Bytes workModeFrame(std::uint8_t mode) { return wire::frameEA(kWorkModeCode, {mode}); }

wire::Bytes powerTimeFrame(bool on, const std::string& timeText) {
    wire::Bytes p{std::uint8_t(on ? 1 : 0)};
    const wire::Bytes clock = clockBytes(timeText);
    p.insert(p.end(), clock.begin(), clock.end());
    return wire::frameEA(kPowerTimeCode, p);
}

}  // namespace rb::families::eapages
