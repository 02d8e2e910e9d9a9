// CShowSet ("配置"): builds the reply list from the saved history, keeps the history, and sets
// the auto-reply condition. Every change takes effect at once; there is no OK or Cancel.
//
// Headless like a page: the GUI renders `form()` in a modal dialog; tests click by id.
#pragma once

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

private:
    static void declareForm(engine::FormModel& f);
    void showReplyList();
    void saveHistory();

    AutoReplyState& state_;
    MonitorHistory history_;
    engine::Prompter& prompter_;
    engine::FormModel form_;
    std::string caption_;
};

}  // namespace rb::monitor
