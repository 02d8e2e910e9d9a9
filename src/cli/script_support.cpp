#include "cli/script_support.h"

#include <utility>

namespace rb::cli::script {

void fail(std::string text) { throw ScriptError{std::move(text)}; }

// A whole decimal number, optionally negative; nothing else.
std::optional<long long> strictNumber(const std::string& text) {
    if (text.empty() || text.size() > 18) return std::nullopt;
    std::size_t i = text[0] == '-' ? 1 : 0;
    if (i == text.size()) return std::nullopt;
    long long v = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        v = v * 10 + (text[i] - '0');
    }
    return text[0] == '-' ? -v : v;
}

const char* kindName(engine::ControlKind kind) {
    switch (kind) {
        case engine::ControlKind::Button:
            return "button";
        case engine::ControlKind::CheckBox:
            return "check";
        case engine::ControlKind::Radio:
            return "radio";
        case engine::ControlKind::Edit:
            return "edit";
        case engine::ControlKind::Spin:
            return "spin";
        case engine::ControlKind::Combo:
            return "combo";
        case engine::ControlKind::ListBox:
            return "list";
        case engine::ControlKind::Static:
            return "static";
        case engine::ControlKind::MultiEdit:
            return "multiline";
        case engine::ControlKind::Progress:
            return "progress";
        case engine::ControlKind::Slider:
            return "trackbar";
    }
    return "static";
}

const char* iconName(engine::Icon icon) {
    switch (icon) {
        case engine::Icon::Information:
            return "information";
        case engine::Icon::Question:
            return "question";
        case engine::Icon::Warning:
        case engine::Icon::Error:
            return "warning";
        case engine::Icon::None:
            return "none";
    }
    return "none";
}

void expectWords(const std::vector<std::string>& w, std::size_t n, const char* usage) {
    if (w.size() != n) fail(std::string("usage: ") + usage);
}

}  // namespace rb::cli::script
