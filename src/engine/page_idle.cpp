#include "engine/page_idle.h"

#include "engine/page.h"

namespace rb::engine {

bool PageIdle::idle(Session& session, const Page& page) {
    const bool responseTimer = session.timers.running(&page, kResponseTimer);
    if (responseTimer || page.transferInProgress()) {
        silentSince_ = Millis(-1);
        return false;
    }
    if (!session.activity.awaitingAnswer) return true;
    // A request that arms no timer: ended when nothing came for kSilentEnd.
    const Millis now = session.timers.now();
    if (silentSince_ < Millis(0)) silentSince_ = now;
    return now - silentSince_ >= kSilentEnd;
}

FailureMark FailureMark::now(const Session& session) {
    const auto& a = session.activity;
    return FailureMark{a.requests, a.failures, a.messages};
}

bool FailureMark::failedSince(const Session& session) const {
    const FailureMark later = now(session);
    return later.failures > failures || later.messages > messages;
}

}  // namespace rb::engine
