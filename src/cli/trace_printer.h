// TracePrinter: the monitor window's trace, on a stream (--trace prints it on standard error).
// Texts are shown as the monitor shows them: the first text loses its leading line break, hex
// digits are upper case ("96 05 80 9A ..."), Chinese text is unchanged; "\r\n" becomes "\n".
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>

namespace rb::cli {

class TracePrinter {
public:
    explicit TracePrinter(std::ostream& out) : out_(out) {}

    // One text handed to AppendTrace.
    void append(std::uint8_t code, const std::string& text);
    // Ends a trace line left open, so that other output starts on a line of its own.
    void endLine();

    // The monitor's rendering of one text (without the first-text rule).
    static std::string render(const std::string& text);

private:
    std::ostream& out_;
    bool started_ = false;
    bool atLineStart_ = true;
};

}  // namespace rb::cli
