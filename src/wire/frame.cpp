#include "wire/frame.h"

#include <cctype>
#include <cstdio>
#include <stdexcept>

namespace rb::wire {

namespace {

constexpr std::size_t kHeaderSize = 4;    // lead, two length bytes (0x96: length, 0x80), code
constexpr std::size_t kMax96Count = 255;  // N = n - 2 lives in one byte

std::string hexByte(std::uint8_t b) {
    char buf[3];
    std::snprintf(buf, sizeof buf, "%02X", b);
    return buf;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Payload length L of an 0xEA/0xEC header (little-endian bytes 1-2).
std::size_t eaLength(ByteSpan frame) { return std::size_t(frame[1]) | std::size_t(frame[2]) << 8; }

}  // namespace

bool isLeadByte(std::uint8_t b) { return b == kLead96 || b == kLeadEA || b == kLeadEC; }

std::uint8_t xorChecksum(ByteSpan bytes) {
    std::uint8_t c = 0;
    for (std::uint8_t b : bytes) c ^= b;
    return c;
}

std::uint8_t sumChecksum(ByteSpan bytes) {
    unsigned sum = 0;
    for (std::uint8_t b : bytes) sum += b;
    return std::uint8_t(sum);
}

Bytes frame96(std::uint8_t code, ByteSpan payload) {
    const std::size_t n = payload.size() + 5;
    if (n - 2 > kMax96Count) throw std::length_error("0x96 frame payload too long");
    Bytes f;
    f.reserve(n);
    f.push_back(kLead96);
    f.push_back(std::uint8_t(n - 2));
    f.push_back(kRequestMarker);
    f.push_back(code);
    f.insert(f.end(), payload.begin(), payload.end());
    f.push_back(0);
    sealFrame(f);
    return f;
}

Bytes frame96(std::uint8_t code, std::initializer_list<std::uint8_t> payload) {
    return frame96(code, ByteSpan(payload.begin(), payload.size()));
}

Bytes frameEA(std::uint8_t code, ByteSpan payload) {
    const std::size_t len = payload.size();
    if (len > kMaxEaRequestPayload) throw std::length_error("0xEA frame payload too long");
    Bytes f;
    f.reserve(len + 5);
    f.push_back(kLeadEA);
    f.push_back(std::uint8_t(len & 0xFF));
    f.push_back(std::uint8_t(len >> 8));
    f.push_back(code);
    f.insert(f.end(), payload.begin(), payload.end());
    f.push_back(0);
    sealFrame(f);  // requests always carry the checksum, command 0x55 included
    return f;
}

Bytes frameEA(std::uint8_t code, std::initializer_list<std::uint8_t> payload) {
    return frameEA(code, ByteSpan(payload.begin(), payload.size()));
}

std::uint8_t expectedChecksum(ByteSpan frame) {
    if (frame.size() < 2) return 0;
    const std::size_t n = frame.size();
    if (frame[0] == kLead96) return xorChecksum(frame.first(n - 1));
    if (frame[0] == kLeadEA || frame[0] == kLeadEC) return sumChecksum(frame.subspan(1, n - 2));
    return 0;
}

void sealFrame(Bytes& frame) {
    if (frame.size() <= kHeaderSize || !isLeadByte(frame[0])) return;
    frame.back() = expectedChecksum(frame);
}

bool completeFrame(ByteSpan withoutChecksum, Bytes& out, std::string& error) {
    const ByteSpan f = withoutChecksum;
    if (f.empty()) {
        error = "no bytes given";
        return false;
    }
    if (!isLeadByte(f[0])) {
        error = "unknown lead byte " + hexByte(f[0]) + " (expected 96, EA or EC)";
        return false;
    }
    if (f.size() < kHeaderSize) {
        error = "a frame needs at least 4 bytes before its checksum";
        return false;
    }
    const std::size_t n = f.size() + 1;
    if (f[0] == kLead96) {
        if (n - 2 > kMax96Count) {
            error = std::to_string(f.size()) + " bytes are too many for a 0x96 frame";
            return false;
        }
        if (f[1] != n - 2) {
            error = "length byte " + hexByte(f[1]) + " does not match " + std::to_string(f.size()) +
                    " bytes (expected " + hexByte(std::uint8_t(n - 2)) + ")";
            return false;
        }
    } else if (eaLength(f) != n - 5) {
        error = "length field " + std::to_string(eaLength(f)) + " does not match " +
                std::to_string(f.size()) + " bytes (expected " + std::to_string(n - 5) + ")";
        return false;
    }
    out.assign(f.begin(), f.end());
    out.push_back(0);
    sealFrame(out);
    return true;
}

FrameCheck checkFrame(ByteSpan frame) {
    FrameCheck r;
    const ByteSpan f = frame;
    if (f.empty()) {
        r.usage = true;
        r.message = "no bytes given";
        return r;
    }
    if (!isLeadByte(f[0])) {
        r.usage = true;
        r.message = "unknown lead byte " + hexByte(f[0]) + " (expected 96, EA or EC)";
        return r;
    }
    if (f.size() <= kHeaderSize) {
        r.usage = true;
        r.message = "a whole frame has at least 5 bytes";
        return r;
    }
    const std::size_t n = f.size();
    if (f[0] == kLead96) {
        if (f[1] != n - 2) {
            r.usage = true;
            r.message =
                "length byte " + hexByte(f[1]) + " does not match " + std::to_string(n) + " bytes";
            return r;
        }
    } else {
        const std::size_t len = eaLength(f);
        // An answer with command 0x55 comes without its checksum byte (n = L + 4).
        if (f[3] == kNoChecksumCode && len == n - 4) {
            r.ok = true;
            r.message = "command 55 frame without checksum byte";
            return r;
        }
        if (len != n - 5) {
            r.usage = true;
            r.message = "length field " + std::to_string(len) + " does not match " +
                        std::to_string(n) + " bytes";
            return r;
        }
    }
    r.expected = expectedChecksum(f);
    r.ok = f[n - 1] == r.expected;
    r.message =
        r.ok ? "checksum " + hexByte(r.expected) + " ok"
             : "checksum " + hexByte(f[n - 1]) + " is wrong, expected " + hexByte(r.expected);
    return r;
}

std::string toHex(ByteSpan bytes) {
    std::string s;
    s.reserve(bytes.size() * 3);
    for (std::uint8_t b : bytes) {
        if (!s.empty()) s += ' ';
        s += hexByte(b);
    }
    return s;
}

bool parseHex(const std::string& text, Bytes& out, std::string& error) {
    Bytes bytes;
    std::size_t i = 0;
    while (i < text.size()) {
        if (std::isspace(static_cast<unsigned char>(text[i]))) {
            ++i;
            continue;
        }
        // One blank-separated group: hex digits, read two at a time.
        const std::size_t start = i;
        while (i < text.size() && !std::isspace(static_cast<unsigned char>(text[i]))) ++i;
        const std::string group = text.substr(start, i - start);
        for (char c : group) {
            if (hexDigit(c) < 0) {
                error = "'" + group + "' is not hexadecimal";
                return false;
            }
        }
        if (group.size() % 2 != 0) {
            error = "'" + group + "' has an odd number of hex digits";
            return false;
        }
        for (std::size_t k = 0; k < group.size(); k += 2)
            bytes.push_back(std::uint8_t(hexDigit(group[k]) << 4 | hexDigit(group[k + 1])));
    }
    out = std::move(bytes);
    return true;
}

}  // namespace rb::wire
