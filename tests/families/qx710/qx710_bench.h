// A bench for the QX-7100 pages: the real container on a fake port (or on the built-in
// simulated station), a manual clock, a scripted prompter and a private folder. Tests click
// controls by id and play the station by hand.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/prompter.h"
#include "engine/session.h"
#include "engine/timers.h"
#include "families/lm52r/lm52r_bench.h"  // ScratchDir
#include "families/qx710/qx710_base.h"
#include "families/qx710/qx710_container.h"
#include "families/qx710/qx710_ctrl.h"
#include "families/qx710/qx710_muster.h"
#include "link/sim_link.h"
#include "support/fake_link.h"
#include "support/family_bench.h"
#include "wire/codecs.h"

namespace rb::testing {

struct Qx710Bench : FamilyBench<families::qx710::CQX710> {
    explicit Qx710Bench(bool simulated = false) {
        session.tool = wire::CCommTool([] { return std::string("2026-03-07 08:09:10"); });
        makeContainer();
        if (simulated) {
            openSimulator("qx710", 19200);
        } else {
            openFake(19200);
        }
    }

    // The station answers with a 0xEA frame.
    void answer(std::uint8_t code, const wire::Bytes& payload = {}) {
        opener.last->receive(wire::frameEA(code, payload));
    }
    void ack(std::uint8_t echo) { answer(0x80, {echo}); }
};

// A whole 0xEA frame as hexadecimal text, for comparing requests.
inline std::string hexOf(const wire::Bytes& frame) { return wire::toHex(frame); }
// The checksum a frame's bytes after the lead byte give: "EA 05 00 ..." + cs.
inline std::string sealed(const std::string& hexWithoutChecksum) {
    wire::Bytes b;
    std::string error;
    wire::parseHex(hexWithoutChecksum, b, error);
    b.push_back(0);
    wire::sealFrame(b);
    return wire::toHex(b);
}

}  // namespace rb::testing
