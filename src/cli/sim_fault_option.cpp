#include "cli/sim_fault_option.h"

#include <charconv>
#include <sstream>

#include "wire/frame.h"

namespace rb::cli {

namespace {

constexpr std::uint8_t kUnsolicitedCode = 0xF5;

bool number(const std::string& text, long long& out) {
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, out);
    return ec == std::errc() && ptr == end && out >= 0;
}

// A command code in hexadecimal, "0x16" or "16".
bool commandCode(std::string text, std::uint8_t& out) {
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) text.erase(0, 2);
    if (text.empty() || text.size() > 2) return false;
    unsigned value = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value, 16);
    if (ec != std::errc() || ptr != end || value == 0) return false;
    out = std::uint8_t(value);
    return true;
}

// "N:HEX": after answer N the frame HEX (as given, not sealed).
bool strayFrame(const std::string& value, sim::Faults& out) {
    const auto colon = value.find(':');
    long long n = 0;
    if (colon == std::string::npos || !number(value.substr(0, colon), n) || n < 1) return false;
    wire::Bytes frame;
    std::string error;
    if (!wire::parseHex(value.substr(colon + 1), frame, error) || frame.empty()) return false;
    out.strayAfter = int(n);
    out.stray = std::move(frame);
    return true;
}

}  // namespace

bool parseSimFaults(const std::string& text, sim::Faults& out, std::string& error) {
    std::stringstream words(text);
    std::string word;
    while (std::getline(words, word, ',')) {
        if (word.empty()) continue;
        const auto eq = word.find('=');
        const std::string name = word.substr(0, eq);
        const std::string value = eq == std::string::npos ? "" : word.substr(eq + 1);
        long long n = 0;
        const bool hasNumber = eq != std::string::npos && number(value, n);
        if (name == "silent" && eq == std::string::npos) {
            out.silent = true;
        } else if (name == "corrupt" && eq == std::string::npos) {
            out.corruptChecksum = true;
        } else if (name == "drop" && hasNumber && n > 0) {
            out.dropNth = int(n);
        } else if (name == "delay" && hasNumber) {
            out.delay = sim::Micros(n * 1000);
        } else if (name == "pace" && (eq == std::string::npos || (hasNumber && n > 0))) {
            out.pace = true;
            out.paceBaud = int(n);
        } else if (name == "split" && hasNumber && n > 0) {
            // Pieces of n bytes 2 ms apart: well inside the reader's 10 ms a byte.
            out.splitSize = std::size_t(n);
            out.splitGap = sim::Micros(2000);
        } else if (name == "garbage" && eq == std::string::npos) {
            out.garbage = {0x00, 0x55, 0xAA, 0x13};  // line noise: none of them a lead byte
        } else if (name == "unsolicited" && eq == std::string::npos) {
            // A frame of a code no page knows, now and then, as a terminal's own chatter.
            out.unsolicited = wire::frame96(kUnsolicitedCode, {0x00, 0x01});
            out.unsolicitedAt = sim::Micros(100'000);
            out.unsolicitedEvery = sim::Micros(250'000);
        } else if (name == "lose" && hasNumber && n > 0) {
            out.vanishAfter = int(n);
        } else if (name == "ignore" && commandCode(value, out.keepOldFor)) {
            // acknowledged, never stored
        } else if (name == "stray" && strayFrame(value, out)) {
            // a stray frame after answer N
        } else {
            error = "--sim-faults: cannot use '" + word + "' (" + kSimFaultWords + ")";
            return false;
        }
    }
    return true;
}

}  // namespace rb::cli
