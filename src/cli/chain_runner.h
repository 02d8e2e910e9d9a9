// ChainRunner: runs one page's read or write chain, exactly as its button would, and waits until
// the chain has ended.
//
// A chain has ended
//  - done: after an answer was handled, no request is awaited and the page's response timer
//    (timer 1) is not running, that is the page sent nothing more;
//  - timed out: timer 1 fired ("操作失败"); the step is the last request code sent;
//  - stopped: the page showed a validation or state message (such as "1信道频率设置不正确!");
//    nothing more is sent. Other boxes ("文件保存成功!", "全部数据读取成功!") do not end a
//    chain: it ends when the page is idle;
//  - declined: the write confirmation "确认写录数据?" was not given;
//  - port lost: the device went away.
// A page is idle when no answer is awaited, its response timer (timer 1) is not running and no
// transfer of its own (a hop map sent chunk by chunk, a sweep) is in progress.
// A request that arms no timer (the LM52R VOX requests) would leave a silent terminal waiting
// for ever, so the runner guards such a request itself for kSilentGuard: the command line's
// read/write report that as a time-out; a script (`silentGuardFails` off) takes the page as idle
// again, as the window would, which shows nothing either.
//
// The next request goes out from inside the answer's handler, so the chain moves as soon as an
// answer is decoded; the runner only looks at the state after each frame, timer and box.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "cli/cli_prompter.h"
#include "cli/event_waiter.h"
#include "engine/container.h"
#include "engine/page.h"
#include "engine/session.h"

namespace rb::cli {

enum class ChainOutcome { Done, TimedOut, Stopped, Declined, PortLost };

struct ChainResult {
    ChainOutcome outcome = ChainOutcome::Done;
    std::string page;       // caption of the page ("基本信息")
    std::uint8_t step = 0;  // the last request code sent (the one that got no answer)
    bool stepSent = false;  // false when nothing was sent at all
    std::string message;    // the box text that stopped the chain, or the port's reason
    int answers = 0;        // answers the page reported during the chain

    bool ok() const { return outcome == ChainOutcome::Done; }
};

// The runner hears what a chain does through the session's chain events (subscribed for its
// lifetime, acting only while one of its chains runs); it swaps no hook of the session.
class ChainRunner {
public:
    static constexpr engine::Millis kSilentGuard{2000};

    ChainRunner(engine::Session& session, engine::Container& container, CliPrompter& prompter,
                EventWaiter& waiter);
    ~ChainRunner();
    ChainRunner(const ChainRunner&) = delete;
    ChainRunner& operator=(const ChainRunner&) = delete;

    ChainResult runRead(std::size_t pageIndex);
    ChainResult runWrite(std::size_t pageIndex);
    // Any chain of the page: `start` does what its button does (Page::fileReadChains()).
    ChainResult runChain(std::size_t pageIndex, const engine::Page::Chain& start);

    // What an expired kSilentGuard means: a time-out (read/write), or just the end (run).
    bool silentGuardFails = true;

    // One call per answer a page reported, with its success text ("信道频率读取成功"), taken
    // from the trace line "\r\n" + text + "!" that every answer leaves.
    std::function<void(const std::string& text)> onProgress;

private:
    class Listener : public engine::ChainObserver {
    public:
        explicit Listener(ChainRunner& runner) : runner_(runner) {}
        void timedOut() override;
        void declined() override;
        void messageShown(const std::string& text) override;
        void boxShown(const engine::MessageBox& box) override;
        void frameHandled() override;
        void portLost(const std::string& reason) override;

    private:
        ChainRunner& runner_;
    };

    ChainResult run(std::size_t pageIndex, const engine::Page::Chain& start);
    // Looks at the session after something happened; decides whether the chain has ended.
    void settle();
    void guardFired();

    engine::Session& session_;
    engine::Container& container_;
    CliPrompter& prompter_;
    EventWaiter& waiter_;

    // The chain in progress.
    engine::Page* page_ = nullptr;
    bool running_ = false;
    bool ended_ = false;
    ChainResult result_;
    bool timedOut_ = false;                 // the page's response timer fired
    bool declined_ = false;                 // the confirmation was not given
    std::optional<std::string> stoppedBy_;  // the message a page showed
    bool guardArmed_ = false;
    bool lost_ = false;
    std::string lostReason_;
    // The trace tap stays with the session; it does nothing once the runner is gone.
    std::shared_ptr<ChainRunner*> self_ = std::make_shared<ChainRunner*>(this);
    Listener listener_;
    engine::ChainSubscription subscription_;
};

// The success text of an answer's trace line ("\r\n信道频率读取成功!" -> "信道频率读取成功"),
// or nothing for any other trace text (frames, "\r\n数据校验不正确!").
std::optional<std::string> successTextOf(const std::string& traceText);

// "基本信息: no answer to request 0x16 (操作失败)" and the like, for the command's last line.
std::string describe(const ChainResult& result);

}  // namespace rb::cli
