#include "sim/ea_terminal.h"

namespace rb::sim::ea {

namespace {
constexpr std::uint8_t kAck = 0x80;
}  // namespace

wire::Bytes ack(std::uint8_t echo) { return wire::frameEA(kAck, {echo}); }

wire::Bytes field(const wire::Bytes& p, std::size_t from, std::size_t width) {
    wire::Bytes out(width, 0);
    for (std::size_t i = 0; i < width && from + i < p.size(); ++i) out[i] = p[from + i];
    return out;
}

std::optional<wire::Bytes> musterAnswer(std::uint8_t code, const wire::Bytes& p) {
    if (p.empty()) return std::nullopt;
    return wire::frameEA(std::uint8_t(code + 0x10), {p[0]});
}

}  // namespace rb::sim::ea
