#include "cli/chain_runner.h"

#include <cstdio>

#include "engine/page.h"

namespace rb::cli {

namespace {
constexpr int kGuardTimer = 1;  // a timer of the runner itself
}

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
    boxesAtStart_ = prompter_.shown();
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
    // An information box ends the chain; the write confirmation is a question that comes
    // before the first request and is looked at once OnWrite has returned.
    prompter_.onMessage = [this](const engine::MessageBox& box) {
        if (box.buttons == engine::Buttons::Ok) settle();
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
    if (prompter_.declined()) return end(ChainOutcome::Declined, engine::kConfirmWrite);
    if (prompter_.shown() > boxesAtStart_) return end(ChainOutcome::Stopped, prompter_.lastText());
    if (!activity.awaitingAnswer && !responseTimer) return end(ChainOutcome::Done, {});

    if (activity.awaitingAnswer && !responseTimer) {
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
    result_.outcome = ChainOutcome::TimedOut;
    result_.step = session_.activity.lastSentCode;
    result_.message = engine::kFailedStatus;
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
