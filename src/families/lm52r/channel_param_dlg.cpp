#include "families/lm52r/channel_param_dlg.h"

#include "families/common96/number_checks.h"
#include "wire/codecs.h"
#include "wire/utf8.h"

namespace rb::families::lm52r {

namespace ids = channel_dlg_ids;

namespace {

constexpr int kKeySchemeMax = 15;
constexpr int kHopSchemeMax = 3;

constexpr std::array<const char*, base_ids::kFlagCount> kFlagCaptions = {
    "数字语音", "声控功能", "数传通讯", "数字加密", "时分通讯", "跳频通讯"};

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

void CChannelParamDlg::declareForm(engine::FormModel& f) {
    namespace L = engine::layout;
    std::vector<std::string> channels;
    for (int k = 1; k <= kChannels; ++k) channels.push_back("信道" + std::to_string(k));
    f.addCombo(ids::kChannelList, std::move(channels)).enabled = false;
    f.addEdit(ids::kTxEdit, base_ids::kFrequencyChars);
    f.addEdit(ids::kRxEdit, base_ids::kFrequencyChars);
    for (int i = 0; i < base_ids::kFlagCount; ++i)
        f.addCheck(ids::kFlagChecks[i], kFlagCaptions[i]);
    f.addEdit(ids::kKeySchemeEdit, 0, "0");
    f.addSpin(ids::kKeySchemeSpin, ids::kKeySchemeEdit, 0, kKeySchemeMax);
    f.addEdit(ids::kHopSchemeEdit, 0, "0");
    f.addSpin(ids::kHopSchemeSpin, ids::kHopSchemeEdit, 0, kHopSchemeMax);
    f.addButton(ids::kOkButton, "确定");
    f.addButton(ids::kCancelButton, "取消");

    std::vector<engine::LayoutItem> flags;
    for (int id : ids::kFlagChecks) flags.push_back(L::ctl(id));
    f.setLayout(L::column({
        L::grid(2, {L::label("信道编号:"), L::ctl(ids::kChannelList),  //
                    L::label("发射频率:"), L::ctl(ids::kTxEdit),       //
                    L::label("接收频率:"), L::ctl(ids::kRxEdit)}),     //
        L::grid(3, std::move(flags)),                                  //
        L::grid(3,
                {L::label("密钥方案:"), L::ctl(ids::kKeySchemeEdit), L::ctl(ids::kKeySchemeSpin),
                 L::label("跳频方案:"), L::ctl(ids::kHopSchemeEdit), L::ctl(ids::kHopSchemeSpin)}),
        L::row({L::stretch(), L::ctl(ids::kOkButton), L::ctl(ids::kCancelButton)}),
    }));
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
