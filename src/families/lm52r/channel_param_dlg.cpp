#include "families/lm52r/channel_param_dlg.h"

#include "families/common96/number_checks.h"
#include "wire/codecs.h"
#include "wire/utf8.h"

namespace rb::families::lm52r {

namespace ids = channel_dlg_ids;

namespace {

using ids::kHopSchemeMax;
using ids::kKeySchemeMax;

// A frequency text passes when it stands for 0 (also an empty text) or has all 7 characters;
// whether it suits the channel spacing is checked only when the base page writes.
bool frequencyTextAccepted(const std::string& text) {
    return wire::parseLong(text) == 0 ||
           wire::utf8CharCount(text) == std::size_t(base_ids::kFrequencyChars);
}

}  // namespace

CChannelParamDlg::CChannelParamDlg(engine::Prompter& prompter, const ChannelParams& params)
    : prompter_(prompter), params_(params) {
    declareForm(form_);
    form_.onClick(ids::kOkButton, [this] { OnOK(); });
    form_.onClick(ids::kCancelButton, [this] { OnCancel(); });
    showParams();
}

void CChannelParamDlg::showParams() {
    form_.setSelection(ids::kChannelList, params_.channel - 1);
    form_.setText(ids::kTxEdit, params_.tx);
    form_.setText(ids::kRxEdit, params_.rx);
    for (int i = 0; i < base_ids::kFlagCount; ++i) {
        form_.setChecked(ids::kFlagChecks[i], params_.flags[i]);
    }
    form_.setInt(ids::kKeySchemeEdit, params_.encryType);
    form_.setInt(ids::kHopSchemeEdit, params_.hfType);
}

bool CChannelParamDlg::check() {
    // The messages have no owner window, as in the terminal's own tool.
    auto refuse = [this](const char* text) {
        prompter_.info(text, "提示", nullptr);
        return false;
    };
    if (!frequencyTextAccepted(form_.text(ids::kTxEdit))) return refuse("发射频率设置不正确!");
    if (!frequencyTextAccepted(form_.text(ids::kRxEdit))) return refuse("接收频率设置不正确!");
    // Whole numbers: "abc" is no scheme 0 and "2x" no scheme 2.
    if (!common96::numberIn(form_.text(ids::kKeySchemeEdit), 0, kKeySchemeMax)) {
        return refuse("密钥方案设置不正确,请设为0-15!");
    }
    if (!common96::numberIn(form_.text(ids::kHopSchemeEdit), 0, kHopSchemeMax)) {
        return refuse("跳频系数设置不正确,请设为0-3!");
    }
    return true;
}

void CChannelParamDlg::OnOK() {
    if (result_ != Result::Open) return;
    if (!check()) return;  // the dialog stays open
    params_.tx = form_.text(ids::kTxEdit);
    params_.rx = form_.text(ids::kRxEdit);
    for (int i = 0; i < base_ids::kFlagCount; ++i) {
        params_.flags[i] = form_.checked(ids::kFlagChecks[i]);
    }
    params_.encryType = form_.intValue(ids::kKeySchemeEdit);
    params_.hfType = form_.intValue(ids::kHopSchemeEdit);
    close(Result::Ok);
}

void CChannelParamDlg::OnCancel() {
    if (result_ != Result::Open) return;
    close(Result::Cancel);
}

void CChannelParamDlg::close(Result r) {
    result_ = r;
    if (closed) closed(r);
}

}  // namespace rb::families::lm52r
