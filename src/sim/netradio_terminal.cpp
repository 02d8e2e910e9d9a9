#include "sim/netradio_terminal.h"

namespace rb::sim {

namespace {

using Key = GroupTableTerminal::Key;

constexpr std::uint8_t kFunctionsWrite = 0x18;

// clang-format off
constexpr GroupTableTerminal::Group kGroups[] = {
    // name           write  n   read  n  key
    {"common",        0x20, 17, 0x22, 5, Key::None},
    {"frequencies",   0x14, 71, 0x16, 7, Key::None},
    {"functions",     0x18, 11, 0x1E, 7, Key::None},
    {"vox",           0x3C,  9, 0x3E, 7, Key::None},
    {"identity",      0x50, 92, 0x52, 5, Key::None},
    {"local numbers", 0x44, 29, 0x46, 5, Key::None},
    {"encryption",    0x34, 22, 0x36, 8, Key::Scheme},
};
// clang-format on

}  // namespace

NetRadioTerminal::NetRadioTerminal() : GroupTableTerminal(kGroups, 0) { factoryReset(); }

wire::Bytes NetRadioTerminal::readPayload(const Group& group, wire::Bytes written) const {
    if (group.writeCode != kFunctionsWrite) return written;
    return {written[0], written[1], written[3], 0x00, 0x00, 0x00};
}

}  // namespace rb::sim
