// Edits that refuse a typed text as a whole: when a change is refused (too long, out of range)
// the edit gets its last accepted text back, so typing simply stops at the limit. A text the page
// puts in itself (a reset, an answer, a file) is accepted as it is.
#pragma once

#include <functional>
#include <map>
#include <string>

#include "engine/form_model.h"

namespace rb::engine {

class AcceptedTexts {
public:
    using Refuses = std::function<bool(const std::string& text)>;

    explicit AcceptedTexts(FormModel& form) : form_(form) {}

    // Guards `editId` on every change; its current text is the first accepted one.
    void guard(int editId, Refuses refuses) {
        accepted_[editId] = form_.text(editId);
        form_.onChange(editId, [this, editId, refuses = std::move(refuses)] {
            const std::string& text = form_.text(editId);
            if (refuses(text)) {
                form_.setText(editId, accepted_[editId]);
            } else {
                accepted_[editId] = text;
            }
        });
    }
    // The edit's text as it stands now is accepted (the page put it there).
    void accept(int editId) { accepted_[editId] = form_.text(editId); }
    // Puts `text` into the edit and accepts it.
    void set(int editId, const std::string& text) {
        form_.setText(editId, text);
        accepted_[editId] = text;
    }

private:
    FormModel& form_;
    std::map<int, std::string> accepted_;
};

}  // namespace rb::engine
