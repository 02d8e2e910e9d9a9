#include "gui/port_settings.h"

namespace rb::gui {

engine::PortRequest PortSettings::request(const std::string& family) const {
    engine::PortRequest r;
    if (device.empty()) r.number = unsigned(commPortNumber);
    r.device = device;
    r.baud = commBaudRate > 0 ? commBaudRate : 9600;
    r.family = family;
    return r;
}

std::string PortSettings::label() const {
    if (device.empty()) return std::to_string(commPortNumber);
    if (device == "sim") return kSimulatorChoice;
    return device;
}

std::string connectionText(bool open, const PortSettings& settings) {
    if (!open) return "连接信息:串口未打开";
    return "连接信息:" + settings.label() + "," + std::to_string(settings.commBaudRate) + ",N,8,1";
}

}  // namespace rb::gui
