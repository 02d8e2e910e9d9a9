// Unit records of the bench: what was done to the terminal on the bench, written when the
// terminal's answer is taken, so that a record always means "done". Each part of the page
// writes its own kinds; failures (a silent terminal, a refusal the page showed) are records of
// kind "failure" with their message.
#pragma once

#include <cstdint>
#include <string>

#include "engine/session.h"

namespace rb::families::protest {

// "0x9B": a command or type code as records name it.
std::string hexCode(std::uint8_t code);

// A failure record; a time-out names the request nobody answered, a refusal sent nothing.
void recordFailure(engine::Session& session, const std::string& message);

}  // namespace rb::families::protest
