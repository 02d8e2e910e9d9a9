#include "cli/json_line.h"

#include <cstdio>

#include "wire/utf8.h"

namespace rb::cli {

std::string JsonLine::quote(const std::string& raw) {
    // A line is always valid JSON: bytes that are no UTF-8 become U+FFFD.
    const std::string value = wire::validUtf8(raw);
    std::string out = "\"";
    for (const char ch : value) {
        const auto c = static_cast<unsigned char>(ch);
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (c < 0x20 || c == 0x7F) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", c);
                    out += buf;
                } else {
                    out += ch;  // UTF-8 bytes pass as they are
                }
        }
    }
    return out + "\"";
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
