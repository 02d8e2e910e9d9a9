#include "gui/port_dialog.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "gui/language/language.h"
#include "link/port_names.h"

namespace rb::gui {

using namespace port_ids;

PortDialog::PortDialog(engine::Session& session, PortSettings& settings, QWidget* parent)
    : QDialog(parent), session_(session), settings_(settings) {
    setWindowTitle(uiText("通讯端口设置"));
    listPorts = [] { return link::availablePorts(); };

    auto* group = new QGroupBox(uiText("串口"));
    auto* grid = new QGridLayout(group);
    radios_ = new QButtonGroup(this);
    for (int n = 1; n <= 4; ++n) {
        auto* r = new QRadioButton(QStringLiteral("COM%1").arg(n));
        r->setObjectName(QString::number(kCom1 + n - 1));
        radios_->addButton(r, n);
        grid->addWidget(r, 0, n - 1);
        connect(r, &QRadioButton::clicked, this, [this, n] { OnRadio(n); });
    }
    portList_ = new QComboBox;
    portList_->setObjectName(kPortList);
    portList_->setEditable(true);
    portList_->setInsertPolicy(QComboBox::NoInsert);
    portList_->setMinimumContentsLength(16);
    grid->addWidget(new QLabel(uiText("其他端口:")), 1, 0);
    grid->addWidget(portList_, 1, 1, 1, 3);
    connect(portList_, &QComboBox::activated, this, [this] { chooseOtherPort(); });
    connect(portList_->lineEdit(), &QLineEdit::textEdited, this, [this] { chooseOtherPort(); });

    speed_ = new QComboBox;
    speed_->setObjectName(QString::number(kSpeedList));
    speed_->addItems({QStringLiteral("9600"), QStringLiteral("19200")});
    auto* speedRow = new QHBoxLayout;
    speedRow->addWidget(new QLabel(uiText("串口速率:")));
    speedRow->addWidget(speed_);
    speedRow->addStretch();

    open_ = new QPushButton(uiText("打开串口"));
    close_ = new QPushButton(uiText("关闭串口"));
    auto* cancel = new QPushButton(uiText("取消"));
    open_->setObjectName(QString::number(kOpen));
    close_->setObjectName(QString::number(kClose));
    cancel->setObjectName(QString::number(kCancel));
    open_->setDefault(true);
    connect(open_, &QPushButton::clicked, this, [this] { OnOpen(); });
    connect(close_, &QPushButton::clicked, this, [this] { OnClose(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(open_);
    buttons->addWidget(close_);
    buttons->addWidget(cancel);

    auto* box = new QVBoxLayout(this);
    box->addWidget(group);
    box->addLayout(speedRow);
    box->addLayout(buttons);
}

void PortDialog::prepare() {
    // The other ports: what the system reports now, then the simulated terminal.
    portList_->clear();
    for (const auto& name : listPorts()) portList_->addItem(QString::fromStdString(name));
    portList_->addItem(uiText(kSimulatorChoice));

    if (settings_.commPortNumber < 1 || settings_.commPortNumber > 4) settings_.commPortNumber = 1;
    radios_->setExclusive(false);
    for (QAbstractButton* b : radios_->buttons()) b->setChecked(false);
    radios_->setExclusive(true);
    if (settings_.device.empty()) {
        radios_->button(settings_.commPortNumber)->setChecked(true);
        portList_->setCurrentIndex(-1);
        portList_->setEditText({});
    } else {
        // The simulator shows by its name in the language of the window; a device path as is.
        portList_->setEditText(uiText(settings_.label()));
    }
    enableButtons();
    speed_->setCurrentIndex(settings_.commBaudRate == 19200 ? 1 : 0);
}

void PortDialog::chooseOtherPort() {
    // The port list and the COM radios are one choice: picking a port unchecks the radios.
    radios_->setExclusive(false);
    for (QAbstractButton* b : radios_->buttons()) b->setChecked(false);
    radios_->setExclusive(true);
}

void PortDialog::enableButtons() {
    const bool open = session_.theComm.IsOpen();
    open_->setEnabled(!open);
    close_->setEnabled(open);
}

void PortDialog::takeChoice() {
    if (const int n = radios_->checkedId(); n >= 1 && n <= 4) {
        settings_.commPortNumber = n;
        settings_.device.clear();
    } else {
        const QString text = portList_->currentText().trimmed();
        settings_.device = text == uiText(kSimulatorChoice) ? "sim" : text.toStdString();
    }
    settings_.commBaudRate = speed_->currentIndex() == 1 ? 19200 : 9600;
}

void PortDialog::openSelected() {
    takeChoice();
    const bool ok = session_.theComm.Open(settings_.request(family ? family() : std::string()));
    if (portStateChanged) portStateChanged();
    session_.statusBar.SetText(0, connectionText(ok, settings_));
    if (ok) {
        accept();
        return;
    }
    // Why it failed, with the fix where there is one, before the usual question.
    if (!session_.theComm.lastError().empty()) {
        session_.prompter.info(session_.theComm.lastError(), "提示", this);
    }
    if (session_.prompter.confirm("是否脱机工作?", "连接失败", this)) accept();
}

void PortDialog::OnOpen() {
    openSelected();
    enableButtons();
}

void PortDialog::OnClose() {
    session_.theComm.Close();
    enableButtons();
    if (portStateChanged) portStateChanged();
}

void PortDialog::OnRadio(int number) {
    radios_->button(number)->setChecked(true);
    session_.theComm.Close();
    openSelected();
    enableButtons();
}

}  // namespace rb::gui
