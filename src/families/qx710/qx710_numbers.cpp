#include "families/qx710/qx710_numbers.h"

#include "wire/codecs.h"
#include "wire/utf8.h"

namespace rb::families::qx710 {

namespace {
constexpr std::uint8_t kIdentityCode = 0x55;
constexpr std::uint8_t kIdentityBytes = 0x03;
}  // namespace

void putIdentityOrPhone(wire::Bytes& p, bool byIdentity, std::uint32_t identity,
                        std::uint8_t phoneCode, const std::string& number) {
    if (byIdentity) {
        p.insert(p.end(), {kIdentityCode, kIdentityBytes});
        wire::putU24be(p, identity);
        return;
    }
    const std::string digits = wire::digitPerCharacter(number, '?');
    p.insert(p.end(), {phoneCode, std::uint8_t(digits.size())});
    const wire::Bytes packed = wire::packPhoneDigits(digits);
    p.insert(p.end(), packed.begin(), packed.end());
}

}  // namespace rb::families::qx710
