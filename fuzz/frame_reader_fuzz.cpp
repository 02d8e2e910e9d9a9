// The frame reader on an arbitrary byte stream, cut into arbitrary chunks arriving at arbitrary
// times: it must never read or write outside its slot, and every frame it delivers is one slot.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "wire/frame_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    rb::wire::FrameReader reader;
    rb::wire::Millis now{0};
    std::size_t i = 0;
    while (i < size) {
        // A control byte: the chunk length (1..64) and how long after the last one it comes.
        const std::uint8_t control = data[i++];
        const std::size_t len = std::min<std::size_t>(1 + (control & 0x3F), size - i);
        now += rb::wire::Millis((control >> 6) * 15);
        for (const auto& slot : reader.feed({data + i, len}, now)) {
            if (slot.size() != rb::wire::kSlotSize) __builtin_trap();
        }
        i += len;
        if (auto d = reader.deadline(); d && (control & 0x80)) reader.poll(*d);
    }
    // Whatever is queued is delivered as its waits run out: each poll takes at least one byte.
    for (std::size_t polls = 0; auto d = reader.deadline(); ++polls) {
        if (polls > size + 1) __builtin_trap();
        reader.poll(*d + rb::wire::Millis(1));
    }
    return 0;
}
