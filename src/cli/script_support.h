// What the script runner's files share: the script error, strict numbers, and the names a JSON
// line gives control kinds and box icons.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "engine/form_model.h"
#include "engine/prompter.h"
#include "engine/timers.h"

namespace rb::cli::script {

// The most characters of a script line a JSON line echoes back.
inline constexpr std::size_t kEchoChars = 200;
// The caption of a plan's `prompt` box.
inline constexpr const char* kPromptCaption = "操作提示";

// Timers of the runner itself.
inline constexpr int kWaitTimer = 1;
inline constexpr int kPollTimer = 2;
inline constexpr engine::Millis kPollPeriod{10};
// The longest button lock a page runs (a write: 3000 ms), with room to spare.
inline constexpr engine::Millis kLongestButtonLock{4000};
inline constexpr long long kLongestWait = 24LL * 3600 * 1000;

// A script error of the line being carried out (exit status 2).
struct ScriptError {
    std::string text;
};
[[noreturn]] void fail(std::string text);

// A whole decimal number, optionally negative; nothing else.
std::optional<long long> strictNumber(const std::string& text);
const char* kindName(engine::ControlKind kind);
const char* iconName(engine::Icon icon);
// A command with exactly `n` words, or a script error showing its usage.
void expectWords(const std::vector<std::string>& w, std::size_t n, const char* usage);

}  // namespace rb::cli::script
