#include "families/hopmap/hop_generator.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>

namespace rb::families::hopmap {

namespace {
// A source that keeps refusing (only an injected one can) must not hang the program: after this
// many refusals for one position the value 0 is taken, which is always inside the bounds.
constexpr int kMaxRefusals = 10000;
}  // namespace

HopRandom HopRandom::fromClock() { return HopRandom(std::uint32_t(std::time(nullptr))); }

int HopRandom::next() {
    // The classic LCG; its low bits are weak, so the result comes from bits 16-30.
    state_ = state_ * 1103515245u + 12345u;
    return int((state_ >> 16) & 0x7FFF);
}

HopBounds boundsFor(int bandwidthIndex) {
    const int w = std::clamp(bandwidthIndex, 0, 9);
    return HopBounds{w < 2 ? 20 : 40, 40 * (w + 1)};
}

std::vector<int> generateHopMap(int length, int bandwidthIndex, const HopDraw& draw) {
    const HopBounds b = boundsFor(bandwidthIndex);
    std::vector<int> values;
    values.reserve(std::size_t(std::max(length, 0)));
    int sum = 0;
    for (int i = 0; i < length; ++i) {
        int v = 0;
        for (int tries = 0; tries < kMaxRefusals; ++tries) {
            const int r = draw();
            // A draw outside 0 ... 32767 is brought into it, so v stays in [-A, A-1].
            const int candidate = ((r % (2 * b.step)) + 2 * b.step) % (2 * b.step) - b.step;
            if (std::abs(sum + candidate) < b.sum) {
                v = candidate;
                break;
            }
        }
        sum += v;
        values.push_back(v);
    }
    return values;
}

}  // namespace rb::families::hopmap
