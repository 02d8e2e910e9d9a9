// Names of serial ports: what a port number means on this platform, and what the system has.
#pragma once

#include <string>
#include <vector>

namespace rb::link {

// The device of port number n (1..1024). Windows: "COM<n>". Elsewhere "/dev/ttyS<n-1>" unless
// the environment says otherwise: RADIOBENCH_COM<n> names the device of that one number
// (RADIOBENCH_COM1=/dev/ttyUSB0), RADIOBENCH_COM_PREFIX the stem for every number
// (RADIOBENCH_COM_PREFIX=/dev/ttyUSB makes COM1 /dev/ttyUSB0). Empty for 0 or above 1024.
std::string portDeviceName(unsigned n);

// Every serial port the system reports, as a name that opens it (device path or "COMn"),
// sorted, without duplicates.
std::vector<std::string> availablePorts();

}  // namespace rb::link
