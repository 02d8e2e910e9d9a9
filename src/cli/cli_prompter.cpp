#include "cli/cli_prompter.h"

#include <unistd.h>

#include <istream>
#include <ostream>

namespace rb::cli {

using engine::Answer;
using engine::Buttons;

CliPrompter::CliPrompter(std::ostream& err, std::istream* in, bool assumeYes, bool interactive)
    : err_(err), in_(in), assumeYes_(assumeYes), interactive_(interactive) {}

Answer CliPrompter::message(const engine::MessageBox& box) {
    log_.push_back(box);
    Answer answer = Answer::Ok;
    if (box.buttons == Buttons::Ok) {
        ++shown_;
        lastText_ = box.text;
        err_ << (box.caption.empty() ? std::string("提示") : box.caption) << ": " << box.text
             << '\n';
    } else {
        answer = askConfirmation(box);
    }
    return answer;
}

Answer CliPrompter::askConfirmation(const engine::MessageBox& box) {
    const bool yesNo = box.buttons == Buttons::YesNo || box.buttons == Buttons::YesNoCancel;
    const Answer yes = yesNo ? Answer::Yes : Answer::Ok;
    const Answer no = yesNo ? Answer::No : Answer::Cancel;
    if (scripted_) {
        err_ << box.text << (*scripted_ ? " -- yes" : " -- no") << '\n';
        if (!*scripted_) ++declines_;
        return *scripted_ ? yes : no;
    }
    if (assumeYes_) return yes;
    // One command asks once: a write through two pages is one decision.
    if (confirmed_) {
        if (*confirmed_ != Answer::Ok) ++declines_;
        return *confirmed_ == Answer::Ok ? yes : no;
    }

    Answer decided = Answer::Cancel;
    if (interactive_ && in_) {
        err_ << box.text << " [y/N] " << std::flush;
        std::string line;
        if (std::getline(*in_, line)) {
            const auto first = line.find_first_not_of(" \t");
            const std::string word = first == std::string::npos ? "" : line.substr(first);
            if (word.rfind("y", 0) == 0 || word.rfind("Y", 0) == 0 || word.rfind("是", 0) == 0) {
                decided = Answer::Ok;
            }
        }
    } else {
        err_ << box.text << " -- not confirmed: give --yes to confirm without a terminal\n";
    }
    confirmed_ = decided;
    if (decided != Answer::Ok) ++declines_;
    return decided == Answer::Ok ? yes : no;
}

std::optional<std::string> CliPrompter::chooseFile(const engine::FileChoice& choice) {
    if (!nextFile_) return std::nullopt;
    std::string path = engine::withDefaultExtension(*nextFile_, choice.defaultExtension);
    nextFile_.reset();
    return path;
}

bool stdinIsInteractive() { return ::isatty(STDIN_FILENO) == 1; }

}  // namespace rb::cli
