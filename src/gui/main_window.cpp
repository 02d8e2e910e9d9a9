#include "gui/main_window.h"

#include <QAction>
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

#include "engine/user_settings.h"
#include "families/catalog/catalog.h"
#include "gui/access_code_dialog.h"
#include "gui/container_widget.h"
#include "gui/language/language.h"
#include "gui/monitor_window.h"
#include "gui/port_dialog.h"
#include "gui/safety_bar.h"
#include "gui/station/station_window.h"
#include "gui/unit_records_dialog.h"

namespace rb::gui {

using namespace main_ids;

namespace {
constexpr const char* kLeaveEditsQuestion = "当前页面有未写录或存储的修改,是否切换?";
constexpr const char* kProductionPlaceholder = "生产测试";
constexpr const char* kStatusIdle = "状态信息";  // the operation part before any operation

std::string lineSpeedQuestion(int baud) {
    return "此类终端使用" + std::to_string(baud) + "波特率,是否切换?";
}
}  // namespace

MainWindow::MainWindow(engine::Session& session, ModalRunner runModal, QWidget* parent)
    : QMainWindow(parent), session_(session), runModal_(std::move(runModal)) {
    setWindowTitle(uiText(kTitle));
    exitRequested = [](int code) { QCoreApplication::exit(code); };

    auto* central = new QWidget;
    auto* box = new QVBoxLayout(central);
    buildButtons(central);
    area_ = new QWidget;
    auto* grid = new QGridLayout(area_);
    grid->setContentsMargins(0, 0, 0, 0);
    box->addWidget(area_, 1);
    setCentralWidget(central);
    verifier_ = std::make_unique<engine::WriteVerifier>(session_);
    verifier_->setEnabled(engine::readOption(session_.paths, engine::kVerifyAfterWriteKey) == "1");
    backupBeforeWrite_ = engine::readOption(session_.paths, engine::kBackupBeforeWriteKey) == "1";
    buildMenu();
    buildStatusBar();
    // A fresh status bar: no connection yet, "状态信息" in the operation part.
    session_.statusBar.SetText(0, "");
    session_.statusBar.SetText(2, kStatusIdle);

    portDialog_ = new PortDialog(session_, settings_, this);
    portDialog_->family = [this] { return familyShowing(); };
    portDialog_->portStateChanged = [this] { OnPortState(); };

    session_.theComm.onStateChanged = [this] { OnPortState(); };
    session_.showUnitRecords = [this](const std::string& code) { showUnitRecords(code); };
    session_.showStation = [this] { showStation(); };
    session_.theComm.onLost = [this](const std::string& reason) {
        session_.statusBar.SetText(0, connectionText(false, settings_));
        session_.prompter.info(reason, "提示", this);
    };
}

MainWindow::~MainWindow() {
    session_.theComm.onStateChanged = nullptr;
    session_.theComm.onLost = nullptr;
    session_.showUnitRecords = nullptr;
    session_.showStation = nullptr;
    session_.statusBar.changed = nullptr;
    session_.theComm.SetWnd(nullptr);
    // Windows go before the forms they show.
    delete monitorWindow_;
    monitorWindow_ = nullptr;
    monitor_.reset();
    for (auto& [key, shown] : shown_) {
        delete shown.widget;
        shown.widget = nullptr;
    }
    shown_.clear();
}

void MainWindow::showUnitRecords(const std::string& machineCode) {
    if (!unitRecords_) unitRecords_ = new UnitRecordsDialog(this);
    unitRecords_->fill(session_.unitRecords.path(), machineCode);
    unitRecords_->show();
    unitRecords_->raise();
}

void MainWindow::setBackupBeforeWrite(bool on) {
    backupBeforeWrite_ = on;
    if (backupAction_) backupAction_->setChecked(on);
    for (auto& [key, s] : shown_) {
        if (auto* bar = s.widget ? s.widget->findChild<SafetyBar*>() : nullptr)
            bar->setBackupBeforeWrite(on);
    }
    std::string error;
    if (!engine::saveOption(session_.paths, engine::kBackupBeforeWriteKey, on ? "1" : "0", &error))
        session_.prompter.info("设置保存失败:" + error, "提示", this);
}

void MainWindow::chooseLanguage(Language language) {
    std::string error;
    if (!engine::saveOption(session_.paths, kLanguageKey, languageCode(language).toStdString(),
                            &error)) {
        session_.prompter.info("设置保存失败:" + error, "提示", this);
        return;
    }
    // Every window is built in one language; the other one shows from the next start.
    if (language != currentLanguage())
        session_.prompter.info("界面语言将在重新启动程序后更改。", "提示", this);
}

void MainWindow::showStation() {
    if (activeKey_ != kProductionTestKey) showProductionTest();
    if (activeKey_ != kProductionTestKey) return;  // the code was not given
    if (!station_) {
        station_ = new station::StationWindow(
            session_,
            [this]() -> engine::Container* {
                if (activeKey_ != kProductionTestKey) showProductionTest();
                return activeKey_ == kProductionTestKey ? activeContainer_ : nullptr;
            },
            this);
    }
    station_->show();
    station_->raise();
    station_->activateWindow();
}

void MainWindow::setVerifyAfterWrite(bool on) {
    verifier_->setEnabled(on);
    if (verifyAction_) verifyAction_->setChecked(on);
    std::string error;
    if (!engine::saveOption(session_.paths, engine::kVerifyAfterWriteKey, on ? "1" : "0", &error))
        session_.prompter.info("设置保存失败:" + error, "提示", this);
}

bool MainWindow::start(const std::optional<PortSettings>& preset) {
    bool opened = false;
    if (preset) {
        settings_ = *preset;
        if (settings_.commBaudRate == 0) settings_.commBaudRate = 9600;
        opened = session_.theComm.Open(settings_.request(familyShowing()));
        session_.statusBar.SetText(0, connectionText(opened, settings_));
    }
    if (!opened) {
        portDialog_->prepare();
        if (runModal_(*portDialog_) != QDialog::Accepted) return false;
    }
    terminalList_->setCurrentIndex(kLm52rIndex);
    showTerminalType(kLm52rIndex);
    OnPortState();
    return true;
}

// ---- terminal types ------------------------------------------------------------------------

int MainWindow::terminalIndex() const { return terminalList_->currentIndex(); }

std::string MainWindow::familyShowing() const {
    if (!activeKey_.empty()) return activeKey_;  // a type, or the production-test page
    const auto& types = families::terminalTypes();
    const int i = terminalList_->currentIndex();
    return i >= 0 && i < int(types.size()) ? types[std::size_t(i)].key : std::string();
}

MainWindow::Shown& MainWindow::ensureShown(const std::string& key) {
    Shown& s = shown_[key];
    if (s.widget) return s;
    s.container = families::makeContainer(key, session_);
    if (s.container) {
        auto* view = new ContainerWidget(*s.container, runModal_, area_);
        s.widget = view;
        // The types with a file get the history, compare, restore and backup.
        if (const auto* t = families::findTerminalType(key);
            t && t->hasFile && s.container->config().fileButtons) {
            auto* bar = new SafetyBar(*view, key);
            bar->setBackupBeforeWrite(backupBeforeWrite_);
            view->addHeadingWidget(bar);
        }
    } else {
        // A key no family builds: its area stays empty.
        s.widget = new QWidget(area_);
    }
    s.widget->setObjectName(QString::fromStdString("area_" + key));
    // Every container fills the area the same way: heading at the top, tabs to the edges.
    static_cast<QGridLayout*>(area_->layout())->addWidget(s.widget, 0, 0);
    s.widget->hide();
    return s;
}

void MainWindow::hideAll() {
    for (auto& [key, s] : shown_) {
        if (s.widget) s.widget->hide();
    }
}

void MainWindow::present(Shown& s) {
    active_ = s.widget;
    activeContainer_ = s.container.get();
    switcher_.present(s.container.get(), activeKey_);
    s.widget->show();
}

void MainWindow::showTerminalType(int index) {
    const auto& types = families::terminalTypes();
    if (index < 0 || index >= int(types.size())) return;
    if (!mayLeave(types[std::size_t(index)].key)) {
        // The list goes back to what still shows.
        QSignalBlocker block(terminalList_);
        terminalList_->setCurrentIndex(activeKey_ == kProductionTestKey ? -1 : shownIndex_);
        return;
    }
    presentType(index);
}

void MainWindow::presentType(int index) {
    const families::TerminalType& type = families::terminalTypes()[std::size_t(index)];
    const bool switched = activeKey_ != type.key;
    // At start-up the speed is the one just chosen in the port dialog: nothing to offer.
    const bool startUp = activeKey_.empty();
    hideAll();
    if (terminalList_->currentIndex() != index) {
        QSignalBlocker block(terminalList_);
        terminalList_->setCurrentIndex(index);
    }
    const std::string key = switcher_.containerFor(type.key);
    Shown& s = ensureShown(key);
    activeKey_ = type.key;
    shownIndex_ = index;
    present(s);
    followFamily(type.key);
    if (switched) afterSwitch(startUp ? 0 : type.baud);
}

bool MainWindow::mayLeave(const std::string& nextKey) {
    if (activeKey_.empty() || nextKey == activeKey_ || !activeContainer_) return true;
    if (!activeContainer_->hasUnsavedEdits()) return true;
    return session_.prompter.confirm(kLeaveEditsQuestion, engine::kAskCaption, this);
}

void MainWindow::afterSwitch(int baud) {
    // Nothing of the previous type stays: its version and the outcome of its last operation.
    session_.statusBar.SetText(1, "");
    session_.statusBar.SetText(2, kStatusIdle);
    offerLineSpeed(baud);
}

void MainWindow::offerLineSpeed(int baud) {
    if (!session_.theComm.IsOpen() || baud <= 0) return;
    const int open = settings_.commBaudRate > 0 ? settings_.commBaudRate : 9600;
    if (open == baud) return;
    // The built-in simulated terminal stands for the type that shows: it takes the speed too.
    const bool simulated = session_.theComm.lastRequest.isSimulator();
    if (!simulated &&
        !session_.prompter.confirm(lineSpeedQuestion(baud), engine::kAskCaption, this))
        return;
    settings_.commBaudRate = baud;
    session_.theComm.Close();
    openPort();
}

bool MainWindow::openPort() {
    const bool ok = session_.theComm.Open(settings_.request(familyShowing()));
    session_.theComm.SetWnd(activeContainer_);
    if (!ok && !session_.theComm.lastError().empty())
        session_.prompter.info(session_.theComm.lastError(), "提示", this);
    OnPortState();
    session_.statusBar.SetText(0, connectionText(ok, settings_));
    return ok;
}

void MainWindow::followFamily(const std::string& family) {
    // The built-in simulated terminal stands for the type that shows: switch it along.
    if (const auto reopened = switcher_.followFamily(family))
        session_.statusBar.SetText(0, connectionText(*reopened, settings_));
}

void MainWindow::OnProductionTestButton() {
    QPushButton* b = button(kProductionTest);
    if (b->text() == uiText("生产测试")) {
        if (!mayLeave(kProductionTestKey)) return;
        b->setText(uiText("终端设置"));
        presentProductionTest();
    } else {
        if (!mayLeave(families::terminalTypes()[std::size_t(shownIndex_)].key)) return;
        b->setText(uiText("生产测试"));
        presentType(shownIndex_);
    }
}

void MainWindow::showProductionTest() {
    if (mayLeave(kProductionTestKey)) presentProductionTest();
}

void MainWindow::presentProductionTest() {
    const bool switched = activeKey_ != kProductionTestKey;
    hideAll();
    auto it = shown_.find(kProductionTestKey);
    if (it == shown_.end() || !it->second.widget) {
        session_.monitorAccessFlag = false;
        if (!askAccessCode(false)) return;
    }
    Shown& s = ensureShown(kProductionTestKey);
    activeKey_ = kProductionTestKey;
    // The terminal list names no type while the bench page shows.
    terminalList_->setPlaceholderText(uiText(kProductionPlaceholder));
    {
        QSignalBlocker block(terminalList_);
        terminalList_->setCurrentIndex(-1);
    }
    present(s);
    followFamily(kProductionTestKey);  // the built-in simulator becomes a bench terminal
    if (switched) afterSwitch(families::productionTestType().baud);
}

ContainerWidget* MainWindow::containerWidget(const std::string& key) const {
    auto it = shown_.find(key);
    return it == shown_.end() ? nullptr : qobject_cast<ContainerWidget*>(it->second.widget);
}

// ---- access code and monitor ---------------------------------------------------------------

bool MainWindow::askAccessCode(bool forMonitor) {
    session_.monitorAccessFlag = forMonitor;
    AccessCodeDialog d(session_, this);
    const bool ok = runModal_(d) == QDialog::Accepted;
    session_.monitorAccessFlag = false;
    return ok;
}

void MainWindow::openMonitor() {
    if (!askAccessCode(true)) return;
    showMonitorWindow();
}

void MainWindow::showMonitorWindow() {
    if (!monitor_) {
        monitor_ = std::make_unique<monitor::CMonitorDlg>(session_);
        monitor_->setPortLabel(settings_.label());
        monitorWindow_ = new MonitorWindow(*monitor_, runModal_, this);
        monitorWindow_->setAttribute(Qt::WA_ShowWithoutActivating);
        monitorWindow_->closedByTitleBar = [this] { centreOnDesktop(); };
    }
    placeMonitor();
    monitorWindow_->show();
    activateWindow();
}

void MainWindow::placeMonitor() {
    // Main window and monitor side by side, the pair centred on the desktop.
    const QScreen* s = screen() ? screen() : QApplication::primaryScreen();
    if (!s) return;
    const QRect desk = s->availableGeometry();
    const QRect mainFrame = frameGeometry();
    const int monitorWidth = monitorWindow_->frameGeometry().width();
    const int x = desk.x() + (desk.width() - mainFrame.width() - monitorWidth) / 2;
    move(std::max(desk.x(), x), pos().y());
    const QRect placed = frameGeometry();
    monitorWindow_->move(placed.right() + 1, placed.top());
    monitorWindow_->resize(monitorWindow_->width(), height());
}

void MainWindow::centreOnDesktop() {
    const QScreen* s = screen() ? screen() : QApplication::primaryScreen();
    if (!s) return;
    const QRect desk = s->availableGeometry();
    move(desk.x() + (desk.width() - frameGeometry().width()) / 2, pos().y());
}

// ---- the port ------------------------------------------------------------------------------

void MainWindow::OnPortSettings() {
    portDialog_->prepare();
    runModal_(*portDialog_);
}

void MainWindow::OnOpenPort() {
    if (!openPort() && !session_.prompter.confirm("是否脱机工作?", "连接失败", this))
        exitRequested(0);
}

void MainWindow::OnClosePort() {
    session_.theComm.Close();
    OnPortState();
}

void MainWindow::OnPortState() {
    const bool open = session_.theComm.IsOpen();
    button(kOpenPort)->setEnabled(!open);
    button(kClosePort)->setEnabled(open);
    if (monitor_) {
        monitor_->setPortLabel(settings_.label());
        monitorWindow_->refreshCaption();
    }
}

// ---- the rest ------------------------------------------------------------------------------

void MainWindow::OnAbout() {
    QDialog d(this);
    d.setWindowTitle(uiText("关于..."));
    auto* box = new QVBoxLayout(&d);
    box->addWidget(new QLabel(uiText("RadioBench\n数字对讲终端配置与生产测试工具")));
    auto* buttons = new QDialogButtonBox;
    buttons->addButton(uiText("确定"), QDialogButtonBox::AcceptRole);
    connect(buttons, &QDialogButtonBox::accepted, &d, &QDialog::accept);
    box->addWidget(buttons);
    runModal_(d);
}

QString MainWindow::statusText(int part) const {
    return part >= 0 && part < 3 ? statusParts_[part]->text() : QString();
}

QPushButton* MainWindow::button(int id) const {
    return findChild<QPushButton*>(QString::number(id));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // The exit button, the close box and "退  出(&X)" end the program at once.
    event->accept();
    exitRequested(0);
}

}  // namespace rb::gui
