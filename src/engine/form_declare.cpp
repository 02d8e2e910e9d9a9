// Declaring a form: the controls a page adds, and the layout items its form file arranges
// them in.
#include <algorithm>
#include <stdexcept>

#include "engine/form_model.h"
#include "wire/codecs.h"
#include "wire/utf8.h"

namespace rb::engine {

namespace layout {
LayoutItem ctl(int id) {
    LayoutItem i;
    i.type = LayoutItem::Type::Control;
    i.id = id;
    return i;
}
LayoutItem label(std::string text) {
    LayoutItem i;
    i.type = LayoutItem::Type::Label;
    i.text = std::move(text);
    return i;
}
LayoutItem label(std::string text, std::string tip) {
    LayoutItem i = label(std::move(text));
    i.tip = std::move(tip);
    return i;
}
LayoutItem row(std::vector<LayoutItem> children) {
    LayoutItem i;
    i.type = LayoutItem::Type::Row;
    i.children = std::move(children);
    return i;
}
LayoutItem column(std::vector<LayoutItem> children) {
    LayoutItem i;
    i.type = LayoutItem::Type::Column;
    i.children = std::move(children);
    return i;
}
LayoutItem grid(int columns, std::vector<LayoutItem> cells) {
    LayoutItem i;
    i.type = LayoutItem::Type::Grid;
    i.columns = columns;
    i.children = std::move(cells);
    return i;
}
LayoutItem group(std::string title, LayoutItem content) {
    LayoutItem i;
    i.type = LayoutItem::Type::Group;
    i.text = std::move(title);
    i.children.push_back(std::move(content));
    return i;
}
LayoutItem stretch() {
    LayoutItem i;
    i.type = LayoutItem::Type::Stretch;
    return i;
}
LayoutItem empty() { return label(""); }
}  // namespace layout

// ---- declaring ------------------------------------------------------------------------------

Control& FormModel::add(int id, ControlKind kind) {
    if (controls_.count(id))
        throw std::logic_error("control id declared twice: " + std::to_string(id));
    Control& c = controls_[id];
    c.id = id;
    c.kind = kind;
    order_.push_back(id);
    return c;
}

Control& FormModel::addButton(int id, std::string caption) {
    Control& c = add(id, ControlKind::Button);
    c.text = std::move(caption);
    return c;
}

Control& FormModel::addCheck(int id, std::string caption, bool checked) {
    Control& c = add(id, ControlKind::CheckBox);
    c.text = std::move(caption);
    c.value = checked ? 1 : 0;
    return c;
}

Control& FormModel::addRadio(int id, std::string caption, int groupFirstId) {
    Control& c = add(id, ControlKind::Radio);
    c.text = std::move(caption);
    c.group = groupFirstId;
    return c;
}

Control& FormModel::addEdit(int id, int maxLength, std::string text) {
    Control& c = add(id, ControlKind::Edit);
    c.maxLength = maxLength;
    c.text = std::move(text);
    return c;
}

Control& FormModel::addSpin(int id, int buddyEditId, int min, int max, bool wrap) {
    Control& c = add(id, ControlKind::Spin);
    c.buddy = buddyEditId;
    c.min = min;
    c.max = max;
    c.wrap = wrap;
    return c;
}

Control& FormModel::addCombo(int id, std::vector<std::string> items, int selection) {
    Control& c = add(id, ControlKind::Combo);
    c.items = std::move(items);
    c.value = selection >= 0 && selection < int(c.items.size()) ? selection : -1;
    return c;
}

Control& FormModel::addListBox(int id, std::vector<std::string> items) {
    Control& c = add(id, ControlKind::ListBox);
    c.items = std::move(items);
    c.value = -1;
    return c;
}

Control& FormModel::addStatic(int id, std::string text) {
    Control& c = add(id, ControlKind::Static);
    c.text = std::move(text);
    return c;
}

Control& FormModel::addMultiEdit(int id, std::string text) {
    Control& c = add(id, ControlKind::MultiEdit);
    c.text = std::move(text);
    return c;
}

Control& FormModel::addProgress(int id, int min, int max) {
    Control& c = add(id, ControlKind::Progress);
    c.min = min;
    c.max = max;
    return c;
}

Control& FormModel::addSlider(int id, int min, int max, int position) {
    Control& c = add(id, ControlKind::Slider);
    c.min = min;
    c.max = max;
    c.value = position;
    return c;
}

}  // namespace rb::engine
