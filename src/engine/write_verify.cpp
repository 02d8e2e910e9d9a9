#include "engine/write_verify.h"

#include <charconv>
#include <optional>
#include <set>

#include "engine/page.h"

namespace rb::engine {

namespace {

using Type = LayoutItem::Type;

bool isValueKind(ControlKind kind) {
    switch (kind) {
        case ControlKind::Edit:
        case ControlKind::MultiEdit:
        case ControlKind::CheckBox:
        case ControlKind::Radio:
        case ControlKind::Combo:
        case ControlKind::ListBox:
        case ControlKind::Slider:
            return true;
        default:
            return false;
    }
}

// "身份码:" -> "身份码": the colon and blanks a label ends with.
std::string stripLabel(std::string text) {
    for (;;) {
        if (!text.empty() && (text.back() == ':' || text.back() == ' ')) {
            text.pop_back();
        } else if (text.size() >= 3 && text.compare(text.size() - 3, 3, "：") == 0) {
            text.erase(text.size() - 3);
        } else {
            return text;
        }
    }
}

std::string join(const std::string& a, const std::string& b) {
    if (a.empty()) return b;
    if (b.empty()) return a;
    return a + " " + b;
}

class LabelWalker {
public:
    explicit LabelWalker(const FormModel& form) : form_(form) {}

    std::map<int, std::string> run() {
        walk(form_.layout(), {});
        std::map<int, std::string> out;
        for (int id : form_.ids()) {
            const Control& c = form_.control(id);
            const auto assigned = assigned_.find(id);
            const std::string a = assigned == assigned_.end() ? "" : assigned->second;
            const std::string group = groupOf_.count(id) ? groupOf_.at(id) : "";
            std::string label;
            if (c.kind == ControlKind::CheckBox && !c.text.empty()) {
                label = join(a.empty() ? group : a, stripLabel(c.text));
            } else if (c.kind == ControlKind::Radio) {
                const int first = c.group ? c.group : id;
                const std::string g = groupOf_.count(first) ? groupOf_.at(first) : group;
                label = !g.empty() ? g : !a.empty() ? a : stripLabel(form_.control(first).text);
            } else {
                label = !a.empty() ? a : group;
            }
            out[id] = label.empty() ? "控件" + std::to_string(id) : label;
        }
        return out;
    }

private:
    bool isControl(const LayoutItem& item) const {
        return item.type == Type::Control && form_.has(item.id);
    }

    void walk(const LayoutItem& item, const std::string& group) {
        switch (item.type) {
            case Type::Control:
                if (form_.has(item.id) && !groupOf_.count(item.id)) groupOf_[item.id] = group;
                break;
            case Type::Group:
                for (const auto& child : item.children)
                    walk(child, item.text.empty() ? group : item.text);
                break;
            case Type::Row:
            case Type::Column:
                sequence(item.children, group);
                break;
            case Type::Grid:
                grid(item, group);
                break;
            default:
                break;
        }
    }

    // A label names the item right after it; a check box with a caption names the edit after
    // it ("守候组01:" and its number).
    void sequence(const std::vector<LayoutItem>& items, const std::string& group) {
        std::string pending;
        for (const auto& child : items) {
            if (child.type == Type::Label) {
                pending = stripLabel(child.text);
                continue;
            }
            if (child.type == Type::Stretch) continue;
            if (!pending.empty()) assign(child, pending);
            pending.clear();
            walk(child, group);
            if (isControl(child)) {
                const Control& c = form_.control(child.id);
                if (c.kind == ControlKind::CheckBox && !c.text.empty())
                    pending = stripLabel(c.text);
            }
        }
    }

    // A table whose first row holds only headings: a cell is named by the heading of its
    // row (the label or caption nearest on its left) and of its column.
    void grid(const LayoutItem& item, const std::string& group) {
        const auto& cells = item.children;
        const std::size_t columns = std::size_t(std::max(1, item.columns));
        bool headed = cells.size() > columns;
        for (std::size_t i = 0; headed && i < columns; ++i) headed = cells[i].type == Type::Label;
        if (!headed) return sequence(cells, group);
        for (std::size_t i = columns; i < cells.size(); ++i) {
            const std::size_t col = i % columns;
            const std::size_t rowStart = i - col;
            std::string rowHead;
            for (std::size_t j = i; j > rowStart && rowHead.empty();) {
                --j;
                rowHead = headingOf(cells[j]);
            }
            const std::string heading = stripLabel(cells[col].text);
            if (cells[i].type != Type::Label && !heading.empty())
                assign(cells[i], join(rowHead, heading));
            walk(cells[i], group);
        }
    }

    // What a cell says as a row heading: a label's text, a button's or check box's caption.
    std::string headingOf(const LayoutItem& cell) const {
        if (cell.type == Type::Label) return stripLabel(cell.text);
        if (!isControl(cell)) return {};
        const Control& c = form_.control(cell.id);
        if (c.kind == ControlKind::Button || c.kind == ControlKind::Static)
            return stripLabel(c.text);
        return {};
    }

    // Names the value controls of a control or a row that have no name yet.
    void assign(const LayoutItem& item, const std::string& label) {
        if (isControl(item)) {
            if (!assigned_.count(item.id)) assigned_[item.id] = label;
            return;
        }
        if (item.type != Type::Row) return;
        for (const auto& child : item.children) {
            if (isControl(child) && isValueKind(form_.control(child.id).kind) &&
                !assigned_.count(child.id))
                assigned_[child.id] = label;
        }
    }

    const FormModel& form_;
    std::map<int, std::string> assigned_;
    std::map<int, std::string> groupOf_;
};

std::optional<long long> decimal(const std::string& text) {
    long long v = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, v);
    if (text.empty() || ec != std::errc() || ptr != end) return std::nullopt;
    return v;
}

// A control's value as the user sees it.
std::string shown(const Control& c) {
    switch (c.kind) {
        case ControlKind::CheckBox:
            return c.value ? "选中" : "未选中";
        case ControlKind::Combo:
            return c.value >= 0 && std::size_t(c.value) < c.items.size()
                       ? c.items[std::size_t(c.value)]
                       : "无";
        case ControlKind::ListBox: {
            std::string all;
            for (const auto& item : c.items) all += (all.empty() ? "" : " ") + item;
            return all;
        }
        case ControlKind::Slider:
            return std::to_string(c.value);
        default:
            return c.text;
    }
}

bool same(const Control& written, const Control& now) {
    switch (written.kind) {
        case ControlKind::Edit:
        case ControlKind::MultiEdit: {
            if (written.text == now.text) return true;
            // "0300" and "300" are the same number to the terminal, and an empty number field
            // goes out as 0.
            auto number = [](const std::string& t) {
                return t.empty() ? std::optional<long long>(0) : decimal(t);
            };
            const auto a = number(written.text), b = number(now.text);
            return a && b && *a == *b;
        }
        case ControlKind::ListBox:
            return written.items == now.items;
        default:
            return written.value == now.value;
    }
}

// The text of the radio at `index` in the group that starts at `first`.
std::string radioText(const FormModel& form, int first, int index) {
    int k = 0;
    for (int id : form.ids()) {
        const Control& c = form.control(id);
        if (c.kind != ControlKind::Radio || c.group != first) continue;
        if (k++ == index) return c.text;
    }
    return "无";
}

// The control as compared: a radio group is its first radio holding the checked index.
Control current(const FormModel& form, int id) {
    Control c = form.control(id);
    if (c.kind == ControlKind::Radio) c.value = form.radio(id);
    return c;
}

}  // namespace

std::map<int, std::string> fieldLabels(const FormModel& form) { return LabelWalker(form).run(); }

std::string describe(const FieldDifference& d) {
    return d.label + ": 写入 " + d.written + ", 读回 " + d.read;
}

FormSnapshot::FormSnapshot(const Page& page) {
    const FormModel& form = page.form();
    const std::set<int> ignores = page.verifyIgnores();
    for (int id : form.ids()) {
        const Control& c = form.control(id);
        if (!isValueKind(c.kind) || c.readOnly || ignores.count(id)) continue;
        if (c.kind == ControlKind::Radio && c.group != id) continue;  // the group, once
        controls_.push_back(current(form, id));
    }
}

std::vector<FieldDifference> FormSnapshot::differences(const Page& page) const {
    const FormModel& form = page.form();
    std::vector<FieldDifference> out;
    std::map<int, std::string> labels;
    for (const Control& written : controls_) {
        const Control now = current(form, written.id);
        if (same(written, now)) continue;
        if (labels.empty()) labels = fieldLabels(form);
        FieldDifference d;
        d.id = written.id;
        d.label = labels[written.id];
        if (written.kind == ControlKind::Radio) {
            d.written = radioText(form, written.id, written.value);
            d.read = radioText(form, written.id, now.value);
        } else {
            d.written = shown(written);
            d.read = shown(now);
        }
        out.push_back(std::move(d));
    }
    return out;
}

bool FormSnapshot::sameAs(const FormSnapshot& other) const {
    if (controls_.size() != other.controls_.size()) return false;
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        if (controls_[i].id != other.controls_[i].id) return false;
        if (!same(controls_[i], other.controls_[i])) return false;
    }
    return true;
}

void FormSnapshot::restore(Page& page) const {
    FormModel& form = page.form();
    for (const Control& c : controls_) {
        switch (c.kind) {
            case ControlKind::Edit:
            case ControlKind::MultiEdit:
                form.setText(c.id, c.text);
                break;
            case ControlKind::CheckBox:
                form.setChecked(c.id, c.value != 0);
                break;
            case ControlKind::Radio:
                form.setRadio(c.id, c.value);
                break;
            case ControlKind::Combo:
                form.setSelection(c.id, c.value);
                break;
            case ControlKind::ListBox:
                form.setItems(c.id, c.items);
                break;
            default:
                form.setValue(c.id, c.value);
                break;
        }
    }
}

}  // namespace rb::engine
