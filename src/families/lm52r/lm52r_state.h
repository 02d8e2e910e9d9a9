// State the LM52R pages share: the frequency step, the write
// chain's mode flag, the kept bits of the common-parameter flags byte and the per-channel
// parameters that the channel dialog edits.
#pragma once

#include <array>
#include <cstdint>

namespace rb::families::lm52r {

inline constexpr int kChannels = 16;

struct Lm52rState {
    int freqStep = 250;              // 125 at 12.5 kHz, 250 at 25 kHz (100 Hz units)
    int lm52rWriteMode = 0;          // mode flag of the base page: 0 read, 1 write
    std::uint8_t lm52rKeptBits = 0;  // bits 4, 5, 7 of the flags byte, kept for the next write
    // Channel k at index k-1; one byte each on the wire. A value a file holds is kept as it is
    // (not cut to a byte), so that the write can refuse it.
    std::array<int, kChannels> chanEncryType{};
    std::array<int, kChannels> chanHFType{};
};

}  // namespace rb::families::lm52r
