#include "sim/train_terminal.h"

#include <algorithm>
#include <optional>

#include "sim/frame96_reply.h"
#include "wire/codecs.h"

namespace rb::sim {

namespace {

constexpr std::size_t kPayloadStart = 4;
constexpr std::uint8_t kFrequencyWrite = 0x14;
constexpr std::uint8_t kFrequencyRead = 0x16;
constexpr std::uint8_t kFunctionWrite = 0x1C;
constexpr std::uint8_t kFunctionRead = 0x1E;
constexpr std::uint8_t kVersionRead = 0x99;
constexpr std::size_t kChannelReadLength = 7;
constexpr std::size_t kFunctionWriteLength = 55;
constexpr std::size_t kFrequencyLength16 = 71;
constexpr std::size_t kFrequencyLength24 = 103;
constexpr std::size_t kFunctionBytes = 48;
constexpr std::uint8_t kSpacing6_25 = 0x66;
constexpr std::uint8_t kSpacing12_5 = 0x55;
constexpr std::size_t kSpacingOffset = 15 - kPayloadStart;  // in the kept payload

struct Plain {
    std::uint8_t writeCode;
    std::size_t writeLength;
    std::uint8_t readCode;
    std::size_t readLength;
};

// clang-format off
constexpr Plain kPlain[] = {
    // write  n   read  n
    {0x20, 17, 0x22, 5},  // public parameters
    {0x78,  8, 0x7A, 7},  // custom power
    {0x50, 92, 0x52, 5},  // identity
    {0x70, 11, 0x72, 8},  // dispatch
    {0x74, 34, 0x76, 7},  // keys
};
// clang-format on

// Index 0..7 of the channel group a request names in bytes 4-5.
std::optional<std::size_t> groupOf(const wire::FrameView& f) {
    const int group = f.u16be(4);
    if (group < 1 || group > TrainTerminal::kChannelGroups) return std::nullopt;
    return std::size_t(group - 1);
}

}  // namespace

TrainTerminal::TrainTerminal() { factoryReset(); }

void TrainTerminal::factoryReset() {
    stored_.clear();
    groups_ = {};
    functions_ = {};
    storeFactoryContents();
}

std::uint32_t TrainTerminal::stepUnits() const {
    const auto it = stored_.find(0x20);
    const std::uint8_t spacing =
        it != stored_.end() && it->second.size() > kSpacingOffset ? it->second[kSpacingOffset] : 0;
    if (spacing == kSpacing6_25) return 625;
    if (spacing == kSpacing12_5) return 1250;
    return 2500;
}

std::vector<wire::Bytes> TrainTerminal::answer(const wire::FrameView& request) {
    if (request.lead() != wire::kLead96) return {};
    const std::uint8_t code = request.code();
    for (const Plain& p : kPlain) {
        if (code == p.writeCode) {
            if (request.size() != p.writeLength) return {};
            stored_[code] = payloadOf(request);
            return {answerFrame(code, {request[4], request[5]})};
        }
        if (code == p.readCode) {
            if (request.size() < p.readLength) return {};
            return {answerFrame(code, stored_[p.writeCode])};
        }
    }
    switch (code) {
        case kFrequencyWrite:
            return answerFrequencyWrite(request);
        case kFrequencyRead:
            return answerFrequencyRead(request);
        case kFunctionWrite:
            return answerFunctionWrite(request);
        case kFunctionRead:
            return answerFunctionRead(request);
        case kVersionRead:
            return versionAnswer(request, version_);
        default:
            return {};
    }
}

std::vector<wire::Bytes> TrainTerminal::answerFrequencyWrite(const wire::FrameView& request) {
    const std::uint32_t units = stepUnits();
    const std::size_t width = units == 625 ? 3 : 2;
    if (request.size() != (width == 3 ? kFrequencyLength24 : kFrequencyLength16)) return {};
    const auto g = groupOf(request);
    if (!g) return {};
    ChannelGroup& group = groups_[*g];
    for (int k = 0; k < kChannels; ++k) {
        const std::size_t at = 6 + 2 * width * std::size_t(k);
        const std::uint32_t tx = width == 3 ? request.u24be(at) : request.u16be(at);
        const std::uint32_t rx = width == 3 ? request.u24be(at + 3) : request.u16be(at + 2);
        group.tx[std::size_t(k)] = tx * units;
        group.rx[std::size_t(k)] = rx * units;
    }
    return {answerFrame(kFrequencyWrite, {request[4], request[5]})};
}

std::vector<wire::Bytes> TrainTerminal::answerFrequencyRead(const wire::FrameView& request) {
    if (request.size() < kChannelReadLength) return {};
    const auto g = groupOf(request);
    if (!g) return {};
    const std::uint32_t units = stepUnits();
    const ChannelGroup& group = groups_[*g];
    wire::Bytes payload{request[4], request[5]};
    for (int k = 0; k < kChannels; ++k) {
        for (std::uint32_t value : {group.tx[std::size_t(k)], group.rx[std::size_t(k)]}) {
            const std::uint32_t code = value / units;
            if (units == 625)
                wire::putU24be(payload, code);
            else
                wire::putU16be(payload, code);
        }
    }
    return {answerFrame(kFrequencyRead, payload)};
}

std::vector<wire::Bytes> TrainTerminal::answerFunctionWrite(const wire::FrameView& request) {
    if (request.size() != kFunctionWriteLength) return {};
    const auto g = groupOf(request);
    if (!g) return {};
    functions_[*g] = wire::Bytes(request.data() + 6, request.data() + 6 + kFunctionBytes);
    return {answerFrame(kFunctionWrite, {request[4], request[5]})};
}

std::vector<wire::Bytes> TrainTerminal::answerFunctionRead(const wire::FrameView& request) {
    if (request.size() < kChannelReadLength) return {};
    const auto g = groupOf(request);
    if (!g) return {};
    // Bytes 4-5 of the request, then the group's 48 bytes (zeros for a group never written).
    const wire::Bytes& kept = functions_[*g];
    wire::Bytes payload(2 + kFunctionBytes, 0);
    payload[0] = request[4];
    payload[1] = request[5];
    std::copy_n(kept.begin(), std::min(kept.size(), kFunctionBytes), payload.begin() + 2);
    return {answerFrame(kFunctionRead, payload)};
}

}  // namespace rb::sim
