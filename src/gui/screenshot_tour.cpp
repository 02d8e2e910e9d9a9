#include "gui/screenshot_tour.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTimer>
#include <algorithm>
#include <cstdio>

#include "families/lm52r/channel_param_dlg.h"
#include "gui/access_code_dialog.h"
#include "gui/container_widget.h"
#include "gui/main_window.h"
#include "gui/monitor_window.h"
#include "gui/port_dialog.h"
#include "monitor/show_set.h"

namespace rb::gui {

namespace {

void save(QWidget& w, const QString& directory, const QString& name) {
    QApplication::processEvents();
    const QString path = QDir(directory).filePath(name + ".png");
    const bool ok = w.grab().save(path);
    std::printf("%s %s\n", ok ? "saved" : "FAILED", path.toLocal8Bit().constData());
    std::fflush(stdout);
}

// Shows a dialog without running it, saves it, hides it again.
void saveDialog(QDialog& d, const QString& directory, const QString& name) {
    d.show();
    d.adjustSize();
    save(d, directory, name);
    d.hide();
}

}  // namespace

void runScreenshotTour(MainWindow& window, const QString& directory, int readWaitMs) {
    QDir().mkpath(directory);
    window.showMonitorWindow();
    // Every page reads from the terminal in turn (one chain at a time, as a technician would),
    // so each tab's picture shows what the terminal holds.
    int pagesRead = 0;
    if (engine::Container* c = window.activeContainer()) {
        for (std::size_t i = 0; i < c->pageCount(); ++i) {
            if (!c->page(i).hasReadChain()) continue;
            QTimer::singleShot(pagesRead++ * readWaitMs, &window, [c, i] { c->page(i).OnRead(); });
        }
    }
    QTimer::singleShot(std::max(1, pagesRead) * readWaitMs, &window, [&window, directory] {
        save(window, directory, "main_window");
        if (MonitorWindow* m = window.monitorWindow()) save(*m, directory, "monitor");

        if (ContainerWidget* cw = window.containerWidget("lm52r")) {
            QTabWidget* tabs = cw->tabs();
            for (int i = 1; i < tabs->count(); ++i) {
                tabs->setCurrentIndex(i);
                save(window, directory, QStringLiteral("main_window_tab%1").arg(i + 1));
            }
            tabs->setCurrentIndex(0);
        }

        // A type whose pages do not exist yet shows its heading, file buttons and tabs.
        window.showTerminalType(0);
        save(window, directory, "main_window_unbuilt_type");
        window.showTerminalType(1);

        PortDialog& port = window.portDialog();
        port.prepare();
        saveDialog(port, directory, "port_dialog");

        AccessCodeDialog access(window.session(), &window);
        access.codeEdit()->setText(QStringLiteral("lotus4"));
        saveDialog(access, directory, "access_code");

        if (MonitorWindow* m = window.monitorWindow()) {
            monitor::CShowSet set(m->monitor().autoReply(), window.session().paths.historyFile,
                                  window.session().prompter, window.portSettings().label());
            FormDialog d(set.form(), QString::fromStdString(set.caption()), m);
            d.resize(560, 360);
            d.show();
            save(d, directory, "auto_reply");
            d.hide();
        }

        families::lm52r::ChannelParams params;
        params.tx = "4000000";
        params.rx = "4000000";
        families::lm52r::CChannelParamDlg channel(window.session().prompter, params);
        FormDialog cd(channel.form(), QString::fromUtf8(channel.kCaption), &window);
        saveDialog(cd, directory, "channel_dialog");

        window.exitRequested(0);
    });
}

}  // namespace rb::gui
