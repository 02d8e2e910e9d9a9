// The words of one line of a `radiobench-cli run` script.
//
// Words are separated by blanks (spaces or tabs). A word in double quotes may hold blanks; inside
// quotes \" stands for a quote and \\ for a backslash; "" is the empty text. A line that is blank
// or whose first non-blank character is '#' holds no command.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace rb::cli {

struct ScriptWords {
    std::vector<std::string> words;  // empty for a blank or comment line
    std::string error;               // why the line could not be split (an open quote, ...)
    bool ok() const { return error.empty(); }
};

ScriptWords splitScriptLine(const std::string& line);

}  // namespace rb::cli
