// The interface language. Every text is written in Chinese, and Chinese is the source of the
// English translation (translations/radiobench_en.ts, compiled into the program at build time).
// The texts of the headless layers (form captions, messages, status texts, unit records) are
// translated here, where the GUI draws them: the command line, the INI files, `run`'s JSON and
// the wire keep their Chinese.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <string>

namespace rb::gui {

enum class Language { Chinese, English };

// The option that remembers the choice of "设置 → 语言": "zh" or "en".
inline constexpr const char* kLanguageKey = "Language";
// The translation context of every text.
inline constexpr const char* kTextContext = "RadioBench";

// RADIOBENCH_LANG ("zh"/"en") first, then the remembered choice, then the system locale: a
// Chinese or a C/POSIX locale keeps the source texts, any other language gets English.
Language chooseLanguage(const QString& environment, const std::string& remembered,
                        const QLocale& system);
QString languageCode(Language language);

// Installs the translator of `language` (none for Chinese). False when the English catalogue
// is missing from the program.
bool useLanguage(Language language);
Language currentLanguage();

// A text as the interface shows it: its translation, found as it stands or with its runs of
// digits as %1, %2, … ("1信道频率设置不正确!" is found as "%1信道频率设置不正确!"). A text
// without a translation shows as it is.
QString uiText(const QString& text);
QString uiText(const std::string& text);
QString uiText(const char* text);
// A text with a second sense, told apart by `sense` ("关闭" is "Off" on a form and, with the
// sense "button", "Close" on a window's button).
QString uiText(const char* text, const char* sense);

// "请设为0-255!" → "请设为%1-%2!" with `runs` {"0", "255"}; a digit right after '%' is a
// placeholder already and stays.
QString withPlaceholders(const QString& text, QStringList* runs = nullptr);
// Whether a text holds Chinese characters (or full-width punctuation).
bool holdsChinese(const QString& text);
// Whether the English catalogue translates `text` (as it stands or with placeholders); the
// catalogue is loaded by useLanguage(Language::English).
bool hasTranslation(const QString& text);

}  // namespace rb::gui
