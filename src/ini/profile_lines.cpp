#include "ini/profile_lines.h"

#include <algorithm>

namespace rb::ini::detail {

namespace {

constexpr std::string_view kBlanks = " \t\r\v\f";
constexpr std::string_view kLineEnd = "\r\n";

bool isGbkLeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

unsigned char foldAscii(unsigned char c) { return (c >= 'A' && c <= 'Z') ? c - 'A' + 'a' : c; }

}  // namespace

std::string_view trimBlanks(std::string_view s) {
    const auto first = s.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    const auto last = s.find_last_not_of(kBlanks);
    return s.substr(first, last - first + 1);
}

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto ca = static_cast<unsigned char>(a[i]);
        const auto cb = static_cast<unsigned char>(b[i]);
        if (isGbkLeadByte(ca) && i + 1 < a.size()) {
            // A double-byte character: both bytes must be equal as they are.
            if (ca != cb || a[i + 1] != b[i + 1]) return false;
            ++i;
            continue;
        }
        if (foldAscii(ca) != foldAscii(cb)) return false;
    }
    return true;
}

std::string foldName(std::string_view name) {
    std::string folded(name);
    for (std::size_t i = 0; i < folded.size(); ++i) {
        const auto c = static_cast<unsigned char>(folded[i]);
        if (isGbkLeadByte(c) && i + 1 < folded.size()) {
            ++i;  // the trail byte stays as it is
            continue;
        }
        folded[i] = static_cast<char>(foldAscii(c));
    }
    return folded;
}

ProfileLine classifyLine(std::string text) {
    ProfileLine line;
    const std::string_view body = trimBlanks(text);
    if (!body.empty() && body.front() == '[') {
        // Like the profile calls, the name runs to the last ']' on the line.
        const auto close = body.rfind(']');
        if (close != std::string_view::npos) {
            line.kind = ProfileLine::Kind::kSection;
            line.name = std::string(trimBlanks(body.substr(1, close - 1)));
        }
    } else if (!body.empty() && body.front() != ';') {
        const auto eq = body.find('=');
        if (eq != std::string_view::npos) {
            const std::string_view key = trimBlanks(body.substr(0, eq));
            if (!key.empty()) {
                line.kind = ProfileLine::Kind::kEntry;
                line.name = std::string(key);
                line.value = std::string(trimBlanks(body.substr(eq + 1)));
            }
        }
    }
    line.text = std::move(text);
    return line;
}

ProfileLine makeSectionLine(const std::string& name) {
    ProfileLine line;
    line.kind = ProfileLine::Kind::kSection;
    line.text = "[" + name + "]";
    line.name = name;
    return line;
}

ProfileLine makeEntryLine(const std::string& key, const std::string& value) {
    ProfileLine line;
    line.kind = ProfileLine::Kind::kEntry;
    line.text = key + "=" + value;
    line.name = key;
    // Held as it will read back from the file.
    line.value = std::string(trimBlanks(value));
    return line;
}

std::vector<ProfileLine> splitLines(const std::string& bytes) {
    std::vector<ProfileLine> lines;
    // One growth for the whole file: a hop map has some 4000 lines.
    lines.reserve(static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')) + 1);
    std::size_t start = 0;
    while (start < bytes.size()) {
        auto end = bytes.find('\n', start);
        if (end == std::string::npos) end = bytes.size();
        std::size_t textEnd = end;
        if (textEnd > start && bytes[textEnd - 1] == '\r') --textEnd;
        lines.push_back(classifyLine(bytes.substr(start, textEnd - start)));
        start = end + 1;
    }
    return lines;
}

std::string joinLines(const std::vector<ProfileLine>& lines) {
    std::size_t size = 0;
    for (const auto& line : lines) size += line.text.size() + kLineEnd.size();
    std::string out;
    out.reserve(size);
    for (const auto& line : lines) {
        out += line.text;
        out += kLineEnd;
    }
    return out;
}

}  // namespace rb::ini::detail
