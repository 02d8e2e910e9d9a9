// CMainDlg: the main window. Menu, buttons, the terminal list and the status bar; it shows one
// terminal type (or the production-test page) at a time, registered with the port object as
// the receiver of frames, and opens the port dialog, the monitor and the access-code dialog.
//
// Containers and the monitor are created on first use and only hidden afterwards, so every form
// keeps its contents and timers while another type shows.
#pragma once

#include <QMainWindow>
#include <QMenu>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "engine/container.h"
#include "engine/session.h"
#include "engine/write_verifier.h"
#include "families/catalog/type_switcher.h"
#include "gui/language/language.h"
#include "gui/modal.h"
#include "gui/port_settings.h"
#include "monitor/monitor_dlg.h"

class QAction;
class QComboBox;
class QLabel;
class QPushButton;

namespace rb::gui {

class ContainerWidget;
class MonitorWindow;
class PortDialog;

namespace main_ids {
inline constexpr int kPortSettings = 1405;    // "串口设置"
inline constexpr int kOpenPort = 1406;        // "打开串口"
inline constexpr int kClosePort = 1407;       // "关闭串口"
inline constexpr int kMonitor = 1408;         // "监视窗口"
inline constexpr int kTerminalList = 2483;    // terminal types
inline constexpr int kProductionTest = 1412;  // "生产测试" / "终端设置"
inline constexpr int kExit = 1005;            // "退出"
// Menu items.
inline constexpr int kMenuPortSettings = 32773;
inline constexpr int kMenuMonitor = 32785;
inline constexpr int kMenuExit = 32774;
inline constexpr int kMenuProductionTest = 32786;
inline constexpr int kMenuAbout = 32777;
inline constexpr int kMenuVerifyAfterWrite = 32809;   // "写后校验", checkable
inline constexpr int kMenuBackupBeforeWrite = 32810;  // "写前备份", checkable
inline constexpr int kMenuStation = 32811;            // "测试站"
inline constexpr int kMenuChinese = 32812;            // "语言" → "中文", checkable
inline constexpr int kMenuEnglish = 32813;            // "语言" → "English", checkable
}  // namespace main_ids

class UnitRecordsDialog;
namespace station {
class StationWindow;
}

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    static constexpr const char* kTitle = engine::kAppTitle;
    static constexpr const char* kProductionTestKey = "protest";

    explicit MainWindow(engine::Session& session, ModalRunner runModal = execModal(),
                        QWidget* parent = nullptr);
    ~MainWindow() override;

    // Start-up: the port dialog, then the "LM52R/LM520" type. A preset port is opened without
    // the dialog, which shows (prefilled) only when that open fails. False when the user
    // cancelled the dialog: the program then ends with exit code 0.
    bool start(const std::optional<PortSettings>& preset = std::nullopt);

    // --- what the menu, the buttons and the list do -----------------------------------------
    void showTerminalType(int index);  // index into the terminal list
    void OnProductionTestButton();     // 1412: toggles production test / terminal forms
    void showProductionTest();         // menu "生产测试(&P)"
    void openMonitor();                // 1408: access code every time, then the window
    void OnOpenPort();                 // 1406
    void OnClosePort();                // 1407
    void OnPortState();                // the port was opened or closed
    void OnPortSettings();             // 1405: the port dialog, modal
    void OnAbout();

    // The monitor window after the access code: created once, placed beside this window,
    // shown without taking the focus.
    void showMonitorWindow();

    // --- state, for the application and tests -----------------------------------------------
    PortSettings& portSettings() { return settings_; }
    PortDialog& portDialog() { return *portDialog_; }
    int terminalIndex() const;
    // The window that shows now (container, placeholder or production-test page), or null.
    QWidget* activeWidget() const { return active_; }
    engine::Container* activeContainer() const { return activeContainer_; }
    ContainerWidget* containerWidget(const std::string& key) const;
    MonitorWindow* monitorWindow() const { return monitorWindow_; }
    // "单元记录" of the production-test page: the read-only records of one unit, modeless.
    void showUnitRecords(const std::string& machineCode);
    UnitRecordsDialog* unitRecordsDialog() const { return unitRecords_; }
    // "自动测试" of the production-test page, and the menu: the test station over that page,
    // modeless (the production page is shown first, with its code when it was not yet).
    void showStation();
    station::StationWindow* stationWindow() const { return station_; }
    QString statusText(int part) const;
    engine::Session& session() { return session_; }
    // "写后校验": read every write back and compare (off by default, remembered per user).
    engine::WriteVerifier& writeVerifier() { return *verifier_; }
    void setVerifyAfterWrite(bool on);
    // "写前备份": read the terminal into the history before a write (off by default,
    // remembered per user).
    bool backupBeforeWrite() const { return backupBeforeWrite_; }
    void setBackupBeforeWrite(bool on);
    // "设置 → 语言": remembered for the next start.
    void chooseLanguage(Language language);

    // Ends the program (exit button, close box, "退  出(&X)", Cancel after a failed open).
    std::function<void(int code)> exitRequested;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    struct Shown {
        std::unique_ptr<engine::Container> container;  // null for a type not built yet
        QWidget* widget = nullptr;
    };

    void buildMenu();
    void buildLanguageMenu(QMenu& menu);
    void buildButtons(QWidget* central);
    void buildStatusBar();
    Shown& ensureShown(const std::string& key);
    void hideAll();
    void present(Shown& shown);
    // Before another type shows: a page with edits not yet written or stored asks first.
    bool mayLeave(const std::string& nextKey);
    // Show a type or the bench page, once leaving was allowed.
    void presentType(int index);
    void presentProductionTest();
    // After another type shows: its version and status texts start empty, and a port open at
    // another speed than `baud` (the type's; 0: none to offer) is offered to reopen at it.
    void afterSwitch(int baud);
    void offerLineSpeed(int baud);
    // Opens the port with the settings for what shows, frames to the active container; a
    // failure shows its reason. The status bar and buttons follow. False when it failed.
    bool openPort();
    bool askAccessCode(bool forMonitor);
    std::string familyShowing() const;
    void followFamily(const std::string& family);
    void placeMonitor();
    void centreOnDesktop();
    QPushButton* button(int id) const;

    static constexpr int kLm52rIndex = 1;  // the type shown at start-up

    engine::Session& session_;
    families::TypeSwitcher switcher_{session_};
    ModalRunner runModal_;
    PortSettings settings_;
    PortDialog* portDialog_;
    QComboBox* terminalList_ = nullptr;
    QWidget* area_ = nullptr;
    QLabel* statusParts_[3] = {};
    std::map<std::string, Shown> shown_;
    QWidget* active_ = nullptr;
    engine::Container* activeContainer_ = nullptr;
    std::string activeKey_;
    int shownIndex_ = kLm52rIndex;  // the terminal type last shown (the production page aside)
    std::unique_ptr<monitor::CMonitorDlg> monitor_;
    MonitorWindow* monitorWindow_ = nullptr;
    UnitRecordsDialog* unitRecords_ = nullptr;
    station::StationWindow* station_ = nullptr;
    std::unique_ptr<engine::WriteVerifier> verifier_;
    QAction* verifyAction_ = nullptr;
    bool backupBeforeWrite_ = false;
    QAction* backupAction_ = nullptr;
};

}  // namespace rb::gui
