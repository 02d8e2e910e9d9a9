#include "engine/edit_history.h"

#include "engine/page.h"

namespace rb::engine {

EditHistory::EditHistory(Page& page) : page_(page) {
    markClean();
    page_.form().setEditObserver([this](bool /*done*/) { capture(); });
}

EditHistory::~EditHistory() { page_.form().setEditObserver(nullptr); }

void EditHistory::markClean() {
    clean_ = FormSnapshot(page_);
    steps_.assign(1, clean_);
    pos_ = 0;
}

bool EditHistory::isClean() const { return clean_.sameAs(FormSnapshot(page_)); }

void EditHistory::capture() {
    FormSnapshot now(page_);
    if (steps_[pos_].sameAs(now)) return;
    steps_.resize(pos_ + 1);  // a new edit ends what could be redone
    steps_.push_back(std::move(now));
    if (steps_.size() > kMaxSteps) steps_.erase(steps_.begin());
    pos_ = steps_.size() - 1;
}

bool EditHistory::canUndo() const { return pos_ > 0 || !steps_[pos_].sameAs(FormSnapshot(page_)); }

bool EditHistory::canRedo() const {
    return pos_ + 1 < steps_.size() && steps_[pos_].sameAs(FormSnapshot(page_));
}

bool EditHistory::undo() {
    capture();
    if (pos_ == 0) return false;
    --pos_;
    apply();
    return true;
}

bool EditHistory::redo() {
    capture();
    if (pos_ + 1 >= steps_.size()) return false;
    ++pos_;
    apply();
    return true;
}

void EditHistory::apply() { steps_[pos_].restore(page_); }

}  // namespace rb::engine
