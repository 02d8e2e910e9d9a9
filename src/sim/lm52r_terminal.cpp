#include "sim/lm52r_terminal.h"

#include <algorithm>
#include <optional>

namespace rb::sim {

namespace {

using Group = Lm52rTerminal::Group;
using Key = Lm52rTerminal::Key;

constexpr std::uint8_t kVersionRead = 0x99;
constexpr std::size_t kVersionReadLength = 7;
constexpr std::size_t kPayloadStart = 4;
constexpr std::size_t kReservedVersionBytes = 4;

// clang-format off
constexpr Group kGroups[] = {
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

const Group* groupWritten(std::uint8_t code) {
    for (const Group& g : kGroups)
        if (g.writeCode == code) return &g;
    return nullptr;
}

const Group* groupRead(std::uint8_t code) {
    for (const Group& g : kGroups)
        if (g.readCode == code) return &g;
    return nullptr;
}

// The key a request names, or nothing when it names none the terminal has.
std::optional<int> keyOf(Key key, const wire::FrameView& f) {
    switch (key) {
        case Key::None:
            return 0;
        case Key::ChannelGroup: {
            const int group = f.u16be(4);
            if (group < 1 || group > Lm52rTerminal::kChannelGroups) return std::nullopt;
            return group;
        }
        case Key::Scheme:
            return f[6];
    }
    return std::nullopt;
}

// Frame bytes 4 .. n-2 of a request.
wire::Bytes payloadOf(const wire::FrameView& f) {
    if (f.size() <= kPayloadStart + 1) return {};
    return wire::Bytes(f.data() + kPayloadStart, f.data() + f.size() - 1);
}

wire::Bytes answerFrame(std::uint8_t requestCode, const wire::Bytes& payload) {
    return wire::frame96(std::uint8_t(requestCode + 1), payload);
}

}  // namespace

Lm52rTerminal::Lm52rTerminal() { factoryReset(); }

void Lm52rTerminal::factoryReset() {
    stored_.clear();
    hopMaps_.clear();
    storeFactoryContents();
}

void Lm52rTerminal::store(std::uint8_t writeCode, int key, wire::Bytes payload) {
    stored_[{writeCode, key}] = std::move(payload);
}

std::vector<wire::Bytes> Lm52rTerminal::answer(const wire::FrameView& request) {
    if (request.lead() != wire::kLead96) return {};
    const std::uint8_t code = request.code();
    if (const Group* g = groupWritten(code)) return answerWrite(*g, request);
    if (const Group* g = groupRead(code)) return answerRead(*g, request);
    switch (code) {
        case HopMapStore::kWrite:
            return hopMaps_.answerWrite(request);
        case HopMapStore::kRead:
            return hopMaps_.answerRead(request);
        case kVersionRead:
            return answerVersion(request);
        default:
            return {};
    }
}

std::vector<wire::Bytes> Lm52rTerminal::answerWrite(const Group& group,
                                                    const wire::FrameView& request) {
    if (request.size() != group.writeLength) return {};
    const std::optional<int> key = keyOf(group.key, request);
    if (!key) return {};
    store(group.writeCode, *key, payloadOf(request));
    return {answerFrame(group.writeCode, {request[4], request[5]})};
}

std::vector<wire::Bytes> Lm52rTerminal::answerRead(const Group& group,
                                                   const wire::FrameView& request) {
    if (request.size() < group.readLength) return {};
    const std::optional<int> key = keyOf(group.key, request);
    if (!key) return {};
    const auto it = stored_.find({group.writeCode, *key});
    if (it != stored_.end()) return {answerFrame(group.readCode, it->second)};
    // Only a scheme never written gets here: its settings are blank.
    wire::Bytes blank(group.writeLength - 5, 0);
    blank[1] = 0x01;
    if (group.key == Key::Scheme) blank[2] = std::uint8_t(*key);
    return {answerFrame(group.readCode, blank)};
}

std::vector<wire::Bytes> Lm52rTerminal::answerVersion(const wire::FrameView& request) {
    if (request.size() < kVersionReadLength) return {};
    wire::Bytes payload{request[4], request[5]};
    payload.resize(payload.size() + kReservedVersionBytes, 0);
    payload.insert(payload.end(), version_.begin(), version_.end());
    payload.push_back(0);  // ends the text before the checksum
    return {answerFrame(kVersionRead, payload)};
}

}  // namespace rb::sim
