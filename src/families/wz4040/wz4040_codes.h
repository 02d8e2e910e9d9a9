// The value rules the four WZ-4040 pages share: the frequency rule and channel codes, the
// telephone form of a number, the call-type texts, the PC clock bytes, and the success report of
// answers that leave timer 1 alone.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "engine/page.h"
#include "wire/codecs.h"
#include "wire/frame.h"

namespace rb::families::wz4040 {

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

// The PC's local time as year - 2000, month, day, hour, minute, second (plain bytes, not BCD),
// taken from the trace clock's "%Y-%m-%d %H:%M:%S" so that tests can fix it.
wire::Bytes clockBytes(const std::string& timeText);

// Identities typed in decimal, sent as their low 24 bits (the pages check the range first).
std::uint32_t identityOf(const std::string& text);
// Identities of the trunking terminals: 0x3FFFF at most.
inline constexpr long long kMaxIdentity = 0x3FFFF;
// The longest telephone number a count byte holds (the padded count is one byte).
inline constexpr std::size_t kMaxPhoneDigits = 254;

// A page of the trunking container.
class Wz4040Page : public engine::Page {
public:
    using engine::Page::Page;

protected:
    // The whole decimal number a text holds when it lies in [min, max]; nothing for an empty
    // text, one that is no number ("12abc") or one outside the range.
    static std::optional<long long> whole(const std::string& text, long long min, long long max) {
        const auto v = wire::parseWhole(text);
        if (v && *v >= min && *v <= max) return v;
        return std::nullopt;
    }
    // Trace "\r\n" + text + "!" and status part 2, timer 1 left as it is.
    void report(std::uint8_t code, const std::string& text) {
        session().AppendTrace(code, "\r\n" + text + "!");
        session().statusBar.SetText(2, text);
        session().events.succeeded(text);
    }
    // A command sent at once: no response timer; status part 2 cleared unless told otherwise.
    void command(const wire::Bytes& frame, bool clearStatus = true, bool background = false) {
        beginRequest();
        send(frame, SendOptions{false, clearStatus, background});
    }
};

}  // namespace rb::families::wz4040
