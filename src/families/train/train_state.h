// State the two train-station pages share: the channel step the
// frequency codes follow, and the base page's write-chain flag with the authentication bit it
// remembers from the public-parameter answer read at the start of a write.
#pragma once

#include <cstdint>

namespace rb::families::train {

inline constexpr int kChannels = 16;

struct TrainState {
    int trainStep = 250;           // 625 at 6.25 kHz, 125 at 12.5 kHz, 250 at 25 kHz
    int trainWriteMode = 0;        // base page: 0 read chain, 1 write chain
    std::uint8_t keptAuthBit = 0;  // bit 7 of the flags byte as the terminal last reported it
};

}  // namespace rb::families::train
