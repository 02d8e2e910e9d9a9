// Verification after a write ("写后校验"): the page's form as the write chain left it is kept,
// the matching read chain runs, and every value control is compared with what was written.
// A difference is named by the field's label as the form shows it ("信道01 发射频率") with the
// value written and the value read back.
//
// Compared: edits and multi-line edits (text; decimal numbers compare by value, an empty
// field as 0), check
// boxes, radio groups (the checked radio), drop-down lists (the selection), list boxes (their
// items) and track bars. Not compared: buttons, labels, spins (their edit is), progress bars,
// read-only edits and what the page lists in Page::verifyIgnores().
#pragma once

#include <map>
#include <string>
#include <vector>

#include "engine/form_model.h"

namespace rb::engine {

class Page;

// The label of every control the layout names: the label in front of it ("身份码:" ->
// "身份码"), its row and column headings in a table ("信道01 发射频率"), its own caption (a
// check box), or the titled group around it (a radio group). Controls without any: "控件<id>".
std::map<int, std::string> fieldLabels(const FormModel& form);

struct FieldDifference {
    int id = 0;  // the control (a radio group by its first radio)
    std::string label;
    std::string written;
    std::string read;
    bool operator==(const FieldDifference&) const = default;
};

// "信道01 发射频率: 写入 4000000, 读回 4100000".
std::string describe(const FieldDifference& difference);

// The compared controls of a page as they stand.
class FormSnapshot {
public:
    FormSnapshot() = default;
    explicit FormSnapshot(const Page& page);

    // Each control that differs from the form now, in declaration order.
    std::vector<FieldDifference> differences(const Page& page) const;
    // Puts the kept values back into the form (the user's input survives a failed check).
    void restore(Page& page) const;
    bool empty() const { return controls_.empty(); }
    // Whether both hold the same controls with the same values (compared as above).
    bool sameAs(const FormSnapshot& other) const;

private:
    std::vector<Control> controls_;  // radio groups: the first radio, value = checked index
};

}  // namespace rb::engine
