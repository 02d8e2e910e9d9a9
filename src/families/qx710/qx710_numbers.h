// How the ship station takes a number that is either an identity or a telephone number (the
// alarm binding of the base page, the voice call of the control page).
#pragma once

#include <cstdint>
#include <string>

#include "wire/frame.h"

namespace rb::families::qx710 {

// An identity: 55 03 and its three bytes. A telephone number: `phoneCode`, the digit count (one
// place per typed character, '?' for one that is no digit) and the packed digits.
void putIdentityOrPhone(wire::Bytes& p, bool byIdentity, std::uint32_t identity,
                        std::uint8_t phoneCode, const std::string& number);

}  // namespace rb::families::qx710
