#include "cli/terminal_choice.h"

#include <algorithm>
#include <cctype>

#include "families/catalog/catalog.h"

namespace rb::cli {

namespace {

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return s;
}

struct KnownType {
    const char* key;
    const char* label;
    int baud;
};

// The command line's names; the catalog says which of them are built and at which speed.
constexpr KnownType kKnownTypes[] = {
    {"lm52r", "LM52R/LM520", 9600},   {"netradio", "网络电台", 9600},
    {"train", "平调/列调台", 9600},   {"qx710", "QX-7100", 19200},
    {"wz4040", "WZ-4040集群", 19200}, {"lm520w", "LM520W", 19200},
    {"protest", "生产测试", 9600},
};

}  // namespace

std::vector<CliTerminalType> cliTerminalTypes() {
    std::vector<CliTerminalType> out;
    for (const auto& k : kKnownTypes) {
        CliTerminalType t{k.key, k.label, k.baud, false};
        if (const auto* known = families::findTerminalType(k.key)) {
            t.baud = known->baud;
            t.built = known->built;
        }
        out.push_back(t);
    }
    return out;
}

std::string cliTerminalTypeList() {
    std::string out;
    for (const auto& t : cliTerminalTypes()) {
        if (!out.empty()) out += ", ";
        out += t.key;
    }
    return out;
}

std::optional<CliTerminalType> chooseTerminalType(const std::string& key, std::string& error) {
    const std::string wanted = lower(key);
    for (const auto& t : cliTerminalTypes()) {
        if (t.key != wanted) continue;
        if (!t.built) {
            error =
                "terminal type '" + t.key + "' (" + t.label + ") is not built yet; built so far: ";
            std::string built;
            for (const auto& b : cliTerminalTypes()) {
                if (b.built) built += (built.empty() ? "" : ", ") + b.key;
            }
            error += built.empty() ? "none" : built;
            return std::nullopt;
        }
        return t;
    }
    error = "unknown terminal type '" + key + "'; one of: " + cliTerminalTypeList();
    return std::nullopt;
}

bool parsePort(const std::string& port, int baud, const std::string& family,
               engine::PortRequest& out, std::string& error) {
    out = engine::PortRequest{};
    out.baud = baud;
    out.family = family;
    if (port.empty()) {
        error = "--port is empty (a device path, COMn or sim)";
        return false;
    }
    if (lower(port) == "sim") {
        out.device = "sim";
        return true;
    }
    const std::string l = lower(port);
    if (l.size() > 3 && l.compare(0, 3, "com") == 0 &&
        std::all_of(l.begin() + 3, l.end(), [](unsigned char c) { return std::isdigit(c); })) {
        const unsigned long n = l.size() > 8 ? 0 : std::stoul(l.substr(3));
        if (n < 1 || n > 1024) {
            error = "port number out of range in '" + port + "' (COM1 ... COM1024)";
            return false;
        }
        out.number = unsigned(n);
        return true;
    }
    out.device = port;
    return true;
}

}  // namespace rb::cli
