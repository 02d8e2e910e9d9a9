// Cuts the incoming byte stream into frames, exactly as the serial driver's frame reader:
//
//  - lead-byte hunt: bytes before 0xEA, 0xEC or 0x96 are dropped;
//  - three header bytes follow the lead byte;
//  - 0xEA/0xEC: L = byte1 + 256 * byte2; L > 506 drops the frame with its 4 header bytes;
//    remaining = L + 1, or L when byte 3 is 0x55 (no checksum byte);
//  - 0x96: remaining = byte1 - 2 (a length byte below 2 gives a count above 512: nothing
//    more is read and the frame is delivered with its header alone);
//  - each frame is delivered in a zero-filled 1000-byte slot.
//
// The driver waits about 10 ms a byte for the bytes it asks for (3 for the header, then the
// remaining count) and delivers what it has when that wait runs out. Here that wait is a
// deadline: a frame still incomplete at `deadline()` is delivered zero-filled by `poll`.
// The header wait ends 3 x 10 ms after the lead byte; the body wait ends remaining x 10 ms after
// the header. A header cut short is handled as the driver does: the missing header bytes read
// as zero, the remaining count is worked out from them, and the body still goes to byte 4 on.
// Bytes beyond the current frame stay queued for the next one.
// Nothing sleeps and nothing blocks; time is whatever the caller says it is.
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

#include "wire/frame.h"

namespace rb::wire {

using Millis = std::chrono::milliseconds;  // a point in time, counted from any fixed origin

using FrameSlot = std::array<std::uint8_t, kSlotSize>;

class FrameReader {
public:
    // Per-byte wait of the driver's bounded read.
    static constexpr Millis kWaitPerByte{10};

    // Takes bytes that arrived at `now`; returns, in order, a frame whose wait ran out before
    // `now` (the new bytes are not part of it) and every frame the bytes complete.
    std::vector<FrameSlot> feed(ByteSpan bytes, Millis now);
    // Delivers the frame whose wait has run out by `now` (zero-filled), and any frames the
    // remaining queued bytes then complete.
    std::vector<FrameSlot> poll(Millis now);
    // When `poll` must be called next, or nothing while no frame is partly received.
    std::optional<Millis> deadline() const;
    // Forgets a partly received frame and queued bytes (port closed).
    void reset();

private:
    enum class Stage { Hunting, Header, Body };

    // Runs the reader over the queued bytes. With `expireInclusive` set, a stage whose deadline
    // is at or before `now` ends; with it clear, only one whose deadline is before `now`.
    void run(Millis now, bool expire, bool expireInclusive, std::vector<FrameSlot>& out);
    void startFrame(std::uint8_t lead, Millis now);
    void finishHeader(Millis at, std::vector<FrameSlot>& out);
    void deliver(std::vector<FrameSlot>& out);

    std::deque<std::uint8_t> queue_;  // bytes received and not yet taken by a frame
    Stage stage_ = Stage::Hunting;
    FrameSlot slot_{};
    std::size_t have_ = 0;  // next position to fill in slot_
    std::size_t want_ = 0;  // the current stage is complete when have_ reaches this
    Millis deadline_{0};    // end of the current stage's wait (Header and Body only)
};

}  // namespace rb::wire
