// A bench for the production-test page: the real one-page container on a fake port (or on the
// built-in simulated bench terminal), a manual clock, a scripted prompter and a private
// per-user folder holding the serial store. Tests click controls by id and play the terminal.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "engine/prompter.h"
#include "engine/session.h"
#include "engine/timers.h"
#include "families/protest/protest_container.h"
#include "families/protest/protest_ids.h"
#include "link/sim_link.h"
#include "sim/protest_terminal.h"
#include "support/fake_link.h"
#include "support/family_bench.h"
#include "wire/frame.h"

namespace rb::testing {

// The serial store's folder is a scratch folder like every bench's.
using ProtestDir = ScratchDir;

struct ProtestBench : FamilyBench<families::protest::CProTestContainer> {
    sim::ProtestTerminal* terminal = nullptr;  // the simulated one, when simulated
    link::SimLink* simLink = nullptr;          // its line, to set faults

    explicit ProtestBench(bool simulated = false, bool openNow = true) {
        if (!simulated) {
            session.theComm.setOpener(opener.opener());
        } else {
            session.theComm.setOpener([this](const engine::PortRequest&) {
                auto t = std::make_unique<sim::ProtestTerminal>();
                terminal = t.get();
                engine::OpenResult r;
                auto l = std::make_unique<link::SimLink>(std::move(t), timers);
                simLink = l.get();
                r.link = std::move(l);
                return r;
            });
        }
        if (openNow) build();
    }

    // Creates the page (it reads the serial store as it initialises) and opens the port.
    void build() {
        makeContainer();
        engine::PortRequest request;
        request.device = "sim";
        request.family = "protest";
        session.theComm.Open(request);
    }

    families::protest::CProTest& page() { return container->page(); }
    engine::FormModel& form() { return page().form(); }
    bool responseTimerRunning() { return timers.running(&page(), engine::kResponseTimer); }

    // The terminal answers: 96 N 80 code 00 01 payload cs.
    void answer(std::uint8_t code, const wire::Bytes& payload = {}) {
        wire::Bytes p = {0x00, 0x01};
        p.insert(p.end(), payload.begin(), payload.end());
        opener.last->receive(wire::frame96(code, p));
    }
};

// Presses "初始化机型" `n` times, each write answered; the machine codes that went out on the
// wire (fewer when a press sent nothing).
inline std::vector<std::uint32_t> handOut(ProtestBench& b, int n) {
    std::vector<std::uint32_t> codes;
    for (int i = 0; i < n; ++i) {
        const std::size_t before = b.writes().size();
        b.form().click(families::protest::ids::kInitTypeButton);
        if (b.writes().size() != before + 1) break;
        const wire::Bytes& f = b.writes().back();
        codes.push_back(std::uint32_t(f[7]) << 16 | std::uint32_t(f[8]) << 8 | f[9]);
        b.answer(0x90);
    }
    return codes;
}

inline wire::Bytes hex(const std::string& text) {
    wire::Bytes out;
    std::string error;
    wire::parseHex(text, out, error);
    return out;
}

}  // namespace rb::testing
