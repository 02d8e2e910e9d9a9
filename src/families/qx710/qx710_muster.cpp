#include "families/qx710/qx710_muster.h"

#include <algorithm>

#include "families/eapages/aux_commands.h"
#include "wire/codecs.h"

namespace rb::families::qx710 {

using namespace muster_ids;

CQX710Muster::CQX710Muster(engine::Session& session) : MusterPage(session, kIndex) {
    declareForm();
    bindMuster();
    auto& f = form();
    f.onClick(kResetButton, [this] { sendReset(); });
    f.onClick(kWorkModeButton, [this] { sendWorkMode(); });
    f.onClick(kPowerOnTime, [this] { sendPowerTime(true); });
    f.onClick(kPowerOffTime, [this] { sendPowerTime(false); });
}

void CQX710Muster::takeFields() {
    MusterPage::takeFields();
    const auto& f = form();
    resetDelay_ = wire::parseInt(f.text(kResetDelay));
    workMode_ = std::max(0, f.radio(kFactoryMode));
}

void CQX710Muster::sendReset() {
    takeFields();
    sendAtOnce(eapages::resetFrame(std::uint8_t(resetDelay_)), false);
}

void CQX710Muster::sendWorkMode() {
    takeFields();
    sendAtOnce(eapages::workModeFrame(std::uint8_t(workMode_)), false);
}

void CQX710Muster::sendPowerTime(bool on) {
    sendAtOnce(eapages::powerTimeFrame(on, session().tool.timeText()), false);
}

}  // namespace rb::families::qx710
