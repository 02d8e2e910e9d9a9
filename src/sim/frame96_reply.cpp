#include "sim/frame96_reply.h"

#include "wire/codecs.h"

namespace rb::sim {

namespace {
constexpr std::size_t kPayloadStart = 4;
constexpr std::uint8_t kVersionRead = 0x99;
constexpr std::size_t kVersionReadLength = 7;
constexpr std::size_t kReservedVersionBytes = 4;
}  // namespace

wire::Bytes payloadOf(const wire::FrameView& f) {
    if (f.size() <= kPayloadStart + 1) return {};
    return wire::Bytes(f.data() + kPayloadStart, f.data() + f.size() - 1);
}

wire::Bytes answerFrame(std::uint8_t requestCode, const wire::Bytes& payload) {
    return wire::frame96(std::uint8_t(requestCode + 1), payload);
}

std::vector<wire::Bytes> versionAnswer(const wire::FrameView& request, const std::string& text) {
    if (request.size() < kVersionReadLength) return {};
    wire::Bytes payload{request[4], request[5]};
    payload.resize(payload.size() + kReservedVersionBytes, 0);
    payload.insert(payload.end(), text.begin(), text.end());
    payload.push_back(0);  // ends the text before the checksum
    return {answerFrame(kVersionRead, payload)};
}

wire::Bytes seededHopValues(std::uint32_t seed, std::size_t length) {
    constexpr int kStepBound = 40;
    constexpr int kSumBound = 120;
    std::uint32_t state = seed;
    wire::Bytes values;
    int sum = 0;
    while (values.size() < length) {
        state = state * 1103515245u + 12345u;
        const int r = int((state >> 16) & 0x7FFF);
        const int v = r % (2 * kStepBound) - kStepBound;
        if (sum + v <= -kSumBound || sum + v >= kSumBound) continue;
        sum += v;
        values.push_back(wire::hopByte(v));
    }
    return values;
}

}  // namespace rb::sim
