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

ManualTimers::Timer ManualTimers::earliest() {
    auto next = timers_.begin();
    for (auto it = timers_.begin(); it != timers_.end(); ++it) {
        if (it->second.due < next->second.due) next = it;
    }
    return next;
}

void ManualTimers::fire(Timer timer) {
    if (timer->second.due > now_) now_ = timer->second.due;
    timer->second.due = now_ + timer->second.period;
    TimerCallback callback = timer->second.callback;  // the callback may stop or restart itself
    callback();
}

bool ManualTimers::fireNext() {
    if (timers_.empty()) return false;
    fire(earliest());
    return true;
}

void ManualTimers::advance(Millis delta, int maxFiringsEach) {
    const Millis target = now_ + delta;
    std::map<Key, int> firings;
    while (!timers_.empty()) {
        const Timer next = earliest();
        Entry& entry = next->second;
        if (entry.due > target) break;
        if (maxFiringsEach > 0 && ++firings[next->first] > maxFiringsEach) {
            // Dropped ticks: the timer keeps its phase and next falls due after the target.
            entry.due += entry.period * ((target - entry.due) / entry.period + 1);
            continue;
        }
        fire(next);
    }
    now_ = target;
}

}  // namespace rb::engine
