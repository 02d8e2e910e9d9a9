// A bench for the LM52R user and train pages: the real LM52R container on a fake port, a manual
// clock, a scripted prompter and a private per-user folder (for "HFMap.ini"). Tests click
// controls by id and play the terminal by hand.
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
#include "families/lm52r/lm52r_container.h"
#include "support/fake_link.h"
#include "wire/frame.h"

namespace rb::testing {

// A fresh folder below the system's temporary folder, removed with the object.
struct ScratchDir {
    std::filesystem::path path;
    ScratchDir() {
        static std::atomic<int> counter{0};
        path = std::filesystem::temp_directory_path() /
               ("rb-lm52r-pages-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        std::filesystem::create_directories(path);
    }
    ~ScratchDir() {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
    std::string file(const std::string& name) const { return (path / name).string(); }
};

struct Lm52rPageBench {
    ScratchDir dir;
    engine::ManualTimers timers;
    engine::ScriptedPrompter prompter;
    engine::Session session{timers, prompter, engine::UserPaths::inDirectory(dir.path.string())};
    FakeOpener opener;
    std::unique_ptr<families::lm52r::CLM52R> container;
    engine::Page* page = nullptr;
    std::vector<std::string> traces;

    explicit Lm52rPageBench(int pageIndex) {
        session.attachMonitor([this](std::uint8_t, const std::string& t) { traces.push_back(t); });
        container = std::make_unique<families::lm52r::CLM52R>(session);
        page = &container->page(std::size_t(pageIndex));
        session.theComm.setOpener(opener.opener());
        session.theComm.SetWnd(container.get());
        session.theComm.Open(1, 9600);
    }

    engine::FormModel& form() { return page->form(); }
    FakeLink& link() { return *opener.last; }
    std::vector<wire::Bytes>& writes() { return link().writes; }
    wire::Bytes lastWrite() { return writes().empty() ? wire::Bytes{} : writes().back(); }
    std::uint8_t lastCode() { return writes().empty() ? 0 : lastWrite()[3]; }

    // The terminal answers with a 0x96 frame: 96 N 80 code payload cs.
    void answer(std::uint8_t code, const wire::Bytes& payload = {}) {
        link().receive(wire::frame96(code, payload));
    }
    void advance(int ms) { timers.advance(engine::Millis{ms}); }
    int boxCount(const std::string& text) const {
        int n = 0;
        for (const auto& b : prompter.boxes) n += b.text == text ? 1 : 0;
        return n;
    }
};

// The zero payload of an answer frame of `frameLength` bytes, starting 00 01; a test fills it
// in by frame position: payload[k - 4] is frame byte k.
inline wire::Bytes payloadOf(std::size_t frameLength) {
    wire::Bytes p(frameLength - 5, 0);
    p[1] = 0x01;
    return p;
}

}  // namespace rb::testing
