#include "families/hopmap/hop_sender.h"

namespace rb::families::hopmap {

HopSender::HopSender(HopMapGroup& group, engine::FormModel& form, std::vector<int> pageButtons,
                     SendChunk sendChunk)
    : group_(group),
      form_(form),
      pageButtons_(std::move(pageButtons)),
      sendChunk_(std::move(sendChunk)) {}

bool HopSender::start() {
    if (!transfer_.start(group_.scheme(), group_.mapLength(), group_.values())) return false;
    lock(true);
    sendNext();
    return true;
}

bool HopSender::chunkAccepted() {
    if (!transfer_.running()) return false;
    if (transfer_.hasMoreChunks()) {
        sendNext();
    } else {
        finish();
    }
    return true;
}

bool HopSender::chunkTimedOut() {
    if (!transfer_.running()) return false;
    finish();
    return true;
}

void HopSender::sendNext() { sendChunk_(transfer_.takeNextChunk()); }

void HopSender::finish() {
    transfer_.finish();
    lock(false);
}

void HopSender::lock(bool locked) {
    group_.enableButtons(!locked);
    for (int id : pageButtons_) {
        if (form_.has(id)) form_.enable(id, !locked);
    }
}

}  // namespace rb::families::hopmap
