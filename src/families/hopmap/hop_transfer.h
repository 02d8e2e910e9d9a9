// Sending a hop map to a terminal, chunk by chunk. A map goes out in chunks of up to 112 values,
// one 0x38 frame each; the next chunk follows the terminal's 0x39 for the one before. Each chunk
// waits at most 1500 ms (the page's timer 3) for its 0x39; a chunk without one ends the transfer
// as failed, so no later chunk and no success is reported after a silent terminal.
//
// This is only the state; HopSender (hop_sender.h) drives it from the page's answers and timer.
#pragma once

#include <cstddef>
#include <vector>

#include "engine/timers.h"
#include "wire/frame.h"

namespace rb::families::hopmap {

inline constexpr int kChunkTimer = 3;
inline constexpr engine::Millis kChunkTimeout{1500};
inline constexpr std::size_t kChunkValues = 112;

class HopTransfer {
public:
    // Starts a transfer of `values` (false, and nothing starts, when there are none).
    bool start(int scheme, int mapLength, std::vector<int> values);
    bool running() const { return running_; }
    bool hasMoreChunks() const { return running_ && nextChunk_ < chunkCount(); }
    // The 0x38 frame of the next chunk; moves on to the one after it.
    wire::Bytes takeNextChunk();
    // Ends the transfer (after its last acknowledgement, or when a chunk timed out).
    void finish() { running_ = false; }

    std::size_t chunkCount() const { return (values_.size() + kChunkValues - 1) / kChunkValues; }
    std::size_t chunksSent() const { return nextChunk_; }

private:
    bool running_ = false;
    int scheme_ = 0;
    int mapLength_ = 0;
    std::vector<int> values_;
    std::size_t nextChunk_ = 0;
};

}  // namespace rb::families::hopmap
