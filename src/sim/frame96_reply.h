// What every simulated 0x96 terminal does with a frame: the payload it keeps of a request
// (frame bytes 4 up to the checksum), the answer frame around a payload (request code + 1), and
// the 0x9A version answer.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "wire/frame.h"

namespace rb::sim {

// Frame bytes 4 .. n-2 of a request; empty for a frame with nothing between header and checksum.
wire::Bytes payloadOf(const wire::FrameView& f);

// The answer to `requestCode`: code + 1 around `payload`.
wire::Bytes answerFrame(std::uint8_t requestCode, const wire::Bytes& payload);

// The answer to a version read (0x99, at least 7 bytes): 0x9A = the request's bytes 4-5, four
// reserved bytes, the ASCII text (from frame byte 10) and a closing zero byte before the
// checksum. None to a shorter request.
std::vector<wire::Bytes> versionAnswer(const wire::FrameView& request, const std::string& text);

// The bytes of a hop map a terminal holds from the factory: `length` sign-and-magnitude values
// within the generator's bounds for "-3M~3M" (values -40 .. 39, running sum inside ±120), drawn
// from a fixed sequence that starts at `seed`, so that every terminal is alike.
wire::Bytes seededHopValues(std::uint32_t seed, std::size_t length);

}  // namespace rb::sim
