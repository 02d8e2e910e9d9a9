#include "sim/simulated_line.h"

#include <algorithm>

namespace rb::sim {

namespace {

constexpr long long kBitsPerByte = 10;  // start bit, 8 data bits, stop bit
constexpr long long kMicrosPerSecond = 1'000'000;
constexpr std::size_t kShortestRequest = 5;  // 96 03 80 code cs

Micros toMicros(wire::Millis t) { return Micros(t); }
wire::Millis toMillis(Micros t) { return std::chrono::floor<wire::Millis>(t); }

// Length of the request in a slot and whether it carries a checksum; 0 when it is none the
// terminal takes (0xEC frames are never requests; a length beyond a slot's reach).
std::size_t requestLength(const wire::FrameSlot& slot, bool& checksummed) {
    checksummed = true;
    std::size_t n = 0;
    switch (slot[0]) {
        case wire::kLead96:
            n = std::size_t(slot[1]) + 2;
            if (n < kShortestRequest) return 0;
            break;
        case wire::kLeadEA: {
            const std::size_t length = std::size_t(slot[1]) | std::size_t(slot[2]) << 8;
            // The reader takes no checksum byte after command 0x55, so none can be checked here.
            checksummed = slot[3] != wire::kNoChecksumCode;
            n = length + (checksummed ? 5 : 4);
            break;
        }
        default:
            return 0;
    }
    return n > wire::kMaxFrameLength ? 0 : n;
}

}  // namespace

SimulatedLine::SimulatedLine(std::unique_ptr<Terminal> terminal, const Faults& faults)
    : terminal_(std::move(terminal)) {
    setFaults(faults);
}

void SimulatedLine::setFaults(const Faults& faults) {
    faults_ = faults;
    answerCount_ = 0;
    drops_.seed(faults.seed);
    nextUnsolicited_.reset();
    if (!faults.unsolicited.empty()) nextUnsolicited_ = faults.unsolicitedAt;
}

int SimulatedLine::lineBaud() const {
    return faults_.paceBaud > 0 ? faults_.paceBaud : terminal_->baud();
}

Micros SimulatedLine::byteArrival(std::size_t k) const {
    return Micros((static_cast<long long>(k) + 1) * kBitsPerByte * kMicrosPerSecond / lineBaud());
}

std::vector<TimedChunk> SimulatedLine::write(wire::ByteSpan bytes, Micros now) {
    std::vector<TimedChunk> out;
    runDue(now, false, out);
    const Micros start = faults_.pace ? std::max(now, inboundFreeAt_) : now;
    for (std::size_t j = 0; j < bytes.size(); ++j) {
        const Micros at = faults_.pace ? start + byteArrival(j) : now;
        // A request cut short before this byte came ends at its own deadline.
        runDue(toMicros(toMillis(at)), false, out);
        for (const wire::FrameSlot& slot : reader_.feed(bytes.subspan(j, 1), toMillis(at)))
            hear(slot, at, out);
    }
    if (!bytes.empty()) inboundFreeAt_ = faults_.pace ? start + byteArrival(bytes.size() - 1) : now;
    return out;
}

std::vector<TimedChunk> SimulatedLine::poll(Micros now) {
    std::vector<TimedChunk> out;
    runDue(now, true, out);
    return out;
}

std::optional<Micros> SimulatedLine::deadline() const {
    std::optional<Micros> due;
    if (const auto r = reader_.deadline()) due = toMicros(*r);
    if (nextUnsolicited_ && (!due || *nextUnsolicited_ < *due)) due = nextUnsolicited_;
    return due;
}

void SimulatedLine::reset() { reader_.reset(); }

void SimulatedLine::runDue(Micros upTo, bool readerInclusive, std::vector<TimedChunk>& out) {
    for (;;) {
        std::optional<Micros> readerDue;
        if (const auto r = reader_.deadline()) {
            const Micros t = toMicros(*r);
            if (readerInclusive ? t <= upTo : t < upTo) readerDue = t;
        }
        const bool unsolicitedDue = nextUnsolicited_ && *nextUnsolicited_ <= upTo;
        if (readerDue && (!unsolicitedDue || *readerDue <= *nextUnsolicited_)) {
            const std::vector<wire::FrameSlot> frames = reader_.poll(toMillis(*readerDue));
            for (const wire::FrameSlot& slot : frames) hear(slot, *readerDue, out);
            if (frames.empty() && reader_.deadline() == toMillis(*readerDue)) return;  // stuck
        } else if (unsolicitedDue) {
            if (!faults_.silent) transmit(faults_.unsolicited, *nextUnsolicited_, out);
            if (faults_.unsolicitedEvery > Micros(0))
                *nextUnsolicited_ += faults_.unsolicitedEvery;
            else
                nextUnsolicited_.reset();
        } else {
            return;
        }
    }
}

void SimulatedLine::hear(const wire::FrameSlot& slot, Micros at, std::vector<TimedChunk>& out) {
    if (faults_.silent) return;
    bool checksummed = true;
    const std::size_t n = requestLength(slot, checksummed);
    if (n == 0) return;
    const wire::ByteSpan frame(slot.data(), n);
    if (checksummed && slot[n - 1] != wire::expectedChecksum(frame)) return;

    const Micros earliest = at + faults_.delay;
    // A write the terminal ignores: a copy answers it and is thrown away with what it stored.
    std::unique_ptr<Terminal> scratch;
    if (faults_.keepOldFor != 0 && n > 3 && frame[3] == faults_.keepOldFor)
        scratch = terminal_->clone();
    Terminal& answering = scratch ? *scratch : *terminal_;
    for (wire::Bytes& answer : answering.answer(wire::FrameView(frame))) {
        ++answerCount_;
        const bool drawn = drawDrop();  // drawn for every answer, so a seed repeats exactly
        if (!drawn && answerCount_ != faults_.dropNth && !answer.empty()) {
            if (faults_.corruptChecksum || answerCount_ == faults_.corruptNth)
                answer.back() ^= 0xFF;
            wire::Bytes sent = faults_.garbage;
            sent.insert(sent.end(), answer.begin(), answer.end());
            transmit(sent, earliest, out);
        }
        if (answerCount_ == faults_.strayAfter) transmit(faults_.stray, earliest, out);
    }
}

bool SimulatedLine::drawDrop() {
    if (faults_.dropFraction <= 0.0) return false;
    constexpr double kRange = 4294967296.0;  // 2^32: mt19937 draws 32-bit values
    return double(drops_()) / kRange < faults_.dropFraction;
}

void SimulatedLine::transmit(const wire::Bytes& bytes, Micros earliest,
                             std::vector<TimedChunk>& out) {
    if (bytes.empty()) return;
    const Micros start = std::max(earliest, outboundFreeAt_);
    const std::size_t first = out.size();  // chunks of this transmission start here
    Micros last = start;
    for (std::size_t k = 0; k < bytes.size(); ++k) {
        Micros at = start;
        if (faults_.pace) at += byteArrival(k);
        if (faults_.splitSize > 0) at += faults_.splitGap * long(k / faults_.splitSize);
        const bool sameChunk = out.size() > first && out.back().at == at &&
                               (faults_.splitSize == 0 || k % faults_.splitSize != 0);
        if (sameChunk)
            out.back().bytes.push_back(bytes[k]);
        else
            out.push_back({at, {bytes[k]}});
        last = at;
    }
    outboundFreeAt_ = last;
}

}  // namespace rb::sim
