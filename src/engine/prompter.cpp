#include "engine/prompter.h"

namespace rb::engine {

void Prompter::info(const std::string& text, const std::string& caption, const void* owner) {
    message(MessageBox{text, caption, Icon::Information, Buttons::Ok, owner});
}

bool Prompter::confirm(const std::string& text, const std::string& caption, const void* owner) {
    return message(MessageBox{text, caption, Icon::Question, Buttons::OkCancel, owner}) ==
           Answer::Ok;
}

std::string withDefaultExtension(const std::string& path, const std::string& extension) {
    if (extension.empty() || path.empty()) return path;
    const auto slash = path.find_last_of("/\\");
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (name.find('.') != std::string::npos) return path;
    return path + "." + extension;
}

Answer ScriptedPrompter::message(const MessageBox& box) {
    boxes.push_back(box);
    if (answers.empty()) return box.buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
    Answer a = answers.front();
    answers.pop_front();
    return a;
}

std::optional<std::string> ScriptedPrompter::chooseFile(const FileChoice& choice) {
    fileChoices.push_back(choice);
    if (files.empty()) return std::nullopt;
    auto f = files.front();
    files.pop_front();
    if (f) return withDefaultExtension(*f, choice.defaultExtension);
    return f;
}

std::vector<std::string> ScriptedPrompter::texts() const {
    std::vector<std::string> out;
    for (const auto& b : boxes) out.push_back(b.text);
    return out;
}

}  // namespace rb::engine
