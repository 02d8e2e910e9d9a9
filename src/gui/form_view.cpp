#include "gui/form_view.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpacerItem>
#include <QToolButton>
#include <set>

#include "gui/language/language.h"

namespace rb::gui {

using engine::ControlKind;
using engine::LayoutItem;

namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

// Captions, items and tips show in the interface's language; what a user types never changes.
QStringList shownList(const std::vector<std::string>& items) {
    QStringList list;
    list.reserve(int(items.size()));
    for (const auto& i : items) list << uiText(i);
    return list;
}

QString colorSheet(const std::optional<std::uint32_t>& rgb) {
    if (!rgb) return {};
    return QStringLiteral("color: #%1;").arg(*rgb & 0xFFFFFF, 6, 16, QLatin1Char('0'));
}

}  // namespace

FormView::FormView(engine::FormModel& model, QWidget* parent) : QWidget(parent), model_(model) {
    const LayoutItem& own = model_.layout();
    const bool hasLayout = !(own.type == LayoutItem::Type::Column && own.children.empty());
    if (hasLayout) {
        build(own);
    } else {
        std::vector<LayoutItem> all;
        for (int id : model_.ids()) all.push_back(engine::layout::ctl(id));
        build(engine::layout::column(std::move(all)));
    }
}

FormView::FormView(engine::FormModel& model, const LayoutItem& layout, QWidget* parent)
    : QWidget(parent), model_(model) {
    build(layout);
}

FormView::~FormView() { model_.removeListener(listener_); }

QWidget* FormView::widget(int id) const {
    auto it = widgets_.find(id);
    return it == widgets_.end() ? nullptr : it->second;
}

void FormView::build(const LayoutItem& root) {
    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    if (QWidget* w = buildItem(root)) box->addWidget(w);
    box->addStretch();
    for (const auto& [id, w] : widgets_) sync(id);
    listener_ = model_.addListener([this](int id) {
        if (widgets_.count(id)) sync(id);
    });
}

QWidget* FormView::buildItem(const LayoutItem& item) {
    switch (item.type) {
        case LayoutItem::Type::Control:
            return model_.has(item.id) ? makeControl(item.id) : nullptr;
        case LayoutItem::Type::Label: {
            auto* label = new QLabel(uiText(item.text));
            if (!item.tip.empty()) label->setToolTip(uiText(item.tip));
            return label;
        }
        case LayoutItem::Type::Stretch:
            return nullptr;
        case LayoutItem::Type::Row:
        case LayoutItem::Type::Column: {
            auto* w = new QWidget;
            auto* box = new QBoxLayout(item.type == LayoutItem::Type::Row ? QBoxLayout::LeftToRight
                                                                          : QBoxLayout::TopToBottom,
                                       w);
            box->setContentsMargins(0, 0, 0, 0);
            const auto& items = item.children;
            for (std::size_t i = 0; i < items.size(); ++i) {
                const LayoutItem& child = items[i];
                if (child.type == LayoutItem::Type::Stretch) {
                    box->addStretch();
                } else if (QWidget* cw = buildItem(child)) {
                    if (item.type == LayoutItem::Type::Row && spinAfter(items, i)) {
                        if (QWidget* arrows = buildItem(items[++i])) cw = joined(cw, arrows);
                    }
                    box->addWidget(cw);
                }
            }
            return w;
        }
        case LayoutItem::Type::Grid: {
            auto* w = new QWidget;
            auto* grid = new QGridLayout(w);
            grid->setContentsMargins(0, 0, 0, 0);
            grid->setHorizontalSpacing(6);
            grid->setVerticalSpacing(2);
            const int columns = std::max(1, item.columns);
            const auto& cells = item.children;
            struct PlacedEdit {
                QWidget* widget;
                int column;
                bool sized;  // has a width of its own (a short text limit)
            };
            std::vector<PlacedEdit> edits;
            for (std::size_t i = 0; i < cells.size(); ++i) {
                const int r = int(i) / columns;
                const int c = int(i) % columns;
                const LayoutItem& child = cells[i];
                if (child.type == LayoutItem::Type::Stretch) {
                    grid->addItem(new QSpacerItem(0, 0, QSizePolicy::Expanding), r, c);
                    continue;
                }
                QWidget* cw = buildItem(child);
                if (!cw) continue;
                const ControlKind kind =
                    child.type == LayoutItem::Type::Control && model_.has(child.id)
                        ? model_.control(child.id).kind
                        : ControlKind::Static;
                const bool boxed = child.type == LayoutItem::Type::Control &&
                                   (kind == ControlKind::Edit || kind == ControlKind::Combo);
                // A spin in the next cell of the same row joins its edit; its cell stays empty.
                if (boxed && c + 1 < columns && spinAfter(cells, i)) {
                    if (QWidget* arrows = buildItem(cells[i + 1])) cw = joined(cw, arrows);
                    ++i;
                }
                if (boxed && kind == ControlKind::Edit) {
                    grid->addWidget(cw, r, c);
                    edits.push_back({cw, c, cw->maximumWidth() < QWIDGETSIZE_MAX});
                } else {
                    // Drop-down lists sit at the left of their cell, everything else centred.
                    grid->addWidget(cw, r, c,
                                    boxed ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
                }
            }
            // The edits of one grid line up: where some have a width of their own, the others
            // take the widest of those (a slot without a text limit is not wider than its
            // neighbours); where none has, they fill their cells and share the width evenly.
            int width = 0;
            for (const auto& e : edits)
                if (e.sized) width = std::max(width, e.widget->maximumWidth());
            std::set<int> fillColumns;
            for (const auto& e : edits) {
                if (width > 0) {
                    e.widget->setFixedWidth(width);
                    grid->setAlignment(e.widget, Qt::AlignLeft | Qt::AlignVCenter);
                } else {
                    fillColumns.insert(e.column);
                }
            }
            for (int c : fillColumns) grid->setColumnStretch(c, 1);
            return w;
        }
        case LayoutItem::Type::Group: {
            auto* g = new QGroupBox(uiText(item.text));
            auto* box = new QVBoxLayout(g);
            box->setContentsMargins(6, 4, 6, 4);
            for (const auto& child : item.children) {
                if (QWidget* cw = buildItem(child)) box->addWidget(cw);
            }
            return g;
        }
    }
    return nullptr;
}

QWidget* FormView::makeControl(int id) {
    if (widgets_.count(id)) return nullptr;  // a control shows once
    const engine::Control& c = model_.control(id);
    QWidget* w = nullptr;
    switch (c.kind) {
        case ControlKind::Button: {
            // In a dialog Qt would make the first button the default one, so that Enter in an
            // edit (the auto-reply code, say) would press "删除". Form buttons act on clicks only.
            auto* b = new QPushButton;
            b->setAutoDefault(false);
            w = b;
            break;
        }
        case ControlKind::CheckBox:
            w = new QCheckBox;
            break;
        case ControlKind::Radio: {
            auto* r = new QRadioButton;
            r->setAutoExclusive(false);  // the model keeps one radio of a group checked
            w = r;
            break;
        }
        case ControlKind::Edit: {
            auto* e = new QLineEdit;
            if (c.maxLength > 0) {
                e->setMaxLength(c.maxLength);
                // A short field gets a width that fits its longest text.
                if (c.maxLength <= 16) {
                    const int chars = std::max(c.maxLength, 4) + 2;
                    e->setMaximumWidth(
                        e->fontMetrics().horizontalAdvance(QLatin1Char('0')) * chars + 12);
                }
            }
            w = e;
            break;
        }
        case ControlKind::Spin:
            w = makeSpinArrows(id);
            break;
        case ControlKind::Combo:
            w = new QComboBox;
            break;
        case ControlKind::ListBox: {
            auto* l = new QListWidget;
            l->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
            w = l;
            break;
        }
        case ControlKind::Static:
            w = new QLabel;
            break;
        case ControlKind::MultiEdit:
            w = new QPlainTextEdit;
            break;
        case ControlKind::Progress:
            w = new QProgressBar;
            break;
        case ControlKind::Slider: {
            auto* sl = new QSlider(Qt::Horizontal);
            sl->setMinimumWidth(120);
            w = sl;
            break;
        }
    }
    w->setObjectName(QString::number(id));
    widgets_[id] = w;
    connectControl(id, w);
    return w;
}

int FormView::spinAfter(const std::vector<LayoutItem>& items, std::size_t i) const {
    if (i + 1 >= items.size()) return 0;
    const LayoutItem& here = items[i];
    const LayoutItem& next = items[i + 1];
    if (here.type != LayoutItem::Type::Control || next.type != LayoutItem::Type::Control) return 0;
    if (!model_.has(here.id) || !model_.has(next.id)) return 0;
    const engine::Control& spin = model_.control(next.id);
    return spin.kind == ControlKind::Spin && spin.buddy == here.id ? next.id : 0;
}

QWidget* FormView::joined(QWidget* edit, QWidget* arrows) {
    auto* w = new QWidget;
    auto* box = new QHBoxLayout(w);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(0);
    box->addWidget(edit);
    box->addWidget(arrows);
    // As wide as the edit may be, plus the arrows.
    if (edit->maximumWidth() < QWIDGETSIZE_MAX)
        w->setMaximumWidth(edit->maximumWidth() + arrows->sizeHint().width());
    return w;
}

QWidget* FormView::makeSpinArrows(int id) {
    auto* w = new QWidget;
    auto* box = new QVBoxLayout(w);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(0);
    auto* up = new QToolButton;
    auto* down = new QToolButton;
    up->setArrowType(Qt::UpArrow);
    down->setArrowType(Qt::DownArrow);
    up->setObjectName(QStringLiteral("up"));
    down->setObjectName(QStringLiteral("down"));
    for (QToolButton* b : {up, down}) {
        b->setFixedSize(18, 11);
        b->setAutoRepeat(true);
        box->addWidget(b);
    }
    QPointer<FormView> self(this);
    connect(up, &QToolButton::clicked, this, [this, self, id] {
        model_.spin(id, +1);
        if (self) afterAction(id);
    });
    connect(down, &QToolButton::clicked, this, [this, self, id] {
        model_.spin(id, -1);
        if (self) afterAction(id);
    });
    return w;
}

void FormView::connectControl(int id, QWidget* w) {
    // A handler may close the window that holds this view; nothing is touched after that.
    auto guard = QPointer<FormView>(this);
    if (auto* b = qobject_cast<QCheckBox*>(w)) {
        connect(b, &QCheckBox::clicked, this, [this, guard, id] {
            model_.click(id);
            if (guard) afterAction(id);
        });
    } else if (auto* r = qobject_cast<QRadioButton*>(w)) {
        connect(r, &QRadioButton::clicked, this, [this, guard, id] {
            model_.click(id);
            if (guard) afterAction(id);
        });
    } else if (auto* p = qobject_cast<QPushButton*>(w)) {
        connect(p, &QPushButton::clicked, this, [this, id] { model_.click(id); });
    } else if (auto* e = qobject_cast<QLineEdit*>(w)) {
        connect(e, &QLineEdit::textEdited, this, [this, guard, id](const QString& text) {
            model_.type(id, text.toStdString());
            if (guard) afterAction(id);
        });
    } else if (auto* cb = qobject_cast<QComboBox*>(w)) {
        connect(cb, &QComboBox::activated, this, [this, guard, id](int index) {
            model_.select(id, index);
            if (guard) afterAction(id);
        });
    } else if (auto* l = qobject_cast<QListWidget*>(w)) {
        connect(l, &QListWidget::currentRowChanged, this, [this, guard, id](int row) {
            if (syncing_) return;
            model_.select(id, row);
            if (guard) afterAction(id);
        });
    } else if (auto* sl = qobject_cast<QSlider*>(w)) {
        connect(sl, &QSlider::valueChanged, this, [this, guard, id](int position) {
            if (syncing_) return;
            model_.slide(id, position);
            if (guard) afterAction(id);
        });
    } else if (auto* m = qobject_cast<QPlainTextEdit*>(w)) {
        connect(m, &QPlainTextEdit::textChanged, this, [this, m, id] {
            if (syncing_) return;
            model_.type(id, m->toPlainText().toStdString());
        });
    }
}

void FormView::afterAction(int id) {
    if (widgets_.count(id)) sync(id);
}

namespace {

// Items of a combo box or list as they show, to be compared with the model's.
QStringList shownItems(const QComboBox& cb) {
    QStringList shown;
    for (int i = 0; i < cb.count(); ++i) shown << cb.itemText(i);
    return shown;
}
QStringList shownItems(const QListWidget& l) {
    QStringList shown;
    for (int i = 0; i < l.count(); ++i) shown << l.item(i)->text();
    return shown;
}

void showCombo(QComboBox& cb, const engine::Control& c) {
    const QStringList items = shownList(c.items);
    if (shownItems(cb) != items) {
        cb.clear();
        cb.addItems(items);
    }
    cb.setCurrentIndex(c.value);
}

void showList(QListWidget& l, const engine::Control& c) {
    const QStringList items = shownList(c.items);
    if (shownItems(l) != items) {
        l.clear();
        l.addItems(items);
    }
    l.setCurrentRow(c.value);
    if (c.value < 0) l.clearSelection();
}

void showMultiEdit(QPlainTextEdit& m, const engine::Control& c, const QString& text) {
    if (m.toPlainText() != text) {
        m.setPlainText(text);
        // A read-only box is a display that grows (the data test's receive box): its newest
        // lines show.
        if (c.readOnly) m.verticalScrollBar()->setValue(m.verticalScrollBar()->maximum());
    }
    m.setReadOnly(c.readOnly);
}

// The widget takes the control's text, value, range and state.
void showControl(QWidget* w, const engine::Control& c) {
    // An edit shows its text as typed; every other control's text is a caption or a display.
    const QString text = c.kind == ControlKind::Edit || c.kind == ControlKind::MultiEdit
                             ? qs(c.text)
                             : uiText(c.text);
    switch (c.kind) {
        case ControlKind::Button:
            static_cast<QPushButton*>(w)->setText(text);
            break;
        case ControlKind::CheckBox:
        case ControlKind::Radio: {
            auto* b = static_cast<QAbstractButton*>(w);
            b->setText(text);
            b->setChecked(c.value != 0);
            break;
        }
        case ControlKind::Edit: {
            auto* e = static_cast<QLineEdit*>(w);
            if (e->text() != text) e->setText(text);
            e->setReadOnly(c.readOnly);
            break;
        }
        case ControlKind::Spin:
            break;
        case ControlKind::Combo:
            showCombo(*static_cast<QComboBox*>(w), c);
            break;
        case ControlKind::ListBox:
            showList(*static_cast<QListWidget*>(w), c);
            break;
        case ControlKind::Static:
            static_cast<QLabel*>(w)->setText(text);
            break;
        case ControlKind::MultiEdit:
            showMultiEdit(*static_cast<QPlainTextEdit*>(w), c, text);
            break;
        case ControlKind::Progress: {
            auto* p = static_cast<QProgressBar*>(w);
            p->setRange(c.min, c.max);
            p->setValue(c.value);
            break;
        }
        case ControlKind::Slider: {
            auto* sl = static_cast<QSlider*>(w);
            sl->setRange(c.min, c.max);
            sl->setValue(c.value);
            break;
        }
    }
}

}  // namespace

void FormView::sync(int id) {
    QWidget* w = widget(id);
    if (!w || !model_.has(id)) return;
    const engine::Control& c = model_.control(id);
    const bool wasSyncing = syncing_;
    syncing_ = true;
    {
        QSignalBlocker block(w);
        showControl(w, c);
        if (const QString sheet = colorSheet(c.color); w->styleSheet() != sheet) {
            w->setStyleSheet(sheet);
        }
        w->setEnabled(c.enabled);
        w->setHidden(!c.visible);
        if (const QString tip = uiText(c.tip); w->toolTip() != tip) w->setToolTip(tip);
    }
    syncing_ = wasSyncing;
}

}  // namespace rb::gui
