// A main window on a manual clock with a fake port, a scripted prompter and scripted modal
// dialogs: each dialog the window would run is handed to a test function instead, which fills
// it in and closes it. Nothing ever waits for a person.
#pragma once

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <deque>
#include <memory>

#include "engine/prompter.h"
#include "engine/session.h"
#include "engine/timers.h"
#include "gui/access_code_dialog.h"
#include "gui/container_widget.h"
#include "gui/main_window.h"
#include "gui/port_dialog.h"
#include "support/fake_link.h"

namespace rb::gui {

class GuiFixture : public ::testing::Test {
protected:
    GuiFixture()
        : session(timers, prompter, engine::UserPaths::inDirectory(dir.path().toStdString())) {
        session.theComm.setOpener([this](const engine::PortRequest& r) {
            requests.push_back(r);
            return fakeOpener(r);
        });
    }

    void make() {
        window = std::make_unique<MainWindow>(session, [this](QDialog& d) { return runDialog(d); });
        window->exitRequested = [this](int code) { exitCodes.push_back(code); };
        window->portDialog().listPorts = [] { return std::vector<std::string>{"/dev/ttyUSB0"}; };
    }

    int runDialog(QDialog& d) {
        d.setResult(QDialog::Rejected);  // as exec() does
        if (auto* p = qobject_cast<PortDialog*>(&d)) {
            ++portDialogRuns;
            return portAction(*p);
        }
        if (auto* a = qobject_cast<AccessCodeDialog*>(&d)) {
            accessFlags.push_back(session.monitorAccessFlag);
            const std::string code = codes.empty() ? std::string() : codes.front();
            if (!codes.empty()) codes.pop_front();
            a->codeEdit()->setText(QString::fromStdString(code));
            a->OnOK();
            if (a->result() != QDialog::Accepted) a->reject();  // the person gives up
            return a->result();
        }
        if (auto* f = qobject_cast<FormDialog*>(&d)) {
            formDialogTitles.push_back(f->windowTitle().toStdString());
            return formAction ? formAction(*f) : QDialog::Rejected;
        }
        return QDialog::Rejected;
    }

    template <class W = QPushButton>
    static W* find(QWidget& parent, int id) {
        W* w = parent.findChild<W*>(QString::number(id));
        EXPECT_NE(w, nullptr) << id;
        return w;
    }
    QPushButton* mainButton(int id) { return find(*window, id); }

    // The default person at the port dialog: presses "打开串口", and "取消" when the dialog
    // stays open.
    std::function<int(PortDialog&)> portAction = [](PortDialog& p) {
        find(p, port_ids::kOpen)->click();
        if (p.result() != QDialog::Accepted) find(p, port_ids::kCancel)->click();
        return p.result();
    };
    std::function<int(FormDialog&)> formAction;

    QTemporaryDir dir;
    engine::ManualTimers timers;
    engine::ScriptedPrompter prompter;
    rb::testing::FakeOpener fake;
    engine::LinkOpener fakeOpener = fake.opener();
    engine::Session session;
    std::vector<engine::PortRequest> requests;
    std::deque<std::string> codes;
    std::vector<bool> accessFlags;
    std::vector<std::string> formDialogTitles;
    int portDialogRuns = 0;
    std::vector<int> exitCodes;
    std::unique_ptr<MainWindow> window;
};

}  // namespace rb::gui
