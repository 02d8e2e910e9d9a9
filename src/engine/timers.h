// Numbered timers of a page, with window-timer semantics: a timer repeats every period until it
// is stopped, and starting a running timer restarts it. Every timer of the program goes through
// this interface so that tests run protocol time-outs on a manual clock.
#pragma once

#include <chrono>
#include <functional>
#include <map>
#include <utility>

#include "wire/frame_reader.h"

namespace rb::engine {

using wire::Millis;
using TimerCallback = std::function<void()>;

class Timers {
public:
    virtual ~Timers() = default;
    // Starts (or restarts) timer `id` of `owner`; `callback` runs every `period` until stopped.
    virtual void start(const void* owner, int id, Millis period, TimerCallback callback) = 0;
    virtual void stop(const void* owner, int id) = 0;
    virtual bool running(const void* owner, int id) const = 0;
    // Stops every timer of an owner (an owner that goes away).
    virtual void stopAll(const void* owner) = 0;
    // Monotonic time, counted from any fixed origin.
    virtual Millis now() const = 0;
};

// A manual clock for tests: nothing happens until `advance` moves time on, then every due timer
// fires in time order (a callback may start or stop timers, also itself).
class ManualTimers : public Timers {
public:
    void start(const void* owner, int id, Millis period, TimerCallback callback) override;
    void stop(const void* owner, int id) override;
    bool running(const void* owner, int id) const override;
    void stopAll(const void* owner) override;
    Millis now() const override { return now_; }

    // Moves the clock on by `delta`, firing every timer that falls due on the way. With
    // `maxFiringsEach` > 0 a timer fires at most that many times on the way and its later ticks
    // are dropped (it next falls due after the new time), as a busy event loop drops the ticks
    // of a window timer it could not deliver: a fuzzer's long clock moves stay cheap while a
    // page sends every 10 ms.
    void advance(Millis delta, int maxFiringsEach = 0);
    // Moves the clock to the next due timer and fires it; false when no timer runs.
    bool fireNext();
    std::size_t count() const { return timers_.size(); }
    // Stops every timer of every owner (a harness that starts each input from a quiet clock).
    void clear() { timers_.clear(); }

private:
    struct Entry {
        Millis period;
        Millis due;
        TimerCallback callback;
    };
    using Key = std::pair<const void*, int>;
    using Timer = std::map<Key, Entry>::iterator;
    Timer earliest();
    void fire(Timer timer);
    std::map<Key, Entry> timers_;
    Millis now_{0};
};

}  // namespace rb::engine
