#include "families/protest/data_quality.h"

#include <cstdio>

namespace rb::families::protest {

std::optional<double> errorRate(wire::ByteSpan expected, wire::ByteSpan received) {
    if (expected.empty()) return std::nullopt;
    std::size_t matches = 0;
    for (std::size_t k = 0; k < expected.size(); ++k) {
        const std::uint8_t got = k < received.size() ? received[k] : 0;
        if (got == expected[k]) ++matches;
    }
    return double(expected.size() - matches) / double(expected.size());
}

std::string rateText(double rate) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%7.3f%%", rate * 100.0);
    return buf;
}

namespace {

bool beyondF(char c) { return (c >= 'G' && c <= 'Z') || (c >= 'g' && c <= 'z'); }

int digit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

}  // namespace

int ParseHexByte(char high, char low) {
    if (beyondF(high) || beyondF(low)) return -1;
    const int h = digit(high), l = digit(low);
    if (h < 0 || l < 0) return 0;  // "A!" is a byte 0x00, not an error
    return h * 16 + l;
}

std::optional<wire::Bytes> parseHexText(const std::string& text) {
    wire::Bytes out;
    for (std::size_t i = 0; i + 2 <= text.size(); i += 3) {
        const int b = ParseHexByte(text[i], text[i + 1]);
        if (b < 0) return std::nullopt;
        out.push_back(std::uint8_t(b));
    }
    return out;
}

}  // namespace rb::families::protest
