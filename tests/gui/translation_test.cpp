// The English interface: the catalogue covers every Chinese text of the code the window shows,
// numbers and joined pieces find their translation, the language is chosen as a technician
// expects, and "设置 → 语言" remembers the choice.
#include <QAction>
#include <QDirIterator>
#include <QFile>
#include <QTextStream>

#include "engine/user_settings.h"
#include "gui/language/language.h"
#include "gui_fixture.h"
#include "untranslated_texts.h"

namespace rb::gui {
namespace {

class English : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(useLanguage(Language::English)); }
    void TearDown() override { useLanguage(Language::Chinese); }
};

// The string literals of one line of C++ that hold Chinese, their escapes resolved. A comment
// line has none; a line that ends in "// data" holds data the window never words (a sample
// plan, text typed into a form).
std::vector<QString> chineseLiterals(const QString& line) {
    std::vector<QString> found;
    if (line.trimmed().startsWith(QStringLiteral("//")) ||
        line.trimmed().endsWith(QStringLiteral("// data")))
        return found;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] != QLatin1Char('"') || (i > 0 && line[i - 1] == QLatin1Char('\''))) continue;
        QString text;
        qsizetype j = i + 1;
        for (; j < line.size() && line[j] != QLatin1Char('"'); ++j) {
            if (line[j] != QLatin1Char('\\') || j + 1 >= line.size()) {
                text += line[j];
                continue;
            }
            const QChar e = line[++j];
            text += e == QLatin1Char('n')   ? QChar(u'\n')
                    : e == QLatin1Char('r') ? QChar(u'\r')
                    : e == QLatin1Char('t') ? QChar(u'\t')
                                            : e;
        }
        if (holdsChinese(text)) found.push_back(text);
        i = j;
    }
    return found;
}

TEST_F(English, EveryChineseTextOfTheWindowsCodeHasATranslation) {
    // The layers whose texts the window shows; the command line and the simulator keep theirs.
    const QStringList folders = {"gui",  "families", "engine", "units", "monitor",
                                 "link", "wire",     "plan",   "ini"};
    int files = 0;
    int texts = 0;
    std::set<QString> missing;
    for (const QString& folder : folders) {
        QDirIterator it(QStringLiteral(RB_SOURCE_DIR "/src/") + folder,
                        {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile f(it.next());
            ASSERT_TRUE(f.open(QIODevice::ReadOnly | QIODevice::Text))
                << f.fileName().toStdString();
            ++files;
            QTextStream in(&f);
            while (!in.atEnd()) {
                for (const QString& text : chineseLiterals(in.readLine())) {
                    ++texts;
                    if (!hasTranslation(text)) missing.insert(text);
                }
            }
        }
    }
    noteMissingTexts(missing);
    EXPECT_GT(files, 100);
    EXPECT_GT(texts, 1000);
    EXPECT_TRUE(missing.empty()) << missing.size() << " texts without English:\n"
                                 << listed(missing);
}

TEST_F(English, TextsFindTheirTranslationWithTheirNumbersAndPieces) {
    const struct {
        const char* shown;
        const char* english;
    } cases[] = {
        // As it stands, and with its numbers put back in place.
        {"提示", "Note"},
        {"PTT时限设置不正确,请设为0-255!", "Invalid PTT time limit, set it to 0-255!"},
        {"PTT时限设置不正确,请设为10-20!", "Invalid PTT time limit, set it to 10-20!"},
        // Joined by the program from pieces, with a path between them.
        {"功率控制A1设置不正确,请设为0-255!", "Power control A1 is invalid, set it to 0-255!"},
        {"序号文件读取失败!(/tmp/ProTestSerial.ini)",
         "Failed to read serial number file! (/tmp/ProTestSerial.ini)"},
    };
    for (const auto& c : cases) EXPECT_EQ(uiText(c.shown).toStdString(), c.english);
    // One text, two senses: a form's choice and a window's button.
    EXPECT_EQ(uiText("关闭").toStdString(), "Off");
    EXPECT_EQ(uiText("关闭", "button").toStdString(), "Close");
    // A record's row: the pieces "第", a number and "行" read as one.
    EXPECT_EQ(uiText("读取  第3行  高功率").toStdString(), "Read  row 3  High power");
    // A text the catalogue does not know shows as it is; data is never turned into words.
    EXPECT_EQ(uiText("没有这样的文字").toStdString(), "没有这样的文字");
    EXPECT_EQ(uiText("96 05 80 99 00 01 8B").toStdString(), "96 05 80 99 00 01 8B");
}

TEST(LanguageTest, PlaceholdersStandForRunsOfDigits) {
    const struct {
        const char* text;
        const char* pattern;
        QStringList runs;
    } cases[] = {
        {"请设为0-255!", "请设为%1-%2!", {"0", "255"}},
        {"信道03", "信道%1", {"03"}},
        {"导出失败:%1", "导出失败:%1", {}},  // a placeholder already
        {"%10个", "%10个", {}},
        {"无数字", "无数字", {}},
    };
    for (const auto& c : cases) {
        QStringList runs;
        EXPECT_EQ(withPlaceholders(QString::fromUtf8(c.text), &runs).toStdString(), c.pattern);
        EXPECT_EQ(runs, c.runs) << c.text;
    }
    // In Chinese every text shows as written.
    EXPECT_EQ(uiText("提示").toStdString(), "提示");
}

TEST(LanguageTest, TheChoiceComesFromTheEnvironmentThenTheOptionThenTheSystem) {
    const QLocale chinese(QLocale::Chinese, QLocale::China);
    const QLocale german(QLocale::German, QLocale::Germany);
    const struct {
        const char* environment;
        const char* remembered;
        QLocale system;
        Language expected;
    } cases[] = {
        {"en", "zh", chinese, Language::English},  {"zh", "en", german, Language::Chinese},
        {"", "en", chinese, Language::English},    {"", "zh", german, Language::Chinese},
        {"", "", chinese, Language::Chinese},      {"", "", german, Language::English},
        {"", "", QLocale::c(), Language::Chinese}, {"fr", "xx", german, Language::English},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(chooseLanguage(QString::fromUtf8(c.environment), c.remembered, c.system),
                  c.expected)
            << c.environment << "/" << c.remembered;
    }
}

using LanguageMenuTest = GuiFixture;

TEST_F(LanguageMenuTest, TheChoiceIsRememberedAndTakesEffectAtTheNextStart) {
    make();
    auto* english = window->findChild<QAction*>(QString::number(main_ids::kMenuEnglish));
    auto* chinese = window->findChild<QAction*>(QString::number(main_ids::kMenuChinese));
    ASSERT_TRUE(english && chinese);
    EXPECT_TRUE(chinese->isChecked());
    english->trigger();
    EXPECT_EQ(engine::readOption(session.paths, kLanguageKey), "en");
    ASSERT_EQ(prompter.boxes.size(), 1u);
    EXPECT_EQ(prompter.lastText(), "界面语言将在重新启动程序后更改。");
    // Back to the language that shows: remembered, nothing to say.
    chinese->trigger();
    EXPECT_EQ(engine::readOption(session.paths, kLanguageKey), "zh");
    EXPECT_EQ(prompter.boxes.size(), 1u);
}

}  // namespace
}  // namespace rb::gui
