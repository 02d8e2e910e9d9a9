#include "wire/frame_reader.h"

namespace rb::wire {

namespace {
constexpr std::size_t kHeaderBytes = 3;  // read after the lead byte
constexpr std::size_t kBodyStart = 4;    // the remaining count is read into byte 4 onward
}  // namespace

std::vector<FrameSlot> FrameReader::feed(ByteSpan bytes, Millis now) {
    std::vector<FrameSlot> out;
    // A wait that ran out before these bytes came ends first: they belong to what follows.
    run(now, true, false, out);
    queue_.insert(queue_.end(), bytes.begin(), bytes.end());
    run(now, false, false, out);
    return out;
}

std::vector<FrameSlot> FrameReader::poll(Millis now) {
    std::vector<FrameSlot> out;
    run(now, true, true, out);
    return out;
}

std::optional<Millis> FrameReader::deadline() const {
    if (stage_ == Stage::Hunting) return std::nullopt;
    return deadline_;
}

void FrameReader::reset() {
    queue_.clear();
    stage_ = Stage::Hunting;
    have_ = want_ = 0;
}

void FrameReader::run(Millis now, bool expire, bool expireInclusive, std::vector<FrameSlot>& out) {
    for (;;) {
        if (stage_ == Stage::Hunting) {
            // Lead-byte hunt: anything else ahead of a frame is dropped.
            while (!queue_.empty() && !isLeadByte(queue_.front())) queue_.pop_front();
            if (queue_.empty()) return;
            startFrame(queue_.front(), now);
            queue_.pop_front();
        }
        while (have_ < want_ && !queue_.empty()) {
            slot_[have_++] = queue_.front();
            queue_.pop_front();
        }
        const bool complete = have_ >= want_;
        const bool due = expireInclusive ? deadline_ <= now : deadline_ < now;
        if (!complete && !(expire && due)) return;
        // A stage cut short ends at its deadline, a complete one when its last byte came.
        const Millis end = complete ? now : deadline_;
        if (stage_ == Stage::Header)
            finishHeader(end, out);
        else
            deliver(out);
    }
}

void FrameReader::startFrame(std::uint8_t lead, Millis now) {
    slot_.fill(0);
    slot_[0] = lead;
    have_ = 1;
    want_ = 1 + kHeaderBytes;
    stage_ = Stage::Header;
    deadline_ = now + kWaitPerByte * int(kHeaderBytes);
}

void FrameReader::finishHeader(Millis at, std::vector<FrameSlot>& out) {
    long remaining = 0;
    if (slot_[0] == kLead96) {
        // A length byte below 2 asks for a "negative" count, which the driver's bounded read
        // refuses (above 512): the frame goes on with its header alone.
        remaining = long(slot_[1]) - 2;
    } else {
        const std::size_t len = std::size_t(slot_[1]) | std::size_t(slot_[2]) << 8;
        if (len > kMaxEaPayload) {  // dropped with its header, unseen
            stage_ = Stage::Hunting;
            return;
        }
        remaining = long(len) + (slot_[3] == kNoChecksumCode ? 0 : 1);
    }
    have_ = kBodyStart;  // a header cut short leaves zeros in its place
    if (remaining <= 0) {
        deliver(out);
        return;
    }
    want_ = kBodyStart + std::size_t(remaining);
    stage_ = Stage::Body;
    deadline_ = at + kWaitPerByte * remaining;
}

void FrameReader::deliver(std::vector<FrameSlot>& out) {
    out.push_back(slot_);
    stage_ = Stage::Hunting;
}

}  // namespace rb::wire
