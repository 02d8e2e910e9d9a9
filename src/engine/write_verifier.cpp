#include "engine/write_verifier.h"

#include <algorithm>

#include "engine/page.h"

namespace rb::engine {

namespace {
constexpr int kPollTimer = 1;
}

WriteVerifier::WriteVerifier(Session& session) : session_(session) {
    session_.pageClicked = [this](Page& page, int id, bool done) { clicked(page, id, done); };
}

WriteVerifier::~WriteVerifier() {
    session_.timers.stopAll(this);
    session_.pageClicked = nullptr;
}

void WriteVerifier::setEnabled(bool on) {
    enabled_ = on;
    if (!on) stop();
}

WriteVerifier::Counters WriteVerifier::counters() const {
    const auto& a = session_.activity;
    return Counters{a.requests, a.failures, a.messages};
}

bool WriteVerifier::failedSince(const Counters& start) const {
    const Counters now = counters();
    return now.failures > start.failures || now.messages > start.messages;
}

void WriteVerifier::clicked(Page& page, int id, bool done) {
    if (!enabled_) return;
    const std::vector<int> buttons = page.writeButtons();
    const auto it = std::find(buttons.begin(), buttons.end(), id);
    if (it == buttons.end()) return;
    if (!done) {
        atClick_ = counters();
        return;
    }
    // Only a write that went out (confirmed, its fields valid) is followed.
    if (counters().requests == atClick_.requests || failedSince(atClick_)) return;
    const std::size_t chain = std::size_t(it - buttons.begin());
    if (chain >= page.fileReadChains().size()) return;
    stop();
    page_ = &page;
    chain_ = chain;
    atStart_ = atClick_;
    state_ = State::Writing;
    silentSince_ = Millis(-1);
    session_.timers.start(this, kPollTimer, kPoll, [this] { poll(); });
}

bool WriteVerifier::pageIdle() {
    const bool responseTimer = session_.timers.running(page_, kResponseTimer);
    const bool transfer = page_->transferInProgress();
    if (responseTimer || transfer) {
        silentSince_ = Millis(-1);
        return false;
    }
    if (!session_.activity.awaitingAnswer) return true;
    // A request that arms no timer: ended when nothing came for kSilentEnd.
    const Millis now = session_.timers.now();
    if (silentSince_ < Millis(0)) silentSince_ = now;
    return now - silentSince_ >= kSilentEnd;
}

void WriteVerifier::poll() {
    if (!page_) return stop();
    if (state_ == State::Writing) {
        if (failedSince(atStart_)) return stop();  // the page has shown why
        if (!pageIdle()) return;
        written_ = FormSnapshot(*page_);
        state_ = State::Reading;
        atStart_ = counters();
        silentSince_ = Millis(-1);
        const auto chains = page_->fileReadChains();
        chains[chain_]();
        return;
    }
    if (state_ == State::Reading) {
        if (failedSince(atStart_)) {
            written_.restore(*page_);  // the read left defaults where it stopped
            return stop();
        }
        if (!pageIdle()) return;
        finish();
    }
}

void WriteVerifier::finish() {
    Page& page = *page_;
    differences_ = written_.differences(page);
    stop();
    if (differences_.empty()) {
        session_.statusBar.SetText(2, kVerifyPassed);
        return;
    }
    written_.restore(page);
    session_.prompter.info(boxText(differences_), kInfoCaption, &page);
}

void WriteVerifier::stop() {
    session_.timers.stop(this, kPollTimer);
    state_ = State::Idle;
    page_ = nullptr;
}

std::string WriteVerifier::boxText(const std::vector<FieldDifference>& differences) {
    std::string text = kVerifyFailedHeading;
    for (const auto& d : differences) text += "\n" + describe(d);
    return text;
}

}  // namespace rb::engine
