// The payload of a received 0xEA frame, read by offset (payload[k] is frame byte 4 + k).
//
// It is bounded twice: by the length field and by the bytes the frame holds before its
// checksum (a 0x55 frame has none). A byte outside reads as 0, so a short answer decodes as
// zeros and a decoder never reads the checksum or the slot's zero fill as data.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>

#include "wire/codecs.h"
#include "wire/frame.h"

namespace rb::wire {

class EaPayload {
public:
    explicit EaPayload(const FrameView& frame) : frame_(frame) {
        const std::size_t n = frame.size();
        const std::size_t checksum = frame.code() == kNoChecksumCode ? 0 : 1;
        const std::size_t held = n > 4 + checksum ? n - 4 - checksum : 0;
        size_ = std::min<std::size_t>(frame.u16le(1), held);
    }

    // The length field as the frame states it (what the pages compare with).
    std::size_t lengthField() const { return frame_.u16le(1); }
    // Bytes of payload the frame really holds.
    std::size_t size() const { return size_; }

    std::uint8_t operator[](std::size_t k) const { return k < size_ ? frame_[4 + k] : 0; }
    std::uint16_t u16be(std::size_t k) const {
        return std::uint16_t((*this)[k] << 8 | (*this)[k + 1]);
    }
    std::uint32_t u24be(std::size_t k) const {
        return std::uint32_t((*this)[k]) << 16 | std::uint32_t((*this)[k + 1]) << 8 |
               (*this)[k + 2];
    }
    // Up to `width` bytes from offset k, ending early at the payload's end.
    Bytes bytes(std::size_t k, std::size_t width) const {
        Bytes out;
        for (std::size_t i = k; i < k + width && i < size_; ++i) out.push_back(frame_[4 + i]);
        return out;
    }
    // A GBK text field of up to `width` bytes that ends at the first zero byte (or the field's or
    // the payload's end), as UTF-8.
    std::string text(std::size_t k, std::size_t width) const {
        const Bytes b = bytes(k, width);
        return gbkField(ByteSpan(b));
    }

private:
    FrameView frame_;
    std::size_t size_ = 0;
};

}  // namespace rb::wire
