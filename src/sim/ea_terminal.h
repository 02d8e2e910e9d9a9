// What the simulated 0xEA terminals (QX-7100 ship station, WZ-4040 trunking) answer alike: the
// request payload as the frame holds it, the 0x80 acknowledgement, stored fields read back with
// zero fill, the muster and roll-call answers, and the TX / RX rows of their frequency tables.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "wire/codecs.h"
#include "wire/ea_payload.h"
#include "wire/frame.h"

namespace rb::sim::ea {

// The payload bytes of a request, as many as the frame holds before its checksum (a frame with
// command 0x55 has none) and no more than its length field states.
inline wire::Bytes payloadOf(const wire::FrameView& f) {
    const wire::EaPayload p(f);
    return p.bytes(0, p.size());
}

// 0x80 echoing a command.
wire::Bytes ack(std::uint8_t echo);

// Bytes `from` ... `from + width` of a stored payload, zero where it is shorter.
wire::Bytes field(const wire::Bytes& p, std::size_t from, std::size_t width);

// A muster 0x31 or roll call 0x32 is answered by 0x41 / 0x42 with its entry count; one without
// a payload gets no answer.
std::optional<wire::Bytes> musterAnswer(std::uint8_t code, const wire::Bytes& p);

// One row of a frequency table: its TX and RX codes.
struct ChannelRow {
    std::uint16_t tx = 0;
    std::uint16_t rx = 0;
};

// The rows as they travel: TX then RX, two bytes each, most significant first.
template <std::size_t N>
void putRows(wire::Bytes& out, const std::array<ChannelRow, N>& rows) {
    for (const ChannelRow& r : rows) {
        wire::putU16be(out, r.tx);
        wire::putU16be(out, r.rx);
    }
}

// The rows of a table write, from payload offset `at`.
template <std::size_t N>
void takeRows(std::array<ChannelRow, N>& rows, const wire::Bytes& p, std::size_t at) {
    for (std::size_t r = 0; r < N; ++r) {
        const std::size_t k = at + 4 * r;
        rows[r] = ChannelRow{std::uint16_t(p[k] << 8 | p[k + 1]),
                             std::uint16_t(p[k + 2] << 8 | p[k + 3])};
    }
}

}  // namespace rb::sim::ea
