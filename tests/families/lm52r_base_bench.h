// A bench for the LM52R base page: manual clock, scripted prompter, a fake port and the real
// LM52R container. Tests drive the base page by control id and play the terminal by hand.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/prompter.h"
#include "engine/session.h"
#include "engine/timers.h"
#include "families/lm52r/lm52r_base.h"
#include "families/lm52r/lm52r_container.h"
#include "support/fake_link.h"
#include "wire/frame.h"

namespace rb::testing {

struct Lm52rBaseBench {
    engine::ManualTimers timers;
    engine::ScriptedPrompter prompter;
    engine::Session session{timers, prompter, engine::UserPaths::inDirectory("/tmp")};
    FakeOpener opener;
    std::unique_ptr<families::lm52r::CLM52R> container;
    families::lm52r::CLM52RBase* base = nullptr;
    std::vector<std::string> traces;

    explicit Lm52rBaseBench(bool openPort = true) {
        session.tool = wire::CCommTool([] { return std::string("2008-08-11 09:30:05"); });
        session.attachMonitor([this](std::uint8_t, const std::string& t) { traces.push_back(t); });
        container = std::make_unique<families::lm52r::CLM52R>(session);
        base = &container->base();
        session.theComm.setOpener(opener.opener());
        session.theComm.SetWnd(container.get());
        if (openPort) session.theComm.Open(1, 9600);
    }

    engine::FormModel& form() { return base->form(); }
    families::lm52r::Lm52rState& state() { return container->state(); }
    FakeLink& link() { return *opener.last; }
    const std::vector<wire::Bytes>& writes() { return link().writes; }
    wire::Bytes lastWrite() { return writes().empty() ? wire::Bytes{} : writes().back(); }
    std::vector<std::uint8_t> codesWritten() {
        std::vector<std::uint8_t> out;
        for (const auto& w : writes()) out.push_back(w.size() > 3 ? w[3] : 0);
        return out;
    }

    // The terminal answers with a 0x96 frame: 96 N 80 code payload cs.
    void answer(std::uint8_t code, const wire::Bytes& payload = {}) {
        link().receive(wire::frame96(code, payload));
    }
    // 0x23: 00 01 then common-parameter bytes 6..15.
    void answerCommon(const wire::Bytes& bytes6to15) {
        wire::Bytes p = {0x00, 0x01};
        p.insert(p.end(), bytes6to15.begin(), bytes6to15.end());
        answer(0x23, p);
    }
    // Starts the write chain and answers until the channel-frequency write is due.
    void writeUpToFrequencies(std::uint8_t terminalFlags = 0x00) {
        form().click(2091);
        answerCommon({0, 0, terminalFlags, 0x44, 0x44, 0xCC, 3, 0, 0x22, 0xAA});
        answer(0x21, {0x00, 0x01});
    }
    bool boxShown(const std::string& text) const {
        for (const auto& b : prompter.boxes)
            if (b.text == text) return true;
        return false;
    }
};

// A whole request as the page must send it: header, payload, XOR checksum.
inline wire::Bytes request96(std::uint8_t code, const wire::Bytes& payload = {}) {
    return wire::frame96(code, payload);
}

}  // namespace rb::testing
