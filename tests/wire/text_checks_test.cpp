// The checks a write makes on typed text before anything is encoded: whole numbers, GBK-encodable
// texts, frequencies that fit their code, and UTF-8 made safe for a JSON line.
#include <gtest/gtest.h>

#include <optional>

#include "wire/codecs.h"
#include "wire/comm_tool.h"
#include "wire/utf8.h"

namespace rb::wire {
namespace {

TEST(TextChecksTest, WholeNumbersOnly) {
    const std::pair<const char*, std::optional<long long>> cases[] = {
        {"0", 0},
        {"255", 255},
        {" 42 ", 42},
        {"-5", -5},
        {"", std::nullopt},
        {"  ", std::nullopt},
        {"-", std::nullopt},
        {"abc", std::nullopt},
        {"12abc", std::nullopt},
        {"a-9", std::nullopt},
        {"1 2", std::nullopt},
        {"+7", std::nullopt},
        {"\xEF\xBC\x91\xEF\xBC\x92\xEF\xBC\x93", std::nullopt},  // full-width "１２３"
        {"999999999999999999", 999999999999999999LL},
        {"9999999999999999999", std::nullopt},  // beyond the range: never saturated
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(parseWhole(text), expected) << text;
}

TEST(TextChecksTest, OnlyTextsGbkHoldsAreEncodable) {
    const std::pair<const char*, bool> cases[] = {
        {"", true},
        {"abc 123", true},
        {"王小明", true},
        {"机主姓名?", true},          // a question mark of its own is a character like any other
        {"\xF0\x9F\x98\x80", false},  // 😀
        {"\xE1\xBA\x9E", false},      // ẞ
        {"\xF0\xA0\x80\x80", false},  // 𠀀, a supplementary-plane character
        {"ab\xFF", false},            // no UTF-8
    };
    for (const auto& [text, ok] : cases) EXPECT_EQ(gbkEncodable(text), ok) << text;
}

TEST(TextChecksTest, FrequenciesMustFitTheirCode) {
    const std::tuple<const char*, int, bool> cases[] = {
        {"4000000", kStep12_5, true},
        {"", kStep12_5, true},  // an empty field is channel 0, as a file without the key
        {"0", kStep25, true},
        {"8192000", kStep12_5, false},  // code 65536 would go out as 00 00
        {"8191875", kStep12_5, false},  // code 65535 reads back as 0
        {"8191750", kStep12_5, true},
        {"16384000", kStep25, false},
        {"16383500", kStep25, true},
        {"12abc", kStep12_5, false},
        {"-125", kStep12_5, false},
        {"4000125", kStep12_5, true},
        {"4000125", kStep25, false},  // not a multiple of the step
        {"9999375", kStep6_25, true},
        {"1048576000", kStep6_25, false},  // code 0x1000000: beyond 24 bits
    };
    for (const auto& [text, step, ok] : cases)
        EXPECT_EQ(CCommTool::IsFrequencyValid(text, step), ok) << text << " at " << step;
}

TEST(TextChecksTest, Utf8ForJsonLines) {
    const std::pair<std::string, std::string> valid[] = {
        {"abc", "abc"},
        {"王", "王"},
        {"a\xFF"
         "b",
         "a\xEF\xBF\xBD"
         "b"},
        {"\xC0\xAF", "\xEF\xBF\xBD\xEF\xBF\xBD"},                  // overlong '/'
        {"\xED\xA0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},  // a surrogate
        {"\xE7\x8E", "\xEF\xBF\xBD\xEF\xBF\xBD"},                  // a cut character
        {"\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"},
    };
    for (const auto& [in, out] : valid) EXPECT_EQ(validUtf8(in), out);
    EXPECT_EQ(clipUtf8("abcdef", 3), "abc…");
    EXPECT_EQ(clipUtf8("abc", 3), "abc");
    EXPECT_EQ(clipUtf8("王小明王", 2), "王小…");  // whole characters, never half of one
}

}  // namespace
}  // namespace rb::wire
