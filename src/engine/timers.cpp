#include "engine/timers.h"

namespace rb::engine {

void ManualTimers::start(const void* owner, int id, Millis period, TimerCallback callback) {
    if (period < Millis{1}) period = Millis{1};  // a window timer never fires faster than that
    timers_[{owner, id}] = Entry{period, now_ + period, std::move(callback)};
}

void ManualTimers::stop(const void* owner, int id) { timers_.erase({owner, id}); }

bool ManualTimers::running(const void* owner, int id) const {
    return timers_.count({owner, id}) != 0;
}

void ManualTimers::stopAll(const void* owner) {
    for (auto it = timers_.begin(); it != timers_.end();) {
        it = it->first.first == owner ? timers_.erase(it) : std::next(it);
    }
}

bool ManualTimers::fireNext() {
    if (timers_.empty()) return false;
    auto next = timers_.begin();
    for (auto it = timers_.begin(); it != timers_.end(); ++it) {
        if (it->second.due < next->second.due) next = it;
    }
    if (next->second.due > now_) now_ = next->second.due;
    next->second.due = now_ + next->second.period;
    TimerCallback callback = next->second.callback;  // the callback may stop or restart itself
    callback();
    return true;
}

void ManualTimers::advance(Millis delta) {
    const Millis target = now_ + delta;
    for (;;) {
        const Entry* earliest = nullptr;
        for (const auto& [key, entry] : timers_) {
            if (!earliest || entry.due < earliest->due) earliest = &entry;
        }
        if (!earliest || earliest->due > target) break;
        fireNext();
    }
    now_ = target;
}

}  // namespace rb::engine
