// The main window's buttons, menu and status bar, built once.
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QVBoxLayout>
#include <algorithm>
#include <tuple>

#include "engine/user_settings.h"
#include "families/catalog/catalog.h"
#include "gui/access_code_dialog.h"
#include "gui/container_widget.h"
#include "gui/language/language.h"
#include "gui/main_window.h"
#include "gui/monitor_window.h"
#include "gui/port_dialog.h"
#include "gui/unit_records_dialog.h"

namespace rb::gui {

using namespace main_ids;

// ---- building ------------------------------------------------------------------------------

void MainWindow::buildButtons(QWidget* central) {
    auto* row = new QHBoxLayout;
    auto add = [&](int id, const char* text) {
        auto* b = new QPushButton(uiText(text));
        b->setObjectName(QString::number(id));
        row->addWidget(b);
        return b;
    };
    connect(add(kPortSettings, "串口设置"), &QPushButton::clicked, this,
            [this] { OnPortSettings(); });
    connect(add(kOpenPort, "打开串口"), &QPushButton::clicked, this, [this] { OnOpenPort(); });
    connect(add(kClosePort, "关闭串口"), &QPushButton::clicked, this, [this] { OnClosePort(); });
    connect(add(kMonitor, "监视窗口"), &QPushButton::clicked, this, [this] { openMonitor(); });
    row->addSpacing(12);
    row->addWidget(new QLabel(uiText("终端选择:")));
    terminalList_ = new QComboBox;
    terminalList_->setObjectName(QString::number(kTerminalList));
    for (const auto& t : families::terminalTypes()) {
        terminalList_->addItem(uiText(t.label));
    }
    terminalList_->setCurrentIndex(kLm52rIndex);
    row->addWidget(terminalList_);
    connect(terminalList_, &QComboBox::activated, this, [this](int index) {
        showTerminalType(index);
        setFocus();
    });
    row->addSpacing(12);
    connect(add(kProductionTest, "生产测试"), &QPushButton::clicked, this,
            [this] { OnProductionTestButton(); });
    row->addStretch();
    connect(add(kExit, "退出"), &QPushButton::clicked, this, [this] { close(); });

    // Buttons of older layouts, kept hidden: each shows its type.
    const struct {
        int id;
        const char* text;
        int index;
    } hidden[] = {{1410, "QX-7100", 0},
                  {1411, "LM52R/LM520", 1},
                  {2413, "LM520W", 2},
                  {2414, "平调/列调台", 4}};
    for (const auto& h : hidden) {
        QPushButton* b = add(h.id, h.text);
        b->hide();
        const int index = h.index;
        connect(b, &QPushButton::clicked, this, [this, index] { showTerminalType(index); });
    }
    static_cast<QVBoxLayout*>(central->layout())->addLayout(row);
}

void MainWindow::buildMenu() {
    auto item = [this](QMenu* menu, int id, const char* text, std::function<void()> action) {
        QAction* a = menu->addAction(uiText(text));
        a->setObjectName(QString::number(id));
        connect(a, &QAction::triggered, this, std::move(action));
        return a;
    };
    QMenu* settings = menuBar()->addMenu(uiText("设置(&S)"));
    item(settings, kMenuPortSettings, "端口设置(&P)", [this] { OnPortSettings(); });
    item(settings, kMenuMonitor, "监视窗口(&S)", [this] { openMonitor(); });
    verifyAction_ = item(settings, kMenuVerifyAfterWrite, "写后校验(&V)",
                         [this] { setVerifyAfterWrite(verifyAction_->isChecked()); });
    verifyAction_->setCheckable(true);
    verifyAction_->setChecked(verifier_->enabled());
    backupAction_ = item(settings, kMenuBackupBeforeWrite, "写前备份(&B)",
                         [this] { setBackupBeforeWrite(backupAction_->isChecked()); });
    backupAction_->setCheckable(true);
    backupAction_->setChecked(backupBeforeWrite_);
    buildLanguageMenu(*settings->addMenu(uiText("语言(&L)")));
    item(settings, kMenuExit, "退  出(&X)", [this] { close(); });

    QMenu* types = menuBar()->addMenu(uiText("终端选择(&T)"));
    const struct {
        int id;
        const char* text;
        int index;
    } typeItems[] = {{32776, "&QX-7100", 0},        {32787, "LM52&R/LM520", 1},
                     {32801, "L&M520W", 2},         {32803, "网络电台(&W)", 3},
                     {32805, "列调/平调台(&L)", 4}, {32807, "W&Z-4040集群", 5}};
    for (const auto& t : typeItems) {
        const int index = t.index;
        item(types, t.id, t.text, [this, index] { showTerminalType(index); });
    }
    types->addSeparator();
    item(types, kMenuProductionTest, "生产测试(&P)", [this] { showProductionTest(); });
    item(types, kMenuStation, "测试站(&A)...", [this] { showStation(); });

    QMenu* help = menuBar()->addMenu(uiText("帮助(&H)"));
    item(help, kMenuAbout, "关于(&A)", [this] { OnAbout(); });
}

void MainWindow::buildLanguageMenu(QMenu& menu) {
    // Each language is named in its own words, whichever language shows.
    auto* group = new QActionGroup(&menu);
    for (const auto& [id, name, language] :
         {std::tuple{kMenuChinese, "中文", Language::Chinese},
          std::tuple{kMenuEnglish, "English", Language::English}}) {
        QAction* a = menu.addAction(QString::fromUtf8(name));
        a->setObjectName(QString::number(id));
        a->setCheckable(true);
        a->setChecked(currentLanguage() == language);
        group->addAction(a);
        connect(a, &QAction::triggered, this, [this, l = language] { chooseLanguage(l); });
    }
}

void MainWindow::buildStatusBar() {
    // Three parts with their right edges at 140 and 530 pixels and the window edge.
    auto* bar = new QStatusBar;
    bar->setSizeGripEnabled(false);
    const int widths[] = {140, 390};
    for (int i = 0; i < 3; ++i) {
        auto* label = new QLabel(uiText(session_.statusBar.text(i)));
        label->setObjectName(QStringLiteral("status%1").arg(i));
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        if (i == 0) {
            // A device path or the simulator names itself at length: the part grows for it.
            label->setMinimumWidth(widths[i]);
            bar->addWidget(label);
        } else if (i == 1) {
            label->setFixedWidth(widths[i]);
            bar->addWidget(label);
        } else {
            bar->addWidget(label, 1);
        }
        statusParts_[i] = label;
    }
    setStatusBar(bar);
    session_.statusBar.changed = [this](int part) {
        if (part >= 0 && part < 3) {
            statusParts_[part]->setText(uiText(session_.statusBar.text(part)));
        }
    };
}

// ---- start-up ------------------------------------------------------------------------------

}  // namespace rb::gui
