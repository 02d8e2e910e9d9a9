#include "gui/startup_report.h"

#include <sys/resource.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWindow>
#include <string>

#include "families/catalog/catalog.h"
#include "gui/main_window.h"

namespace rb::gui {

namespace {

bool report(int fd, const std::string& line) {
    const std::string text = line + "\n";
    return ::write(fd, text.data(), text.size()) == ssize_t(text.size());
}

long peakKiB() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;  // KiB on Linux
}

// Waits for the window's first exposure, then walks through the terminal types one event-loop
// turn each, so that every container is built and painted like a user's switch would.
class StartupReporter : public QObject {
public:
    StartupReporter(MainWindow& window, int fd) : QObject(&window), window_(window), fd_(fd) {
        if (window_.windowHandle()->isExposed()) {
            QTimer::singleShot(0, this, [this] { shown(); });
        } else {
            window_.windowHandle()->installEventFilter(this);
        }
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Expose && !started_) {
            started_ = true;
            window_.windowHandle()->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] { shown(); });
        }
        return false;
    }

private:
    void shown() {
        if (!report(fd_, "shown")) {
            QCoreApplication::exit(1);
            return;
        }
        showType(0);
    }
    void showType(int i) {
        if (i < int(families::terminalTypes().size())) {
            window_.showTerminalType(i);
            QTimer::singleShot(0, this, [this, i] { showType(i + 1); });
            return;
        }
        QCoreApplication::exit(report(fd_, "peak " + std::to_string(peakKiB())) ? 0 : 1);
    }

    MainWindow& window_;
    int fd_;
    bool started_ = false;
};

}  // namespace

void startStartupReport(MainWindow& window, int fd) { new StartupReporter(window, fd); }

}  // namespace rb::gui
