// The event-driven sender of a hop map, shared by the user pages that send one (LM52R, network
// radio). "设置" starts it; it sends chunk 0 at once, each further chunk when the terminal's 0x39
// for the one before arrives, and ends after the last acknowledgement. Nothing waits in a loop:
// the page feeds it the 0x39 answers and its timer 3.
//
// While it runs, the group's buttons and the page's read and write buttons are disabled, so
// nothing else that talks to the terminal starts between two chunks; they come back when the
// transfer ends either way. A chunk that gets no 0x39 within 1500 ms (timer 3) ends the transfer
// as failed: the map in the terminal is incomplete, so no later chunk and no success follow.
#pragma once

#include <functional>
#include <vector>

#include "engine/form_model.h"
#include "families/hopmap/hop_map_group.h"
#include "families/hopmap/hop_transfer.h"
#include "wire/frame.h"

namespace rb::families::hopmap {

class HopSender {
public:
    // Sends one chunk frame: the page arms timer 3 (kChunkTimer, kChunkTimeout) and writes the
    // frame without arming its response timer.
    using SendChunk = std::function<void(const wire::Bytes& frame)>;

    // `pageButtons` are the page's read and write buttons, locked during a transfer.
    HopSender(HopMapGroup& group, engine::FormModel& form, std::vector<int> pageButtons,
              SendChunk sendChunk);

    // Starts sending the group's map (its scheme, length and hop-data items). False, and
    // nothing is sent, when the text holds no item.
    bool start();
    bool running() const { return transfer_.running(); }
    const HopTransfer& transfer() const { return transfer_; }

    // A 0x39 arrived (the page has stopped timer 3). True when it belonged to a running
    // transfer — the page then reports it — and the next chunk has gone out or the transfer
    // has ended; false for an acknowledgement after the transfer ended.
    bool chunkAccepted();
    // Whether a 0x39 acknowledges the chunk in flight: the terminal echoes the chunk number in
    // byte 7. A second acknowledgement of a chunk, one of an earlier transfer or one after the
    // transfer ended is a stray and moves nothing.
    bool acknowledges(const wire::FrameView& ack) const {
        const std::size_t sent = transfer_.chunksSent();
        return transfer_.running() && sent > 0 && ack[7] == sent - 1;
    }
    // Timer 3 fired (the page has stopped it). True when it ended a running transfer as
    // failed; the page then reports the failure.
    bool chunkTimedOut();

private:
    void sendNext();
    void finish();
    void lock(bool locked);

    HopMapGroup& group_;
    engine::FormModel& form_;
    std::vector<int> pageButtons_;
    SendChunk sendChunk_;
    HopTransfer transfer_;
};

}  // namespace rb::families::hopmap
