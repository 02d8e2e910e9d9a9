#include "engine/form_model.h"

#include <algorithm>
#include <stdexcept>

#include "wire/codecs.h"
#include "wire/utf8.h"

namespace rb::engine {

Control& FormModel::get(int id) {
    auto it = controls_.find(id);
    if (it == controls_.end()) throw std::out_of_range("no control " + std::to_string(id));
    return it->second;
}

const Control& FormModel::control(int id) const {
    auto it = controls_.find(id);
    if (it == controls_.end()) throw std::out_of_range("no control " + std::to_string(id));
    return it->second;
}

std::vector<int> FormModel::ids() const { return order_; }

// ---- reading and writing ----------------------------------------------------------------------

const std::string& FormModel::text(int id) const { return control(id).text; }

void FormModel::setText(int id, const std::string& text) {
    Control& c = get(id);
    if (c.text == text) return;
    c.text = text;
    changed(id);
}

int FormModel::intValue(int id) const {
    const Control& c = control(id);
    if (c.kind == ControlKind::Spin) {
        return c.buddy && has(c.buddy) ? wire::parseInt(text(c.buddy)) : c.value;
    }
    if (c.kind == ControlKind::Progress || c.kind == ControlKind::Slider) return c.value;
    return wire::parseInt(c.text);
}

void FormModel::setInt(int id, long long value) { setText(id, std::to_string(value)); }

bool FormModel::checked(int id) const { return control(id).value != 0; }

void FormModel::setChecked(int id, bool on) { setValue(id, on ? 1 : 0); }

int FormModel::radio(int groupFirstId) const {
    int index = 0;
    for (int id : order_) {
        const Control& c = controls_.at(id);
        if (c.kind != ControlKind::Radio || c.group != groupFirstId) continue;
        if (c.value) return index;
        ++index;
    }
    return -1;
}

void FormModel::setRadio(int groupFirstId, int index) {
    int i = 0;
    for (int id : order_) {
        Control& c = controls_.at(id);
        if (c.kind != ControlKind::Radio || c.group != groupFirstId) continue;
        const int v = i == index ? 1 : 0;
        if (c.value != v) {
            c.value = v;
            changed(id);
        }
        ++i;
    }
}

int FormModel::selection(int id) const { return control(id).value; }

void FormModel::setSelection(int id, int index) {
    Control& c = get(id);
    if (index < 0 || index >= int(c.items.size())) index = -1;
    if (c.value == index) return;
    c.value = index;
    changed(id);
}

void FormModel::setItems(int id, std::vector<std::string> items) {
    Control& c = get(id);
    c.items = std::move(items);
    if (c.value >= int(c.items.size())) c.value = -1;
    changed(id);
}

void FormModel::addItem(int id, const std::string& item) {
    get(id).items.push_back(item);
    changed(id);
}

void FormModel::removeItem(int id, int index) {
    Control& c = get(id);
    if (index < 0 || index >= int(c.items.size())) return;
    c.items.erase(c.items.begin() + index);
    if (c.value == index)
        c.value = -1;
    else if (c.value > index)
        --c.value;
    changed(id);
}

const std::vector<std::string>& FormModel::items(int id) const { return control(id).items; }

int FormModel::value(int id) const { return control(id).value; }

void FormModel::setValue(int id, int value) {
    Control& c = get(id);
    if (c.value == value) return;
    c.value = value;
    changed(id);
}

void FormModel::setRange(int id, int min, int max) {
    Control& c = get(id);
    c.min = min;
    c.max = max;
    changed(id);
}

bool FormModel::enabled(int id) const { return control(id).enabled; }

void FormModel::enable(int id, bool on) {
    Control& c = get(id);
    if (c.enabled == on) return;
    c.enabled = on;
    changed(id);
}

void FormModel::enable(std::initializer_list<int> ids, bool on) {
    for (int id : ids) enable(id, on);
}

bool FormModel::visible(int id) const { return control(id).visible; }

void FormModel::show(int id, bool on) {
    Control& c = get(id);
    if (c.visible == on) return;
    c.visible = on;
    changed(id);
}

void FormModel::setColor(int id, std::optional<std::uint32_t> rgb) {
    Control& c = get(id);
    if (c.color == rgb) return;
    c.color = rgb;
    changed(id);
}

void FormModel::setTip(int id, std::string tip) {
    Control& c = get(id);
    if (c.tip == tip) return;
    c.tip = std::move(tip);
    changed(id);
}

// ---- handlers and user actions ---------------------------------------------------------------

void FormModel::onClick(int id, Handler h) { clickHandlers_[id] = std::move(h); }
void FormModel::onChange(int id, Handler h) { changeHandlers_[id] = std::move(h); }

void FormModel::fire(const std::map<int, Handler>& table, int id) {
    auto it = table.find(id);
    if (it == table.end()) return;
    Handler h = it->second;  // a handler may replace the table entry while it runs
    h();
}

bool FormModel::click(int id) {
    Control& c = get(id);
    if (!c.enabled || !c.visible) return false;
    if (clickGate_ && !clickGate_(id)) return false;
    edit(false);
    if (c.kind == ControlKind::CheckBox) {
        c.value = c.value ? 0 : 1;
        changed(id);
    } else if (c.kind == ControlKind::Radio) {
        int index = 0;
        for (int other : order_) {
            const Control& o = controls_.at(other);
            if (o.kind != ControlKind::Radio || o.group != c.group) continue;
            if (other == id) break;
            ++index;
        }
        setRadio(c.group, index);
    }
    // A copy: the handler may replace the observer.
    const ClickObserver observer = clickObserver_;
    if (observer) observer(id, false);
    fire(clickHandlers_, id);
    if (observer) observer(id, true);
    edit(true);
    return true;
}

std::size_t FormModel::fittingPrefix(const Control& c, const std::string& t) {
    if (c.maxLength <= 0) return t.size();
    // Cut on a whole character, never inside a UTF-8 sequence. The limit counts characters, or
    // GBK bytes (an ASCII character is one, any other two) where the field is in bytes.
    int used = 0;
    std::size_t i = 0;
    for (; i < t.size(); ++i) {
        const auto byte = static_cast<unsigned char>(t[i]);
        if (wire::isUtf8Continuation(byte)) continue;
        const int cost = c.maxLengthInGbkBytes && byte >= 0x80 ? 2 : 1;
        if (used + cost > c.maxLength) break;
        used += cost;
    }
    return i;
}

bool FormModel::fits(int id, const std::string& text) const {
    return fittingPrefix(control(id), text) == text.size();
}

bool FormModel::type(int id, const std::string& text) {
    Control& c = get(id);
    if (!c.enabled || !c.visible || c.readOnly) return false;
    edit(false);
    std::string t = text;
    t.resize(fittingPrefix(c, t));
    if (c.text != t) {
        c.text = t;
        changed(id);
    }
    fire(changeHandlers_, id);
    edit(true);
    return true;
}

bool FormModel::select(int id, int index) {
    Control& c = get(id);
    if (!c.enabled || !c.visible) return false;
    edit(false);
    setSelection(id, index);
    fire(changeHandlers_, id);
    edit(true);
    return true;
}

bool FormModel::spin(int spinId, int delta) {
    Control& s = get(spinId);
    if (!s.enabled || !s.visible) return false;
    edit(false);
    long long v = s.buddy && has(s.buddy) ? wire::parseLong(text(s.buddy)) : s.value;
    v += delta;
    if (v > s.max) v = s.wrap ? s.min : s.max;
    if (v < s.min) v = s.wrap ? s.max : s.min;
    s.value = int(v);
    if (s.buddy && has(s.buddy)) {
        setInt(s.buddy, v);
        fire(changeHandlers_, s.buddy);
    }
    changed(spinId);
    fire(changeHandlers_, spinId);
    edit(true);
    return true;
}

bool FormModel::slide(int id, int position) {
    Control& c = get(id);
    if (!c.enabled || !c.visible) return false;
    edit(false);
    setValue(id, std::clamp(position, c.min, c.max));
    fire(changeHandlers_, id);
    edit(true);
    return true;
}

int FormModel::addListener(Listener l) {
    listeners_[nextListener_] = std::move(l);
    return nextListener_++;
}

void FormModel::removeListener(int token) { listeners_.erase(token); }

void FormModel::changed(int id) {
    for (auto& [token, l] : listeners_) l(id);
}

}  // namespace rb::engine
