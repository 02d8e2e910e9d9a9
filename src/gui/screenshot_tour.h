// A fixed walk through the windows that saves each as a PNG (QWidget::grab, so the pictures do
// not depend on a window manager): the main window after a read of the LM52R base page with the
// monitor open, its other tabs, the production-test page after a sweep, a type not built yet,
// the monitor, the port dialog, the access-code dialog, the auto-reply configuration and the
// channel dialog. Ends the program when done.
#pragma once

#include <QString>

namespace rb::gui {

class MainWindow;

// `readWaitMs`: how long each page's read chain gets before the next starts or the pictures are
// taken.
void runScreenshotTour(MainWindow& window, const QString& directory, int readWaitMs = 3000);

}  // namespace rb::gui
