// The line model under IniFile: a profile file is kept as its list of lines so that writing a
// key changes that one line and every other line (comments, blank lines, odd spacing, keys we
// do not know) goes back to the file as it came.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace rb::ini::detail {

struct ProfileLine {
    enum class Kind {
        kOther,    // blank line, comment, or text that is neither a header nor "key=value"
        kSection,  // "[name]"
        kEntry,    // "key=value"
    };
    Kind kind = Kind::kOther;
    std::string text;   // the line as in the file, without its line end
    std::string name;   // section name or key, trimmed, raw file bytes
    std::string value;  // entries: the value, trimmed, raw file bytes
};

// Blanks that the profile calls strip around names and values.
std::string_view trimBlanks(std::string_view s);

// Name comparison of the profile calls: ASCII letters fold, everything else compares exactly.
// GBK-aware: the second byte of a double-byte character (0x40..0xFE, which includes ASCII
// letters) is never folded, so two different Chinese characters never match.
bool sameName(std::string_view a, std::string_view b);
// The name as sameName sees it: two names are the same exactly when their folded forms are equal
// (ASCII letters of single-byte characters lowered, double-byte characters kept). For lookups.
std::string foldName(std::string_view name);

ProfileLine classifyLine(std::string text);
ProfileLine makeSectionLine(const std::string& name);
ProfileLine makeEntryLine(const std::string& key, const std::string& value);

// Splits raw bytes at LF; a CR before the LF (or at the very end) belongs to the line end.
std::vector<ProfileLine> splitLines(const std::string& bytes);
// Joins the lines with CRLF after every line.
std::string joinLines(const std::vector<ProfileLine>& lines);

}  // namespace rb::ini::detail
