// The `run` script's line splitter on arbitrary text: words or one error, never both, and a
// word list that quotes back into the same words.
#include <cstddef>
#include <cstdint>
#include <string>

#include "cli/script_words.h"

namespace {
std::string quoted(const std::string& word) {
    std::string out = "\"";
    for (char c : word) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out + "\"";
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string line(reinterpret_cast<const char*>(data), size);
    const auto split = rb::cli::splitScriptLine(line);
    if (!split.ok() && !split.words.empty()) __builtin_trap();
    if (!split.ok() || split.words.empty()) return 0;
    // Words hold no line break of their own when they come from one line; quote them back.
    std::string again;
    for (const auto& w : split.words) {
        if (w.find('\n') != std::string::npos || w.find('\r') != std::string::npos) return 0;
        again += quoted(w) + " ";
    }
    if (rb::cli::splitScriptLine(again).words != split.words) __builtin_trap();
    return 0;
}
