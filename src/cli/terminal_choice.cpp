#include "cli/terminal_choice.h"

#include <algorithm>
#include <cctype>

#include "engine/access_codes.h"
#include "families/catalog/catalog.h"

namespace rb::cli {

namespace {

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return s;
}

}  // namespace

std::vector<CliTerminalType> cliTerminalTypes() {
    // The main window's terminal types, then the production test, which the command line also
    // names (it has no entry in the terminal list).
    std::vector<CliTerminalType> out;
    for (const auto& t : families::terminalTypes())
        out.push_back({t.key, t.label, t.baud, t.built});
    const auto& p = families::productionTestType();
    out.push_back({p.key, p.label, p.baud, p.built});
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
    std::string wanted = lower(key);
    // The terminal list shows "LM52R/LM520": both names choose that type.
    if (wanted == "lm520") wanted = "lm52r";
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

std::optional<std::string> productionAccessProblem(const std::string& code) {
    if (code.empty()) return std::string(kAccessCodeNeeded);
    if (!engine::accessCodeAccepted(false, code)) return std::string(engine::kWrongCodeText);
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
