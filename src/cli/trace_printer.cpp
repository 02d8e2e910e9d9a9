#include "cli/trace_printer.h"

#include <ostream>

namespace rb::cli {

std::string TracePrinter::render(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        // Only ASCII letters change case; the bytes of UTF-8 Chinese text are all above 0x7F.
        out.push_back(c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c);
    }
    return out;
}

void TracePrinter::append(std::uint8_t /*code*/, const std::string& text) {
    std::string shown = text;
    if (!started_ && shown.size() > 2) shown.erase(0, 2);  // the monitor's first-text rule
    started_ = true;
    shown = render(shown);
    if (shown.empty()) return;
    out_ << shown << std::flush;
    atLineStart_ = shown.back() == '\n';
}

void TracePrinter::endLine() {
    if (!atLineStart_) out_ << '\n' << std::flush;
    atLineStart_ = true;
}

}  // namespace rb::cli
