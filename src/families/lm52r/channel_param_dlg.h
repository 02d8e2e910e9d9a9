// CChannelParamDlg ("信道参数设置"): edits everything the base page holds for one channel in a
// single modal box — both frequency texts, the six function flags and the two per-channel
// parameters that the base page shows nowhere else (key scheme, hopping scheme). It talks to no
// terminal.
//
// The dialog is headless: it owns a FormModel like a page. The base page fills a
// `ChannelParams` hand-over, builds the dialog and passes it to its `showDialog` hook; the GUI
// renders the form and runs it modally until `result()` is no longer `Open` (`closed` tells it
// when); tests click "确定" / "取消" by id inside the hook. After "确定" the base page copies
// `params()` back into channel k.
#pragma once

#include <array>
#include <functional>
#include <string>

#include "engine/form_model.h"
#include "engine/prompter.h"
#include "families/lm52r/channel_param_dlg_ids.h"
#include "families/lm52r/lm52r_base_ids.h"

namespace rb::families::lm52r {

// Everything handed into and out of the dialog for one channel.
struct ChannelParams {
    int channel = 1;                                 // 1..16
    std::string tx;                                  // transmit frequency text
    std::string rx;                                  // receive frequency text
    std::array<bool, base_ids::kFlagCount> flags{};  // 数字, 声控, 数传, 加密, 时分, 跳频
    int encryType = 0;                               // key scheme 0..15 (`chanEncryType`)
    int hfType = 0;                                  // hopping scheme 0..3 (`chanHFType`)
};

class CChannelParamDlg {
public:
    static constexpr const char* kCaption = "信道参数设置";
    enum class Result { Open, Ok, Cancel };

    // `prompter` shows the dialog's check messages (caption "提示", no owner).
    CChannelParamDlg(engine::Prompter& prompter, const ChannelParams& params);
    CChannelParamDlg(const CChannelParamDlg&) = delete;
    CChannelParamDlg& operator=(const CChannelParamDlg&) = delete;

    engine::FormModel& form() { return form_; }
    const engine::FormModel& form() const { return form_; }

    Result result() const { return result_; }
    // The values handed out: after "确定" the edited ones, otherwise those handed in.
    const ChannelParams& params() const { return params_; }

    // Called once when the dialog closes with "确定" or "取消" (the GUI ends its modal run).
    std::function<void(Result)> closed;

    void OnOK();      // "确定": check, then hand the values out and close
    void OnCancel();  // "取消": close, nothing is handed out

private:
    static void declareForm(engine::FormModel& f);  // channel_param_dlg_form.cpp
    void showParams();
    bool check();
    void close(Result r);

    engine::Prompter& prompter_;
    engine::FormModel form_;
    ChannelParams params_;
    Result result_ = Result::Open;
};

}  // namespace rb::families::lm52r
