// The measurement forms of a plan against the texts the bench's controls show.
#include "plan/measure.h"

#include <gtest/gtest.h>

#include <sstream>

namespace rb::plan {
namespace {

std::vector<std::string> words(const std::string& line) {
    std::vector<std::string> out;
    std::istringstream in(line);
    for (std::string w; in >> w;) out.push_back(w);
    return out;
}

struct NumberCase {
    const char* text;
    std::optional<double> value;
};

TEST(FirstNumber, TakesTheFirstDecimalNumberOfAText) {
    const NumberCase cases[] = {
        {"12.500%", 12.5},         {"258", 258},         {"-3.5 dBm", -3.5},
        {"  0.909%", 0.909},       {"理想--231", 231},   {"温度: -12", -12},
        {"4500000 12.5", 4500000}, {"v1.2.3", 1.2},      {"7.", 7},
        {"", std::nullopt},        {"无", std::nullopt}, {"-", std::nullopt},
        {"较差--", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(firstNumber(c.text), c.value) << c.text;
}

struct JudgeCase {
    const char* line;
    const char* text;
    const char* verdict;
    std::optional<double> value;
    const char* reason;
};

TEST(Judge, EachFormAgainstSampleTexts) {
    const JudgeCase cases[] = {
        {"measure r 1449 - 1 %", "  0.000%", "pass", 0.0, ""},
        {"measure r 1449 - 1 %", "  0.909%", "pass", 0.909, ""},
        {"measure r 1449 - 1 %", " 33.909%", "fail", 33.909, "above 1"},
        {"measure r 1449 - 1 %", "100.000%", "fail", 100.0, "above 1"},
        {"measure r 1449 - 1 %", "", "fail", std::nullopt, "no value"},
        {"measure v 1162 200 400", "258", "pass", 258.0, ""},
        {"measure v 1162 200 400", "200", "pass", 200.0, ""},
        {"measure v 1162 200 400", "400", "pass", 400.0, ""},
        {"measure v 1162 200 400", "199", "fail", 199.0, "below 200"},
        {"measure v 1162 200 400", "401", "fail", 401.0, "above 400"},
        {"measure p 1 -10 -2.5 dBm", "-3.5 dBm", "pass", -3.5, ""},
        {"measure p 1 -10 -2.5 dBm", "-1 dBm", "fail", -1.0, "above -2.5"},
        {"measure p 1 -10 -2.5 dBm", "-10.5 dBm", "fail", -10.5, "below -10"},
        {"measure q 1164 200 - ", "理想--231", "pass", 231.0, ""},
        {"measure q 1164 200 - ", "较差--170", "fail", 170.0, "below 200"},
        {"measure q 1164 200 - ", "无", "fail", std::nullopt, "no value"},
        {"measure g 1164 ~ ^(理想|优良)--", "优良--230", "pass", std::nullopt, ""},
        {"measure g 1164 ~ ^(理想|优良)--", "一般--210", "fail", std::nullopt,
         "no match for \"^(理想|优良)--\""},
        {"measure g 1164 ~ 23", "理想--231", "pass", std::nullopt, ""},
        {"measure t 1403 == LM520", "LM520", "pass", std::nullopt, ""},
        {"measure t 1403 == LM520", "LM5200", "fail", std::nullopt, "not \"LM520\""},
        {"measure t 1403 == LM520", "", "fail", std::nullopt, "not \"LM520\""},
    };
    for (const auto& c : cases) {
        const ParsedMeasure parsed = parseMeasure(words(c.line));
        ASSERT_TRUE(parsed.line) << c.line << ": " << parsed.error;
        const units::Measurement m = judge(*parsed.line, "s", c.text);
        EXPECT_EQ(m.verdict, c.verdict) << c.line << " / " << c.text;
        EXPECT_EQ(m.value, c.value) << c.line << " / " << c.text;
        EXPECT_EQ(m.reason, c.reason) << c.line << " / " << c.text;
        EXPECT_EQ(m.text, c.text);
        EXPECT_EQ(m.step, "s");
    }
}

TEST(ParseMeasure, KeepsNameControlBoundsAndUnit) {
    const auto p = parseMeasure(words("measure 平均误码率 1454 - 1 %"));
    ASSERT_TRUE(p.line) << p.error;
    EXPECT_EQ(p.line->name, "平均误码率");
    EXPECT_EQ(p.line->id, 1454);
    EXPECT_EQ(p.line->check, Check::Range);
    EXPECT_FALSE(p.line->low);
    EXPECT_EQ(p.line->high, 1.0);
    EXPECT_EQ(p.line->unit, "%");
}

struct BadCase {
    const char* line;
    const char* error;
};

TEST(ParseMeasure, RefusesWhatIsNoMeasurement) {
    const BadCase cases[] = {
        {"measure r 1449", "usage: measure NAME ID LOW HIGH"},
        {"measure r 1449 0", "usage: measure NAME ID LOW HIGH"},
        {"measure r 1449 0 1 % x", "usage: measure NAME ID LOW HIGH"},
        {"measure r 1449 == a b", "usage: measure NAME ID LOW HIGH"},
        {"measure r abc 0 1", "control id \"abc\" is not a number"},
        {"measure r -5 0 1", "control id \"-5\" is not a number"},
        {"measure r 1449 x 1", "bad low bound \"x\""},
        {"measure r 1449 0 1%", "bad high bound \"1%\""},
        {"measure r 1449 0 inf", "bad high bound \"inf\""},
        {"measure r 1449 5 1", "the low bound 5 is above the high bound 1"},
        {"measure r 1449 ~ (ab", "bad regular expression \"(ab\""},
    };
    for (const auto& c : cases) {
        const ParsedMeasure p = parseMeasure(words(c.line));
        EXPECT_FALSE(p.line) << c.line;
        EXPECT_EQ(p.error.rfind(c.error, 0), 0u) << c.line << ": " << p.error;
    }
}

TEST(NumberText, PrintsTheShortestTextThatReadsBack) {
    const std::pair<double, const char*> cases[] = {{12.5, "12.5"},
                                                    {0, "0"},
                                                    {-3, "-3"},
                                                    {33.909, "33.909"},
                                                    {0.1 + 0.2, "0.30000000000000004"}};
    for (const auto& [v, text] : cases) EXPECT_EQ(numberText(v), text);
}

}  // namespace
}  // namespace rb::plan
