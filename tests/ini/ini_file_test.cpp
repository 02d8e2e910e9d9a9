#include "ini/ini_file.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace rb::ini {
namespace {

// GBK bytes of the Chinese names and texts used below.
const std::string kGbkShenFenMa = "\xc9\xed\xb7\xdd\xc2\xeb";  // 身份码
const std::string kGbkFaSheFreq06 =
    "\xb7\xa2\xc9\xe4\xc6\xb5\xc2\xca"
    "06";                                             // 发射频率06
const std::string kGbkZhangSan = "\xd5\xc5\xc8\xfd";  // 张三
const std::string kGbkLiSi = "\xc0\xee\xcb\xc4";      // 李四

// Expected files are written with "\n" for legibility; the class writes CRLF.
std::string crlf(std::string_view lf) {
    std::string out;
    for (const char c : lf) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

IniFile parsed(const std::string& bytes) {
    IniFile file;
    file.parse(bytes);
    return file;
}

TEST(IniFileTest, EveryKindOfKeyRoundTripsThroughTheFileBytes) {
    struct Case {
        std::string section, key, utf8Value, lineInFile;
    };
    const std::vector<Case> cases = {
        {"TelSet", "PTT Hold", "30", "PTT Hold=30"},
        {"TelSet", "Data Bit", "3", "Data Bit=3"},
        {"TelSet", "SendFrequency01", "4000000", "SendFrequency01=4000000"},
        {"TelSet", "All Availability", "1", "All Availability=1"},
        {"TelSet", "UserName", "张三", "UserName=" + kGbkZhangSan},
        {"QX710", "身份码", "12345", kGbkShenFenMa + "=12345"},
        {"ProTest", "发射频率06", "4100000", kGbkFaSheFreq06 + "=4100000"},
        {"ProTestSerial", "SeroalPreBatch", "1", "SeroalPreBatch=1"},
        {"HFType0", "HF255", "", "HF255="},
    };
    IniFile written;
    for (const auto& c : cases) written.setText(c.section, c.key, c.utf8Value);
    const std::string bytes = written.serialize();

    const IniFile reread = parsed(bytes);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        EXPECT_NE(bytes.find("\r\n" + c.lineInFile + "\r\n"), std::string::npos);
        EXPECT_TRUE(reread.has(c.section, c.key));
        EXPECT_EQ(reread.getText(c.section, c.key), c.utf8Value);
    }
}

TEST(IniFileTest, LookupFoldsLetterCaseOnly) {
    // 丄 and 乤 are GBK 81 41 and 81 61: their second bytes are 'A' and 'a'.
    const IniFile file =
        parsed(crlf("[TelSet]\nPTT Hold=5\n  Data Bit = 3 \n[ HFType1 ]\nHFLen=64\n"
                    "\x81\x41=upper\n\x81\x61=lower\n"));
    const std::vector<std::tuple<std::string, std::string, std::string, bool>> cases = {
        {"TelSet", "PTT Hold", "5", true},
        {"telset", "ptt hold", "5", true},
        {"TELSET", "PTT HOLD", "5", true},
        {"TelSet", "PTTHold", "", false},
        {"TelSet", "PTT  Hold", "", false},
        {"TelSet", "data bit", "3", true},
        {"hftype1", "hflen", "64", true},
        {"TelSet", "HFLen", "", false},  // lives in another section
        {"HFType2", "HFLen", "", false},
        {"HFType1", "丄", "upper", true},
        {"HFType1", "乤", "lower", true},
    };
    for (const auto& [section, key, value, present] : cases) {
        SCOPED_TRACE(section + "/" + key);
        EXPECT_EQ(file.getRaw(section, key), value);
        EXPECT_EQ(file.has(section, key), present);
    }
}

TEST(IniFileTest, ValuesAreRawGbkBytesTrimmedOfBlanks) {
    IniFile file = parsed("[TelSet]\r\nUserName=" + kGbkZhangSan + "\r\nUserInfo= \t" + kGbkLiSi +
                          " abc  \r\nEmpty=\r\nBlank=   \r\n");
    struct Case {
        std::string key, raw, text;
    };
    const std::vector<Case> cases = {
        {"UserName", kGbkZhangSan, "张三"},
        {"UserInfo", kGbkLiSi + " abc", "李四 abc"},
        {"Empty", "", ""},
        {"Blank", "", ""},
        {"Missing", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(file.getRaw("TelSet", c.key), c.raw);
        EXPECT_EQ(file.getText("TelSet", c.key), c.text);
    }

    file.setText("TelSet", "UserName", "李四");
    EXPECT_NE(file.serialize().find("\r\nUserName=" + kGbkLiSi + "\r\n"), std::string::npos);
}

TEST(IniFileTest, NumbersReadAsDefaultOnlyWhenTheKeyIsMissing) {
    const IniFile file = parsed("[P]\nA= 12x\nEmpty=\nText=abc\n");
    EXPECT_EQ(file.getInt("P", "A", -1), 12);
    EXPECT_EQ(file.getInt("P", "Empty", -1), 0);
    EXPECT_EQ(file.getInt("P", "Text", -1), 0);
    EXPECT_EQ(file.getInt("P", "Missing", -1), -1);
}

TEST(IniFileTest, WritingChangesOneLineAndKeepsTheRest) {
    struct Write {
        std::string section, key, value;
    };
    struct Case {
        const char* name;
        std::string input;  // "\n" line ends; each case also runs with CRLF input
        std::vector<Write> writes;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"replace in place keeps order, spelling and comments",
         "; made by hand\n[TelSet]\nChannelGroup=1\nptt hold = 5\nSpeed=6\n\n[Other]\nx=1\n",
         {{"TelSet", "PTT Hold", "30"}},
         "; made by hand\n[TelSet]\nChannelGroup=1\nptt hold=30\nSpeed=6\n\n[Other]\nx=1\n"},
        {"new key after the last key of its section",
         "[TelSet]\nA=1\n; note\nB=2\n\n; about Other\n[Other]\nx=1\n",
         {{"telset", "C", "3"}},
         "[TelSet]\nA=1\n; note\nB=2\nC=3\n\n; about Other\n[Other]\nx=1\n"},
        {"new key in an empty section",
         "[Empty]\n[Other]\nx=1\n",
         {{"Empty", "k", "v"}},
         "[Empty]\nk=v\n[Other]\nx=1\n"},
        {"new section at the end of the file",
         "[TelSet]\nA=1\n",
         {{"QX710", "身份码", "7"}},
         "[TelSet]\nA=1\n\n[QX710]\n" + kGbkShenFenMa + "=7\n"},
        {"file without a final line break",
         "[TelSet]\nA=1",
         {{"TelSet", "B", "2"}},
         "[TelSet]\nA=1\nB=2\n"},
        {"empty file", "", {{"TelSet", "A", "1"}}, "[TelSet]\nA=1\n"},
        {"first of duplicate keys is replaced",
         "[S]\nk=1\nK=2\n",
         {{"S", "k", "9"}},
         "[S]\nk=9\nK=2\n"},
        {"duplicate sections",
         "[S]\na=1\n[T]\n[s]\nb=2\n",
         {{"S", "b", "3"}, {"S", "c", "4"}},
         "[S]\na=1\nc=4\n[T]\n[s]\nb=3\n"},
        {"odd lines kept verbatim",
         "text before any section\n  [S]  \n  k = v  \nno equals sign\n",
         {{"S", "other", "1"}},
         "text before any section\n  [S]  \n  k = v  \nother=1\nno equals sign\n"},
        {"line breaks in a value add no lines",
         "[S]\n",
         {{"S", "k", "1\r\n[Evil]\nx=2"}},
         "[S]\nk=1\n"},
        {"names that cannot read back change nothing",
         "[S]\n",
         {{"S", "a=b", "1"}, {"S", "", "1"}, {"S", ";c", "1"}, {"S]", "k", "1"}, {"", "k", "1"}},
         "[S]\n"},
    };
    for (const auto& c : cases) {
        for (const bool crlfInput : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (crlfInput ? " (CRLF input)" : " (LF input)"));
            IniFile file = parsed(crlfInput ? crlf(c.input) : c.input);
            for (const auto& w : c.writes) file.setText(w.section, w.key, w.value);
            EXPECT_EQ(file.serialize(), crlf(c.expected));
        }
    }
}

TEST(IniFileTest, FirstOfDuplicatesWinsAndNamesListOnce) {
    const IniFile file =
        parsed(crlf("[S]\nk=first\nK=second\n[T]\nx=1\n[s]\nk=third\nonly=here\n"));
    EXPECT_EQ(file.getRaw("S", "k"), "first");
    EXPECT_EQ(file.getRaw("S", "only"), "here");
    EXPECT_EQ(file.keys("s"), (std::vector<std::string>{"k", "only"}));
    EXPECT_EQ(file.sections(), (std::vector<std::string>{"S", "T"}));

    const IniFile chinese = parsed(crlf("[QX710]\n" + kGbkShenFenMa + "=1\n"));
    EXPECT_EQ(chinese.keys("QX710"), (std::vector<std::string>{"身份码"}));
}

}  // namespace
}  // namespace rb::ini
