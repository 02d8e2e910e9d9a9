#include "wire/utf8.h"

namespace rb::wire {

namespace {

bool continuation(unsigned char c) { return isUtf8Continuation(c); }

}  // namespace

std::size_t utf8CharLength(const std::string& s, std::size_t at) {
    if (at >= s.size()) return 0;
    const auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[at + k]); };
    const unsigned char c = b(0);
    if (c < 0x80) return 1;
    std::size_t n = 0;
    if (c >= 0xC2 && c <= 0xDF)
        n = 2;
    else if (c >= 0xE0 && c <= 0xEF)
        n = 3;
    else if (c >= 0xF0 && c <= 0xF4)
        n = 4;
    else
        return 0;
    if (at + n > s.size()) return 0;
    for (std::size_t k = 1; k < n; ++k)
        if (!continuation(b(k))) return 0;
    // Overlong forms, UTF-16 surrogates and code points above U+10FFFF.
    if (c == 0xE0 && b(1) < 0xA0) return 0;
    if (c == 0xED && b(1) >= 0xA0) return 0;
    if (c == 0xF0 && b(1) < 0x90) return 0;
    if (c == 0xF4 && b(1) >= 0x90) return 0;
    return n;
}

std::string validUtf8(const std::string& s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = utf8CharLength(s, i);
        if (n == 0) {
            out += "\xEF\xBF\xBD";
            ++i;
        } else {
            out.append(s, i, n);
            i += n;
        }
    }
    return out;
}

std::string clipUtf8(const std::string& s, std::size_t maxChars) {
    std::size_t i = 0;
    for (std::size_t chars = 0; i < s.size() && chars < maxChars; ++chars) {
        const std::size_t n = utf8CharLength(s, i);
        i += n == 0 ? 1 : n;
    }
    if (i >= s.size()) return s;
    return s.substr(0, i) + "…";
}

std::size_t utf8CharCount(const std::string& s) {
    std::size_t n = 0;
    for (unsigned char c : s)
        if (!continuation(c)) ++n;
    return n;
}

std::size_t utf8CutPoint(const std::string& s, std::size_t maxBytes) {
    if (s.size() <= maxBytes) return s.size();
    std::size_t n = maxBytes;
    while (n > 0 && continuation(static_cast<unsigned char>(s[n]))) --n;
    return n;
}

std::string digitPerCharacter(const std::string& s, char otherwise) {
    std::string out;
    for (unsigned char c : s) {
        if (continuation(c)) continue;
        out += c >= '0' && c <= '9' ? char(c) : otherwise;
    }
    return out;
}

}  // namespace rb::wire
