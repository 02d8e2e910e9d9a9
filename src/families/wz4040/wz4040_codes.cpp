#include "families/wz4040/wz4040_codes.h"

#include "wire/codecs.h"
#include "wire/utf8.h"

namespace rb::families::wz4040 {

namespace {

constexpr std::size_t kFrequencyChars = 7;

struct CallType {
    std::uint8_t code;
    const char* text;
};
constexpr CallType kCallTypes[] = {
    {0x00, "无呼叫"},
    {0x01, "普通数据"},
    {0x02, "一级告警数据"},
    {0x03, "二级告警数据"},
    {0x04, "半双工普通语音"},
    {0x05, "半双工一级告警语音"},
    {0x06, "半双工二级告警语音"},
    {0x07, "半双工三级告警语音"},
    {0x81, "带回应普通数据"},
    {0x82, "带回应一级告警数据"},
    {0x83, "带回应二级告警数据"},
    {0x84, "双工普通语音"},
    {0x85, "双工一级告警语音"},
    {0x86, "双工二级告警语音"},
    {0x87, "双工三级告警语音"},
};

}  // namespace

bool frequencyAccepted(const std::string& text, int step) {
    if (text.find_first_not_of(" \t") == std::string::npos) return true;  // empty: code 0
    const auto v = wire::parseWhole(text);
    if (!v) return false;
    if (*v <= 0) return true;
    return text.size() == kFrequencyChars && step > 0 && *v % step == 0 && *v / step < 0xFFFF;
}

std::uint16_t channelCode(const std::string& text, int step) {
    const long long v = wire::parseLong(text);
    if (v <= 0 || step <= 0) return 0;
    return std::uint16_t(v / step);
}

void putPhoneNumber(wire::Bytes& out, const std::string& number) {
    // One place per typed character (a character that is no digit packs as the digit 0).
    const std::string digits = wire::digitPerCharacter(number, '0');
    const wire::Bytes packed = wire::packPhoneDigits(digits);
    out.push_back(std::uint8_t(packed.size() * 2));
    out.insert(out.end(), packed.begin(), packed.end());
    out.insert(out.end(), packed.size(), 0);
}

std::string callTypeText(std::uint8_t code) {
    for (const CallType& c : kCallTypes)
        if (c.code == code) return c.text;
    return {};
}

std::uint32_t identityOf(const std::string& text) {
    return std::uint32_t(wire::parseLong(text)) & 0xFFFFFF;
}

}  // namespace rb::families::wz4040
