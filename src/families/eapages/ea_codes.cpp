#include "families/eapages/ea_codes.h"

#include <cstdio>

namespace rb::families::eapages {

wire::Bytes clockBytes(const std::string& text) {
    int y = 2000, mo = 1, d = 1, h = 0, mi = 0, s = 0;
    std::sscanf(text.c_str(), "%d-%d-%d %d:%d:%d", &y, &mo, &d, &h, &mi, &s);
    return {std::uint8_t(y - 2000), std::uint8_t(mo), std::uint8_t(d),
            std::uint8_t(h),        std::uint8_t(mi), std::uint8_t(s)};
}

std::string alarmPhoneText(const wire::EaPayload& p, std::size_t first, std::size_t bytes,
                           ZeroNibble zero, std::size_t count) {
    static const char* kDigits = "0123456789ABCDEF";
    const bool ends = zero == ZeroNibble::Ends;
    std::string text;
    for (std::size_t i = 0; i < bytes; ++i) {
        const std::uint8_t b = p[first + i];
        const std::uint8_t hi = b >> 4, lo = b & 0x0F;
        if (hi == 0) {
            if (ends) break;
            continue;
        }
        text += kDigits[hi];
        if (lo == 0) {
            if (ends) break;
            continue;
        }
        text += kDigits[lo];
    }
    for (char& c : text)
        if (c == 'A') c = '0';
    return text.substr(0, count);
}

}  // namespace rb::families::eapages
