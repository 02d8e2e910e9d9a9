// EditHistory: undo and redo ("Ctrl+Z" / "Ctrl+Y") over a page's controls. A step is the form
// after one user action (typing, a choice, a spin, a check box) or after a file was loaded into
// it; the history starts again at each read, write or store ("clean"), so an undo never goes
// back past what the terminal or the file holds. Undo and redo only set controls: nothing is
// sent and no handler runs.
//
// Steps are taken through the form's edit observer: before a user action, a change that came
// from elsewhere (a file load) becomes a step of its own; after it, the action's result.
#pragma once

#include <cstddef>
#include <vector>

#include "engine/write_verify.h"

namespace rb::engine {

class EditHistory {
public:
    static constexpr std::size_t kMaxSteps = 500;

    explicit EditHistory(Page& page);
    ~EditHistory();
    EditHistory(const EditHistory&) = delete;
    EditHistory& operator=(const EditHistory&) = delete;

    // The form as it stands is what the terminal or the file holds: the history restarts.
    void markClean();
    // The form holds the values of the latest markClean (after undoing back to them, too).
    bool isClean() const;
    // Takes a step when the form differs from the current one.
    void capture();

    bool canUndo() const;
    bool canRedo() const;
    bool undo();  // false when there is nothing to undo
    bool redo();
    std::size_t steps() const { return steps_.size(); }

private:
    void apply();

    Page& page_;
    std::vector<FormSnapshot> steps_;
    std::size_t pos_ = 0;
    FormSnapshot clean_;
};

}  // namespace rb::engine
