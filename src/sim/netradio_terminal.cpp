#include "sim/netradio_terminal.h"

namespace rb::sim {

namespace {

using Group = NetRadioTerminal::Group;

constexpr std::uint8_t kVersionRead = 0x99;
constexpr std::size_t kVersionReadLength = 7;
constexpr std::size_t kReservedVersionBytes = 4;
constexpr std::size_t kPayloadStart = 4;
constexpr std::uint8_t kFunctionsWrite = 0x18;

// clang-format off
constexpr Group kGroups[] = {
    // name           write  n   read  n  by scheme
    {"common",        0x20, 17, 0x22, 5, false},
    {"frequencies",   0x14, 71, 0x16, 7, false},
    {"functions",     0x18, 11, 0x1E, 7, false},
    {"vox",           0x3C,  9, 0x3E, 7, false},
    {"identity",      0x50, 92, 0x52, 5, false},
    {"local numbers", 0x44, 29, 0x46, 5, false},
    {"encryption",    0x34, 22, 0x36, 8, true},
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

wire::Bytes payloadOf(const wire::FrameView& f) {
    if (f.size() <= kPayloadStart + 1) return {};
    return wire::Bytes(f.data() + kPayloadStart, f.data() + f.size() - 1);
}

}  // namespace

NetRadioTerminal::NetRadioTerminal() { factoryReset(); }

void NetRadioTerminal::factoryReset() {
    stored_.clear();
    hopMaps_.clear();
    storeFactoryContents();
}

void NetRadioTerminal::store(std::uint8_t writeCode, int key, wire::Bytes payload) {
    stored_[{writeCode, key}] = std::move(payload);
}

wire::Bytes NetRadioTerminal::stored(std::uint8_t writeCode, int key) const {
    const auto it = stored_.find({writeCode, key});
    return it == stored_.end() ? wire::Bytes{} : it->second;
}

std::vector<wire::Bytes> NetRadioTerminal::answer(const wire::FrameView& request) {
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

std::vector<wire::Bytes> NetRadioTerminal::answerWrite(const Group& group,
                                                       const wire::FrameView& request) {
    if (request.size() != group.writeLength) return {};
    store(group.writeCode, group.byScheme ? request[6] : 0, payloadOf(request));
    return {wire::frame96(std::uint8_t(group.writeCode + 1), {request[4], request[5]})};
}

std::vector<wire::Bytes> NetRadioTerminal::answerRead(const Group& group,
                                                      const wire::FrameView& request) {
    if (request.size() < group.readLength) return {};
    const int key = group.byScheme ? request[6] : 0;
    wire::Bytes payload = stored(group.writeCode, key);
    if (payload.empty()) {
        // Only a scheme never written gets here: its settings are blank.
        payload.assign(group.writeLength - 5, 0);
        payload[1] = 0x01;
        if (group.byScheme) payload[2] = std::uint8_t(key);
    }
    if (group.writeCode == kFunctionsWrite) {
        // Written in byte 7, answered in byte 6.
        payload = {payload[0], payload[1], payload[3], 0x00, 0x00, 0x00};
    }
    return {wire::frame96(std::uint8_t(group.readCode + 1), payload)};
}

std::vector<wire::Bytes> NetRadioTerminal::answerVersion(const wire::FrameView& request) {
    if (request.size() < kVersionReadLength) return {};
    wire::Bytes payload{request[4], request[5]};
    payload.resize(payload.size() + kReservedVersionBytes, 0);
    payload.insert(payload.end(), version_.begin(), version_.end());
    payload.push_back(0);  // ends the text before the checksum
    return {wire::frame96(std::uint8_t(kVersionRead + 1), payload)};
}

}  // namespace rb::sim
