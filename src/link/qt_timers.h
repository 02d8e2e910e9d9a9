// The program's timers on the Qt event loop, with window-timer semantics: a timer repeats every
// period until it is stopped, and starting a running timer restarts it. The GUI and the command
// line both run their pages on it.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <map>
#include <utility>

#include "engine/timers.h"

namespace rb::link {

class QtTimers : public engine::Timers {
public:
    QtTimers();
    ~QtTimers() override;
    QtTimers(const QtTimers&) = delete;
    QtTimers& operator=(const QtTimers&) = delete;

    void start(const void* owner, int id, engine::Millis period,
               engine::TimerCallback callback) override;
    void stop(const void* owner, int id) override;
    bool running(const void* owner, int id) const override;
    void stopAll(const void* owner) override;
    // Milliseconds since this object was made (monotonic).
    engine::Millis now() const override;

private:
    using Key = std::pair<const void*, int>;
    struct Entry {
        QTimer* timer = nullptr;  // a child of host_
        engine::TimerCallback callback;
    };

    void fire(const Key& key, const QTimer* timer);
    std::map<Key, Entry>::iterator retire(std::map<Key, Entry>::iterator it);

    QObject host_;  // parent of every timer: they all go with this object
    std::map<Key, Entry> timers_;
    QElapsedTimer clock_;
};

}  // namespace rb::link
