#include "families/hopmap/hop_frames.h"

#include <algorithm>

#include "wire/codecs.h"

namespace rb::families::hopmap {

wire::Bytes hopReadRequest(int scheme) {
    return wire::frame96(kHopRead, {0x00, 0x01, std::uint8_t(scheme)});
}

wire::Bytes hopChunkRequest(int scheme, int chunk, int mapLength, std::span<const int> values) {
    wire::Bytes payload{0x00, 0x01, std::uint8_t(scheme), std::uint8_t(chunk)};
    wire::putU16be(payload, std::uint32_t(mapLength));
    for (int v : values) payload.push_back(wire::hopByte(v));
    return wire::frame96(kHopWrite, payload);
}

HopAnswer decodeHopAnswer(const wire::FrameView& frame) {
    constexpr std::size_t kFirstValue = 10;
    HopAnswer a;
    a.scheme = frame[6];
    a.length = frame.u16be(8);
    const int announced = int(frame[1]) - 9;
    const int present = int(frame.size()) - int(kFirstValue) - 1;  // up to the checksum
    const int count = std::max(0, std::min(announced, present));
    a.count = std::size_t(count);
    for (int i = 0; i < count; ++i) a.items += wire::hopItem(frame[kFirstValue + std::size_t(i)]);
    return a;
}

}  // namespace rb::families::hopmap
