// Runtime: how a command reaches the world outside its session — the timers every page and link
// runs on, the loop that waits for them, and the opener of ports. The program uses the Qt
// runtime (QtTimers, a QEventLoop, the real serial port and the in-process simulator); tests run
// the very same commands on a manual clock.
#pragma once

#include <memory>

#include "cli/event_waiter.h"
#include "engine/link.h"
#include "engine/timers.h"
#include "sim/faults.h"

namespace rb::cli {

class Runtime {
public:
    virtual ~Runtime() = default;
    virtual engine::Timers& timers() = 0;
    virtual EventWaiter& waiter() = 0;
    // An opener for real ports and for "sim"; `simFaults` go to every simulator it opens.
    virtual engine::LinkOpener opener(const sim::Faults& simFaults) = 0;
};

// QtTimers on the QCoreApplication's event loop (created when missing).
std::unique_ptr<Runtime> makeQtRuntime();

// A manual clock: every timer fires in time order as soon as the command waits, with no real
// time passing. Real serial ports still open through Qt (their bytes would never arrive, so it
// suits the simulator and ports that fail to open).
class ManualRuntime : public Runtime {
public:
    ManualRuntime() : waiter_(timers_) {}
    engine::Timers& timers() override { return timers_; }
    EventWaiter& waiter() override { return waiter_; }
    engine::LinkOpener opener(const sim::Faults& simFaults) override;
    engine::ManualTimers& manualTimers() { return timers_; }

private:
    engine::ManualTimers timers_;
    ManualClockWaiter waiter_;
};

}  // namespace rb::cli
