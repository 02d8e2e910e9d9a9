// The value rules the four WZ-4040 pages share: the frequency rule and channel codes, the
// telephone form of a number, the call-type texts and the identities typed in decimal.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "families/eapages/ea_codes.h"
#include "families/eapages/ea_page.h"
#include "wire/frame.h"

namespace rb::families::wz4040 {

using eapages::kMaxIdentity;

// Frequencies are typed in units of 100 Hz. A text is accepted when it is empty or a whole
// number of 0 or less, or when it has exactly 7 characters and its value is a whole multiple of
// the step (250 at 25 KHz, 125 at 12.5KHz) whose code fits the 16 bits it travels in (below
// 0xFFFF, which reads back as 0). Text that is no number ("12abc") is refused.
bool frequencyAccepted(const std::string& text, int step);
// Its 16-bit channel code, value / step; a value of 0 or less sends code 0.
std::uint16_t channelCode(const std::string& text, int step);

// The telephone form of a number: L (the digit count padded to even), the L/2 packed-digit bytes,
// then L/2 zero bytes (the terminal counts the length in digits, not bytes).
void putPhoneNumber(wire::Bytes& out, const std::string& number);

// The call-type text of a code (empty for a code the table does not hold).
std::string callTypeText(std::uint8_t code);

// Identities typed in decimal, sent as their low 24 bits (the pages check the range first).
std::uint32_t identityOf(const std::string& text);
// The longest telephone number a count byte holds (the padded count is one byte).
inline constexpr std::size_t kMaxPhoneDigits = 254;

}  // namespace rb::families::wz4040
