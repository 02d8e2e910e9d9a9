#include "gui/screenshot_tour.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>

#include "families/catalog/catalog.h"
#include "families/lm52r/channel_param_dlg.h"
#include "families/protest/protest_container.h"
#include "families/protest/protest_ids.h"
#include "gui/access_code_dialog.h"
#include "gui/container_widget.h"
#include "gui/control_chart_tab.h"
#include "gui/main_window.h"
#include "gui/monitor_window.h"
#include "gui/port_dialog.h"
#include "gui/station/station_window.h"
#include "gui/unit_records_dialog.h"
#include "gui/yield_chart_tab.h"
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

// Presses OK in the question box the next step may ask ("是否切换?"); nothing when none opens.
void acceptNextQuestion(QWidget& window) {
    QTimer::singleShot(0, &window, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            for (QAbstractButton* b : box->buttons()) {
                if (box->buttonRole(b) == QMessageBox::AcceptRole) {
                    b->click();
                    return;
                }
            }
        }
    });
}

// Shows a dialog without running it, saves it, hides it again.
void saveDialog(QDialog& d, const QString& directory, const QString& name) {
    d.show();
    d.adjustSize();
    save(d, directory, name);
    d.hide();
}

// Shows every built terminal type in turn: each page reads from the (simulated) terminal, one
// chain at a time as a technician would, then every tab is saved as "<type>_tab<N>" (the LM52R
// base tab also as "main_window"). `then` runs after the last type.
void tourTypes(MainWindow& window, const QString& directory, int readWaitMs, std::size_t from,
               const std::function<void()>& then) {
    const auto& types = families::terminalTypes();
    while (from < types.size() && !types[from].built) ++from;
    if (from >= types.size()) {
        then();
        return;
    }
    acceptNextQuestion(window);
    window.showTerminalType(int(from));
    engine::Container* c = window.activeContainer();
    int pagesRead = 0;
    if (c) {
        for (std::size_t i = 0; i < c->pageCount(); ++i) {
            for (const auto& chain : c->page(i).fileReadChains()) {
                QTimer::singleShot(pagesRead++ * readWaitMs, &window, chain);
            }
        }
    }
    const std::string key = types[from].key;
    auto saveTabs = [&window, directory, readWaitMs, from, key, then] {
        // "lm520w" shows the trunking container: its tabs are saved under the type's own name.
        if (ContainerWidget* cw = window.containerWidget(families::containerKeyOf(key))) {
            QTabWidget* tabs = cw->tabs();
            for (int i = 0; i < tabs->count(); ++i) {
                tabs->setCurrentIndex(i);
                const QString name =
                    QStringLiteral("%1_tab%2").arg(QString::fromStdString(key)).arg(i + 1);
                save(window, directory, name);
                if (key == "lm52r" && i == 0) save(window, directory, "main_window");
            }
            tabs->setCurrentIndex(0);
        }
        tourTypes(window, directory, readWaitMs, from + 1, then);
    };
    QTimer::singleShot(std::max(1, pagesRead) * readWaitMs, &window, saveTabs);
}

// The data-transmission test during a mutual test: "收发互测", "数传测试", a typed text sent by
// hand, then a file of 20 KiB going out chunk by chunk; saved as "protest_datatest" while it
// runs, then "停止发送" and back to the production page.
void tourDataTest(MainWindow& window, const QString& directory, int readWaitMs,
                  const std::function<void()>& then) {
    auto* c = dynamic_cast<families::protest::CProTestContainer*>(window.activeContainer());
    if (!c) {
        then();
        return;
    }
    namespace ids = families::protest::ids;
    c->page().form().click(ids::kMutualTest);
    c->page().form().click(ids::kDataTestButton);
    engine::FormModel& test = c->dataTest().form();
    // A technician's own text: in the English tour, an English one.
    test.type(ids::sr::kText, currentLanguage() == Language::English
                                  ? "RadioBench data test 0123456789"
                                  : "RadioBench 数传测试 0123456789");  // data
    test.click(ids::sr::kSendText);
    const std::string file = window.session().paths.configDir + "/datatest-tour.bin";
    {
        std::ofstream out(file, std::ios::binary);
        for (int i = 0; i < 20 * 1024; ++i) out.put(char('A' + i % 26));
    }
    c->dataTest().setFilePath(file);
    test.type(ids::sr::kReceiveFile, "receive.bin");
    test.click(ids::sr::kSaveReceived);
    QTimer::singleShot(readWaitMs / 4, &window, [&test] { test.click(ids::sr::kSendFile); });
    QTimer::singleShot(readWaitMs / 4 + 400, &window, [&window, c, &test, directory, then] {
        save(window, directory, "protest_datatest");
        test.click(ids::sr::kStopSending);
        window.showProductionTest();
        c->page().form().click(ids::kStopTestButton);
        then();
    });
}

// The production-test page after its code: "全部读取" sweeps the bench terminal and the monitor
// values are read, then the page is saved as "protest_tab1" with the last row coloured.
void tourProductionTest(MainWindow& window, const QString& directory, int readWaitMs,
                        const std::function<void()>& then) {
    QTimer::singleShot(0, &window, [] {
        if (auto* d = qobject_cast<AccessCodeDialog*>(QApplication::activeModalWidget())) {
            d->codeEdit()->setText(QString::fromUtf8(kProductionTestCode));
            d->OnOK();
        }
    });
    window.showProductionTest();
    engine::Container* c = window.activeContainer();
    if (!c || window.containerWidget(MainWindow::kProductionTestKey) == nullptr) {
        then();
        return;
    }
    for (const auto& chain : c->page(0).fileReadChains()) chain();
    // Once the sweep is through, the monitor readings with their grade.
    engine::FormModel* form = &c->page(0).form();
    QTimer::singleShot(readWaitMs / 2, &window,
                       [form] { form->click(families::protest::ids::kReadMonitorButton); });
    QTimer::singleShot(readWaitMs, &window, [&window, form, directory, readWaitMs, then] {
        save(window, directory, "protest_tab1");
        // "单元记录": what the sweep and the monitor reading left for this unit.
        form->click(families::protest::ids::kUnitRecordsButton);
        if (UnitRecordsDialog* d = window.unitRecordsDialog()) {
            save(*d, directory, "unit_records");
            d->hide();
        }
        tourDataTest(window, directory, readWaitMs, then);
    });
}

// Writes a short plan for the station: the monitor readings of the bench terminal, with the
// supply level judged against `supply` ("600 900" passes on the simulated bench, "0 100" fails).
// Its step and measurement names are the technician's own, so the English tour's plan has
// English ones; the grade it matches is the page's own text.
QString writeTourPlan(const QString& directory, const QString& name, const char* supply) {
    QString path = QDir(directory).filePath(name);
    std::ofstream out(path.toStdString());
    if (currentLanguage() == Language::English) {
        out << "step Readings\nclick 1150\nwait 600\nmeasure Field-voltage 1162 200 400\n"
            << "measure Supply 1163 " << supply << "\n"
            << "step Data-quality\nmeasure Quality 1164 200 255\n"
            << "measure Grade 1164 ~ ^(理想|优良)\n";  // data
        return path;
    }
    out << "step 监测参数\nclick 1150\nwait 600\nmeasure 场强电压 1162 200 400\n"  // data
        << "measure 电源电量 1163 " << supply << "\n"                              // data
        << "step 数据质量\nmeasure 数据质量 1164 200 255\nmeasure 等级 1164 ~ ^(理想|优良)\n";  // data
    return path;
}

// The test station over the production page: a run in progress, a unit that passed and one that
// failed; then the records window's two charts over the runs just made.
void tourStation(MainWindow& window, const QString& directory, const std::function<void()>& then) {
    window.showStation();
    station::StationWindow* st = window.stationWindow();
    if (!st) {
        then();
        return;
    }
    st->resize(900, 640);
    const QString pass = writeTourPlan(directory, "station-pass.plan", "600 900");
    const QString fail = writeTourPlan(directory, "station-fail.plan", "0 100");
    st->setPlanPath(pass);
    st->unitEdit()->setText(QStringLiteral("0810001"));
    QTimer::singleShot(300, st, [st, directory] { save(*st, directory, "station_running"); });
    st->start();  // returns when the run has ended; the window's events go on meanwhile
    save(*st, directory, "station_pass");
    st->setPlanPath(fail);
    st->unitEdit()->setText(QStringLiteral("0810002"));
    st->start();
    save(*st, directory, "station_fail");
    st->setPlanPath(pass);
    st->unitEdit()->setText(QStringLiteral("0810002"));
    st->start();
    st->hide();
    engine::Container* c = window.activeContainer();
    if (c) c->page(0).form().click(families::protest::ids::kUnitRecordsButton);
    if (UnitRecordsDialog* d = window.unitRecordsDialog()) {
        d->tabs()->setCurrentWidget(d->yieldTab());
        save(*d, directory, "unit_records_yield");
        d->tabs()->setCurrentWidget(d->controlTab());
        save(*d, directory, "unit_records_control");
        d->tabs()->setCurrentIndex(0);
        d->hide();
    }
    then();
}

}  // namespace

void runScreenshotTour(MainWindow& window, const QString& directory, int readWaitMs) {
    QDir().mkpath(directory);
    window.showMonitorWindow();
    auto rest = [&window, directory] {
        if (MonitorWindow* m = window.monitorWindow()) save(*m, directory, "monitor");

        acceptNextQuestion(window);  // the bench page's edits stay where they are
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
    };
    tourTypes(window, directory, readWaitMs, 0, [&window, directory, readWaitMs, rest] {
        tourProductionTest(window, directory, readWaitMs,
                           [&window, directory, rest] { tourStation(window, directory, rest); });
    });
}

}  // namespace rb::gui
