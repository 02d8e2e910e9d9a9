// CPasswordDlg ("密码框"): asks for the access code of the production-test page or of the
// monitor window. The session's `monitorAccessFlag` says which code is expected; the dialog
// always leaves it cleared.
#pragma once

#include <QDialog>
#include <string>

#include "engine/access_codes.h"
#include "engine/session.h"

class QLineEdit;

namespace rb::gui {

using engine::accessCodeAccepted;
using engine::kMonitorCode;
using engine::kProductionTestCode;

namespace access_ids {
inline constexpr int kCodeEdit = 2094;
inline constexpr int kOk = 2097;      // "确定"
inline constexpr int kCancel = 1005;  // "取消"
}  // namespace access_ids

class AccessCodeDialog : public QDialog {
    Q_OBJECT
public:
    explicit AccessCodeDialog(engine::Session& session, QWidget* parent = nullptr);

    QLineEdit* codeEdit() const { return edit_; }
    // "确定" and Enter: OK with the right code, otherwise "密码不正确!" and the dialog stays.
    void OnOK();
    // "取消", Escape and the close box.
    void reject() override;

private:
    engine::Session& session_;
    QLineEdit* edit_;
};

}  // namespace rb::gui
