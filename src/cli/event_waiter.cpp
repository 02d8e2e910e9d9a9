#include "cli/event_waiter.h"

#include <QCoreApplication>
#include <QEventLoop>

namespace rb::cli {

QtEventWaiter::QtEventWaiter() : loop_(std::make_unique<QEventLoop>()) {}

QtEventWaiter::~QtEventWaiter() = default;

bool QtEventWaiter::waitUntil(const std::function<bool()>& finished) {
    // wake() quits the loop from inside an event handler; the condition is checked before each
    // run because a quit() before exec() would be lost.
    while (!finished()) loop_->exec();
    return true;
}

void QtEventWaiter::wake() { loop_->quit(); }

bool ManualClockWaiter::waitUntil(const std::function<bool()>& finished) {
    while (!finished()) {
        if (!timers_.fireNext()) return finished();
    }
    return true;
}

void ensureCoreApplication() {
    if (QCoreApplication::instance()) return;
    static int argc = 1;
    static char name[] = "radiobench-cli";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
}

}  // namespace rb::cli
