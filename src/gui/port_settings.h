// The port the user chose (`commPortNumber`, `commBaudRate`) and, beyond the four numbered
// ports, a device path or the built-in simulated terminal; and the texts that name them.
#pragma once

#include <string>

#include "engine/link.h"

namespace rb::gui {

inline constexpr const char* kSimulatorChoice = "内置模拟终端";

struct PortSettings {
    int commPortNumber = 1;  // 1..4: COM1 .. COM4
    int commBaudRate = 0;    // 9600 or 19200; 0 until the first open
    std::string device;      // empty: COM<commPortNumber>; "sim"; or a device path

    // The request for the port object; `family` picks the simulated terminal.
    engine::PortRequest request(const std::string& family) const;
    // The port as the user knows it: "1", "/dev/ttyUSB0", "内置模拟终端".
    std::string label() const;
};

// Status part 0: "连接信息:1,9600,N,8,1" when open, "连接信息:串口未打开" otherwise.
std::string connectionText(bool open, const PortSettings& settings);

}  // namespace rb::gui
