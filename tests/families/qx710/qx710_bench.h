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
#include "wire/codecs.h"

namespace rb::testing {

struct Qx710Bench {
    ScratchDir dir;
    engine::ManualTimers timers;
    engine::ScriptedPrompter prompter;
    engine::Session session{timers, prompter, engine::UserPaths::inDirectory(dir.path.string())};
    FakeOpener opener;
    std::unique_ptr<families::qx710::CQX710> container;
    std::vector<std::string> traces;

    explicit Qx710Bench(bool simulated = false) {
        session.tool = wire::CCommTool([] { return std::string("2026-03-07 08:09:10"); });
        session.attachMonitor([this](std::uint8_t, const std::string& t) { traces.push_back(t); });
        container = std::make_unique<families::qx710::CQX710>(session);
        session.theComm.SetWnd(container.get());
        if (!simulated) {
            session.theComm.setOpener(opener.opener());
            session.theComm.Open(1, 19200);
            return;
        }
        session.theComm.setOpener(
            [this](const engine::PortRequest& r) { return link::openSimulator(r, timers); });
        engine::PortRequest request;
        request.device = "sim";
        request.family = "qx710";
        request.baud = 19200;
        session.theComm.Open(request);
    }

    engine::FormModel& form(int page = 0) { return container->page(std::size_t(page)).form(); }
    void advance(int ms) { timers.advance(engine::Millis{ms}); }
    bool responseTimerRunning(int page) {
        return timers.running(&container->page(std::size_t(page)), engine::kResponseTimer);
    }
    std::vector<wire::Bytes>& writes() { return opener.last->writes; }
    wire::Bytes lastWrite() { return writes().empty() ? wire::Bytes{} : writes().back(); }
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
