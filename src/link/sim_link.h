// The built-in simulated terminal as a port: an in-process link between the port object and a
// sim::SimulatedLine, with no device and no Qt.
//
// What the tool writes goes into the line at the timers' current time; every chunk the line
// sends back is delivered by a one-shot timer when its time has come, so answers always arrive
// later and never from inside write(). Line-rate pacing, delays and the other faults are the
// line's business (sim::Faults); this class only keeps time.
#pragma once

#include <deque>
#include <memory>
#include <string>

#include "engine/link.h"
#include "engine/timers.h"
#include "sim/faults.h"
#include "sim/simulated_line.h"

namespace rb::link {

class SimLink : public engine::Link {
public:
    SimLink(std::unique_ptr<sim::Terminal> terminal, engine::Timers& timers,
            const sim::Faults& faults = {});
    ~SimLink() override;
    SimLink(const SimLink&) = delete;
    SimLink& operator=(const SimLink&) = delete;

    bool isOpen() const override { return open_; }
    void write(wire::ByteSpan bytes) override;
    // Answers still on their way are dropped; the link stays closed.
    void close() override;

    // The line and its terminal, to change faults or look at what the terminal stored.
    sim::SimulatedLine& line() { return line_; }
    // Chunks scheduled and not yet delivered.
    std::size_t pendingChunks() const { return pending_.size(); }

private:
    struct Pending {
        int timerId;
        wire::Millis at;  // when its timer fires
        wire::Bytes bytes;
    };

    void schedule(std::vector<sim::TimedChunk> chunks);
    // Delivers, in order, every pending chunk up to and including the one of `timerId`.
    void deliverUpTo(int timerId);
    // Keeps a timer on the line's own deadline (a request cut short, unsolicited frames).
    void armLinePoll();
    int nextTimerId();

    engine::Timers& timers_;
    sim::SimulatedLine line_;
    bool open_ = true;
    int lastTimerId_ = kLinePollTimer;
    std::deque<Pending> pending_;  // in the order the line sends them
    int vanishAfter_ = 0;          // Faults::vanishAfter
    int delivered_ = 0;
    // Cleared when the link goes away, so a delivery that destroyed it stops at once.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);

    static constexpr int kLinePollTimer = 0;
};

// Opens the simulator of the request's terminal family (request.family, any case). On failure
// the result carries no link and a reason for the user.
engine::OpenResult openSimulator(const engine::PortRequest& request, engine::Timers& timers,
                                 const sim::Faults& faults = {});

}  // namespace rb::link
