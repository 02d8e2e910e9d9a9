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

}  // namespace rb::units
