// A plan's measurement: `measure NAME ID LOW HIGH [UNIT]` (the first decimal number in the text
// of control ID within the bounds, `-` for none), `measure NAME ID == TEXT` (the exact text) and
// `measure NAME ID ~ REGEX` (a match anywhere in the text), and the verdict on a control's text.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "units/test_run.h"

namespace rb::plan {

enum class Check { Range, Equals, Matches };

struct MeasureLine {
    std::string name;
    int id = 0;
    Check check = Check::Range;
    std::optional<double> low;  // Range: none is unbounded
    std::optional<double> high;
    std::string unit;     // Range: "%", "V" or ""
    std::string pattern;  // Equals: the text; Matches: the regular expression
};

// The words of a measure line ("measure", NAME, ID, ...): the measurement, or why the line is
// wrong ("usage: ...", "bad low bound \"x\"", "bad regular expression: ...").
struct ParsedMeasure {
    std::optional<MeasureLine> line;
    std::string error;
};
ParsedMeasure parseMeasure(const std::vector<std::string>& words);

// The first decimal number in a text, with a minus sign that opens the text or a word ("12.500%"
// gives 12.5, "-3.5 dBm" gives -3.5, "理想--231" gives 231); none when the text holds no digit.
std::optional<double> firstNumber(const std::string& text);

// The measurement taken from `text`, under `step`, with its verdict and a failure's reason.
units::Measurement judge(const MeasureLine& line, const std::string& step, const std::string& text);

// A number as a plan prints it: the shortest text that reads back the same ("12.5", "0", "-3").
std::string numberText(double value);

}  // namespace rb::plan
