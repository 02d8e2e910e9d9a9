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

void WriteVerifier::clicked(Page& page, int id, bool done) {
    if (!enabled_) return;
    const std::vector<int> buttons = page.writeButtons();
    const auto it = std::find(buttons.begin(), buttons.end(), id);
    if (it == buttons.end()) return;
    if (!done) {
        atClick_ = FailureMark::now(session_);
        return;
    }
    // Only a write that went out (confirmed, its fields valid) is followed.
    if (session_.activity.requests == atClick_.requests || atClick_.failedSince(session_)) return;
    const std::size_t chain = std::size_t(it - buttons.begin());
    if (chain >= page.fileReadChains().size()) return;
    stop();
    page_ = &page;
    chain_ = chain;
    atStart_ = atClick_;
    state_ = State::Writing;
    idle_.reset();
    session_.timers.start(this, kPollTimer, kPoll, [this] { poll(); });
}

void WriteVerifier::poll() {
    if (!page_) return stop();
    if (state_ == State::Writing) {
        if (atStart_.failedSince(session_)) return stop();  // the page has shown why
        if (!idle_.idle(session_, *page_)) return;
        written_ = FormSnapshot(*page_);
        state_ = State::Reading;
        atStart_ = FailureMark::now(session_);
        idle_.reset();
        const auto chains = page_->fileReadChains();
        chains[chain_]();
        return;
    }
    if (state_ == State::Reading) {
        if (atStart_.failedSince(session_)) {
            written_.restore(*page_);  // the read left defaults where it stopped
            return stop();
        }
        if (!idle_.idle(session_, *page_)) return;
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
