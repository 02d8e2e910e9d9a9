#include "sim/lm52r_terminal.h"

namespace rb::sim {

namespace {

using Key = GroupTableTerminal::Key;

// clang-format off
constexpr GroupTableTerminal::Group kGroups[] = {
    // name          write  n   read  n  key
    {"common",       0x20, 17, 0x22, 5, Key::None},
    {"frequencies",  0x14, 71, 0x16, 7, Key::ChannelGroup},
    {"functions",    0x1C, 55, 0x1E, 7, Key::ChannelGroup},
    {"vox",          0x3C,  9, 0x3E, 7, Key::None},
    {"identity",     0x50, 92, 0x52, 5, Key::None},
    {"bindings",     0x28, 39, 0x2A, 5, Key::None},
    {"standby",      0x2C, 45, 0x2E, 5, Key::None},
    {"encryption",   0x34, 22, 0x36, 8, Key::Scheme},
    {"train",        0x30, 10, 0x32, 7, Key::None},
};
// clang-format on

}  // namespace

Lm52rTerminal::Lm52rTerminal() : GroupTableTerminal(kGroups, kChannelGroups) { factoryReset(); }

}  // namespace rb::sim
