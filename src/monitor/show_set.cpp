#include "monitor/show_set.h"

#include <algorithm>

#include "monitor/monitor_ids.h"

namespace rb::monitor {

using namespace show_set_ids;

void CShowSet::declareForm(engine::FormModel& f) {
    namespace l = engine::layout;
    f.addListBox(kHistoryList);
    f.addListBox(kReplyList);
    f.addButton(kAddAll, "==>");
    f.addButton(kAddOne, "-->");
    f.addButton(kRemoveOne, "<--");
    f.addButton(kRemoveAll, "<==");
    f.addButton(kDeleteHistory, "删除");
    f.addButton(kClearHistory, "清空");
    f.addCheck(kEnabled, "是否自动回复");
    f.addEdit(kCode);
    f.addButton(kOk, "确定");
    f.addButton(kCancel, "取消");
    f.setLayout(l::column({
        l::row({
            l::column({l::label("历史记录:"), l::ctl(kHistoryList),
                       l::row({l::ctl(kDeleteHistory), l::ctl(kClearHistory), l::stretch()})}),
            l::column({l::stretch(), l::ctl(kAddAll), l::ctl(kAddOne), l::ctl(kRemoveOne),
                       l::ctl(kRemoveAll), l::stretch()}),
            l::column({l::label("自动回复列表(按顺序发送):"), l::ctl(kReplyList)}),
        }),
        l::group("自动回复条件", l::row({l::ctl(kEnabled), l::label("接收协议号:"), l::ctl(kCode),
                                         l::label("(示例: 96)"), l::stretch()})),
        l::row({l::stretch(), l::ctl(kOk), l::ctl(kCancel)}),
    }));
}

CShowSet::CShowSet(AutoReplyState& state, const std::string& historyFile,
                   engine::Prompter& prompter, const std::string& portLabel)
    : state_(state), opened_(state), history_(historyFile), prompter_(prompter) {
    declareForm(form_);
    caption_ = std::string(kCaption) + "(Port:" + portLabel + ")";

    form_.setChecked(kEnabled, state_.autoReplyEnabled);
    form_.setText(kCode, state_.autoReplyCode);
    history_.load();
    form_.setItems(kHistoryList, history_.entries());
    showReplyList();

    form_.onClick(kAddAll, [this] { OnAddAll(); });
    form_.onClick(kAddOne, [this] { OnAddOne(); });
    form_.onClick(kRemoveOne, [this] { OnRemoveOne(); });
    form_.onClick(kRemoveAll, [this] { OnRemoveAll(); });
    form_.onClick(kDeleteHistory, [this] { OnDeleteHistory(); });
    form_.onClick(kClearHistory, [this] { OnClearHistory(); });
    form_.onClick(kOk, [this] { OnOK(); });
    form_.onClick(kCancel, [this] { OnCancel(); });
    form_.onClick(kEnabled, [this] { state_.autoReplyEnabled = form_.checked(kEnabled); });
    // Taken exactly as typed: only two lower-case digits ever match a command code.
    form_.onChange(kCode, [this] { state_.autoReplyCode = form_.text(kCode); });
}

void CShowSet::showReplyList() { form_.setItems(kReplyList, state_.autoReplyList); }

void CShowSet::OnAddAll() {
    for (const auto& entry : form_.items(kHistoryList)) state_.autoReplyList.push_back(entry);
    showReplyList();
}

void CShowSet::OnAddOne() {
    const int sel = form_.selection(kHistoryList);
    if (sel < 0) return;
    const std::string entry = form_.items(kHistoryList)[std::size_t(sel)];
    if (entry.empty()) return;
    state_.autoReplyList.push_back(entry);
    showReplyList();
}

void CShowSet::OnRemoveOne() {
    const int sel = form_.selection(kReplyList);
    if (sel < 0) return;
    const std::string entry = form_.items(kReplyList)[std::size_t(sel)];
    auto& list = state_.autoReplyList;
    list.erase(std::remove(list.begin(), list.end(), entry), list.end());
    // The box shows the list that is sent: every equal line goes, not only the selected one.
    showReplyList();
}

void CShowSet::OnRemoveAll() {
    state_.autoReplyList.clear();
    showReplyList();
}

void CShowSet::OnDeleteHistory() {
    const int sel = form_.selection(kHistoryList);
    if (!history_.remove(sel)) return;
    form_.removeItem(kHistoryList, sel);
    saveHistory();
}

void CShowSet::OnClearHistory() {
    history_.clear();
    form_.setItems(kHistoryList, {});
    saveHistory();
}

void CShowSet::OnOK() { close(Result::Ok); }

void CShowSet::OnCancel() {
    state_ = opened_;
    close(Result::Cancel);
}

void CShowSet::close(Result r) {
    result_ = r;
    if (closed) closed(r);
}

void CShowSet::saveHistory() {
    std::string error;
    if (!history_.save(&error)) prompter_.info("历史记录保存失败:" + error, "提示", this);
}

}  // namespace rb::monitor
