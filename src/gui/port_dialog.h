// CPortSetDlg ("通讯端口设置"): chooses the port and the speed and opens or closes the port.
// Besides COM1..COM4 it offers every port the system reports, a typed device path (a pty is
// never reported) and the built-in simulated terminal of the terminal type that is showing.
#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "engine/session.h"
#include "gui/port_settings.h"

class QButtonGroup;
class QComboBox;
class QPushButton;
class QRadioButton;

namespace rb::gui {

namespace port_ids {
inline constexpr int kCom1 = 1000;  // 1000..1003: "COM1".."COM4"
inline constexpr int kSpeedList = 2407;
inline constexpr int kOpen = 1004;                    // "打开串口"
inline constexpr int kClose = 2006;                   // "关闭串口"
inline constexpr int kCancel = 1005;                  // "取消"
inline constexpr const char* kPortList = "portList";  // the other ports (editable)
}  // namespace port_ids

class PortDialog : public QDialog {
    Q_OBJECT
public:
    PortDialog(engine::Session& session, PortSettings& settings, QWidget* parent = nullptr);

    // The terminal type showing, whose simulated terminal "内置模拟终端" opens.
    std::function<std::string()> family;
    // The port was opened or closed (the main window refreshes its buttons).
    std::function<void()> portStateChanged;
    // The ports the system reports; replaceable for tests.
    std::function<std::vector<std::string>()> listPorts;

    // Sets the controls from the settings and the port state; run before every showing.
    void prepare();

    void OnOpen();             // "打开串口"
    void OnClose();            // "关闭串口"
    void OnRadio(int number);  // a COM radio clicked: close, then open that port

private:
    void takeChoice();
    void openSelected();
    void enableButtons();
    void chooseOtherPort();

    engine::Session& session_;
    PortSettings& settings_;
    QButtonGroup* radios_;
    QComboBox* portList_;
    QComboBox* speed_;
    QPushButton* open_;
    QPushButton* close_;
};

}  // namespace rb::gui
