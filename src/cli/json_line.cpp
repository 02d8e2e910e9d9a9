#include "cli/json_line.h"

#include <cstdio>

#include "wire/text_format.h"
#include "wire/utf8.h"

namespace rb::cli {

std::string JsonLine::quote(const std::string& raw) {
    // A line is always valid JSON: bytes that are no UTF-8 become U+FFFD.
    return wire::jsonQuoted(wire::validUtf8(raw));
}

std::string JsonLine::array(const std::vector<std::string>& jsonValues) {
    std::string out = "[";
    for (std::size_t i = 0; i < jsonValues.size(); ++i) {
        if (i) out += ",";
        out += jsonValues[i];
    }
    return out + "]";
}

void JsonLine::key(const std::string& k) {
    if (!body_.empty()) body_ += ",";
    body_ += quote(k) + ":";
}

JsonLine& JsonLine::str(const std::string& k, const std::string& value) {
    key(k);
    body_ += quote(value);
    return *this;
}

JsonLine& JsonLine::num(const std::string& k, long long value) {
    key(k);
    body_ += std::to_string(value);
    return *this;
}

JsonLine& JsonLine::boolean(const std::string& k, bool value) {
    key(k);
    body_ += value ? "true" : "false";
    return *this;
}

JsonLine& JsonLine::raw(const std::string& k, const std::string& json) {
    key(k);
    body_ += json;
    return *this;
}

}  // namespace rb::cli
