// Google Benchmark: the frame reader's throughput through feed(), and the handling of each
// LM52R answer by its page (receive check, decoding into the form, success report, the next
// request built and handed to a closed port).
#include <benchmark/benchmark.h>

#include <memory>

#include "bench/lm52r_answers.h"
#include "engine/container.h"
#include "engine/prompter.h"
#include "engine/session.h"
#include "families/catalog/catalog.h"
#include "wire/frame_reader.h"

namespace {

using namespace rb;

// All answers back to back, repeated to about 64 KiB, with a little garbage between rounds so
// the lead-byte hunt has work too.
wire::Bytes answerStream() {
    wire::Bytes round;
    for (const auto& a : bench::lm52rAnswers())
        round.insert(round.end(), a.frame.begin(), a.frame.end());
    round.insert(round.end(), {0x00, 0x11, 0x7E});
    wire::Bytes stream;
    while (stream.size() < 64 * 1024) stream.insert(stream.end(), round.begin(), round.end());
    return stream;
}

void BM_FrameReaderFeed(benchmark::State& state) {
    const wire::Bytes stream = answerStream();
    const std::size_t chunk = std::size_t(state.range(0));
    std::size_t frames = 0;
    for (auto _ : state) {
        wire::FrameReader reader;
        const wire::ByteSpan all(stream);
        for (std::size_t at = 0; at < all.size(); at += chunk) {
            auto out =
                reader.feed(all.subspan(at, std::min(chunk, all.size() - at)), wire::Millis{0});
            frames += out.size();
            benchmark::DoNotOptimize(out.data());
        }
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(stream.size()));
    state.counters["frames"] = benchmark::Counter(double(frames), benchmark::Counter::kIsRate);
}
// 1 byte at a time is what a serial port at 9600 baud mostly delivers.
BENCHMARK(BM_FrameReaderFeed)->Arg(1)->Arg(16)->Arg(256)->Arg(4096);

// The LM52R container on a manual clock with no port: every answer is handled for real and the
// next request goes to a closed port (counted out of the line).
struct Lm52rDesk {
    engine::ManualTimers timers;
    engine::ScriptedPrompter prompter;
    engine::Session session{timers, prompter, engine::UserPaths::inDirectory("/tmp")};
    std::unique_ptr<engine::Container> container = families::makeContainer("lm52r", session);
};

void BM_Lm52rAnswer(benchmark::State& state, const bench::Lm52rAnswer& answer) {
    Lm52rDesk desk;
    wire::FrameSlot slot{};
    std::copy(answer.frame.begin(), answer.frame.end(), slot.begin());
    for (auto _ : state) {
        desk.session.requestPage = answer.page;
        desk.container->OnCommFrame(slot);
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(answer.frame.size()));
    state.SetLabel(std::to_string(answer.frame.size()) + " bytes");
}

const bool kRegistered = [] {
    for (const auto& a : bench::lm52rAnswers()) {
        benchmark::RegisterBenchmark(("BM_Lm52rAnswer/" + a.name).c_str(),
                                     [a](benchmark::State& s) { BM_Lm52rAnswer(s, a); });
    }
    return true;
}();

}  // namespace

BENCHMARK_MAIN();
