// Times on the simulated line and the ways a simulated terminal can misbehave on purpose.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>

#include "wire/frame.h"
#include "wire/frame_reader.h"

namespace rb::sim {

// Line times are microseconds, counted from the same origin as the caller's clock: one byte
// at 9600 baud lasts 1041.67 µs, which milliseconds cannot hold. A wire::Millis converts to
// Micros implicitly.
using Micros = std::chrono::microseconds;

// Bytes the terminal sends and when they have arrived in full at the tool's end.
struct TimedChunk {
    Micros at{0};
    wire::Bytes bytes;

    // The first whole millisecond at or after `at`, for millisecond timers.
    wire::Millis atMillis() const { return std::chrono::ceil<wire::Millis>(at); }
    bool operator==(const TimedChunk&) const = default;
};

// Answers are counted 1, 2, 3, ... over the life of the line (since the last setFaults), one
// per answer frame, dropped ones included; unsolicited frames are not counted.
struct Faults {
    static constexpr Micros kDefaultDelay{5000};

    // The terminal hears nothing and says nothing (nothing written is stored).
    bool silent = false;
    // Drop answer number n (0 = none). The terminal has acted on the request.
    int dropNth = 0;
    // Drop this share (0..1) of answers, drawn from a generator seeded with `seed`.
    double dropFraction = 0.0;
    std::uint32_t seed = 1;
    // From the last byte of a request to the first byte of its answer (may exceed 2000 ms).
    Micros delay = kDefaultDelay;
    // Invert the checksum byte (XOR 0xFF) of every answer, or of answer number n only.
    bool corruptChecksum = false;
    int corruptNth = 0;
    // Send every answer in pieces of this many bytes (0 = whole), `splitGap` apart.
    std::size_t splitSize = 0;
    Micros splitGap{0};
    // Bytes sent right before every answer (the tool's lead-byte hunt must skip them).
    wire::Bytes garbage;
    // A frame (sent as given) the terminal sends on its own at `unsolicitedAt`, then every
    // `unsolicitedEvery` when that is above zero. Nothing when empty.
    wire::Bytes unsolicited;
    Micros unsolicitedAt{0};
    Micros unsolicitedEvery{0};
    // Pace both directions at the line rate: 10 bits a byte at `paceBaud` (0 = the terminal's
    // speed). Byte k of a transmission has arrived at start + (k+1)·10/baud s; a request is
    // heard when its last byte has arrived.
    bool pace = false;
    int paceBaud = 0;
    // The device goes away (a cable pulled, an adapter unplugged) right after the n-th chunk of
    // answer bytes has been delivered (0 = never). The in-process link acts on it; the line
    // itself knows nothing of devices.
    int vanishAfter = 0;
    // The terminal acknowledges every request with this command code as usual but keeps what
    // it held before (a write it silently ignores); 0 = none. The terminal must be able to
    // clone itself (Terminal::clone); one that cannot stores the write as usual.
    std::uint8_t keepOldFor = 0;
    // Right after answer number n (1 = the first; 0 = never) the terminal also sends `stray`,
    // as given: a second acknowledgement, another program's traffic. With dropNth = n the
    // stray comes in place of the lost answer.
    int strayAfter = 0;
    wire::Bytes stray;
};

}  // namespace rb::sim
