// Every container of the catalog (and the production-test page once it exists) on arbitrary
// input: the input chooses the type, what the technician clicks and types, how far the clock
// moves, and the bytes the line brings (through the real port object and frame reader). No frame,
// click or time-out may crash a page, read outside a frame, or loop.
//
// Input: byte 0 picks the type; then operations, each a byte and its arguments:
//   0 LEN BYTES...  bytes arrive on the line
//   1 P I           click the I-th control of page P (by declaration order)
//   2 P I LEN TEXT  type TEXT into the I-th control of page P
//   3 T             the clock moves on by T x 25 ms (timers fire: time-outs, chunk timers; a
//                   periodic send fires at most kTicks times, its other ticks are dropped)
//   4 P             requestPage = P (the page that asked last)
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/container.h"
#include "engine/link.h"
#include "engine/page.h"
#include "engine/prompter.h"
#include "engine/session.h"
#include "engine/timers.h"
#include "families/catalog/catalog.h"

namespace {

using namespace rb;

// The types, in the order the seeds (fuzz_seeds.cpp) number them.
constexpr const char* kKeys[] = {"lm52r",  "netradio", "train",  "qx710",
                                 "wz4040", "lm520w",   "protest"};
constexpr std::size_t kTypes = sizeof kKeys / sizeof kKeys[0];
// Firings of one timer in one clock move. A time-out fires once; the data test's automatic send
// every 10 ms would otherwise send the same frame hundreds of times a move and take most of the
// fuzzer's time for nothing new.
constexpr int kTicks = 4;

class FuzzLink : public engine::Link {
public:
    bool isOpen() const override { return true; }
    void write(wire::ByteSpan) override {}
    void close() override {}
    void receive(wire::ByteSpan bytes) { deliver(bytes); }
};

struct World {
    engine::ManualTimers timers;
    engine::ScriptedPrompter prompter;  // every question OK, every file chooser cancelled
    std::unique_ptr<engine::Session> session;
    FuzzLink* link = nullptr;
    // By the order of kKeys; null for a type not built.
    std::vector<std::unique_ptr<engine::Container>> containers;

    World() {
        // The pages store files (the hop map, the serial store) with a flush to the disk each
        // time; in memory that flush costs nothing, and the fuzzer runs many times faster.
        char shm[] = "/dev/shm/rb_fuzz_XXXXXX";
        char tmp[] = "/tmp/rb_fuzz_XXXXXX";
        const char* made = ::mkdtemp(shm);
        if (made == nullptr) made = ::mkdtemp(tmp);
        engine::UserPaths paths = engine::UserPaths::inDirectory(made ? made : "/tmp");
        // The hop map generator rewrites a file of some 4000 lines per click; here it would take
        // half of the fuzzer's time for no frame handled. A folder in place of that file makes
        // the generator fill the map, fail to store it, and say so, at no cost (its file work
        // has its own tests, the INI reader its own harness).
        paths.hopMapFile = paths.configDir;
        session = std::make_unique<engine::Session>(timers, prompter, std::move(paths));
        session->theComm.setOpener([this](const engine::PortRequest&) {
            engine::OpenResult r;
            auto l = std::make_unique<FuzzLink>();
            link = l.get();
            r.link = std::move(l);
            return r;
        });
        session->theComm.Open(1, 9600);
        for (const char* key : kKeys) {
            containers.push_back(families::makeContainer(families::containerKeyOf(key), *session));
        }
    }
};

World& world() {
    static World w;
    return w;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    World& w = world();
    if (size == 0) return 0;
    std::size_t i = 0;
    auto next = [&]() -> std::uint8_t { return i < size ? data[i++] : 0; };
    const std::size_t type = next() % kTypes;
    if (!w.containers[type]) return 0;
    engine::Container& c = *w.containers[type];
    // Shown as its type: the trunking container takes the LM520W or the WZ-4040 face.
    c.showAs(kKeys[type]);
    w.session->theComm.SetWnd(&c);
    c.OnShow();
    int steps = 0;
    while (i < size && steps++ < 64) {
        switch (next() % 5) {
            case 0: {
                const std::size_t len = std::min<std::size_t>(next(), size - i);
                w.link->receive({data + i, len});
                i += len;
                break;
            }
            case 1:
            case 2: {
                const bool click = data[i - 1] % 5 == 1;
                engine::Page& p = c.page(next() % c.pageCount());
                const auto ids = p.form().ids();
                if (ids.empty()) break;
                const int id = ids[next() % ids.size()];
                if (click) {
                    p.form().click(id);
                } else {
                    const std::size_t len = std::min<std::size_t>(next() % 16, size - i);
                    p.form().type(id, std::string(reinterpret_cast<const char*>(data + i), len));
                    i += len;
                }
                break;
            }
            case 3:
                w.timers.advance(engine::Millis(25 * (1 + next())), kTicks);
                break;
            case 4:
                w.session->requestPage = next() % 4;
                break;
        }
    }
    // Time-outs and chunk timers of what was started run out; periodic and timed sends a click
    // turned on are stopped, so that every input starts from a quiet clock.
    w.timers.advance(engine::Millis(3000), kTicks);
    w.timers.clear();
    return 0;
}
