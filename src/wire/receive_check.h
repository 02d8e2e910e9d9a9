// The receive check a container runs on each frame slot before any page sees it.
#pragma once

#include <cstdint>
#include <string>

#include "wire/frame_reader.h"

namespace rb::wire {

// Which checksum test a container uses.
enum class ChecksumTest {
    AlwaysCompared,  // byte n-1 must equal the checksum (a 0x55 frame passes on its zero fill)
    SkippedFor55,    // a frame whose byte 3 is 0x55 passes without comparison
};

struct ReceiveCheck {
    bool traced = false;  // false: dropped without trace (n > 512 or unknown lead byte)
    bool checksumOk = false;
    bool forPages = false;  // checksum passed and the lead byte is 0xEA or 0x96
    std::size_t n = 0;      // total frame length from the header
    std::uint8_t code = 0;  // byte 3, passed along with the trace
    std::string trace;      // receive trace, with "\r\n数据校验不正确!" on a bad checksum
};

// `traceHeader` is the time-stamped receive trace (see CCommTool::FormatRecvTrace); pass the
// tool so the trace carries the current local time.
class CCommTool;
ReceiveCheck checkReceived(const FrameSlot& slot, ChecksumTest test, const CCommTool& tool);

}  // namespace rb::wire
