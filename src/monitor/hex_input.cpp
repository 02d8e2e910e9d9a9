#include "monitor/hex_input.h"

namespace rb::monitor {

int ParseHexPair(const std::string& text, engine::Prompter& prompter) {
    for (char c : text) {
        if ((c >= 'G' && c <= 'Z') || (c >= 'g' && c <= 'z')) {
            prompter.message(engine::MessageBox{kBadHexText, kBadHexCaption, engine::Icon::Warning,
                                                engine::Buttons::Ok, nullptr});
            return -1;
        }
    }
    int value = 0;
    for (char c : text) {
        int digit = 0;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        } else if (c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else {
            return 0;  // a space or punctuation spoils the whole pair
        }
        value = value * 16 + digit;
    }
    return value;
}

std::string trimBlanks(const std::string& text) {
    const char* blanks = " \t\r\n";
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

wire::Bytes pairsToBytes(const std::string& trimmed, engine::Prompter& prompter) {
    const std::string text = trimmed + " ";
    wire::Bytes bytes;
    // Every pair is looked at (and warns) even when the last one falls outside the byte count.
    for (std::size_t p = 0; p < text.size(); p += 3) {
        bytes.push_back(std::uint8_t(ParseHexPair(text.substr(p, 2), prompter) & 0xFF));
    }
    bytes.resize(text.size() / 3);
    return bytes;
}

}  // namespace rb::monitor
