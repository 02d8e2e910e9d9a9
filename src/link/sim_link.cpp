#include "link/sim_link.h"

#include <algorithm>
#include <chrono>
#include <climits>

#include "sim/terminal.h"

namespace rb::link {

namespace {

using wire::Millis;

constexpr Millis kShortestWait{1};  // a chunk due now still arrives after write() returned

Millis waitUntil(sim::Micros at, Millis now) {
    return std::max(kShortestWait, std::chrono::ceil<Millis>(at) - now);
}

}  // namespace

SimLink::SimLink(std::unique_ptr<sim::Terminal> terminal, engine::Timers& timers,
                 const sim::Faults& faults)
    : timers_(timers), line_(std::move(terminal), faults), vanishAfter_(faults.vanishAfter) {
    // Unsolicited frames start with the line, not with the first write.
    armLinePoll();
}

SimLink::~SimLink() {
    alive_.reset();
    timers_.stopAll(this);
}

void SimLink::write(wire::ByteSpan bytes) {
    if (!open_) return;
    schedule(line_.write(bytes, sim::Micros(timers_.now())));
    armLinePoll();
}

void SimLink::close() {
    if (!open_) return;
    open_ = false;
    timers_.stopAll(this);
    pending_.clear();
    line_.reset();
}

int SimLink::nextTimerId() {
    lastTimerId_ = lastTimerId_ == INT_MAX ? kLinePollTimer + 1 : lastTimerId_ + 1;
    return lastTimerId_;
}

void SimLink::schedule(std::vector<sim::TimedChunk> chunks) {
    for (sim::TimedChunk& chunk : chunks) {
        const Millis at = chunk.atMillis();
        // Bytes due in the same millisecond as the last pending chunk would arrive in the same
        // timer turn anyway: they ride along instead of taking a timer of their own.
        if (!pending_.empty() && pending_.back().at == at) {
            wire::Bytes& bytes = pending_.back().bytes;
            bytes.insert(bytes.end(), chunk.bytes.begin(), chunk.bytes.end());
            continue;
        }
        const int id = nextTimerId();
        pending_.push_back({id, at, std::move(chunk.bytes)});
        timers_.start(this, id, waitUntil(chunk.at, timers_.now()),
                      [this, id] { deliverUpTo(id); });
    }
}

void SimLink::deliverUpTo(int timerId) {
    timers_.stop(this, timerId);  // one-shot
    const bool queued = std::any_of(pending_.begin(), pending_.end(),
                                    [timerId](const Pending& p) { return p.timerId == timerId; });
    if (!queued) return;
    // Chunks leave in the order the line sent them even if a later one's timer fires first
    // (millisecond rounding of two waits started at different moments).
    const std::weak_ptr<bool> alive = alive_;
    while (!pending_.empty()) {
        Pending next = std::move(pending_.front());
        pending_.pop_front();
        timers_.stop(this, next.timerId);
        deliver(next.bytes);
        // The receiver may have written (more chunks queue up behind), closed the port or
        // destroyed this link while it handled the bytes.
        if (alive.expired() || !open_) return;
        if (vanishAfter_ > 0 && ++delivered_ == vanishAfter_) {
            close();
            lost("模拟终端已断开 (the simulated device went away)");
            return;
        }
        if (next.timerId == timerId) return;
    }
}

void SimLink::armLinePoll() {
    const auto due = line_.deadline();
    if (!open_ || !due) {
        timers_.stop(this, kLinePollTimer);
        return;
    }
    timers_.start(this, kLinePollTimer, waitUntil(*due, timers_.now()), [this] {
        timers_.stop(this, kLinePollTimer);
        const Millis now = timers_.now();
        schedule(line_.poll(sim::Micros(now)));
        // A deadline the poll did not move on would fire again at once, for ever; the next
        // write restarts the poll instead.
        const auto next = line_.deadline();
        if (next && *next <= sim::Micros(now)) return;
        armLinePoll();
    });
}

engine::OpenResult openSimulator(const engine::PortRequest& request, engine::Timers& timers,
                                 const sim::Faults& faults) {
    engine::OpenResult result;
    std::unique_ptr<sim::Terminal> terminal = sim::makeTerminal(request.family);
    if (!terminal) {
        result.error = request.family.empty()
                           ? "未选择终端类型,无法打开模拟终端 (no terminal type chosen)"
                           : "终端类型 " + request.family +
                                 " 暂无模拟终端 (no simulator for this terminal type)";
        return result;
    }
    result.link = std::make_unique<SimLink>(std::move(terminal), timers, faults);
    return result;
}

}  // namespace rb::link
