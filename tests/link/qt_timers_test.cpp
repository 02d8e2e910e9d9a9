// QtTimers on the real event loop: window-timer semantics with short real periods.
#include "link/qt_timers.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTest>

#include "link/qt_app.h"

namespace rb::link {
namespace {

using rb::testing::qtApp;
using std::chrono::milliseconds;

const int kOwner = 0;

TEST(QtTimers, RepeatsUntilStopped) {
    qtApp();
    QtTimers timers;
    int fired = 0;
    timers.start(&kOwner, 1, milliseconds{5}, [&] { ++fired; });
    EXPECT_TRUE(QTest::qWaitFor([&] { return fired >= 3; }, 500));
    EXPECT_TRUE(timers.running(&kOwner, 1));
    timers.stop(&kOwner, 1);
    const int atStop = fired;
    QTest::qWait(30);
    EXPECT_EQ(fired, atStop);
    EXPECT_FALSE(timers.running(&kOwner, 1));
}

TEST(QtTimers, StartingARunningTimerRestartsIt) {
    qtApp();
    QtTimers timers;
    QElapsedTimer clock;
    clock.start();
    qint64 firedAt = -1;
    timers.start(&kOwner, 1, milliseconds{40}, [&] { firedAt = clock.elapsed(); });
    QTest::qWait(25);
    const qint64 restartedAt = clock.elapsed();
    timers.start(&kOwner, 1, milliseconds{40}, [&] {
        firedAt = clock.elapsed();
        timers.stop(&kOwner, 1);
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return firedAt >= 0; }, 500));
    EXPECT_GE(firedAt, restartedAt + 38);  // not at 40 ms from the first start
    EXPECT_GE(timers.now().count(), firedAt);
}

TEST(QtTimers, CallbacksMayStopThemselvesAndTheirOwnersTimers) {
    qtApp();
    QtTimers timers;
    int own = 0, other = 0, replaced = 0;
    const int owner2 = 0;
    // Stops itself: fires once.
    timers.start(&kOwner, 1, milliseconds{5}, [&] {
        ++own;
        timers.stop(&kOwner, 1);
    });
    // The owner goes away inside a time-out: every timer of it stops, this one included.
    timers.start(&owner2, 1, milliseconds{5}, [&] {
        ++other;
        timers.stopAll(&owner2);
    });
    timers.start(&owner2, 2, milliseconds{20}, [&] { ++other; });
    // Replaces its own callback while it runs.
    timers.start(&kOwner, 2, milliseconds{5}, [&] {
        timers.start(&kOwner, 2, milliseconds{5}, [&] {
            ++replaced;
            timers.stop(&kOwner, 2);
        });
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return own && other && replaced; }, 500));
    QTest::qWait(40);  // longer than any period: nothing more fires
    EXPECT_EQ(own, 1);
    EXPECT_EQ(other, 1);
    EXPECT_EQ(replaced, 1);
    EXPECT_FALSE(timers.running(&owner2, 2));
}

}  // namespace
}  // namespace rb::link
