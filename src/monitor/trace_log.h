// TraceLog: the text of the monitor's trace box (`traceLog`) and the rules of `AppendTrace`.
//
// A text appended to an empty log loses its first two characters (the leading line break every
// trace text starts with); a log longer than 8000 characters is emptied before the next text, so
// the box restarts with the newest one; hexadecimal digits show in upper case; while the display
// is stopped texts are lost, not buffered.
//
// The log reports each change as an update (emptied first or not, and the text added) so that
// the window appends to its box instead of setting the whole text every time.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace rb::monitor {

inline constexpr std::size_t kTraceLimit = 8000;  // characters kept before the log restarts

struct TraceUpdate {
    bool cleared = false;  // the box is emptied before `appended` is added
    std::string appended;  // UTF-8, "\r\n" line breaks as traced
};

class TraceLog {
public:
    // Appends a trace text. Nothing (and no update) while stopped.
    std::optional<TraceUpdate> append(const std::string& text);
    // "清空显示".
    void clear();

    bool stopped() const { return stopped_; }
    void setStopped(bool on) { stopped_ = on; }

    const std::string& text() const { return log_; }
    // Length in characters (a Chinese character counts one).
    std::size_t length() const { return chars_; }

private:
    std::string log_;
    std::size_t chars_ = 0;
    bool stopped_ = false;
};

// The lines of a trace text that hold something, without their trailing blanks and "\r".
std::vector<std::string> contentLines(const std::string& text);
// Characters (UTF-8 code points) of a text.
std::size_t characterCount(const std::string& utf8);
// The text without its first `n` characters.
std::string dropCharacters(const std::string& utf8, std::size_t n);
// ASCII letters in upper case; every other character unchanged.
std::string asciiUpper(std::string text);

}  // namespace rb::monitor
