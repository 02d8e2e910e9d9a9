// CliPrompter: the message boxes of the pages, on a terminal. Information boxes are printed on
// standard error ("提示: 1信道频率设置不正确!"); the write confirmation "确认写录数据?" is
// answered by --yes, or asked once on the terminal when standard input is one, and the answer
// holds for every page of the command. File choosers never open: the command line names its
// files itself.
//
// A script (`radiobench-cli run`) steers it further: `scriptAnswer` answers every following
// question as given, `chooseNext` makes the next file chooser return a path, and every box is
// kept in `log()` so the script can report the boxes a step showed.
#pragma once

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "engine/prompter.h"

namespace rb::cli {

class CliPrompter : public engine::Prompter {
public:
    // `in` is where a confirmation is read from when `interactive`; null never asks.
    CliPrompter(std::ostream& err, std::istream* in, bool assumeYes, bool interactive);

    engine::Answer message(const engine::MessageBox& box) override;
    std::optional<std::string> chooseFile(const engine::FileChoice& choice) override;

    // Information boxes shown so far, and the text of the latest.
    int shown() const { return shown_; }
    const std::string& lastText() const { return lastText_; }
    // The user (or the lack of --yes) refused a confirmation.
    bool declined() const { return declines_ > 0; }
    int declines() const { return declines_; }

    // Every box shown so far, questions included, in order.
    const std::vector<engine::MessageBox>& log() const { return log_; }
    // Questions from now on are answered yes (OK) or no (Cancel), each one afresh.
    void scriptAnswer(bool yes) { scripted_ = yes; }
    // The next file chooser returns `path` (with the chooser's default extension added to a
    // name without one, as the file dialog does); without it a chooser is cancelled.
    void chooseNext(std::string path) { nextFile_ = std::move(path); }
    void clearNextFile() { nextFile_.reset(); }

private:
    engine::Answer askConfirmation(const engine::MessageBox& box);

    std::ostream& err_;
    std::istream* in_;
    bool assumeYes_;
    bool interactive_;
    std::optional<engine::Answer> confirmed_;  // the first confirmation's answer, kept
    int declines_ = 0;
    int shown_ = 0;
    std::string lastText_;
    std::vector<engine::MessageBox> log_;
    std::optional<bool> scripted_;
    std::optional<std::string> nextFile_;
};

// True when standard input is a terminal a person can answer on.
bool stdinIsInteractive();

}  // namespace rb::cli
