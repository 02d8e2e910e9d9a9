#include "monitor/trace_log.h"

#include "wire/utf8.h"

namespace rb::monitor {

namespace {
bool isContinuationByte(char c) { return wire::isUtf8Continuation(static_cast<unsigned char>(c)); }
}  // namespace

std::size_t characterCount(const std::string& utf8) { return wire::utf8CharCount(utf8); }

std::string dropCharacters(const std::string& utf8, std::size_t n) {
    std::size_t i = 0;
    while (i < utf8.size() && n > 0) {
        ++i;
        while (i < utf8.size() && isContinuationByte(utf8[i])) ++i;
        --n;
    }
    return utf8.substr(i);
}

std::string asciiUpper(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    }
    return text;
}

std::optional<TraceUpdate> TraceLog::append(const std::string& text) {
    if (stopped_) return std::nullopt;
    std::string t = text;
    // Every trace text starts with a line break; the first one in the box is not wanted.
    if (log_.empty() && characterCount(t) > 2) t = dropCharacters(t, 2);
    TraceUpdate update;
    if (chars_ > kTraceLimit) {
        log_.clear();
        chars_ = 0;
        update.cleared = true;
    }
    t = asciiUpper(std::move(t));
    log_ += t;
    chars_ += characterCount(t);
    update.appended = std::move(t);
    return update;
}

void TraceLog::clear() {
    log_.clear();
    chars_ = 0;
}

std::vector<std::string> contentLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
        if (!line.empty()) lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

}  // namespace rb::monitor
