// The hop maps a simulated 0x96 terminal keeps (LM52R and network radio answer the same way).
//
// A map is sent in chunks of up to 112 values, 0x38 = 00 01, scheme, chunk number, map length
// (2 bytes, high first), values. Chunk c is stored from value 112·c on; chunk 0 starts a new
// map. At most 256 values are kept (more are acknowledged and dropped). 0x39 carries the
// chunk's bytes 4-7 (00 01, scheme, chunk). A read 0x3A (00 01 scheme) is answered by one 0x3B
// per chunk in the layout of 0x38 (at least one frame, also for an empty map): a whole
// 256-value map does not fit one 0x96 frame, whose length byte ends at 255.
#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include "wire/frame.h"

namespace rb::sim {

class HopMapStore {
public:
    static constexpr std::uint8_t kWrite = 0x38;
    static constexpr std::uint8_t kRead = 0x3A;
    static constexpr std::size_t kChunkValues = 112;
    static constexpr std::size_t kMaxValues = 256;

    // Answers to a 0x38 or 0x3A request (none to a frame too short for its layout).
    std::vector<wire::Bytes> answerWrite(const wire::FrameView& request);
    std::vector<wire::Bytes> answerRead(const wire::FrameView& request);

    // Puts a map in place (factory contents): one sign-and-magnitude byte per value.
    void put(int scheme, std::uint16_t length, wire::Bytes values);
    void clear() { maps_.clear(); }

private:
    struct HopMap {
        std::uint16_t length = 0;  // map length as the last chunk 0 header gave it
        wire::Bytes values;
    };
    std::map<int, HopMap> maps_;  // by hop scheme
};

}  // namespace rb::sim
