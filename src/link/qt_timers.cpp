#include "link/qt_timers.h"

#include <algorithm>

namespace rb::link {

QtTimers::QtTimers() { clock_.start(); }

QtTimers::~QtTimers() = default;  // host_ deletes the timers

void QtTimers::start(const void* owner, int id, engine::Millis period,
                     engine::TimerCallback callback) {
    const Key key{owner, id};
    Entry& entry = timers_[key];
    if (!entry.timer) {
        entry.timer = new QTimer(&host_);
        entry.timer->setTimerType(Qt::PreciseTimer);  // the frame reader waits 10 ms a byte
        QTimer* timer = entry.timer;
        QObject::connect(timer, &QTimer::timeout, &host_, [this, key, timer] { fire(key, timer); });
    }
    entry.callback = std::move(callback);
    // A window timer never fires faster than once a millisecond; QTimer::start restarts.
    entry.timer->start(int(std::max<engine::Millis::rep>(period.count(), 1)));
}

void QtTimers::stop(const void* owner, int id) {
    auto it = timers_.find({owner, id});
    if (it != timers_.end()) retire(it);
}

bool QtTimers::running(const void* owner, int id) const {
    auto it = timers_.find({owner, id});
    return it != timers_.end() && it->second.timer->isActive();
}

void QtTimers::stopAll(const void* owner) {
    for (auto it = timers_.begin(); it != timers_.end();) {
        it = it->first.first == owner ? retire(it) : std::next(it);
    }
}

std::map<QtTimers::Key, QtTimers::Entry>::iterator QtTimers::retire(
    std::map<Key, Entry>::iterator it) {
    // A stopped timer is not kept for later: callers use fresh ids freely (one a pending
    // answer chunk), so kept timers would pile up. It is deleted from the event loop because
    // this may run inside its own time-out; its callback runs from a copy, so dropping the
    // stored one here is safe.
    it->second.timer->stop();
    it->second.timer->deleteLater();
    return timers_.erase(it);
}

engine::Millis QtTimers::now() const { return engine::Millis(clock_.elapsed()); }

void QtTimers::fire(const Key& key, const QTimer* timer) {
    auto it = timers_.find(key);
    // A retired timer of the same key may still be on its way out.
    if (it == timers_.end() || it->second.timer != timer) return;
    // A copy: the callback may stop, restart or replace its own timer.
    engine::TimerCallback callback = it->second.callback;
    callback();
}

}  // namespace rb::link
