// radiobench: the desktop program. With no option it asks for the port first; `--port sim`
// opens the built-in simulated terminal, `--port /dev/ttyUSB0` (or COM1..COM4) a serial port,
// so the tool also runs with no radio connected.
#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QRegularExpression>
#include <cstdio>
#include <cstring>
#include <optional>

#include "engine/session.h"
#include "engine/user_settings.h"
#include "gui/language/language.h"
#include "gui/main_window.h"
#include "gui/qt_prompter.h"
#include "gui/screenshot_tour.h"
#include "gui/startup_report.h"
#include "link/link_opener.h"
#include "link/qt_timers.h"

namespace {

std::optional<rb::gui::PortSettings> presetPort(const QCommandLineParser& p) {
    if (!p.isSet("port")) return std::nullopt;
    rb::gui::PortSettings s;
    const QString port = p.value("port");
    const auto com = QRegularExpression(QStringLiteral("^COM([1-4])$"),
                                        QRegularExpression::CaseInsensitiveOption)
                         .match(port);
    if (com.hasMatch()) {
        s.commPortNumber = com.captured(1).toInt();
    } else {
        s.device = port.toStdString();
    }
    s.commBaudRate = p.value("baud").toInt() == 19200 ? 19200 : 9600;
    return s;
}

}  // namespace

int main(int argc, char** argv) {
    // Answered before the application object exists: it needs no display.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0 || std::strcmp(argv[i], "-v") == 0) {
            std::printf("radiobench %s\n", RB_VERSION);
            return 0;
        }
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("radiobench"));
    QApplication::setApplicationVersion(QStringLiteral(RB_VERSION));
    // The installed icon (share/icons/hicolor), when there is one.
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("radiobench")));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("RadioBench"));
    parser.addHelpOption();
    parser.addVersionOption();  // shown in --help; answered above
    parser.addOption({QStringLiteral("port"),
                      QStringLiteral("Open this port at start instead of asking: sim (the "
                                     "built-in simulated terminal), COM1..COM4 or a device path."),
                      QStringLiteral("port")});
    parser.addOption({QStringLiteral("baud"), QStringLiteral("9600 or 19200 (with --port)."),
                      QStringLiteral("baud"), QStringLiteral("9600")});
    parser.addOption({QStringLiteral("screenshot"),
                      QStringLiteral("Save pictures of the windows into this folder, then quit."),
                      QStringLiteral("dir")});
    QCommandLineOption startupReport(QStringLiteral("startup-report"),
                                     QStringLiteral("For the start-up benchmark: report on this "
                                                    "file descriptor when the window shows."),
                                     QStringLiteral("fd"));
    startupReport.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(startupReport);
    parser.process(app);

    rb::link::QtTimers timers;
    rb::gui::QtPrompter prompter;
    rb::engine::Session session(timers, prompter);
    const rb::gui::Language language = rb::gui::chooseLanguage(
        qEnvironmentVariable("RADIOBENCH_LANG"),
        rb::engine::readOption(session.paths, rb::gui::kLanguageKey), QLocale::system());
    if (!rb::gui::useLanguage(language))
        std::fprintf(stderr, "radiobench: the English texts are missing; showing Chinese\n");
    rb::sim::Faults lineRate;
    lineRate.pace = true;  // the simulated terminal answers at the speed of a real line
    session.theComm.setOpener(rb::link::makeLinkOpener(timers, lineRate));

    rb::gui::MainWindow window(session);
    prompter.setWindow(&window);
    if (!window.start(presetPort(parser))) return 0;
    window.resize(window.minimumSizeHint());  // as small as the forms allow
    window.show();
    if (parser.isSet(startupReport)) {
        rb::gui::startStartupReport(window, parser.value(startupReport).toInt());
    }
    if (parser.isSet("screenshot")) rb::gui::runScreenshotTour(window, parser.value("screenshot"));
    return app.exec();
}
