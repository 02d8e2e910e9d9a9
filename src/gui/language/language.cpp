#include "gui/language/language.h"

#include <QCoreApplication>
#include <QFile>
#include <QTranslator>
#include <QXmlStreamReader>
#include <algorithm>
#include <memory>

#include "gui/language/text_pieces.h"

namespace rb::gui {

namespace {

Language g_current = Language::Chinese;

QTranslator& translator() {
    static QTranslator t;
    return t;
}

inline constexpr const char* kCatalogue = ":/i18n/radiobench_en.qm";
// The catalogue's source, carried along for the texts of its entries (a .qm file keeps only
// hashes of them): the pieces joined texts are cut into.
inline constexpr const char* kCatalogueSource = ":/i18n/radiobench_en.ts";

std::unique_ptr<TextPieces> g_pieces;

QStringList catalogueSources() {
    QFile file(QString::fromUtf8(kCatalogueSource));
    QStringList sources;
    if (!file.open(QIODevice::ReadOnly)) return sources;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"source")
            sources << xml.readElementText();
    }
    return sources;
}

bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

// The translation of `source`, empty when the catalogue has none (or none is loaded).
QString lookUp(const QString& source, const char* sense = nullptr) {
    const QByteArray key = source.toUtf8();
    return translator().translate(kTextContext, key.constData(), sense);
}

}  // namespace

Language chooseLanguage(const QString& environment, const std::string& remembered,
                        const QLocale& system) {
    for (const QString& choice : {environment, QString::fromStdString(remembered)}) {
        if (choice == QLatin1String("en")) return Language::English;
        if (choice == QLatin1String("zh")) return Language::Chinese;
    }
    const QLocale::Language l = system.language();
    return l == QLocale::Chinese || l == QLocale::C ? Language::Chinese : Language::English;
}

QString languageCode(Language language) {
    return language == Language::English ? QStringLiteral("en") : QStringLiteral("zh");
}

bool useLanguage(Language language) {
    QCoreApplication::removeTranslator(&translator());
    g_current = Language::Chinese;
    if (language == Language::Chinese) return true;
    if (!translator().load(QString::fromUtf8(kCatalogue))) return false;
    QCoreApplication::installTranslator(&translator());
    g_pieces = std::make_unique<TextPieces>(catalogueSources(),
                                            [](const QString& s) { return lookUp(s); });
    g_current = Language::English;
    return true;
}

Language currentLanguage() { return g_current; }

QString withPlaceholders(const QString& text, QStringList* runs) {
    QString out;
    out.reserve(text.size());
    int n = 0;
    for (qsizetype i = 0; i < text.size();) {
        const bool placeholder = i > 0 && text[i - 1] == QLatin1Char('%');
        if (!isDigit(text[i]) || placeholder) {
            // A placeholder's own digits are copied whole.
            do out += text[i++];
            while (placeholder && i < text.size() && isDigit(text[i]));
            continue;
        }
        const qsizetype start = i;
        while (i < text.size() && isDigit(text[i])) ++i;
        if (runs) *runs << text.mid(start, i - start);
        out += QLatin1Char('%') + QString::number(++n);
    }
    return out;
}

bool holdsChinese(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) {
        const char16_t u = c.unicode();
        return (u >= 0x3000 && u <= 0x9fff) || (u >= 0xff00 && u <= 0xffef);
    });
}

QString uiText(const QString& text) {
    // A text without Chinese (a number, a device path, bytes) is data and shows as it is.
    if (g_current == Language::Chinese || !holdsChinese(text)) return text;
    if (QString exact = lookUp(text); !exact.isEmpty()) return exact;
    QStringList runs;
    const QString pattern = withPlaceholders(text, &runs);
    QString translated = runs.isEmpty() ? QString() : lookUp(pattern);
    if (translated.isEmpty()) {
        const QString joined = g_pieces ? g_pieces->translate(text) : QString();
        return joined.isNull() ? text : joined;
    }
    // The runs go back in from the last placeholder down, so that %1 never eats %10.
    for (qsizetype k = runs.size(); k >= 1; --k) {
        translated.replace(QLatin1Char('%') + QString::number(k), runs[k - 1]);
    }
    return translated;
}

QString uiText(const std::string& text) { return uiText(QString::fromStdString(text)); }
QString uiText(const char* text) { return uiText(QString::fromUtf8(text)); }

QString uiText(const char* text, const char* sense) {
    QString source = QString::fromUtf8(text);
    if (g_current == Language::Chinese) return source;
    const QString translated = lookUp(source, sense);
    return translated.isEmpty() ? uiText(source) : translated;
}

bool hasTranslation(const QString& text) {
    return !lookUp(text).isEmpty() || !lookUp(withPlaceholders(text)).isEmpty();
}

}  // namespace rb::gui
