#include "gui/geometry_faults.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QSlider>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QWidget>

namespace rb::gui {

namespace {

constexpr int kSlack = 1;  // a pixel of rounding is no fault

// A widget whose children Qt lays out itself.
bool compound(const QWidget& w) {
    return qobject_cast<const QAbstractScrollArea*>(&w) || qobject_cast<const QComboBox*>(&w) ||
           qobject_cast<const QAbstractSpinBox*>(&w) || qobject_cast<const QTabBar*>(&w) ||
           qobject_cast<const QAbstractButton*>(&w) || qobject_cast<const QLineEdit*>(&w) ||
           qobject_cast<const QProgressBar*>(&w) || qobject_cast<const QSlider*>(&w) ||
           qobject_cast<const QStatusBar*>(&w) || qobject_cast<const QLabel*>(&w);
}

QString nameOf(const QWidget& w) {
    QString text;
    if (const auto* b = qobject_cast<const QAbstractButton*>(&w)) text = b->text();
    if (const auto* l = qobject_cast<const QLabel*>(&w)) text = l->text();
    if (const auto* g = qobject_cast<const QGroupBox*>(&w)) text = g->title();
    QString name = QString::fromLatin1(w.metaObject()->className());
    if (!w.objectName().isEmpty()) name += QLatin1Char('#') + w.objectName();
    if (!text.isEmpty()) name += QStringLiteral(" \"") + text + QLatin1Char('"');
    return name;
}

// The width the text of a control needs, or 0 for a control without a text of its own.
int textNeed(const QWidget& w) {
    if (const auto* l = qobject_cast<const QLabel*>(&w)) {
        if (l->wordWrap() || l->text().isEmpty() || !l->pixmap().isNull()) return 0;
        return l->sizeHint().width();
    }
    if (const auto* b = qobject_cast<const QAbstractButton*>(&w)) {
        if (b->text().isEmpty() || qobject_cast<const QToolButton*>(b)) return 0;
        return b->sizeHint().width();
    }
    if (const auto* e = qobject_cast<const QLineEdit*>(&w)) {
        // A value the tool filled in (or the first text) shows whole; what a person types
        // beyond the box scrolls, as in every edit.
        if (e->text().isEmpty()) return 0;
        return e->fontMetrics().horizontalAdvance(e->text()) + 8;
    }
    if (const auto* g = qobject_cast<const QGroupBox*>(&w)) {
        if (g->title().isEmpty()) return 0;
        return g->fontMetrics().horizontalAdvance(g->title()) + 8;
    }
    return 0;
}

std::vector<const QWidget*> shownChildren(const QWidget& w) {
    std::vector<const QWidget*> out;
    for (QObject* o : w.children()) {
        const auto* c = qobject_cast<const QWidget*>(o);
        if (c && !c->isWindow() && c->isVisibleTo(&w)) out.push_back(c);
    }
    return out;
}

void walk(const QWidget& w, const QString& where, std::vector<QString>& faults, int& judged) {
    ++judged;
    if (const int need = textNeed(w); need > w.width() + kSlack) {
        faults.push_back(QStringLiteral("%1: text cut off %2 (needs %3 px, has %4)")
                             .arg(where, nameOf(w))
                             .arg(need)
                             .arg(w.width()));
    }
    if (compound(w)) return;
    const QRect inside = w.rect().adjusted(-kSlack, -kSlack, kSlack, kSlack);
    const auto kids = shownChildren(w);
    // A tab widget's bar stands on its panel's frame by design.
    const bool tabParts = qobject_cast<const QTabWidget*>(&w) != nullptr;
    for (std::size_t i = 0; i < kids.size(); ++i) {
        const QWidget& c = *kids[i];
        if (!inside.contains(c.geometry())) {
            faults.push_back(
                QStringLiteral("%1: %2 reaches outside %3").arg(where, nameOf(c), nameOf(w)));
        }
        for (std::size_t j = i + 1; j < kids.size() && !tabParts; ++j) {
            const QRect overlap = c.geometry().intersected(kids[j]->geometry());
            if (overlap.width() > kSlack && overlap.height() > kSlack) {
                faults.push_back(
                    QStringLiteral("%1: %2 overlaps %3").arg(where, nameOf(c), nameOf(*kids[j])));
            }
        }
        walk(c, where, faults, judged);
    }
}

}  // namespace

std::vector<QString> geometryFaults(const QWidget& root, const QString& where, int* judged) {
    std::vector<QString> faults;
    int count = 0;
    walk(root, where, faults, count);
    if (judged) *judged = count;
    return faults;
}

}  // namespace rb::gui
