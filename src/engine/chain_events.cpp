#include "engine/chain_events.h"

#include <algorithm>

#include "engine/page.h"

namespace rb::engine {

void ChainEvents::subscribe(ChainObserver& observer) { observers_.push_back(&observer); }

void ChainEvents::unsubscribe(ChainObserver& observer) {
    observers_.erase(std::remove(observers_.begin(), observers_.end(), &observer),
                     observers_.end());
}

template <class Call>
void ChainEvents::each(Call call) {
    // A copy: an observer may unsubscribe (or subscribe another) while it is told.
    const std::vector<ChainObserver*> now = observers_;
    for (ChainObserver* o : now) {
        if (std::find(observers_.begin(), observers_.end(), o) != observers_.end()) call(*o);
    }
}

void ChainEvents::requestSent(std::uint8_t code) {
    each([code](ChainObserver& o) { o.requestSent(code); });
}
void ChainEvents::frameArrived() {
    each([](ChainObserver& o) { o.frameArrived(); });
}
void ChainEvents::succeeded(const std::string& text) {
    each([&text](ChainObserver& o) { o.succeeded(text); });
}
void ChainEvents::messageShown(const std::string& text) {
    each([&text](ChainObserver& o) { o.messageShown(text); });
}
void ChainEvents::timedOut() {
    each([](ChainObserver& o) { o.timedOut(); });
}
void ChainEvents::declined() {
    each([](ChainObserver& o) { o.declined(); });
}

void ChainEvents::boxShown(const MessageBox& box) {
    each([&box](ChainObserver& o) { o.boxShown(box); });
}
void ChainEvents::frameHandled() {
    each([](ChainObserver& o) { o.frameHandled(); });
}
void ChainEvents::portLost(const std::string& reason) {
    each([&reason](ChainObserver& o) { o.portLost(reason); });
}

Answer NotifyingPrompter::message(const MessageBox& box) {
    const Answer answer = inner_.message(box);
    events_.boxShown(box);
    return answer;
}

void Activity::requestSent(std::uint8_t code) {
    awaitingAnswer = true;
    ++requests;
    lastSentCode = code;
    lastSentAt = timers_.now();
}

void Activity::messageShown(const std::string& text) {
    ++messages;
    lastFailure = text;
}

void Activity::timedOut() {
    awaitingAnswer = false;
    lastFailure = kFailedStatus;
    ++failures;
}

}  // namespace rb::engine
