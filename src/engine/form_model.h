// The headless form of a page: its controls by numeric id, their state, the handlers of their
// clicks and changes, and a layout the GUI renderer turns into widgets. Page logic reads and
// writes controls here ("take the field values from the controls", "disable 2090"); tests drive
// it by id exactly as a technician would click.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace rb::engine {

enum class ControlKind {
    Button,
    CheckBox,
    Radio,      // one button of a radio group; the group is named by its first radio's id
    Edit,       // single-line edit, optional max length
    Spin,       // up/down buttons bound to a buddy edit, with range and optional wrap
    Combo,      // drop-down list: items, selection index (-1 = none)
    ListBox,    // list: items, selection index (-1 = none)
    Static,     // fixed text (a label); its colour may be set
    MultiEdit,  // multi-line edit
    Progress,   // progress bar: range and position
    Slider,     // track bar: range and position, moved by the user
};

struct Control {
    int id = 0;
    ControlKind kind = ControlKind::Static;
    std::string text;                // caption or content (UTF-8)
    std::vector<std::string> items;  // combo / list items
    int value = 0;  // check state 0/1, radio 0/1, selection index, spin value, progress pos
    int min = 0;    // spin / progress range
    int max = 100;
    bool wrap = false;                 // spin wraps around at the ends
    int maxLength = 0;                 // edits: most characters a user can type (0 = no limit)
    bool maxLengthInGbkBytes = false;  // the limit counts GBK bytes (a Chinese character is two)
    int buddy = 0;                     // spin: the edit it drives
    int group = 0;                     // radio: id of the group's first radio
    bool readOnly = false;
    bool enabled = true;
    bool visible = true;
    std::optional<std::uint32_t> color;  // text colour 0xRRGGBB
    std::string tip;                     // what a mark or colour of the control means ("" = none)
};

// Layout for the renderer: rows, columns, grids and titled groups of control ids.
struct LayoutItem {
    enum class Type { Control, Label, Row, Column, Grid, Group, Stretch };
    Type type = Type::Column;
    int id = 0;        // Control
    std::string text;  // Label text, Group title
    std::string tip;   // Label: what it means, shown on hover ("" = none)
    int columns = 1;   // Grid: children fill rows of this many cells
    std::vector<LayoutItem> children;
};

namespace layout {
LayoutItem ctl(int id);
LayoutItem label(std::string text);
LayoutItem label(std::string text, std::string tip);  // with its explanation on hover
LayoutItem row(std::vector<LayoutItem> children);
LayoutItem column(std::vector<LayoutItem> children);
LayoutItem grid(int columns, std::vector<LayoutItem> cells);
LayoutItem group(std::string title, LayoutItem content);
LayoutItem stretch();
LayoutItem empty();  // an empty grid cell
}  // namespace layout

class FormModel {
public:
    using Handler = std::function<void()>;
    using Listener = std::function<void(int id)>;

    // --- declaring controls (once, when the page is built) ----------------------------------
    Control& addButton(int id, std::string caption);
    Control& addCheck(int id, std::string caption, bool checked = false);
    Control& addRadio(int id, std::string caption, int groupFirstId);
    Control& addEdit(int id, int maxLength = 0, std::string text = {});
    Control& addSpin(int id, int buddyEditId, int min, int max, bool wrap = false);
    Control& addCombo(int id, std::vector<std::string> items, int selection = -1);
    Control& addListBox(int id, std::vector<std::string> items = {});
    Control& addStatic(int id, std::string text);
    Control& addMultiEdit(int id, std::string text = {});
    Control& addProgress(int id, int min = 0, int max = 100);
    Control& addSlider(int id, int min, int max, int position = 0);
    void setLayout(LayoutItem root) { layout_ = std::move(root); }
    const LayoutItem& layout() const { return layout_; }

    bool has(int id) const { return controls_.count(id) != 0; }
    const Control& control(int id) const;
    std::vector<int> ids() const;  // in declaration order

    // --- what page logic reads and writes ---------------------------------------------------
    const std::string& text(int id) const;
    void setText(int id, const std::string& text);
    // The number a text holds (leading digits, 0 when none) — or the value of a spin.
    int intValue(int id) const;
    void setInt(int id, long long value);  // shows the decimal text
    bool checked(int id) const;
    void setChecked(int id, bool on);
    // Radio groups by the id of their first radio: index of the checked radio, -1 when none.
    int radio(int groupFirstId) const;
    void setRadio(int groupFirstId, int index);
    // Combo / list selection, -1 when none. An index outside the items selects nothing.
    int selection(int id) const;
    void setSelection(int id, int index);
    void setItems(int id, std::vector<std::string> items);
    void addItem(int id, const std::string& item);
    void removeItem(int id, int index);
    const std::vector<std::string>& items(int id) const;
    int value(int id) const;  // raw value (progress position, spin value)
    void setValue(int id, int value);
    void setRange(int id, int min, int max);
    bool enabled(int id) const;
    void enable(int id, bool on = true);
    void enable(std::initializer_list<int> ids, bool on);
    bool visible(int id) const;
    void show(int id, bool on = true);
    void setColor(int id, std::optional<std::uint32_t> rgb);
    // The explanation a window shows on hover (a mark, a colour, a unit).
    void setTip(int id, std::string tip);

    // --- handlers -----------------------------------------------------------------------------
    void onClick(int id, Handler h);   // button clicked, check box / radio toggled by the user
    void onChange(int id, Handler h);  // edit text changed by the user, selection changed

    // --- what the user (GUI renderer or a test) does ----------------------------------------
    // Each returns false and does nothing when the control is disabled or hidden.
    bool click(int id);                          // buttons, check boxes (toggle), radios
    bool type(int id, const std::string& text);  // edits: replace the text (cut to max length)
    // Whether `type` would take the whole text (it is within the edit's length limit).
    bool fits(int id, const std::string& text) const;
    bool select(int id, int index);    // combos and lists
    bool spin(int spinId, int delta);  // spin arrows: change the buddy edit's number
    bool slide(int id, int position);  // track bars: move to a position (clamped)

    // --- observers (the renderer updates a widget when its control changes) -----------------
    int addListener(Listener l);
    void removeListener(int token);
    // The user's clicks, told right before the click's handler runs (`done` false) and right
    // after it has returned (`done` true): a verifier follows a write button this way.
    using ClickObserver = std::function<void(int id, bool done)>;
    void setClickObserver(ClickObserver o) { clickObserver_ = std::move(o); }
    // Every user action (click, type, select, spin, slide), told before it changes anything
    // (`done` false) and after its handlers ran: the edit history takes its steps this way.
    using EditObserver = std::function<void(bool done)>;
    // Asked first on every click: false holds the click back (nothing changes, nothing runs);
    // the backup before a write holds a write button until the terminal has been read.
    using ClickGate = std::function<bool(int id)>;
    void setClickGate(ClickGate g) { clickGate_ = std::move(g); }
    void setEditObserver(EditObserver o) { editObserver_ = std::move(o); }

private:
    Control& add(int id, ControlKind kind);
    // How many bytes of `t` an edit's length limit lets in (on a character boundary).
    static std::size_t fittingPrefix(const Control& c, const std::string& t);
    Control& get(int id);
    void changed(int id);
    void fire(const std::map<int, Handler>& table, int id);
    void edit(bool done) const {
        if (editObserver_) editObserver_(done);
    }

    std::map<int, Control> controls_;
    std::vector<int> order_;
    std::map<int, Handler> clickHandlers_;
    std::map<int, Handler> changeHandlers_;
    std::map<int, Listener> listeners_;
    int nextListener_ = 1;
    ClickObserver clickObserver_;
    EditObserver editObserver_;
    ClickGate clickGate_;
    LayoutItem layout_;
};

}  // namespace rb::engine
