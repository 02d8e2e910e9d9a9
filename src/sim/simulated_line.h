// The serial line between the tool and a simulated terminal.
//
// The tool's bytes go in through write(); the line cuts them into frames exactly as a serial
// driver does (wire::FrameReader), drops frames whose checksum is wrong, asks the Terminal and
// returns its answers as chunks of bytes with the time each chunk has arrived at the tool's
// end. Faults (faults.h) make the terminal misbehave on purpose. Nothing here sleeps or reads a
// clock: the caller passes the time and delivers each chunk when its time has come (the
// in-process link with the app's timers, the pty host with real time, tests with a number).
//
// The terminal sends on one wire: a transmission never starts before the previous one has
// ended, so chunks come out in time order over all calls.
#pragma once

#include <memory>
#include <optional>
#include <random>
#include <vector>

#include "sim/faults.h"
#include "sim/terminal.h"
#include "wire/frame_reader.h"

namespace rb::sim {

class SimulatedLine {
public:
    explicit SimulatedLine(std::unique_ptr<Terminal> terminal, const Faults& faults = {});

    // Bytes the tool wrote at `now`; returns what the terminal sends because of them (and
    // anything else due by `now`).
    std::vector<TimedChunk> write(wire::ByteSpan bytes, Micros now);
    // Runs what falls due by `now`: a request cut short whose wait has run out, unsolicited
    // frames. Call it at deadline().
    std::vector<TimedChunk> poll(Micros now);
    // When poll() must run next, or nothing while nothing waits.
    std::optional<Micros> deadline() const;
    // The port was closed: a partly received request is forgotten.
    void reset();

    // New faults; restarts the answer count, the drop generator and the unsolicited timing.
    void setFaults(const Faults& faults);
    const Faults& faults() const { return faults_; }
    Terminal& terminal() { return *terminal_; }
    // The speed bytes are paced at when pacing is on.
    int lineBaud() const;

private:
    // Hands a frame the reader delivered at `at` to the terminal and sends its answers.
    void hear(const wire::FrameSlot& slot, Micros at, std::vector<TimedChunk>& out);
    // Runs, in time order, every reader wait that has run out and every unsolicited frame due
    // by `upTo` (a reader wait ending exactly at `upTo` only when `readerInclusive`).
    void runDue(Micros upTo, bool readerInclusive, std::vector<TimedChunk>& out);
    bool drawDrop();
    // Schedules one transmission, starting no earlier than `earliest`.
    void transmit(const wire::Bytes& bytes, Micros earliest, std::vector<TimedChunk>& out);
    // Time byte k of a transmission of the line takes to arrive, counted from its start.
    Micros byteArrival(std::size_t k) const;

    std::unique_ptr<Terminal> terminal_;
    Faults faults_;
    wire::FrameReader reader_;
    std::mt19937 drops_;
    int answerCount_ = 0;
    Micros inboundFreeAt_{0};   // the tool's bytes before this time are still on the wire
    Micros outboundFreeAt_{0};  // the terminal's transmitter is busy until then
    std::optional<Micros> nextUnsolicited_;
};

}  // namespace rb::sim
