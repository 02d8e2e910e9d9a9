// Edit guards the user pages of the 0x96 families share: a text edit whose GBK length reaches
// its limit gets its last accepted text back, and a number edit is clamped to its range.
#pragma once

#include <map>
#include <string>

#include "engine/accepted_texts.h"
#include "engine/form_model.h"
#include "wire/codecs.h"

namespace rb::families::common96 {

class ByteLimitedTexts {
public:
    explicit ByteLimitedTexts(engine::FormModel& form) : texts_(form) {}

    // Guards `editId` on every change: a text of `refusedBytes` GBK bytes or more is replaced by
    // the last accepted one. The edit's current text is the first accepted one.
    void guard(int editId, std::size_t refusedBytes) {
        texts_.guard(editId, [refusedBytes](const std::string& text) {
            return wire::gbkLength(text) >= refusedBytes;
        });
    }
    // A text the page puts in itself (a reset, an answer, a file) is accepted as it is.
    void set(int editId, const std::string& text) { texts_.set(editId, text); }

private:
    engine::AcceptedTexts texts_;
};

// A number edit that holds lo ... hi: a typed value outside shows the nearer end; an empty
// edit stays empty.
inline void clampNumber(engine::FormModel& form, int editId, long long lo, long long hi) {
    const std::string& text = form.text(editId);
    if (text.empty()) return;
    const long long v = wire::parseLong(text);
    if (v < lo) form.setInt(editId, lo);
    if (v > hi) form.setInt(editId, hi);
}

}  // namespace rb::families::common96
