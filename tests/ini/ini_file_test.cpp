#include "ini/ini_file.h"

#include <gtest/gtest.h>

#include <array>
#include <regex>
#include <string>
#include <tuple>
#include <vector>

namespace rb::ini {
namespace {

// GBK bytes of the Chinese names and texts used below.
const std::string kGbkShenFenMa = "\xc9\xed\xb7\xdd\xc2\xeb";  // 身份码
const std::string kGbkZhangSan = "\xd5\xc5\xc8\xfd";           // 张三
const std::string kGbkLiSi = "\xc0\xee\xcb\xc4";               // 李四

// Expected files are written with "\n" for legibility; the class writes CRLF.
std::string crlf(const std::string& lf) { return std::regex_replace(lf, std::regex("\n"), "\r\n"); }

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
        {"TelSet", "All Availability", "1", "All Availability=1"},
        {"TelSet", "UserName", "张三", "UserName=" + kGbkZhangSan},
        {"QX710", "身份码", "12345", kGbkShenFenMa + "=12345"},
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

TEST(IniFileTest, LookupFoldsLetterCaseOnlyAndValuesAreRawGbkBytes) {
    // 丄 and 乤 are GBK 81 41 and 81 61: their second bytes are 'A' and 'a'.
    const IniFile file =
        parsed(crlf("[TelSet]\nPTT Hold=5\n  Data Bit = 3 \nUserName=" + kGbkZhangSan +
                    "\nUserInfo= \t" + kGbkLiSi +
                    " abc  \nEmpty=\nA= 12x\nk=first\n"
                    "K=second\n[ HFType1 ]\nHFLen=64\n\x81\x41=upper\n\x81\x61=lower\nhflen=dup\n"
                    "[T]\n[telset]\nk=third\nonly=here\n"));
    const std::vector<std::tuple<std::string, std::string, std::string, bool>> cases = {
        {"TelSet", "PTT Hold", "5", true},
        {"telset", "ptt hold", "5", true},
        {"TelSet", "PTTHold", "", false},
        {"TelSet", "PTT  Hold", "", false},
        {"TelSet", "data bit", "3", true},
        {"hftype1", "hflen", "64", true},  // the first of duplicate keys wins
        {"TelSet", "HFLen", "", false},    // lives in another section
        {"HFType1", "丄", "upper", true},
        {"HFType1", "乤", "lower", true},
        {"TelSet", "UserName", kGbkZhangSan, true},
        {"TelSet", "UserInfo", kGbkLiSi + " abc", true},
        {"TelSet", "Empty", "", true},
        {"TelSet", "Missing", "", false},
        {"TelSet", "K", "first", true},
        {"TelSet", "only", "here", true},  // from the second [telset]
    };
    for (const auto& [section, key, value, present] : cases) {
        SCOPED_TRACE(section + "/" + key);
        EXPECT_EQ(file.getRaw(section, key), value);
        EXPECT_EQ(file.has(section, key), present);
    }
    EXPECT_EQ(file.getText("TelSet", "UserInfo"), "李四 abc");
    // Numbers read as the default only when the key is missing.
    EXPECT_EQ(file.getInt("TelSet", "A", -1), 12);
    EXPECT_EQ(file.getInt("TelSet", "Empty", -1), 0);
    EXPECT_EQ(file.getInt("HFType1", "丄", -1), 0);
    EXPECT_EQ(file.getInt("TelSet", "Missing", -1), -1);
    EXPECT_EQ(file.keys("hftype1"), (std::vector<std::string>{"HFLen", "丄", "乤"}));
    EXPECT_EQ(file.keys("telset"),
              (std::vector<std::string>{"PTT Hold", "Data Bit", "UserName", "UserInfo", "Empty",
                                        "A", "k", "only"}));
    EXPECT_EQ(file.sections(), (std::vector<std::string>{"TelSet", "HFType1", "T"}));
}

TEST(IniFileTest, WritingChangesOneLineAndKeepsTheRest) {
    using Write = std::array<std::string, 3>;  // section, key, value
    struct Case {
        std::string input;  // "\n" line ends; each case also runs with CRLF input
        std::vector<Write> writes;
        std::string expected;
    };
    const std::vector<Case> cases = {
        // Replacing in place keeps order, spelling and comments.
        {"; made by hand\n[TelSet]\nChannelGroup=1\nptt hold = 5\nSpeed=6\n\n[Other]\nx=1\n",
         {{"TelSet", "PTT Hold", "30"}},
         "; made by hand\n[TelSet]\nChannelGroup=1\nptt hold=30\nSpeed=6\n\n[Other]\nx=1\n"},
        // A new key goes after the last key of its section, a new section at the end.
        {"[TelSet]\nA=1\n; note\nB=2\n\n; about Other\n[Other]\nx=1\n",
         {{"telset", "C", "3"}},
         "[TelSet]\nA=1\n; note\nB=2\nC=3\n\n; about Other\n[Other]\nx=1\n"},
        {"[Empty]\n[Other]\nx=1\n", {{"Empty", "k", "v"}}, "[Empty]\nk=v\n[Other]\nx=1\n"},
        {"[TelSet]\nA=1",
         {{"QX710", "身份码", "7"}},
         "[TelSet]\nA=1\n\n[QX710]\n" + kGbkShenFenMa + "=7\n"},
        {"[TelSet]\nA=1", {{"TelSet", "B", "2"}}, "[TelSet]\nA=1\nB=2\n"},
        {"", {{"TelSet", "A", "1"}}, "[TelSet]\nA=1\n"},
        // Duplicates: the first key and the first section are the ones written to.
        {"[S]\nk=1\nK=2\n", {{"S", "k", "9"}}, "[S]\nk=9\nK=2\n"},
        {"[S]\na=1\n[T]\n[s]\nb=2\n",
         {{"S", "b", "3"}, {"S", "c", "4"}},
         "[S]\na=1\nc=4\n[T]\n[s]\nb=3\n"},
        {"text before any section\n  [S]  \n  k = v  \nno equals sign\n",
         {{"S", "other", "1"}},
         "text before any section\n  [S]  \n  k = v  \nother=1\nno equals sign\n"},
        // Line breaks in a value add no lines; names that could not read back change nothing.
        {"[S]\n", {{"S", "k", "1\r\n[Evil]\nx=2"}}, "[S]\nk=1\n"},
        {"[S]\n",
         {{"S", "a=b", "1"}, {"S", "", "1"}, {"S", ";c", "1"}, {"S]", "k", "1"}, {"", "k", "1"}},
         "[S]\n"},
    };
    for (const auto& c : cases) {
        for (const bool crlfInput : {false, true}) {
            SCOPED_TRACE(c.input + (crlfInput ? " (CRLF input)" : " (LF input)"));
            IniFile file = parsed(crlfInput ? crlf(c.input) : c.input);
            for (const auto& [section, key, value] : c.writes) file.setText(section, key, value);
            EXPECT_EQ(file.serialize(), crlf(c.expected));
        }
    }
}

}  // namespace
}  // namespace rb::ini
