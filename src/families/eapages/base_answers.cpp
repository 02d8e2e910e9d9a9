#include "families/eapages/base_answers.h"

namespace rb::families::eapages {

namespace {
constexpr std::uint8_t kAlarmIdentityCode = 0x55;
}  // namespace

int stationRadio(const std::array<std::uint8_t, 4>& codes, std::uint8_t code) {
    int plain = 0;
    for (std::size_t i = 0; i < codes.size(); ++i) {
        if (codes[i] == code) return int(i);
        if (codes[i] == 0x00) plain = int(i);
    }
    return plain;
}

void showAlarmBinding(engine::FormModel& f, const wire::EaPayload& p, std::size_t typeAt,
                      int byIdentityGroup, int numberId, const std::string& phoneText) {
    if (p[typeAt] == kAlarmIdentityCode) {
        f.setRadio(byIdentityGroup, 0);
        f.setInt(numberId, p.u24be(typeAt + 2));
    } else {
        f.setRadio(byIdentityGroup, 1);
        f.setText(numberId, phoneText);
    }
}

}  // namespace rb::families::eapages
