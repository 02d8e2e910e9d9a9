#include "cli/chain_runner.h"

#include <cstdio>

#include "engine/page.h"

namespace rb::cli {

namespace {
constexpr int kGuardTimer = 1;  // timers of the runner itself
constexpr int kSettleTimer = 2;
}  // namespace

ChainRunner::ChainRunner(engine::Session& session, engine::Container& container,
                         CliPrompter& prompter, EventWaiter& waiter)
    : session_(session),
      container_(container),
      prompter_(prompter),
      waiter_(waiter),
      listener_(*this),
      subscription_(session.events, listener_) {
    std::weak_ptr<ChainRunner*> weak = self_;
    session_.addTraceTap([weak](std::uint8_t, const std::string& text) {
        auto self = weak.lock();
        if (!self || !(*self)->running_) return;
        if (auto success = successTextOf(text)) {
            ++(*self)->result_.answers;
            if ((*self)->onProgress) (*self)->onProgress(*success);
        }
    });
}

ChainRunner::~ChainRunner() { session_.timers.stopAll(this); }

// The chain's events, heard while a chain of this runner is running.
void ChainRunner::Listener::timedOut() {
    if (runner_.running_) runner_.timedOut_ = true;
}
void ChainRunner::Listener::declined() {
    if (runner_.running_) runner_.declined_ = true;
}
void ChainRunner::Listener::messageShown(const std::string& text) {
    if (runner_.running_) runner_.stoppedBy_ = text;  // the latest one, as the status shows
}
void ChainRunner::Listener::boxShown(const engine::MessageBox& box) {
    // A box may end the chain (a time-out, a validation message). It is looked at once the
    // handler that showed it has returned, since a handler may show a box and then go on
    // (send the next request). The write confirmation is a question that comes before the
    // first request and is looked at once OnWrite has returned.
    if (!runner_.running_ || box.buttons != engine::Buttons::Ok) return;
    ChainRunner& r = runner_;
    r.session_.timers.start(&r, kSettleTimer, engine::Millis(0), [&r] {
        r.session_.timers.stop(&r, kSettleTimer);
        r.settle();
    });
}
void ChainRunner::Listener::frameHandled() {
    // The state right after each answer was handled.
    runner_.settle();
}
void ChainRunner::Listener::portLost(const std::string& reason) {
    if (!runner_.running_) return;
    runner_.lost_ = true;
    runner_.lostReason_ = reason;
    runner_.settle();
}

ChainResult ChainRunner::runRead(std::size_t pageIndex) {
    engine::Page& page = container_.page(pageIndex);
    return run(pageIndex, [&page] { page.OnRead(); });
}

ChainResult ChainRunner::runWrite(std::size_t pageIndex) {
    engine::Page& page = container_.page(pageIndex);
    return run(pageIndex, [&page] { page.OnWrite(); });
}

ChainResult ChainRunner::runChain(std::size_t pageIndex, const engine::Page::Chain& start) {
    return run(pageIndex, start);
}

ChainResult ChainRunner::run(std::size_t pageIndex, const engine::Page::Chain& start) {
    page_ = &container_.page(pageIndex);
    result_ = ChainResult{};
    result_.page = container_.caption(pageIndex);
    timedOut_ = false;
    declined_ = false;
    stoppedBy_.reset();
    session_.activity.awaitingAnswer = false;
    lost_ = false;
    ended_ = false;
    running_ = true;

    start();
    settle();  // a chain can end before anything is sent (a refused confirmation, a bad field)

    if (!waiter_.waitUntil([this] { return ended_; })) {
        // Nothing left that could answer (only on a manual clock): the step got no answer.
        result_.outcome = ChainOutcome::TimedOut;
        result_.step = session_.activity.lastSentCode;
        result_.message = engine::kFailedStatus;
    }

    running_ = false;
    session_.timers.stop(this, kGuardTimer);
    session_.timers.stop(this, kSettleTimer);
    guardArmed_ = false;
    page_ = nullptr;
    return result_;
}

void ChainRunner::settle() {
    if (!running_ || ended_ || !page_) return;
    const auto& activity = session_.activity;
    const bool responseTimer = session_.timers.running(page_, engine::kResponseTimer);

    auto end = [this](ChainOutcome outcome, std::string message) {
        ended_ = true;
        result_.outcome = outcome;
        result_.message = std::move(message);
        result_.step = session_.activity.lastSentCode;
        session_.timers.stop(this, kGuardTimer);
        guardArmed_ = false;
        waiter_.wake();
    };

    if (lost_) return end(ChainOutcome::PortLost, lostReason_);
    if (timedOut_) return end(ChainOutcome::TimedOut, engine::kFailedStatus);
    if (declined_) return end(ChainOutcome::Declined, engine::kConfirmWrite);
    if (stoppedBy_) return end(ChainOutcome::Stopped, *stoppedBy_);
    const bool transfer = page_->transferInProgress();
    if (!activity.awaitingAnswer && !responseTimer && !transfer) return end(ChainOutcome::Done, {});

    if (activity.awaitingAnswer && !responseTimer && !transfer) {
        // A request that arms no timer of its own: guard it here (restarted for each one).
        guardArmed_ = true;
        session_.timers.start(this, kGuardTimer, kSilentGuard, [this] { guardFired(); });
    } else if (guardArmed_) {
        guardArmed_ = false;
        session_.timers.stop(this, kGuardTimer);
    }
}

void ChainRunner::guardFired() {
    session_.timers.stop(this, kGuardTimer);
    guardArmed_ = false;
    if (!running_ || ended_) return;
    ended_ = true;
    result_.step = session_.activity.lastSentCode;
    if (silentGuardFails) {
        result_.outcome = ChainOutcome::TimedOut;
        result_.message = engine::kFailedStatus;
    } else {
        result_.outcome = ChainOutcome::Done;
        session_.activity.awaitingAnswer = false;
    }
    waiter_.wake();
}

std::optional<std::string> successTextOf(const std::string& text) {
    // "\r\n" + text + "!": one line, after exactly one line break.
    if (text.size() < 4 || text.compare(0, 2, "\r\n") != 0 || text.back() != '!') return {};
    std::string body = text.substr(2, text.size() - 3);
    if (body.empty() || body.find('\r') != std::string::npos ||
        body.find('\n') != std::string::npos) {
        return {};
    }
    if (body == "数据校验不正确") return {};
    return body;
}

std::string describe(const ChainResult& result) {
    char step[8];
    std::snprintf(step, sizeof step, "0x%02X", result.step);
    switch (result.outcome) {
        case ChainOutcome::Done:
            return result.page + ": done";
        case ChainOutcome::TimedOut:
            return result.page + ": " + engine::kFailedStatus + " -- no answer to request " + step;
        case ChainOutcome::Stopped:
            return result.page + ": stopped by \"" + result.message + "\"";
        case ChainOutcome::Declined:
            return result.page + ": write not confirmed, nothing sent";
        case ChainOutcome::PortLost:
            return result.page + ": the port went away after request " + step + " (" +
                   result.message + ")";
    }
    return result.page;
}

}  // namespace rb::cli
