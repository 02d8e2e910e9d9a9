#include "cli/runtime.h"

#include "link/link_opener.h"
#include "link/qt_timers.h"

namespace rb::cli {

namespace {

class QtRuntime : public Runtime {
public:
    QtRuntime() {
        ensureCoreApplication();  // before any QObject of ours
        timers_ = std::make_unique<link::QtTimers>();
        waiter_ = std::make_unique<QtEventWaiter>();
    }
    engine::Timers& timers() override { return *timers_; }
    EventWaiter& waiter() override { return *waiter_; }
    engine::LinkOpener opener(const sim::Faults& simFaults) override {
        return link::makeLinkOpener(*timers_, simFaults);
    }

private:
    std::unique_ptr<link::QtTimers> timers_;
    std::unique_ptr<QtEventWaiter> waiter_;
};

}  // namespace

std::unique_ptr<Runtime> makeQtRuntime() { return std::make_unique<QtRuntime>(); }

engine::LinkOpener ManualRuntime::opener(const sim::Faults& simFaults) {
    return link::makeLinkOpener(timers_, simFaults);
}

}  // namespace rb::cli
