// The small text forms every layer shares: padded numbers, JSON strings, UTF-8 counts and cuts.
#include "wire/text_format.h"

#include <gtest/gtest.h>

#include "wire/utf8.h"

namespace rb::wire {
namespace {

TEST(TextFormat, NumbersArePaddedButNeverCut) {
    EXPECT_EQ(twoDigits(3), "03");
    EXPECT_EQ(twoDigits(16), "16");
    EXPECT_EQ(twoDigits(100), "100");
    EXPECT_EQ(zeroPadded(7, 4), "0007");
    EXPECT_EQ(zeroPadded(-5, 3), "-05");
}

TEST(TextFormat, JsonStringsEscapeWhatJsonForbids) {
    const struct {
        std::string in, out;
    } cases[] = {
        {"plain", "\"plain\""},      {"a\"b\\c", "\"a\\\"b\\\\c\""},
        {"\r\n\t", "\"\\r\\n\\t\""}, {std::string("\x01\x1F\x7F", 3), "\"\\u0001\\u001f\\u007f\""},
        {"信道03", "\"信道03\""},
    };
    for (const auto& c : cases) EXPECT_EQ(jsonQuoted(c.in), c.out) << c.in;
}

TEST(TextFormat, MillisecondsBeforeTheEpochNeverGoNegative) {
    // Whatever the local zone, the millisecond part is the last three digits.
    const std::string before = localTimeWithMillis(-1);
    EXPECT_EQ(before.substr(before.size() - 4), ".999");
    const std::string after = localTimeWithMillis(1042);
    EXPECT_EQ(after.substr(after.size() - 4), ".042");
    EXPECT_EQ(after.size(), std::string("1970-01-01 00:00:01.042").size());
}

TEST(Utf8Walks, CountsCutsAndDigitPlaces) {
    EXPECT_EQ(utf8CharCount("a信道"), 3u);
    EXPECT_EQ(utf8CharCount(""), 0u);
    const std::string s = "ab信道";  // 2 + 3 + 3 bytes
    EXPECT_EQ(utf8CutPoint(s, 8), 8u);
    EXPECT_EQ(utf8CutPoint(s, 7), 5u);  // never inside 道
    EXPECT_EQ(utf8CutPoint(s, 4), 2u);
    EXPECT_EQ(utf8CutPoint(s, 100), 8u);
    EXPECT_EQ(digitPerCharacter("1a信2", '0'), "1002");
    EXPECT_EQ(digitPerCharacter("12", '?'), "12");
}

}  // namespace
}  // namespace rb::wire
