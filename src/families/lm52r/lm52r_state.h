// State the LM52R pages share (process-wide in the documents): the frequency step, the write
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
    std::array<std::uint8_t, kChannels> chanEncryType{};  // channel k at index k-1
    std::array<std::uint8_t, kChannels> chanHFType{};
};

}  // namespace rb::families::lm52r
