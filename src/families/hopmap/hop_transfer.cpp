#include "families/hopmap/hop_transfer.h"

#include <algorithm>
#include <span>

#include "families/hopmap/hop_frames.h"

namespace rb::families::hopmap {

bool HopTransfer::start(int scheme, int mapLength, std::vector<int> values) {
    running_ = !values.empty();
    scheme_ = scheme;
    mapLength_ = mapLength;
    values_ = std::move(values);
    nextChunk_ = 0;
    return running_;
}

wire::Bytes HopTransfer::takeNextChunk() {
    const std::size_t first = nextChunk_ * kChunkValues;
    if (first >= values_.size()) return {};
    const std::size_t m = std::min(kChunkValues, values_.size() - first);
    const std::span<const int> chunk(values_.data() + first, m);
    return hopChunkRequest(scheme_, int(nextChunk_++), mapLength_, chunk);
}

}  // namespace rb::families::hopmap
