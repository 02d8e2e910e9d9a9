#include "families/common96/encryption_group.h"

#include "families/common96/number_checks.h"
#include "wire/codecs.h"

namespace rb::families::common96 {

namespace {
constexpr long long kMaxScheme = 15;
constexpr long long kMaxKeyParam = 65535;
}  // namespace

std::optional<std::string> encryptionRefusal(const engine::FormModel& form) {
    // Whole numbers only: "abc" is no scheme 0, and 70000 would not fit its two bytes.
    if (!numberIn(form.text(kSchemeEdit), 0, kMaxScheme)) return "加密方案设置错误,请设为0-15!";
    if (!numberIn(form.text(kKeyParamEdit), 0, kMaxKeyParam)) {
        return "密钥参数设置错误,请设为0-65535!";
    }
    if (wire::gbkLength(form.text(kKeyWordEdit)) > kKeyWordBytes) {
        return "密钥字设置错误,请设为0-12位!";
    }
    return std::nullopt;
}

wire::Bytes encryptionWriteRequest(const engine::FormModel& form) {
    const long long scheme = wire::parseLong(form.text(kSchemeEdit));
    const long long key = wire::parseLong(form.text(kKeyParamEdit));
    wire::Bytes payload{0x00, 0x01, std::uint8_t(scheme)};
    wire::putU16be(payload, std::uint32_t(key));
    wire::putGbkField(payload, key == 0 ? form.text(kKeyWordEdit) : std::string(), kKeyWordBytes);
    return wire::frame96(kEncryptWrite, payload);
}

wire::Bytes encryptionReadRequest(const engine::FormModel& form) {
    const int scheme = form.intValue(kSchemeEdit);
    return wire::frame96(kEncryptRead, {0x00, 0x01, std::uint8_t(scheme)});
}

EncryptionAnswer decodeEncryption(const wire::FrameView& f) {
    EncryptionAnswer a;
    if (f[6] > kMaxScheme) a.scheme = int(kMaxScheme);
    a.keyParam = f.u16be(7);
    if (a.keyParam == 0) a.keyWord = wire::gbkField(f, 9, kKeyWordBytes);
    return a;
}

}  // namespace rb::families::common96
