// A manual-clock runtime whose built-in simulator is one terminal for the whole test, so that
// what one command writes the next command reads back (each "sim" open normally starts a
// terminal fresh from the factory).
#pragma once

#include <map>
#include <memory>
#include <string>

#include "cli/runtime.h"
#include "link/link_opener.h"
#include "link/sim_link.h"
#include "sim/lm52r_terminal.h"
#include "sim/qx710_terminal.h"
#include "sim/terminal.h"
#include "sim/wz4040_terminal.h"

namespace rb::testing {

// Hands every request to a terminal that lives elsewhere.
class BorrowedTerminal : public sim::Terminal {
public:
    explicit BorrowedTerminal(sim::Terminal& t) : t_(t) {}
    std::vector<wire::Bytes> answer(const wire::FrameView& request) override {
        return t_.answer(request);
    }
    int baud() const override { return t_.baud(); }
    std::string family() const override { return t_.family(); }
    std::unique_ptr<sim::Terminal> clone() const override { return t_.clone(); }

private:
    sim::Terminal& t_;
};

// The built-in simulator of every "sim" open is the one terminal `terminal` of type T.
template <class T>
class SharedTerminalRuntime : public cli::ManualRuntime {
public:
    engine::LinkOpener opener(const sim::Faults& faults) override {
        auto real = link::makeLinkOpener(timers(), faults);
        return [this, faults, real](const engine::PortRequest& request) {
            if (!request.isSimulator()) return real(request);
            ++opens;
            engine::OpenResult result;
            result.link = std::make_unique<link::SimLink>(
                std::make_unique<BorrowedTerminal>(terminalFor(request.family)), timers(), faults);
            return result;
        };
    }

    // `terminal` stands for its own family (and for a request naming none); every other
    // family's terminal is made on its first open and kept for the rest of the test.
    sim::Terminal& terminalFor(const std::string& family) {
        if (family.empty() || family == terminal.family()) return terminal;
        auto& t = others[family];
        if (!t) t = sim::makeTerminal(family);
        return t ? *t : static_cast<sim::Terminal&>(terminal);
    }

    T terminal;
    std::map<std::string, std::unique_ptr<sim::Terminal>> others;
    int opens = 0;
};

using SharedSimRuntime = SharedTerminalRuntime<sim::Lm52rTerminal>;
using SharedQx710Runtime = SharedTerminalRuntime<sim::Qx710Terminal>;
using SharedWz4040Runtime = SharedTerminalRuntime<sim::Wz4040Terminal>;

}  // namespace rb::testing
