// The channel dialog's form: its controls with their opening values, and its layout.
#include <iterator>
#include <string>
#include <vector>

#include "families/lm52r/channel_param_dlg.h"

namespace rb::families::lm52r {

namespace ids = channel_dlg_ids;

namespace {

constexpr std::array<const char*, base_ids::kFlagCount> kFlagCaptions = {
    "数字语音", "声控功能", "数传通讯", "数字加密", "时分通讯", "跳频通讯"};

}  // namespace

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
    f.addSpin(ids::kKeySchemeSpin, ids::kKeySchemeEdit, 0, ids::kKeySchemeMax);
    f.addEdit(ids::kHopSchemeEdit, 0, "0");
    f.addSpin(ids::kHopSchemeSpin, ids::kHopSchemeEdit, 0, ids::kHopSchemeMax);
    f.addButton(ids::kOkButton, "确定");
    f.addButton(ids::kCancelButton, "取消");

    std::vector<engine::LayoutItem> flags;
    flags.reserve(std::size(ids::kFlagChecks));
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

}  // namespace rb::families::lm52r
