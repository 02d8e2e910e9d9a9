// The one QCoreApplication of the link tests, and waits on the real event loop.
#pragma once

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace rb::testing {

inline QCoreApplication& qtApp() {
    static int argc = 1;
    static char name[] = "link_tests";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return app;
}

// Runs the event loop for `ms` and counts how often it woke up: a loop with nothing to do
// sleeps; one that spins on a dead descriptor wakes thousands of times.
inline int wakeUpsDuring(int ms) {
    qtApp();
    int wakeUps = 0;
    QEventLoop loop;
    auto* dispatcher = QAbstractEventDispatcher::instance();
    auto counter =
        QObject::connect(dispatcher, &QAbstractEventDispatcher::awake, [&wakeUps] { ++wakeUps; });
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
    QObject::disconnect(counter);
    return wakeUps;
}

}  // namespace rb::testing
