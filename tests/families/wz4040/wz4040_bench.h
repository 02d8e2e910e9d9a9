// A bench for the WZ-4040 pages: the real container on a fake port (or on the built-in simulated
// terminal), a manual clock fixed at 2009-03-05 14:07:09, a scripted prompter and a private
// folder. Tests click controls by id and play the terminal by hand.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/prompter.h"
#include "engine/session.h"
#include "engine/timers.h"
#include "families/lm52r/lm52r_bench.h"  // ScratchDir
#include "families/wz4040/wz4040_base_ids.h"
#include "families/wz4040/wz4040_container.h"
#include "families/wz4040/wz4040_ctrl_ids.h"
#include "families/wz4040/wz4040_muster_ids.h"
#include "families/wz4040/wz4040_user_ids.h"
#include "link/sim_link.h"
#include "support/fake_link.h"
#include "support/family_bench.h"
#include "wire/codecs.h"

namespace rb::testing {

struct Wz4040Bench : FamilyBench<families::wz4040::CWZ4040> {
    // `relay` opens it as "LM520W"; `simulated` talks to the built-in terminal of that variant.
    explicit Wz4040Bench(bool relay = false, bool simulated = false) {
        session.tool = wire::CCommTool([] { return std::string("2009-03-05 14:07:09"); });
        container = std::make_unique<families::wz4040::CWZ4040>(session);
        show(relay);
        session.theComm.SetWnd(container.get());
        if (simulated) {
            openSimulator(relay ? "lm520w" : "wz4040", 19200);
        } else {
            openFake(19200);
        }
    }

    // Shows the container as "LM520W" (relay) or "WZ-4040集群", as the main window does.
    void show(bool relay) {
        container->showAs(relay ? "lm520w" : "wz4040");
        container->OnShow();
    }

    std::string lastHex() { return wire::toHex(lastWrite()); }
    void answer(std::uint8_t code, const wire::Bytes& payload = {}) {
        opener.last->receive(wire::frameEA(code, payload));
    }
    void ack(std::uint8_t echo) { answer(0x80, {echo}); }
    // Runs a click and settles the simulated line (answers arrive a few ms later).
    void settle(int ms = 2500) { advance(ms); }
};

// "EA 05 00 ..." with its checksum appended.
inline std::string sealedHex(const std::string& hexWithoutChecksum) {
    wire::Bytes b;
    std::string error;
    wire::parseHex(hexWithoutChecksum, b, error);
    b.push_back(0);
    wire::sealFrame(b);
    return wire::toHex(b);
}

inline wire::Bytes bytesOf(const std::string& hex) {
    wire::Bytes b;
    std::string error;
    wire::parseHex(hex, b, error);
    return b;
}

}  // namespace rb::testing
