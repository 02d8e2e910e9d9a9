#include "gui/startup_report.h"

#include <sys/resource.h>
#include <unistd.h>

#include <QApplication>
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

}  // namespace

int runStartupReport(MainWindow& window, int fd) {
    while (!window.windowHandle() || !window.windowHandle()->isExposed()) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    if (!report(fd, "shown")) return 1;
    const int types = int(families::terminalTypes().size());
    for (int i = 0; i < types; ++i) {
        window.showTerminalType(i);
        QApplication::processEvents();
    }
    return report(fd, "peak " + std::to_string(peakKiB())) ? 0 : 1;
}

}  // namespace rb::gui
