// Chain events: what a page's chain does, as it happens. Pages (and the pieces they share)
// report here; front ends listen — the command line's chain runner and `run`, the window, the
// benchmarks. A page never keeps a listener's bookkeeping itself.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/prompter.h"
#include "engine/timers.h"

namespace rb::engine {

class ChainObserver {
public:
    virtual ~ChainObserver() = default;
    // A request went out that waits for its answer (background frames are not requests).
    virtual void requestSent(std::uint8_t /*code*/) {}
    // A frame from the terminal reached the pages.
    virtual void frameArrived() {}
    // An answer was taken and reported ("信道频率读取成功").
    virtual void succeeded(const std::string& /*text*/) {}
    // A page showed a validation or state message: the chain goes no further.
    virtual void messageShown(const std::string& /*text*/) {}
    // The answer waited for did not come in time ("操作失败").
    virtual void timedOut() {}
    // The user said no to a question that starts a chain (the write confirmation).
    virtual void declined() {}
    // Any box, after it was answered (a front end looks at the chain once the handler that
    // showed it has returned).
    virtual void boxShown(const MessageBox& /*box*/) {}
    // A frame from the port has been handled by the pages it was meant for (also one that
    // failed its check and reached none).
    virtual void frameHandled() {}
    // The device went away while open.
    virtual void portLost(const std::string& /*reason*/) {}
};

// The fan-out. Observers are not owned; one unsubscribes before it goes (ChainSubscription).
class ChainEvents {
public:
    void subscribe(ChainObserver& observer);
    void unsubscribe(ChainObserver& observer);

    void requestSent(std::uint8_t code);
    void frameArrived();
    void succeeded(const std::string& text);
    void messageShown(const std::string& text);
    void timedOut();
    void declined();
    void boxShown(const MessageBox& box);
    void frameHandled();
    void portLost(const std::string& reason);

private:
    template <class Call>
    void each(Call call);
    std::vector<ChainObserver*> observers_;
};

// Subscribed for as long as it lives.
class ChainSubscription {
public:
    ChainSubscription(ChainEvents& events, ChainObserver& observer)
        : events_(events), observer_(observer) {
        events_.subscribe(observer_);
    }
    ~ChainSubscription() { events_.unsubscribe(observer_); }
    ChainSubscription(const ChainSubscription&) = delete;
    ChainSubscription& operator=(const ChainSubscription&) = delete;

private:
    ChainEvents& events_;
    ChainObserver& observer_;
};

// The session's prompter: every box goes to the real one, then is told as boxShown.
class NotifyingPrompter : public Prompter {
public:
    NotifyingPrompter(Prompter& inner, ChainEvents& events) : inner_(inner), events_(events) {}
    Answer message(const MessageBox& box) override;
    std::optional<std::string> chooseFile(const FileChoice& choice) override {
        return inner_.chooseFile(choice);
    }

private:
    Prompter& inner_;
    ChainEvents& events_;
};

// What a chain is doing, counted from the events, for front ends that poll it (the command
// line's chain runner, `run`, benchmarks). The session keeps one, always subscribed.
struct Activity : ChainObserver {
    explicit Activity(Timers& timers) : timers_(timers) {}

    bool awaitingAnswer = false;  // a request went out and no frame has reached a page since
    int requests = 0;             // requests sent so far
    std::uint8_t lastSentCode = 0;
    Millis lastSentAt{0};
    std::string lastSuccess;  // the latest success text
    std::string lastFailure;  // "操作失败" after a time-out, or the latest validation message
    int failures = 0;         // time-outs since the counter was cleared
    int messages = 0;         // message boxes shown by pages since the counter was cleared

    void requestSent(std::uint8_t code) override;
    void frameArrived() override { awaitingAnswer = false; }
    void succeeded(const std::string& text) override { lastSuccess = text; }
    void messageShown(const std::string& text) override;
    void timedOut() override;

private:
    Timers& timers_;
};

}  // namespace rb::engine
