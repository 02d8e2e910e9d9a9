#include "engine/file_reader.h"

namespace rb::engine {

namespace {
constexpr int kPollTimer = 1;
}

FileReader::~FileReader() { session_.timers.stopAll(this); }

bool FileReader::start(Container& container, Done done) {
    if (busy()) return false;
    steps_.clear();
    for (std::size_t i = 0; i < container.pageCount(); ++i) {
        Page& page = container.page(i);
        if (!page.takesPartInFile()) continue;
        for (auto& chain : page.fileReadChains()) steps_.push_back(Step{i, std::move(chain)});
    }
    if (steps_.empty()) return false;
    container_ = &container;
    shownBefore_ = container.currentTab();
    done_ = std::move(done);
    step_ = 0;
    session_.timers.start(this, kPollTimer, kPoll, [this] { poll(); });
    next();
    return true;
}

void FileReader::cancel() {
    session_.timers.stop(this, kPollTimer);
    container_ = nullptr;
    done_ = nullptr;
}

void FileReader::next() {
    mark_ = FailureMark::now(session_);
    idle_.reset();
    session_.activity.awaitingAnswer = false;
    container_->selectTab(steps_[step_].page);
    steps_[step_].chain();
}

void FileReader::poll() {
    if (!container_) return;
    if (mark_.failedSince(session_)) return finish(false, session_.activity.lastFailure);
    if (!idle_.idle(session_, container_->page(steps_[step_].page))) return;
    if (++step_ < steps_.size()) return next();
    finish(true, {});
}

void FileReader::finish(bool ok, const std::string& reason) {
    if (ok) container_->selectTab(shownBefore_);  // after a failure the failing page shows
    Done done = std::move(done_);
    cancel();
    if (done) done(ok, reason);
}

}  // namespace rb::engine
