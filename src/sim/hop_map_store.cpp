#include "sim/hop_map_store.h"

#include <algorithm>

namespace rb::sim {

namespace {
constexpr std::size_t kWriteHeaderLength = 11;  // 96 N 80 38 00 01 scheme chunk len len .. cs
constexpr std::size_t kReadLength = 8;
}  // namespace

void HopMapStore::put(int scheme, std::uint16_t length, wire::Bytes values) {
    maps_[scheme] = HopMap{length, std::move(values)};
}

std::vector<wire::Bytes> HopMapStore::answerWrite(const wire::FrameView& request) {
    if (request.size() < kWriteHeaderLength) return {};
    const int scheme = request[6];
    const std::size_t chunk = request[7];
    HopMap& map = maps_[scheme];
    if (chunk == 0) map.values.clear();
    map.length = request.u16be(8);
    const std::size_t count = request.size() - kWriteHeaderLength;
    const std::size_t offset = chunk * kChunkValues;
    for (std::size_t i = 0; i < count && offset + i < kMaxValues; ++i) {
        if (map.values.size() <= offset + i) map.values.resize(offset + i + 1, 0);
        map.values[offset + i] = request[10 + i];
    }
    return {wire::frame96(kWrite + 1, {request[4], request[5], request[6], request[7]})};
}

std::vector<wire::Bytes> HopMapStore::answerRead(const wire::FrameView& request) {
    if (request.size() < kReadLength) return {};
    const std::uint8_t scheme = request[6];
    const HopMap& map = maps_[scheme];
    std::vector<wire::Bytes> frames;
    std::size_t chunk = 0;
    do {
        const std::size_t from = chunk * kChunkValues;
        const std::size_t to = std::min(map.values.size(), from + kChunkValues);
        wire::Bytes payload{0x00,
                            0x01,
                            scheme,
                            std::uint8_t(chunk),
                            std::uint8_t(map.length >> 8),
                            std::uint8_t(map.length & 0xFF)};
        if (from < to)
            payload.insert(payload.end(), map.values.begin() + from, map.values.begin() + to);
        frames.push_back(wire::frame96(kRead + 1, payload));
        ++chunk;
    } while (chunk * kChunkValues < map.values.size());
    return frames;
}

}  // namespace rb::sim
