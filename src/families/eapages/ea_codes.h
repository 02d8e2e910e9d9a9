// Value rules both 0xEA families read and write the same way: the PC clock bytes, the alarm
// telephone number of a basic-parameter answer, and the identity range of their terminals.
#pragma once

#include <cstdint>
#include <string>

#include "wire/ea_payload.h"
#include "wire/frame.h"

namespace rb::families::eapages {

// Identities of the ship stations and trunking terminals: 0x3FFFF (262143) at most.
inline constexpr long long kMaxIdentity = 0x3FFFF;

// The PC's local time as year - 2000, month, day, hour, minute, second (plain bytes, not BCD),
// taken from the trace clock's "%Y-%m-%d %H:%M:%S" so that tests can fix it.
wire::Bytes clockBytes(const std::string& timeText);

// What a zero nibble of the alarm telephone number means: the ship station ends the number
// there; the trunking terminal skips it (a zero first digit skips the whole byte).
enum class ZeroNibble { Ends, Skipped };

// The alarm telephone number held in `bytes` payload bytes from `first`: the bytes as hex
// digits, high nibble first, upper case, with "A" read as the digit 0, zero nibbles treated as
// `zero` says; at most `count` digits.
std::string alarmPhoneText(const wire::EaPayload& p, std::size_t first, std::size_t bytes,
                           ZeroNibble zero, std::size_t count = std::string::npos);

}  // namespace rb::families::eapages
