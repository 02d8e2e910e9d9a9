// A bench for the network-radio pages: the real container on a fake port (or on the built-in
// simulated terminal), a manual clock, a scripted prompter and a private per-user folder.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "families/lm52r/lm52r_bench.h"  // ScratchDir, payloadOf, gbk, concat, expectSamePage
#include "families/netradio/netradio_base.h"
#include "families/netradio/netradio_base_ids.h"
#include "families/netradio/netradio_container.h"
#include "families/netradio/netradio_user.h"
#include "sim/netradio_terminal.h"

namespace rb::testing {

// Hands every request to the bench's terminal, so a test can look at what it stored.
class BorrowedTerminal : public sim::Terminal {
public:
    explicit BorrowedTerminal(sim::Terminal& t) : t_(t) {}
    std::vector<wire::Bytes> answer(const wire::FrameView& request) override {
        return t_.answer(request);
    }
    int baud() const override { return t_.baud(); }
    std::string family() const override { return t_.family(); }

private:
    sim::Terminal& t_;
};

// The simulated terminal comes first, so that it outlives the port that talks to it.
struct NetRadioTerminalHolder {
    sim::NetRadioTerminal terminal;  // the simulated terminal (only with `simulated`)
};

struct NetRadioBench : NetRadioTerminalHolder, Bench96<families::netradio::CNetRadio> {
    explicit NetRadioBench(bool simulated = false) {
        makeContainer();
        if (!simulated) {
            openFake(9600);
            return;
        }
        session.theComm.setOpener([this](const engine::PortRequest&) {
            engine::OpenResult r;
            r.link = std::make_unique<link::SimLink>(std::make_unique<BorrowedTerminal>(terminal),
                                                     timers);
            return r;
        });
        engine::PortRequest request;
        request.device = "sim";
        request.family = "netradio";
        session.theComm.Open(request);
    }

    families::netradio::CNetRadioBase& base() { return container->base(); }
    families::netradio::CNetRadioUser& user() { return container->user(); }
};

}  // namespace rb::testing
