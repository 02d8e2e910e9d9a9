#include "wire/receive_check.h"

#include "wire/comm_tool.h"

namespace rb::wire {

ReceiveCheck checkReceived(const FrameSlot& slot, ChecksumTest test, const CCommTool& tool) {
    ReceiveCheck r;
    const std::uint8_t lead = slot[0];
    r.code = slot[3];
    std::uint8_t expected = 0;
    if (lead == kLeadEA || lead == kLeadEC) {
        r.n = (std::size_t(slot[1]) | std::size_t(slot[2]) << 8) + 5;
        if (r.n > kMaxFrameLength) return r;
        // A 0x55 answer has no checksum byte: it is compared with 0, which is the zero fill
        // behind it.
        if (r.code != kNoChecksumCode) expected = sumChecksum(ByteSpan(slot).subspan(1, r.n - 2));
    } else if (lead == kLead96) {
        r.n = std::size_t(slot[1]) + 2;
        expected = xorChecksum(ByteSpan(slot).first(r.n - 1));
    } else {
        return r;  // the reader never delivers such a slot
    }

    const ByteSpan frame = ByteSpan(slot).first(r.n);
    r.traced = true;
    r.trace = tool.FormatRecvTrace(frame);
    const bool skipped = test == ChecksumTest::SkippedFor55 && r.code == kNoChecksumCode;
    r.checksumOk = skipped || slot[r.n - 1] == expected;
    if (!r.checksumOk) {
        r.trace += "\r\n数据校验不正确!";
        return r;
    }
    r.forPages = lead == kLeadEA || lead == kLead96;
    return r;
}

}  // namespace rb::wire
