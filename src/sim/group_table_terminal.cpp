#include "sim/group_table_terminal.h"

#include "sim/frame96_reply.h"

namespace rb::sim {

namespace {
constexpr std::uint8_t kVersionRead = 0x99;
}  // namespace

void GroupTableTerminal::factoryReset() {
    stored_.clear();
    hopMaps_.clear();
    storeFactoryContents();
}

void GroupTableTerminal::store(std::uint8_t writeCode, int key, wire::Bytes payload) {
    stored_[{writeCode, key}] = std::move(payload);
}

wire::Bytes GroupTableTerminal::stored(std::uint8_t writeCode, int key) const {
    const auto it = stored_.find({writeCode, key});
    return it == stored_.end() ? wire::Bytes{} : it->second;
}

const GroupTableTerminal::Group* GroupTableTerminal::groupWritten(std::uint8_t code) const {
    for (const Group& g : groups_)
        if (g.writeCode == code) return &g;
    return nullptr;
}

const GroupTableTerminal::Group* GroupTableTerminal::groupRead(std::uint8_t code) const {
    for (const Group& g : groups_)
        if (g.readCode == code) return &g;
    return nullptr;
}

// The key a request names, or nothing when it names none the terminal has.
std::optional<int> GroupTableTerminal::keyOf(Key key, const wire::FrameView& f) const {
    switch (key) {
        case Key::None:
            return 0;
        case Key::ChannelGroup: {
            const int group = f.u16be(4);
            if (group < 1 || group > channelGroups_) return std::nullopt;
            return group;
        }
        case Key::Scheme:
            return f[6];
    }
    return std::nullopt;
}

std::vector<wire::Bytes> GroupTableTerminal::answer(const wire::FrameView& request) {
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
            return versionAnswer(request, version_);
        default:
            return {};
    }
}

std::vector<wire::Bytes> GroupTableTerminal::answerWrite(const Group& group,
                                                         const wire::FrameView& request) {
    if (request.size() != group.writeLength) return {};
    const std::optional<int> key = keyOf(group.key, request);
    if (!key) return {};
    store(group.writeCode, *key, payloadOf(request));
    return {answerFrame(group.writeCode, {request[4], request[5]})};
}

std::vector<wire::Bytes> GroupTableTerminal::answerRead(const Group& group,
                                                        const wire::FrameView& request) {
    if (request.size() < group.readLength) return {};
    const std::optional<int> key = keyOf(group.key, request);
    if (!key) return {};
    wire::Bytes payload = stored(group.writeCode, *key);
    if (payload.empty()) {
        // Only a scheme never written gets here: its settings are blank.
        payload.assign(group.writeLength - 5, 0);
        payload[1] = 0x01;
        if (group.key == Key::Scheme) payload[2] = std::uint8_t(*key);
    }
    return {answerFrame(group.readCode, readPayload(group, std::move(payload)))};
}

}  // namespace rb::sim
