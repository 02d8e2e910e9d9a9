// JsonFields: a reader for the flat JSON objects of the unit records (no nesting of objects is
// needed; arrays nest). A text it cannot read leaves it not ok.
#include <charconv>

#include "units/json_text.h"

namespace rb::units {

namespace {

void skipSpace(std::string_view s, std::size_t& i) {
    while (i < s.size() && (s[i] == ' ' || s[i] == '\n' || s[i] == '\r' || s[i] == '\t')) ++i;
}

// Past one JSON value from `i`; false when the text ends first.
bool skipValue(std::string_view s, std::size_t& i) {
    int depth = 0;
    bool inString = false;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        if (inString) {
            if (c == '\\')
                ++i;
            else if (c == '"') {
                inString = false;
                if (depth == 0) return ++i, true;
            }
        } else if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            ++depth;
        } else if (c == ']' || c == '}') {
            if (depth == 0) return true;  // the end of the enclosing object
            if (--depth == 0) return ++i, true;
        } else if (depth == 0 && (c == ',' || c == ' ')) {
            return true;
        }
    }
    return depth == 0 && !inString;
}

std::string unescaped(std::string_view raw) {
    if (raw.size() < 2 || raw.front() != '"') return std::string(raw);
    std::string out;
    for (std::size_t i = 1; i + 1 < raw.size(); ++i) {
        if (raw[i] != '\\' || i + 2 >= raw.size()) {
            out += raw[i];
            continue;
        }
        const char e = raw[++i];
        out += e == 'n' ? '\n' : e == 't' ? '\t' : e == 'r' ? '\r' : e;
    }
    return out;
}

// The elements of an array text, each as written.
std::vector<std::string> elements(std::string_view raw) {
    std::vector<std::string> out;
    if (raw.size() < 2 || raw.front() != '[') return out;
    std::size_t i = 1;
    while (true) {
        skipSpace(raw, i);
        if (i >= raw.size() || raw[i] == ']') break;
        const std::size_t start = i;
        if (!skipValue(raw, i)) break;
        out.emplace_back(raw.substr(start, i - start));
        skipSpace(raw, i);
        if (i < raw.size() && raw[i] == ',') ++i;
    }
    return out;
}

}  // namespace

JsonFields::JsonFields(std::string_view s) {
    std::size_t i = 0;
    skipSpace(s, i);
    if (i >= s.size() || s[i] != '{') return;
    ++i;
    while (true) {
        skipSpace(s, i);
        if (i < s.size() && s[i] == '}') break;
        std::size_t start = i;
        if (i >= s.size() || s[i] != '"' || !skipValue(s, i)) return;
        std::string key = unescaped(s.substr(start, i - start));
        skipSpace(s, i);
        if (i >= s.size() || s[i] != ':') return;
        ++i;
        skipSpace(s, i);
        start = i;
        if (!skipValue(s, i) || i == start) return;
        fields_.emplace_back(std::move(key), std::string(s.substr(start, i - start)));
        skipSpace(s, i);
        if (i < s.size() && s[i] == ',')
            ++i;
        else if (i >= s.size() || s[i] != '}')
            return;
    }
    ok_ = true;
}

bool JsonFields::has(std::string_view key) const {
    for (const auto& [k, v] : fields_)
        if (k == key) return true;
    return false;
}

std::vector<std::string> JsonFields::keys() const {
    std::vector<std::string> out;
    for (const auto& f : fields_) out.push_back(f.first);
    return out;
}

std::string JsonFields::raw(std::string_view key) const {
    for (const auto& [k, v] : fields_)
        if (k == key) return v;
    return {};
}

std::string JsonFields::text(std::string_view key) const { return unescaped(raw(key)); }

std::optional<double> JsonFields::number(std::string_view key) const {
    const std::string r = raw(key);
    double v = 0;
    const auto [end, ec] = std::from_chars(r.data(), r.data() + r.size(), v);
    if (ec != std::errc() || end != r.data() + r.size() || r.empty()) return std::nullopt;
    return v;
}

std::vector<std::string> JsonFields::list(std::string_view key) const {
    std::vector<std::string> out;
    for (const auto& e : elements(raw(key))) out.push_back(unescaped(e));
    return out;
}

std::vector<std::vector<std::string>> JsonFields::arrays(std::string_view key) const {
    std::vector<std::vector<std::string>> out;
    for (const auto& e : elements(raw(key))) out.push_back(elements(e));
    return out;
}

}  // namespace rb::units
