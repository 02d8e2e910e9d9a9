// Message boxes and file choosers, as the pages ask for them. The GUI shows real dialogs, the
// command line answers on the terminal, and tests script the answers and record every box.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace rb::engine {

enum class Icon { None, Information, Question, Warning, Error };
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };

struct MessageBox {
    std::string text;
    std::string caption;
    Icon icon = Icon::Information;
    Buttons buttons = Buttons::Ok;
    const void* owner = nullptr;  // the page or window that asks; null = no owner
};

struct FileChoice {
    bool save = false;             // save-as (with overwrite prompt) or open
    std::string defaultName;       // e.g. "LM52R"
    std::string defaultExtension;  // e.g. "ini", added to a chosen name without extension
    std::string filter;            // e.g. "配置文件(*.ini)|*.ini||"
    bool confirmOverwrite = true;  // save: ask before an existing file is chosen (not for a
                                   // file that is appended to)
};

// The application's title: the main window's caption, and the caption of the boxes the
// identity and frequency checks show.
inline constexpr const char* kAppTitle = "RadioBench";

// The filter every configuration file chooser uses.
inline constexpr const char* kIniFilter = "配置文件(*.ini)|*.ini||";

class Prompter {
public:
    virtual ~Prompter() = default;
    virtual Answer message(const MessageBox& box) = 0;
    // The chosen full path (with the default extension added), or nothing on Cancel.
    virtual std::optional<std::string> chooseFile(const FileChoice& choice) = 0;

    // Shorthands for the boxes the pages show.
    void info(const std::string& text, const std::string& caption = "提示",
              const void* owner = nullptr);
    bool confirm(const std::string& text, const std::string& caption, const void* owner = nullptr);
};

// Adds ".ext" to a path whose file name has no extension.
std::string withDefaultExtension(const std::string& path, const std::string& extension);

// A prompter for tests: records every box and file choice, answers from queues (OK and no file
// when a queue is empty).
class ScriptedPrompter : public Prompter {
public:
    Answer message(const MessageBox& box) override;
    std::optional<std::string> chooseFile(const FileChoice& choice) override;

    std::deque<Answer> answers;
    std::deque<std::optional<std::string>> files;
    std::vector<MessageBox> boxes;
    std::vector<FileChoice> fileChoices;

    // Texts of the boxes shown so far.
    std::vector<std::string> texts() const;
    std::string lastText() const { return boxes.empty() ? std::string() : boxes.back().text; }
};

}  // namespace rb::engine
