// For the start-up benchmark: once the main window is on screen, report "shown" on a file
// descriptor, create every terminal type's container once, report "peak <KiB>" (peak resident
// memory) and quit. Started by `radiobench --startup-report FD`.
#pragma once

namespace rb::gui {

class MainWindow;

// Call after the window was shown, then run the event loop: it ends with status 0 when both
// reports went out, 1 otherwise. Everything happens from the event loop; nothing waits.
void startStartupReport(MainWindow& window, int fd);

}  // namespace rb::gui
