#include "sim/terminal.h"

#include <algorithm>
#include <cctype>

#include "sim/lm52r_terminal.h"
#include "sim/netradio_terminal.h"
#include "sim/protest_terminal.h"
#include "sim/qx710_terminal.h"
#include "sim/train_terminal.h"
#include "sim/wz4040_terminal.h"

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
    if (name == NetRadioTerminal::kFamily) return std::make_unique<NetRadioTerminal>();
    if (name == TrainTerminal::kFamily) return std::make_unique<TrainTerminal>();
    if (name == Qx710Terminal::kFamily) return std::make_unique<Qx710Terminal>();
    if (name == ProtestTerminal::kFamily) return std::make_unique<ProtestTerminal>();
    if (name == Wz4040Terminal::kTrunking) return std::make_unique<Wz4040Terminal>(false);
    if (name == Wz4040Terminal::kRelay) return std::make_unique<Wz4040Terminal>(true);
    return nullptr;
}

std::vector<std::string> terminalFamilies() {
    return {Lm52rTerminal::kFamily, NetRadioTerminal::kFamily, TrainTerminal::kFamily,
            Qx710Terminal::kFamily, ProtestTerminal::kFamily,  Wz4040Terminal::kTrunking,
            Wz4040Terminal::kRelay};
}

}  // namespace rb::sim
