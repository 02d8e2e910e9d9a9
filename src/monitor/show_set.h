// CShowSet ("配置"): builds the reply list from the saved history, keeps the history, and sets
// the auto-reply condition. The reply list and the condition take effect at once (a reply run
// sees them while the dialog is open); "取消" puts back what they were when the dialog opened,
// "确定" keeps them. Deleting history entries ("删除", "清空") saves the history file at once,
// as it always did: the buttons act on the file, not on the dialog.
//
// Headless like a page: the GUI renders `form()` in a modal dialog until `result()` is no longer
// `Open` (`closed` tells it); tests click by id.
#pragma once

#include <functional>
#include <string>

#include "engine/form_model.h"
#include "engine/prompter.h"
#include "monitor/auto_reply.h"
#include "monitor/monitor_history.h"

namespace rb::monitor {

class CShowSet {
public:
    static constexpr const char* kCaption = "配置";

    // `portLabel` is appended to the caption as "(Port:...)".
    CShowSet(AutoReplyState& state, const std::string& historyFile, engine::Prompter& prompter,
             const std::string& portLabel);
    CShowSet(const CShowSet&) = delete;
    CShowSet& operator=(const CShowSet&) = delete;

    engine::FormModel& form() { return form_; }
    const std::string& caption() const { return caption_; }
    const MonitorHistory& history() const { return history_; }

    void OnAddAll();         // "==>"
    void OnAddOne();         // "-->"
    void OnRemoveOne();      // "<--"
    void OnRemoveAll();      // "<=="
    void OnDeleteHistory();  // "删除"
    void OnClearHistory();   // "清空"
    void OnOK();             // "确定"
    void OnCancel();         // "取消", and Escape or the close box

    enum class Result { Open, Ok, Cancel };
    Result result() const { return result_; }
    // The dialog has ended; the window closes.
    std::function<void(Result)> closed;

private:
    static void declareForm(engine::FormModel& f);
    void showReplyList();
    void saveHistory();

    void close(Result r);

    AutoReplyState& state_;
    AutoReplyState opened_;  // as the dialog found it, for "取消"
    Result result_ = Result::Open;
    MonitorHistory history_;
    engine::Prompter& prompter_;
    engine::FormModel form_;
    std::string caption_;
};

}  // namespace rb::monitor
