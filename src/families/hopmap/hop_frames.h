// Hop-map frames of the 0x96 families. Every value travels as one sign-and-magnitude byte
// (wire::hopByte / wire::hopItem).
//
//   0x3A  96 06 80 3A 00 01 scheme x                                   read the map of a scheme
//   0x3B  96 N 80 3B 00 01 scheme chunk lenHi lenLo values... x         N - 9 values from byte 10
//   0x38  96 m+9 80 38 00 01 scheme chunk lenHi lenLo m values x        one chunk of a map
//   0x39  acknowledges one chunk
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "wire/frame.h"

namespace rb::families::hopmap {

inline constexpr std::uint8_t kHopWrite = 0x38;
inline constexpr std::uint8_t kHopWriteAck = 0x39;
inline constexpr std::uint8_t kHopRead = 0x3A;
inline constexpr std::uint8_t kHopReadAnswer = 0x3B;

wire::Bytes hopReadRequest(int scheme);
wire::Bytes hopChunkRequest(int scheme, int chunk, int mapLength, std::span<const int> values);

struct HopAnswer {
    int scheme = 0;     // byte 6
    int length = 0;     // bytes 8-9
    std::string items;  // the values as hop-map text ("-12,5,...")
    std::size_t count = 0;
};
// Decodes a 0x3B answer. Its value count is byte 1 - 9, taken as 0 when byte 1 is smaller, and
// never reaches past the frame's checksum.
HopAnswer decodeHopAnswer(const wire::FrameView& frame);

// Which 0x3B frames belong to the read a page started: a terminal answers one 0x3A with one
// frame per chunk (byte 7 = 0, 1, ...). Chunk 0 is the answer to the request (the page takes it
// with takeAnswer); each further chunk must follow the one taken before. Anything else is a
// stray: a repeated chunk, one from an earlier read, one that arrives without a request.
class HopReadAnswers {
public:
    bool take(const wire::FrameView& frame, const std::function<bool()>& takeRequestAnswer) {
        const int chunk = frame[7];
        if (chunk == 0) {
            if (!takeRequestAnswer()) return false;
            next_ = 1;
            return true;
        }
        if (chunk != next_) return false;
        ++next_;
        return true;
    }

private:
    int next_ = -1;  // the chunk that may come next, -1 before the first
};

}  // namespace rb::families::hopmap
