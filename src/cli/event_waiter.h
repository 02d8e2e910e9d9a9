// EventWaiter: how a command waits for a chain while the terminal answers. The program runs a
// Qt event loop (QtTimers, serial port and simulator link all deliver through it); tests run
// the same commands on a manual clock, firing timers one after another, so a 2000 ms time-out
// takes no real time.
#pragma once

#include <functional>
#include <memory>

#include "engine/timers.h"

class QEventLoop;

namespace rb::cli {

class EventWaiter {
public:
    virtual ~EventWaiter() = default;
    // Handles events until `finished()` is true. False when nothing is left that could ever
    // make it true (no timer runs on a manual clock).
    virtual bool waitUntil(const std::function<bool()>& finished) = 0;
    // Something `finished()` looks at has changed: check it again (called from event handlers).
    virtual void wake() = 0;
};

// Runs a QEventLoop; needs a QCoreApplication.
class QtEventWaiter : public EventWaiter {
public:
    QtEventWaiter();
    ~QtEventWaiter() override;
    bool waitUntil(const std::function<bool()>& finished) override;
    void wake() override;

private:
    std::unique_ptr<QEventLoop> loop_;
};

// Fires the manual clock's timers in time order until finished.
class ManualClockWaiter : public EventWaiter {
public:
    explicit ManualClockWaiter(engine::ManualTimers& timers) : timers_(timers) {}
    bool waitUntil(const std::function<bool()>& finished) override;
    void wake() override {}

private:
    engine::ManualTimers& timers_;
};

// Makes sure a QCoreApplication exists (the commands create one when called from a test).
void ensureCoreApplication();

}  // namespace rb::cli
