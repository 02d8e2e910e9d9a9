// The far end of the serial line: a terminal that answers requests.
//
// A Terminal sees whole frames only; cutting the byte stream, checksums, timing and every
// deliberate misbehaviour belong to SimulatedLine. A terminal per family lives beside this file
// (lm52r_terminal.h, ...); makeTerminal() names them.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "wire/frame.h"

namespace rb::sim {

class Terminal {
public:
    virtual ~Terminal() = default;

    // Zero or more answer frames (whole, checksum included) to one whole request frame whose
    // checksum has already been found right. A request the terminal does not know or cannot
    // take (wrong length, unknown group) gets no answer, as a real terminal stays silent.
    virtual std::vector<wire::Bytes> answer(const wire::FrameView& request) = 0;
    // The line speed the terminal talks at (8N1).
    virtual int baud() const = 0;
    // The family name makeTerminal() knows it by ("lm52r").
    virtual std::string family() const = 0;
    // A frame the terminal sends on its own now and then (the QX-7100's query), whole; empty
    // for a terminal that never speaks first. The line sends it when told to (Faults).
    virtual wire::Bytes ownFrame() const { return {}; }
    // A copy with the same contents, so that a request can be answered without touching this
    // terminal (Faults::keepOldFor); null from a terminal that cannot copy itself.
    virtual std::unique_ptr<Terminal> clone() const { return nullptr; }
};

// A terminal of the named family with its factory contents, or null for an unknown family.
// Names are compared without regard to case.
std::unique_ptr<Terminal> makeTerminal(const std::string& family);
// Every family makeTerminal() knows, in lower case.
std::vector<std::string> terminalFamilies();

}  // namespace rb::sim
