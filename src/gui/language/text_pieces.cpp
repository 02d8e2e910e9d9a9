#include "gui/language/text_pieces.h"

#include <utility>

#include "gui/language/language.h"

namespace rb::gui {

namespace {

bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }
bool isChinese(QChar c) { return holdsChinese(QString(c)); }

const QRegularExpression& placeholder() {
    static const QRegularExpression p(QStringLiteral("%(\\d+)"));
    return p;
}

// "频率%1发射" → "频率(\d+)发射". Catalogue texts number their placeholders in the order
// they stand, so group k is %k.
QString patternOf(const QString& source) {
    QString pattern;
    qsizetype at = 0;
    for (auto it = placeholder().globalMatch(source); it.hasNext();) {
        const auto m = it.next();
        pattern += QRegularExpression::escape(source.mid(at, m.capturedStart() - at));
        pattern += QStringLiteral("(\\d+)");
        at = m.capturedEnd();
    }
    return pattern + QRegularExpression::escape(source.mid(at));
}

}  // namespace

TextPieces::TextPieces(const QStringList& sources, std::function<QString(const QString&)> translate)
    : translate_(std::move(translate)) {
    for (const QString& s : sources) {
        if (s.isEmpty()) continue;
        const QChar first = s.startsWith(QLatin1Char('%')) && s.size() > 1 && isDigit(s[1])
                                ? QLatin1Char('0')
                                : s[0];
        QRegularExpression re(patternOf(s));
        if (re.isValid()) byFirst_[first].push_back({std::move(re), s});
    }
}

const std::vector<TextPieces::Piece>* TextPieces::startingWith(QChar c) const {
    const auto it = byFirst_.constFind(c);
    return it == byFirst_.constEnd() ? nullptr : &*it;
}

QString TextPieces::translate(const QString& text) const {
    if (const auto it = done_.constFind(text); it != done_.constEnd()) return *it;
    QString out;
    bool covered = true;
    for (qsizetype i = 0; i < text.size() && covered;) {
        // The longest piece that starts here: a digit may begin a piece written %n.
        const Piece* best = nullptr;
        QRegularExpressionMatch bestMatch;
        auto tryPieces = [&](QChar key) {
            const auto* pieces = startingWith(key);
            if (!pieces) return;
            for (const Piece& p : *pieces) {
                auto m = p.pattern.match(text, i, QRegularExpression::NormalMatch,
                                         QRegularExpression::AnchorAtOffsetMatchOption);
                if (m.hasMatch() && (!best || m.capturedLength() > bestMatch.capturedLength())) {
                    best = &p;
                    bestMatch = std::move(m);
                }
            }
        };
        tryPieces(text[i]);
        if (isDigit(text[i])) tryPieces(QLatin1Char('0'));
        if (!best) {
            covered = !isChinese(text[i]);
            out += text[i++];
            continue;
        }
        QString piece = translate_(best->source);
        // From the highest number down, so that %1 never takes the front of %10.
        for (int g = bestMatch.lastCapturedIndex(); g >= 1; --g)
            piece.replace(QLatin1Char('%') + QString::number(g), bestMatch.captured(g));
        out += piece;
        i = bestMatch.capturedEnd();
    }
    if (!covered) out = QString();
    done_.insert(text, out);
    return out;
}

}  // namespace rb::gui
