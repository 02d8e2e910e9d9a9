// Whether a page's chain has ended, for front ends that follow one without waiting (the
// verification after a write, reading every page one after the other). A page is idle when no
// answer is awaited, its response timer is not running and no transfer of its own is in
// progress; a request that arms no timer of its own counts as ended after kSilentEnd, as it
// does for the window. And whether it failed: a time-out or a page's message since a start.
#pragma once

#include "engine/session.h"

namespace rb::engine {

class Page;

class PageIdle {
public:
    static constexpr Millis kSilentEnd{2000};

    // Looked at again from a fresh start (a new chain).
    void reset() { silentSince_ = Millis(-1); }
    bool idle(Session& session, const Page& page);

private:
    Millis silentSince_{-1};
};

// The session's failure counters at one moment.
struct FailureMark {
    int requests = 0, failures = 0, messages = 0;
    static FailureMark now(const Session& session);
    // A time-out or a page's message came since this mark.
    bool failedSince(const Session& session) const;
};

}  // namespace rb::engine
