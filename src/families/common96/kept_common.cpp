#include "families/common96/kept_common.h"

#include "families/common96/common_params.h"
#include "wire/codecs.h"

namespace rb::families::common96 {

namespace {
constexpr std::size_t kKeptSize = 512;
constexpr std::size_t kFirstParam = 6;  // bytes 6-15 are the parameters
constexpr std::size_t kEndParams = 16;
}  // namespace

KeptCommon::KeptCommon() : bytes_(kKeptSize, 0) {}

void KeptCommon::take(const wire::FrameView& answer) {
    bytes_.assign(kKeptSize, 0);
    for (std::size_t k = 0; k < answer.size() && k < kKeptSize; ++k) bytes_[k] = answer[k];
}

wire::Bytes KeptCommon::writeRequest(std::uint8_t ownMask, std::uint8_t ownBits) const {
    wire::Bytes payload{0x00, 0x01};
    payload.insert(payload.end(), bytes_.begin() + kFirstParam, bytes_.begin() + kEndParams);
    std::uint8_t& flags = payload[2 + (kFlagsByte - kFirstParam)];
    flags = std::uint8_t((flags & ~ownMask) | (ownBits & ownMask));
    return wire::frame96(kWriteCommon, payload);
}

}  // namespace rb::families::common96
