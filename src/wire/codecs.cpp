// Number, frequency, byte-order, telephone and hop-map codecs (the GBK texts are in gbk.cpp).
#include "wire/codecs.h"

#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace rb::wire {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The C library's decimal parse, but saturating at [lo, hi] instead of overflowing.
long long parseSaturating(const std::string& text, long long lo, long long hi) {
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    long long v = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        const int d = text[i] - '0';
        // Accumulate towards the sign so that the lowest value itself is reachable.
        if (negative)
            v = v < (lo + d) / 10 ? lo : v * 10 - d;
        else
            v = v > (hi - d) / 10 ? hi : v * 10 + d;
    }
    return v;
}

}  // namespace

int parseInt(const std::string& text) { return int(parseSaturating(text, INT_MIN, INT_MAX)); }

long long parseLong(const std::string& text) { return parseSaturating(text, LLONG_MIN, LLONG_MAX); }

std::optional<long long> parseWhole(const std::string& text) {
    std::size_t i = 0;
    std::size_t end = text.size();
    while (i < end && isBlank(text[i])) ++i;
    while (end > i && isBlank(text[end - 1])) --end;
    const bool negative = i < end && text[i] == '-';
    if (negative) ++i;
    if (i == end || end - i > 18) return std::nullopt;  // 18 digits never overflow
    long long v = 0;
    for (; i < end; ++i) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        v = v * 10 + (text[i] - '0');
    }
    return negative ? -v : v;
}

std::uint32_t frequencyCode(const std::string& text, int step) {
    if (step <= 0) return 0;
    const long long v = parseLong(text);
    if (step == kStep6_25) {
        // Counted in tenths of the step; 7 typed digits stay far from any overflow, a longer
        // text saturates rather than wrapping.
        const long long tenths = v > LLONG_MAX / 10   ? LLONG_MAX
                                 : v < LLONG_MIN / 10 ? LLONG_MIN
                                                      : v * 10;
        return std::uint32_t(tenths / kStep6_25);
    }
    return std::uint32_t(v / step);
}

std::string frequencyText(std::uint32_t code, int step, bool allOnesReadsZero) {
    long long value = 0;
    if (step == kStep6_25) {
        if (allOnesReadsZero && code == 0xFFFFFF) return "0";
        value = (long long)code * kStep6_25 / 10;
    } else {
        if (allOnesReadsZero && code == 0xFFFF) return "0";
        value = (long long)code * step;
    }
    return std::to_string(value).substr(0, 7);
}

void putU16be(Bytes& out, std::uint32_t value) {
    out.push_back(std::uint8_t(value >> 8));
    out.push_back(std::uint8_t(value));
}

void putU16le(Bytes& out, std::uint32_t value) {
    out.push_back(std::uint8_t(value));
    out.push_back(std::uint8_t(value >> 8));
}

void putU24be(Bytes& out, std::uint32_t value) {
    out.push_back(std::uint8_t(value >> 16));
    out.push_back(std::uint8_t(value >> 8));
    out.push_back(std::uint8_t(value));
}

Bytes packPhoneDigits(const std::string& digits) {
    Bytes out;
    bool high = true;
    for (char c : digits) {
        const bool digit = c >= '1' && c <= '9';
        const std::uint8_t nibble = digit ? std::uint8_t(c - '0') : std::uint8_t(0xA);
        if (high)
            out.push_back(std::uint8_t(nibble << 4));
        else
            out.back() |= nibble;
        high = !high;
    }
    return out;  // an odd count leaves the last low nibble 0
}

std::string unpackPhoneDigits(ByteSpan packed) {
    std::string digits;
    for (std::uint8_t b : packed) {
        for (std::uint8_t nibble : {std::uint8_t(b >> 4), std::uint8_t(b & 0x0F)}) {
            if (nibble == 0) return digits;
            if (nibble == 0xA)
                digits += '0';
            else if (nibble <= 9)
                digits += char('0' + nibble);
        }
    }
    return digits;
}

namespace {

constexpr double kGpsScale = 10000000.0;

// The x 10 value of a direction or speed text as its 12 bits (truncated towards zero).
std::uint32_t tenths12(const std::string& text) {
    const double v = std::atof(text.c_str()) * 10.0;
    if (!std::isfinite(v) || v >= 2147483647.0 || v <= -2147483648.0) return 0;
    return std::uint32_t(std::int32_t(v)) & 0x0FFF;
}

std::string oneDecimal(unsigned tenths) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.1f", tenths / 10.0);
    return buf;
}

}  // namespace

std::optional<std::int32_t> gpsCoordinate(const std::string& text) {
    const double v = std::trunc(std::atof(text.c_str()) * kGpsScale);
    if (!std::isfinite(v) || v > 2147483647.0 || v < -2147483648.0) return std::nullopt;
    return std::int32_t(v);
}

double gpsDegrees(std::int32_t raw) { return raw / kGpsScale; }

std::string gpsDegreesText(std::int32_t raw) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.6f", gpsDegrees(raw));
    return buf;
}

void putGpsCourse(Bytes& out, const std::string& direction, const std::string& speed) {
    const std::uint32_t d = tenths12(direction);
    const std::uint32_t s = tenths12(speed);
    out.push_back(std::uint8_t(d >> 4));
    out.push_back(std::uint8_t((d & 0x0F) << 4 | s >> 8));
    out.push_back(std::uint8_t(s));
}

std::string gpsDirectionText(std::uint8_t b0, std::uint8_t b1) {
    return oneDecimal(unsigned(b0) << 4 | unsigned(b1) >> 4);
}

std::string gpsSpeedText(std::uint8_t b1, std::uint8_t b2) {
    return oneDecimal(unsigned(b1 & 0x0F) << 8 | b2);
}

std::uint8_t hopByte(int value) {
    if (value >= 0) return std::uint8_t(value);
    return std::uint8_t(0x80 | std::uint8_t(-(long long)value));
}

int hopValue(std::uint8_t byte) { return byte < 0x80 ? int(byte) : -int(byte - 0x80); }

std::string hopItem(std::uint8_t byte) {
    if (byte < 0x80) return std::to_string(byte) + ",";
    return "-" + std::to_string(byte - 0x80) + ",";
}

}  // namespace rb::wire
