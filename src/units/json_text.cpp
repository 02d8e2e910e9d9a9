#include "units/json_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "wire/text_format.h"

namespace rb::units {

std::string jsonString(std::string_view text) { return wire::jsonQuoted(text); }

std::string jsonNumber(double value) {
    if (!std::isfinite(value)) return "null";
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, r.ptr);
}

std::string jsonArray(const std::vector<int>& values) {
    std::string out = "[";
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i) out += ',';
        out += std::to_string(values[i]);
    }
    return out + "]";
}

void JsonObject::key(std::string_view k) {
    if (!body_.empty()) body_ += ',';
    body_ += jsonString(k);
    body_ += ':';
}

JsonObject& JsonObject::add(std::string_view k, std::int64_t value) {
    key(k);
    body_ += std::to_string(value);
    return *this;
}

JsonObject& JsonObject::add(std::string_view k, double value) {
    key(k);
    body_ += jsonNumber(value);
    return *this;
}

JsonObject& JsonObject::add(std::string_view k, std::optional<double> value) {
    key(k);
    body_ += value ? jsonNumber(*value) : "null";
    return *this;
}

JsonObject& JsonObject::add(std::string_view k, std::string_view text) {
    key(k);
    body_ += jsonString(text);
    return *this;
}

JsonObject& JsonObject::add(std::string_view k, bool value) {
    key(k);
    body_ += value ? "true" : "false";
    return *this;
}

JsonObject& JsonObject::add(std::string_view k, const std::vector<int>& values) {
    key(k);
    body_ += jsonArray(values);
    return *this;
}

JsonObject& JsonObject::addRaw(std::string_view k, std::string_view json) {
    key(k);
    body_ += json;
    return *this;
}

}  // namespace rb::units
