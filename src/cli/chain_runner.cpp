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
    : session_(session), container_(container), prompter_(prompter), waiter_(waiter) {
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

ChainRunner::~ChainRunner() {
    session_.timers.stopAll(this);
    if (session_.theComm.receiver() == this) session_.theComm.SetWnd(&container_);
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
    failuresAtStart_ = session_.activity.failures;
    messagesAtStart_ = session_.activity.messages;
    declinesAtStart_ = prompter_.declines();
    session_.activity.awaitingAnswer = false;
    lost_ = false;
    ended_ = false;
    running_ = true;

    session_.theComm.SetWnd(this);
    auto previousOnLost = session_.theComm.onLost;
    session_.theComm.onLost = [this, previousOnLost](const std::string& reason) {
        if (previousOnLost) previousOnLost(reason);
        lost_ = true;
        lostReason_ = reason;
        settle();
    };
    // A box may end the chain (a time-out, a validation message). It is looked at once the
    // handler that showed it has returned, since a handler may show a box and then go on
    // (send the next request). The write confirmation is a question that comes before the
    // first request and is looked at once OnWrite has returned.
    prompter_.onMessage = [this](const engine::MessageBox& box) {
        if (box.buttons != engine::Buttons::Ok) return;
        session_.timers.start(this, kSettleTimer, engine::Millis(0), [this] {
            session_.timers.stop(this, kSettleTimer);
            settle();
        });
    };

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
    prompter_.onMessage = nullptr;
    session_.theComm.onLost = previousOnLost;
    session_.theComm.SetWnd(&container_);
    page_ = nullptr;
    return result_;
}

void ChainRunner::OnCommFrame(const wire::FrameSlot& slot) {
    container_.OnCommFrame(slot);
    settle();
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
    if (activity.failures > failuresAtStart_)
        return end(ChainOutcome::TimedOut, engine::kFailedStatus);
    if (prompter_.declines() > declinesAtStart_)
        return end(ChainOutcome::Declined, engine::kConfirmWrite);
    if (activity.messages > messagesAtStart_)
        return end(ChainOutcome::Stopped, activity.lastFailure);
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
