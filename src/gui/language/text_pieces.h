// The last way uiText finds a translation: a text the program joined from pieces ("功率控制A1"
// + "设置不正确,请设为0-255!", "序号文件读取失败!(" + a path + ")") is cut into the longest
// pieces the catalogue knows, each translated with its numbers put back; what lies between
// them (numbers, paths, Latin text) is kept. A Chinese character that no piece covers leaves
// the whole text untranslated.
#pragma once

#include <QHash>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace rb::gui {

class TextPieces {
public:
    // `sources`: the catalogue's texts (runs of digits written %1, %2, …); `translate` gives a
    // source's translation.
    TextPieces(const QStringList& sources, std::function<QString(const QString&)> translate);
    // The translation, or a null string when some Chinese is not covered.
    QString translate(const QString& text) const;

private:
    struct Piece {
        QRegularExpression pattern;  // anchored where the search stands, %n as (\d+)
        QString source;
    };
    const std::vector<Piece>* startingWith(QChar c) const;

    QHash<QChar, std::vector<Piece>> byFirst_;  // a piece starting with %n is under '0'
    std::function<QString(const QString&)> translate_;
    mutable QHash<QString, QString> done_;
};

}  // namespace rb::gui
