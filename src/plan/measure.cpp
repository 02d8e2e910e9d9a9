#include "plan/measure.h"

#include <QRegularExpression>
#include <QString>
#include <charconv>
#include <cmath>

namespace rb::plan {

namespace {

constexpr const char* kUsage =
    "usage: measure NAME ID LOW HIGH [UNIT] | measure NAME ID == TEXT | measure NAME ID ~ REGEX";

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A character after which a word begins.
bool startsWord(char c) {
    return c == ' ' || c == '\t' || c == ':' || c == '=' || c == '(' || c == ',' || c == '[';
}

// A whole decimal number ("12", "-0.5", "1e3"), nothing around it.
std::optional<double> wholeNumber(const std::string& text) {
    if (text.empty()) return std::nullopt;
    double v = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, v);
    if (ec != std::errc() || ptr != end || !std::isfinite(v)) return std::nullopt;
    return v;
}

// A bound word: `-` for none, else a number; false when it is neither.
bool readBound(const std::string& word, std::optional<double>& bound) {
    if (word == "-") return true;
    bound = wholeNumber(word);
    return bound.has_value();
}

std::optional<int> controlId(const std::string& word) {
    if (word.empty() || word.size() > 10) return std::nullopt;
    long long v = 0;
    for (char c : word) {
        if (!isDigit(c)) return std::nullopt;
        v = v * 10 + (c - '0');
    }
    if (v > 0x7FFFFFFF) return std::nullopt;
    return int(v);
}

ParsedMeasure failed(std::string error) { return {std::nullopt, std::move(error)}; }

}  // namespace

ParsedMeasure parseMeasure(const std::vector<std::string>& w) {
    if (w.size() < 5 || w.size() > 6) return failed(kUsage);
    MeasureLine line;
    line.name = w[1];
    if (line.name.empty()) return failed("a measurement needs a name");
    const auto id = controlId(w[2]);
    if (!id) return failed("control id \"" + w[2] + "\" is not a number");
    line.id = *id;
    if (w[3] == "==" || w[3] == "~") {
        if (w.size() != 5) return failed(kUsage);
        line.check = w[3] == "==" ? Check::Equals : Check::Matches;
        line.pattern = w[4];
        if (line.check == Check::Matches) {
            const QRegularExpression re(QString::fromStdString(line.pattern));
            if (!re.isValid()) {
                return failed("bad regular expression \"" + line.pattern +
                              "\": " + re.errorString().toStdString());
            }
        }
        return {line, {}};
    }
    if (!readBound(w[3], line.low)) return failed("bad low bound \"" + w[3] + "\"");
    if (!readBound(w[4], line.high)) return failed("bad high bound \"" + w[4] + "\"");
    if (line.low && line.high && *line.low > *line.high) {
        return failed("the low bound " + w[3] + " is above the high bound " + w[4]);
    }
    if (w.size() == 6) line.unit = w[5];
    return {line, {}};
}

std::optional<double> firstNumber(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && !isDigit(text[i])) ++i;
    if (i == text.size()) return std::nullopt;
    std::size_t start = i;
    // A minus sign counts when it opens the text or a word ("-3.5 dBm", "温度: -3"), not as a
    // dash between a grade and its figure ("理想--231").
    if (start > 0 && text[start - 1] == '-' && (start == 1 || startsWord(text[start - 2]))) {
        --start;
    }
    while (i < text.size() && isDigit(text[i])) ++i;
    if (i + 1 < text.size() && text[i] == '.' && isDigit(text[i + 1])) {
        ++i;
        while (i < text.size() && isDigit(text[i])) ++i;
    }
    double v = 0;
    std::from_chars(text.data() + start, text.data() + i, v);
    return v;
}

units::Measurement judge(const MeasureLine& line, const std::string& step,
                         const std::string& text) {
    units::Measurement m;
    m.step = step;
    m.name = line.name;
    m.text = text;
    m.verdict = "pass";
    auto fail = [&m](std::string reason) {
        m.verdict = "fail";
        m.reason = std::move(reason);
    };
    switch (line.check) {
        case Check::Equals:
            if (text != line.pattern) fail("not \"" + line.pattern + "\"");
            break;
        case Check::Matches: {
            const QRegularExpression re(QString::fromStdString(line.pattern));
            if (!re.match(QString::fromStdString(text)).hasMatch()) {
                fail("no match for \"" + line.pattern + "\"");
            }
            break;
        }
        case Check::Range:
            m.low = line.low;
            m.high = line.high;
            m.unit = line.unit;
            m.value = firstNumber(text);
            if (!m.value) {
                fail("no value");
            } else if (line.low && *m.value < *line.low) {
                fail("below " + numberText(*line.low));
            } else if (line.high && *m.value > *line.high) {
                fail("above " + numberText(*line.high));
            }
            break;
    }
    return m;
}

std::string numberText(double value) {
    char buffer[32];
    const auto [ptr, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    if (ec != std::errc()) return "0";
    return {buffer, ptr};
}

}  // namespace rb::plan
