#include "gui/access_code_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/language/language.h"

namespace rb::gui {

using namespace access_ids;

AccessCodeDialog::AccessCodeDialog(engine::Session& session, QWidget* parent)
    : QDialog(parent), session_(session) {
    setWindowTitle(uiText("密码框"));
    edit_ = new QLineEdit;
    edit_->setObjectName(QString::number(kCodeEdit));
    edit_->setEchoMode(QLineEdit::Password);
    auto* ok = new QPushButton(uiText("确定"));
    auto* cancel = new QPushButton(uiText("取消"));
    ok->setObjectName(QString::number(kOk));
    cancel->setObjectName(QString::number(kCancel));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { OnOK(); });
    connect(cancel, &QPushButton::clicked, this, [this] { reject(); });

    auto* row = new QHBoxLayout;
    row->addWidget(edit_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* box = new QVBoxLayout(this);
    box->addWidget(new QLabel(uiText("请输入验证密码:")));
    box->addLayout(row);
    box->addLayout(buttons);
    setMinimumWidth(260);
}

void AccessCodeDialog::OnOK() {
    if (accessCodeAccepted(session_.monitorAccessFlag, edit_->text().toStdString())) {
        session_.monitorAccessFlag = false;
        accept();
        return;
    }
    session_.prompter.info(engine::kWrongCodeText, "提示", this);
}

void AccessCodeDialog::reject() {
    session_.monitorAccessFlag = false;
    QDialog::reject();
}

}  // namespace rb::gui
