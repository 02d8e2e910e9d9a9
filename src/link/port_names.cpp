#include "link/port_names.h"

#include <QSerialPortInfo>
#include <algorithm>
#include <cstdlib>

namespace rb::link {

namespace {

constexpr unsigned kLastPort = 1024;

std::string environment(const std::string& name) {
    const char* value = std::getenv(name.c_str());
    return value ? std::string(value) : std::string();
}

}  // namespace

std::string portDeviceName(unsigned n) {
    if (n == 0 || n > kLastPort) return {};
#ifdef Q_OS_WIN
    return "COM" + std::to_string(n);
#else
    if (std::string own = environment("RADIOBENCH_COM" + std::to_string(n)); !own.empty())
        return own;
    std::string prefix = environment("RADIOBENCH_COM_PREFIX");
    if (prefix.empty()) prefix = "/dev/ttyS";
    return prefix + std::to_string(n - 1);
#endif
}

std::vector<std::string> availablePorts() {
    std::vector<std::string> names;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
#ifdef Q_OS_WIN
        names.push_back(info.portName().toStdString());
#else
        names.push_back(info.systemLocation().toStdString());
#endif
    }
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

}  // namespace rb::link
