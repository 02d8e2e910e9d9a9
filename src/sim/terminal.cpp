#include "sim/terminal.h"

#include <algorithm>
#include <cctype>

#include "sim/lm52r_terminal.h"
#include "sim/qx710_terminal.h"

namespace rb::sim {

namespace {

std::string lowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}

}  // namespace

std::unique_ptr<Terminal> makeTerminal(const std::string& family) {
    const std::string name = lowerCase(family);
    if (name == Lm52rTerminal::kFamily) return std::make_unique<Lm52rTerminal>();
    if (name == Qx710Terminal::kFamily) return std::make_unique<Qx710Terminal>();
    return nullptr;
}

std::vector<std::string> terminalFamilies() { return {Lm52rTerminal::kFamily, Qx710Terminal::kFamily}; }

}  // namespace rb::sim
