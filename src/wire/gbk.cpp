// GBK (code page 936) texts through ICU's "windows-936-2000" converter, which maps the same
// characters as the Windows code page the terminals and existing INI files use.
#include <unicode/ucnv.h>
#include <unicode/ustring.h>
#include <unicode/utypes.h>

#include <algorithm>
#include <memory>
#include <stdexcept>

#include "wire/codecs.h"

namespace rb::wire {

namespace {

struct ConverterCloser {
    void operator()(UConverter* c) const { ucnv_close(c); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

// One converter a thread: ucnv_fromUChars / ucnv_toUChars reset it on every call.
UConverter* gbkConverter() {
    thread_local Converter conv = [] {
        UErrorCode err = U_ZERO_ERROR;
        Converter c(ucnv_open("windows-936-2000", &err));
        if (U_FAILURE(err) || !c) throw std::runtime_error("GBK converter unavailable");
        err = U_ZERO_ERROR;
        ucnv_setSubstChars(c.get(), "?", 1, &err);  // characters GBK cannot hold
        return c;
    }();
    return conv.get();
}

std::u16string utf8ToUtf16(const std::string& utf8) {
    UErrorCode err = U_ZERO_ERROR;
    int32_t len = 0;
    u_strFromUTF8WithSub(nullptr, 0, &len, utf8.data(), int32_t(utf8.size()), 0xFFFD, nullptr,
                         &err);
    std::u16string out(std::size_t(len), u'\0');
    err = U_ZERO_ERROR;
    u_strFromUTF8WithSub(reinterpret_cast<UChar*>(out.data()), len, &len, utf8.data(),
                         int32_t(utf8.size()), 0xFFFD, nullptr, &err);
    return U_FAILURE(err) ? std::u16string() : out;
}

std::string utf16ToUtf8(const std::u16string& utf16) {
    UErrorCode err = U_ZERO_ERROR;
    int32_t len = 0;
    const UChar* src = reinterpret_cast<const UChar*>(utf16.data());
    u_strToUTF8WithSub(nullptr, 0, &len, src, int32_t(utf16.size()), 0xFFFD, nullptr, &err);
    std::string out(std::size_t(len), '\0');
    err = U_ZERO_ERROR;
    u_strToUTF8WithSub(out.data(), len, &len, src, int32_t(utf16.size()), 0xFFFD, nullptr, &err);
    return U_FAILURE(err) ? std::string() : out;
}

// A GBK lead byte starts a two-byte character.
bool isGbkLeadByte(std::uint8_t b) { return b >= 0x81 && b <= 0xFE; }

}  // namespace

std::string utf8ToGbk(const std::string& utf8) {
    if (utf8.empty()) return {};
    const std::u16string u = utf8ToUtf16(utf8);
    UConverter* conv = gbkConverter();
    const UChar* src = reinterpret_cast<const UChar*>(u.data());
    UErrorCode err = U_ZERO_ERROR;
    const int32_t len = ucnv_fromUChars(conv, nullptr, 0, src, int32_t(u.size()), &err);
    std::string out(std::size_t(len), '\0');
    err = U_ZERO_ERROR;
    ucnv_fromUChars(conv, out.data(), len, src, int32_t(u.size()), &err);
    return U_FAILURE(err) ? std::string() : out;
}

std::string gbkToUtf8(const std::string& gbk) {
    if (gbk.empty()) return {};
    UConverter* conv = gbkConverter();
    UErrorCode err = U_ZERO_ERROR;
    const int32_t len = ucnv_toUChars(conv, nullptr, 0, gbk.data(), int32_t(gbk.size()), &err);
    std::u16string u(std::size_t(len), u'\0');
    err = U_ZERO_ERROR;
    ucnv_toUChars(conv, reinterpret_cast<UChar*>(u.data()), len, gbk.data(), int32_t(gbk.size()),
                  &err);
    return U_FAILURE(err) ? std::string() : utf16ToUtf8(u);
}

std::size_t gbkLength(const std::string& utf8) { return utf8ToGbk(utf8).size(); }

bool gbkEncodable(const std::string& utf8) {
    // A character without a code comes back from the round trip as '?' (or as the character a
    // fallback mapping chose): only an exact round trip is sent as typed.
    return gbkToUtf8(utf8ToGbk(utf8)) == utf8;
}

void putGbkField(Bytes& out, const std::string& utf8, std::size_t width) {
    const std::string gbk = utf8ToGbk(utf8);
    std::size_t used = 0;
    while (used < gbk.size()) {
        const std::size_t charLen = isGbkLeadByte(std::uint8_t(gbk[used])) ? 2 : 1;
        if (used + charLen > width) break;  // never half a character
        used += charLen;
    }
    used = std::min(used, gbk.size());
    out.insert(out.end(), gbk.begin(), gbk.begin() + std::ptrdiff_t(used));
    out.insert(out.end(), width - used, 0);
}

std::string gbkField(ByteSpan field) {
    std::size_t n = 0;
    while (n < field.size() && field[n] != 0) ++n;
    return gbkToUtf8(std::string(reinterpret_cast<const char*>(field.data()), n));
}

std::string gbkField(const FrameView& frame, std::size_t first, std::size_t width) {
    Bytes bytes;
    bytes.reserve(width);
    for (std::size_t k = first; k < first + width; ++k) bytes.push_back(frame[k]);
    return gbkField(bytes);
}

}  // namespace rb::wire
