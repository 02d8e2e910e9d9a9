// The hop-map generator. A value v is drawn as (r mod 2A) - A from a uniform source r of
// 0 ... 32767, and accepted only while the running sum S + v stays strictly inside (-L, L);
// a refused draw is drawn again for the same position. A (step bound) is 20 for the two
// narrowest bandwidths and 40 otherwise; L (sum bound) is 40 x (bandwidth index + 1).
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace rb::families::hopmap {

// A uniform source of integers 0 ... 32767.
using HopDraw = std::function<int()>;

// Our own generator of 0 ... 32767 (a linear congruential generator, upper bits), so the
// range does not depend on the C library's rand().
class HopRandom {
public:
    static constexpr int kMax = 32767;
    explicit HopRandom(std::uint32_t seed) : state_(seed) {}
    // Seeded with the current time in seconds.
    static HopRandom fromClock();
    int next();

private:
    std::uint32_t state_;
};

struct HopBounds {
    int step;  // A: every value lies in [-A, A-1]
    int sum;   // L: every running sum lies in (-L, L)
};
// Bounds of a bandwidth index 0-9 (an index outside is taken as the nearest end).
HopBounds boundsFor(int bandwidthIndex);

// A map of `length` values for a bandwidth index.
std::vector<int> generateHopMap(int length, int bandwidthIndex, const HopDraw& draw);

}  // namespace rb::families::hopmap
