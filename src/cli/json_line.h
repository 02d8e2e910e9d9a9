// JsonLine: one JSON object written as one line, fields in the order they are added. Strings
// are UTF-8 and escaped as JSON requires; nothing else is needed by the `run` command's output.
#pragma once

#include <string>
#include <vector>

namespace rb::cli {

class JsonLine {
public:
    JsonLine& str(const std::string& key, const std::string& value);
    JsonLine& num(const std::string& key, long long value);
    JsonLine& boolean(const std::string& key, bool value);
    // A value that is already JSON (an array or object built elsewhere).
    JsonLine& raw(const std::string& key, const std::string& json);
    std::string text() const { return "{" + body_ + "}"; }

    static std::string quote(const std::string& value);
    static std::string array(const std::vector<std::string>& jsonValues);

private:
    void key(const std::string& k);
    std::string body_;
};

}  // namespace rb::cli
