#include "cli/script_words.h"

namespace rb::cli {

namespace {
bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
}  // namespace

ScriptWords splitScriptLine(const std::string& line) {
    ScriptWords out;
    std::size_t i = 0;
    const std::size_t n = line.size();
    while (i < n && isBlank(line[i])) ++i;
    if (i == n || line[i] == '#') return out;

    while (i < n) {
        while (i < n && isBlank(line[i])) ++i;
        if (i == n) break;
        std::string word;
        if (line[i] == '"') {
            ++i;
            bool closed = false;
            while (i < n) {
                const char c = line[i++];
                if (c == '"') {
                    closed = true;
                    break;
                }
                if (c == '\\' && i < n && (line[i] == '"' || line[i] == '\\')) {
                    word += line[i++];
                } else {
                    word += c;
                }
            }
            if (!closed) {
                out.error = "a quoted word is not closed";
                out.words.clear();
                return out;
            }
            if (i < n && !isBlank(line[i])) {
                out.error = "a quoted word must be followed by a blank";
                out.words.clear();
                return out;
            }
        } else {
            while (i < n && !isBlank(line[i])) {
                if (line[i] == '"') {
                    out.error = "a quote inside a word";
                    out.words.clear();
                    return out;
                }
                word += line[i++];
            }
        }
        out.words.push_back(std::move(word));
    }
    return out;
}

}  // namespace rb::cli
