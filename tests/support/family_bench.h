// What every family's bench is made of: a private per-user folder, a manual clock, a scripted
// prompter, a session, a fake port (or the built-in simulated terminal) and the family's real
// container. Each family's bench adds what its terminal says and does. Tests click controls by
// id and play the terminal by hand.
#pragma once

#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "engine/prompter.h"
#include "engine/session.h"
#include "engine/timers.h"
#include "link/sim_link.h"
#include "support/fake_link.h"
#include "wire/frame.h"

namespace rb::testing {

// A fresh folder below the system's temporary folder, removed with the object.
struct ScratchDir {
    std::filesystem::path path;
    ScratchDir() {
        static std::atomic<int> counter{0};
        path = std::filesystem::temp_directory_path() /
               ("rb-bench-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        std::filesystem::create_directories(path);
    }
    ~ScratchDir() {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    std::string file(const std::string& name) const { return (path / name).string(); }
};

template <class ContainerT>
struct FamilyBench {
    ScratchDir dir;
    engine::ManualTimers timers;
    engine::ScriptedPrompter prompter;
    engine::Session session{timers, prompter, engine::UserPaths::inDirectory(dir.path.string())};
    FakeOpener opener;
    std::unique_ptr<ContainerT> container;
    std::vector<std::string> traces;

    FamilyBench() {
        session.attachMonitor([this](std::uint8_t, const std::string& t) { traces.push_back(t); });
    }

    // The family's container, receiving what the port hands over.
    void makeContainer() {
        container = std::make_unique<ContainerT>(session);
        session.theComm.SetWnd(container.get());
    }
    // Opens the fake port (COM1) at `baud`; the test plays the terminal.
    void openFake(int baud) {
        session.theComm.setOpener(opener.opener());
        session.theComm.Open(1, baud);
    }
    // Opens the built-in simulated terminal of `family` (its own speed unless `baud` is given).
    void openSimulator(const std::string& family, int baud = 0) {
        session.theComm.setOpener(
            [this](const engine::PortRequest& r) { return link::openSimulator(r, timers); });
        engine::PortRequest request;
        request.device = "sim";
        request.family = family;
        if (baud) request.baud = baud;
        session.theComm.Open(request);
    }

    engine::FormModel& form(int page = 0) { return container->page(std::size_t(page)).form(); }
    void advance(int ms) { timers.advance(engine::Millis{ms}); }
    bool responseTimerRunning(int page) {
        return timers.running(&container->page(std::size_t(page)), engine::kResponseTimer);
    }
    std::vector<wire::Bytes>& writes() { return opener.last->writes; }
    wire::Bytes lastWrite() { return writes().empty() ? wire::Bytes{} : writes().back(); }
};

// A bench of a 0x96 family (LM52R, network radio, train): the terminal answers by hand.
template <class ContainerT>
struct Bench96 : FamilyBench<ContainerT> {
    // The terminal answers with a 0x96 frame: 96 N 80 code payload cs.
    void answer(std::uint8_t code, const wire::Bytes& payload = {0x00, 0x01}) {
        this->opener.last->receive(wire::frame96(code, payload));
    }
    // 0x23: 00 01, then common-parameter bytes 6-15.
    void answerCommon(const wire::Bytes& bytes6to15) {
        wire::Bytes p = {0x00, 0x01};
        p.insert(p.end(), bytes6to15.begin(), bytes6to15.end());
        answer(0x23, p);
    }
};

}  // namespace rb::testing
