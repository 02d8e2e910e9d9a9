// For the start-up benchmark: once the main window is on screen, report "shown" on a file
// descriptor, create every terminal type's container once, report "peak <KiB>" (peak resident
// memory) and quit. Started by `radiobench --startup-report FD`.
#pragma once

namespace rb::gui {

class MainWindow;

// Returns the program's exit status (0 when both reports went out).
int runStartupReport(MainWindow& window, int fd);

}  // namespace rb::gui
