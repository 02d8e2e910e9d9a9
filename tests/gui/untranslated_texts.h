// The texts a window shows that still hold Chinese: captions, titles, items, tab names and
// tips. What a user types (line edits, text boxes) is data and is not looked at.
#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QTabBar>
#include <QTableView>
#include <QWidget>
#include <set>

#include "gui/language/language.h"

namespace rb::gui {

inline std::set<QString> untranslatedTexts(const QWidget& root) {
    std::set<QString> found;
    auto look = [&](const QString& text) {
        // The language menu names Chinese in Chinese on purpose.
        if (holdsChinese(text) && text != QStringLiteral("中文")) found.insert(text);
    };
    QList<const QWidget*> widgets = root.findChildren<const QWidget*>();
    widgets.prepend(&root);
    for (const QWidget* w : widgets) {
        if (w->isWindow()) look(w->windowTitle());
        look(w->toolTip());
        if (auto* l = qobject_cast<const QLabel*>(w)) look(l->text());
        if (auto* b = qobject_cast<const QAbstractButton*>(w)) look(b->text());
        if (auto* g = qobject_cast<const QGroupBox*>(w)) look(g->title());
        if (auto* t = qobject_cast<const QTabBar*>(w))
            for (int i = 0; i < t->count(); ++i) look(t->tabText(i));
        if (auto* c = qobject_cast<const QComboBox*>(w))
            for (int i = 0; i < c->count(); ++i) look(c->itemText(i));
        if (auto* l = qobject_cast<const QListWidget*>(w))
            for (int i = 0; i < l->count(); ++i) look(l->item(i)->text());
        if (auto* m = qobject_cast<const QMenu*>(w))
            for (const QAction* a : m->actions()) look(a->text());
        if (auto* v = qobject_cast<const QTableView*>(w); v && v->model()) {
            for (int c = 0; c < v->model()->columnCount(); ++c)
                look(v->model()->headerData(c, Qt::Horizontal).toString());
        }
    }
    return found;
}

// With RB_MISSING_TEXTS set, the texts go into that file as scripts/update-translations.py
// reads them (one JSON string a line, runs of digits as %1, %2, …).
inline void noteMissingTexts(const std::set<QString>& texts) {
    const QString path = qEnvironmentVariable("RB_MISSING_TEXTS");
    if (path.isEmpty() || texts.empty()) return;
    QFile f(path);
    if (!f.open(QIODevice::Append | QIODevice::Text)) return;
    for (const QString& t : texts) {
        QByteArray line =
            QJsonDocument(QJsonArray{withPlaceholders(t)}).toJson(QJsonDocument::Compact);
        f.write(line.mid(1, line.size() - 2) + "\n");
    }
}

inline std::string listed(const std::set<QString>& texts) {
    QString all;
    for (const QString& t : texts) all += QStringLiteral("  \"") + t + QStringLiteral("\"\n");
    return all.toStdString();
}

}  // namespace rb::gui
