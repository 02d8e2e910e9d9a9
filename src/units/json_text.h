// The few JSON pieces the records need: an object built key by key, arrays of numbers, and
// string escaping (UTF-8 passes through; control characters become \uXXXX).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rb::units {

std::string jsonString(std::string_view text);
// The shortest text that reads back as the same double; null for NaN and infinities.
std::string jsonNumber(double value);

class JsonObject {
public:
    JsonObject& add(std::string_view key, std::int64_t value);
    JsonObject& add(std::string_view key, int value) { return add(key, std::int64_t(value)); }
    JsonObject& add(std::string_view key, double value);
    JsonObject& add(std::string_view key, std::optional<double> value);
    JsonObject& add(std::string_view key, std::string_view text);
    JsonObject& add(std::string_view key, const char* text) {
        return add(key, std::string_view(text));
    }
    JsonObject& add(std::string_view key, bool value);
    JsonObject& add(std::string_view key, const std::vector<int>& values);
    // A value that is JSON already (an array of arrays, an object).
    JsonObject& addRaw(std::string_view key, std::string_view json);
    std::string str() const { return "{" + body_ + "}"; }

private:
    void key(std::string_view k);
    std::string body_;
};

std::string jsonArray(const std::vector<int>& values);

// Reads back the flat objects the records hold: each key's value as its JSON text, strings
// unescaped on request, arrays of scalars and arrays of arrays as lists of texts.
class JsonFields {
public:
    explicit JsonFields(std::string_view json);
    bool ok() const { return ok_; }
    bool has(std::string_view key) const;
    std::vector<std::string> keys() const;
    // The value as written ("250", "\"read\"", "[1,2]"); "" when missing.
    std::string raw(std::string_view key) const;
    // A string's text, any other value as written.
    std::string text(std::string_view key) const;
    std::optional<double> number(std::string_view key) const;
    // [1,2,3] -> {"1","2","3"}; [[1,2],[3,4]] -> {{"1","2"},{"3","4"}}.
    std::vector<std::string> list(std::string_view key) const;
    std::vector<std::vector<std::string>> arrays(std::string_view key) const;

private:
    std::vector<std::pair<std::string, std::string>> fields_;
    bool ok_ = false;
};

}  // namespace rb::units
