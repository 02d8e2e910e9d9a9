// Frame forms on the serial line.
//
//   0x96 form:  96 N 80 code payload... cs      N = n - 2, cs = XOR of bytes 0 .. n-2
//   0xEA form:  EA Llo Lhi code payload... cs   n = L + 5, cs = low byte of sum of bytes 1 .. n-2
//   0xEC form:  same layout as 0xEA; only ever received, traced, never handed to a page.
//
// A received 0xEA/0xEC frame whose command byte is 0x55 carries no checksum byte.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace rb::wire {

using Bytes = std::vector<std::uint8_t>;
using ByteSpan = std::span<const std::uint8_t>;

inline constexpr std::uint8_t kLead96 = 0x96;
inline constexpr std::uint8_t kLeadEA = 0xEA;
inline constexpr std::uint8_t kLeadEC = 0xEC;
inline constexpr std::uint8_t kRequestMarker = 0x80;   // byte 2 of every 0x96 request
inline constexpr std::uint8_t kNoChecksumCode = 0x55;  // 0xEA/0xEC answers without checksum
inline constexpr std::size_t kSlotSize = 1000;       // one frame slot, zero-filled after the frame
inline constexpr std::size_t kMaxFrameLength = 512;  // longer frames are dropped unseen
inline constexpr std::size_t kMaxEaPayload = 506;    // the reader drops 0xEA/0xEC frames above it
// A request is sized to its frame: its payload may be as long as the 16-bit length field holds
// (the transparent-data request carries 1004 bytes, 1009 in all).
inline constexpr std::size_t kMaxEaRequestPayload = 0xFFFF;

bool isLeadByte(std::uint8_t b);

// XOR of every byte given (for a 0x96 frame: bytes 0 .. n-2).
std::uint8_t xorChecksum(ByteSpan bytes);
// Low 8 bits of the sum of every byte given (for a 0xEA frame: bytes 1 .. n-2).
std::uint8_t sumChecksum(ByteSpan bytes);

// Builds a 0x96 request: 96 N 80 code payload cs.
Bytes frame96(std::uint8_t code, ByteSpan payload = {});
Bytes frame96(std::uint8_t code, std::initializer_list<std::uint8_t> payload);
// Builds a 0xEA request: EA Llo Lhi code payload cs (always with checksum, also for 0x55).
Bytes frameEA(std::uint8_t code, ByteSpan payload = {});
Bytes frameEA(std::uint8_t code, std::initializer_list<std::uint8_t> payload);

// Stores the right checksum in the last byte of a whole frame (by its lead byte).
// Frames of an unknown lead byte or shorter than their header are left as they are.
void sealFrame(Bytes& frame);

// The checksum the last byte of a whole frame should hold, by the lead byte's rule.
std::uint8_t expectedChecksum(ByteSpan frame);

// For the frame calculator: takes a frame without its checksum, checks the lead byte and
// the length byte(s) against the byte count, and appends the checksum. On bad input it
// returns false and puts a one-line reason into `error`.
bool completeFrame(ByteSpan withoutChecksum, Bytes& out, std::string& error);
// Checks a whole frame: the lead byte, the length against the count and the checksum.
// Returns false with a reason (the expected checksum where only that is wrong).
struct FrameCheck {
    bool ok = false;
    bool usage = false;         // malformed input rather than a wrong checksum
    std::uint8_t expected = 0;  // the checksum that was expected
    std::string message;
};
FrameCheck checkFrame(ByteSpan frame);

// A bounded, read-only view of one received frame of length n. A byte beyond the frame
// reads as 0, so a short answer decodes as zeros and never reads past its end.
class FrameView {
public:
    FrameView() = default;
    FrameView(const std::uint8_t* data, std::size_t n) : data_(data), n_(n) {}
    explicit FrameView(ByteSpan bytes) : data_(bytes.data()), n_(bytes.size()) {}

    std::uint8_t operator[](std::size_t k) const { return k < n_ ? data_[k] : 0; }
    std::uint8_t at(std::size_t k) const { return (*this)[k]; }
    std::size_t size() const { return n_; }
    const std::uint8_t* data() const { return data_; }
    ByteSpan bytes() const { return {data_, n_}; }

    std::uint8_t lead() const { return at(0); }
    std::uint8_t code() const { return at(3); }
    // Big-endian 16-bit value at bytes k, k+1; little-endian variant.
    std::uint16_t u16be(std::size_t k) const { return std::uint16_t(at(k) << 8 | at(k + 1)); }
    std::uint16_t u16le(std::size_t k) const { return std::uint16_t(at(k + 1) << 8 | at(k)); }
    std::uint32_t u24be(std::size_t k) const {
        return std::uint32_t(at(k)) << 16 | std::uint32_t(at(k + 1)) << 8 | at(k + 2);
    }

private:
    const std::uint8_t* data_ = nullptr;
    std::size_t n_ = 0;
};

// Hexadecimal text "96 05 80 ..." (two upper-case digits, single spaces).
std::string toHex(ByteSpan bytes);
// Parses hexadecimal pairs separated by blanks or given run together ("96058016");
// returns false with a reason on an odd digit count or a non-hex character.
bool parseHex(const std::string& text, Bytes& out, std::string& error);

}  // namespace rb::wire
