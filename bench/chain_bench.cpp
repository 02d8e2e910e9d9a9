// End-to-end chain timing: every family's read and write chains (the table kTypes below) against
// its simulated terminal pacing every byte at the line rate (10 bits a byte, no think time), over
// the in-process link and over a pseudo-terminal served by radiosim through the real serial
// port code. For each chain: bytes on the wire, the wire-time limit (bytes x 10 / baud), the
// measured time (median of --runs) and their ratio. The software adds nothing when the ratio
// is 1.00; the target is 1.05 or less.
//
//   chain_bench [--runs N] [--transport inproc|pty|all] [--type KEY] [--radiosim PATH] [--tsv]
#include <unistd.h>

#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "bench/counting_link.h"
#include "bench/radiosim_process.h"
#include "cli/chain_runner.h"
#include "cli/cli_prompter.h"
#include "cli/event_waiter.h"
#include "engine/link.h"
#include "engine/session.h"
#include "families/catalog/catalog.h"
#include "link/link_opener.h"
#include "link/qt_timers.h"

namespace {

using namespace rb;

// One chain: the page's index and which of its file chains (Page::fileReadChains() or
// fileWriteChains()) runs.
struct ChainSpec {
    const char* name;
    std::size_t page;
    bool write;
    std::size_t chain = 0;
};

// A terminal type and the chains measured for it. A family adds its row here.
struct BenchType {
    const char* key;  // catalog type and radiosim family
    int baud;
    std::vector<ChainSpec> chains;
};

const std::vector<BenchType>& benchTypes() {
    static const std::vector<BenchType> types = {
        {"lm52r",
         9600,
         {{"base read", 0, false},
          {"base write", 0, true},
          {"user read", 1, false},
          {"user write", 1, true}}},
        {"train",
         9600,
         {{"base read", 0, false},
          {"base write", 0, true},
          {"identity read", 1, false, 0},
          {"dispatch read", 1, false, 1},
          {"keys read", 1, false, 2},
          {"identity write", 1, true, 0},
          {"dispatch write", 1, true, 1},
          {"keys write", 1, true, 2}}},
        {"netradio",
         9600,
         {{"base read", 0, false},
          {"base write", 0, true},
          {"user read", 1, false},
          {"user write", 1, true}}},
        {"protest", 9600, {{"全部读取", 0, false}, {"全部改写", 0, true}}},
        {"qx710", 19200, {{"base read", 0, false}, {"base write", 0, true}}},
        {"wz4040", 19200, {{"base read", 0, false}, {"base write", 0, true}}},
    };
    return types;
}

using bench::CountingLink;

struct Row {
    std::string type;
    std::string transport;
    std::string chain;
    std::size_t bytes = 0;
    double limitMs = 0;
    double measuredMs = 0;
    int exchanges = 0;
    bool ok = true;
    std::string note;
};

double wireLimitMs(std::size_t bytes, int baud) { return double(bytes) * 10.0 * 1000.0 / baud; }

std::vector<Row> runTransport(const BenchType& type, const std::string& transport,
                              const std::string& device, const engine::LinkOpener& baseOpener,
                              engine::Timers& timers, int runs) {
    std::vector<Row> rows;
    std::ostringstream boxes;  // message boxes (none expected) are kept out of the table
    cli::CliPrompter prompter(boxes, nullptr, /*assumeYes=*/true, false);
    engine::Session session(timers, prompter, engine::UserPaths::inDirectory("/tmp"));
    auto container = families::makeContainer(type.key, session);
    if (!container) return {{type.key, transport, "(container)", 0, 0, 0, 0, false, "not built"}};
    CountingLink* counter = nullptr;
    session.theComm.setOpener([&](const engine::PortRequest& request) {
        engine::OpenResult r = baseOpener(request);
        if (r.link) {
            auto counting = std::make_unique<CountingLink>(std::move(r.link));
            counter = counting.get();
            r.link = std::move(counting);
        }
        return r;
    });
    engine::PortRequest request;
    request.device = device;
    request.baud = type.baud;
    request.family = type.key;
    if (!session.theComm.Open(request)) {
        Row row{type.key, transport, "(open)", 0, 0, 0, 0, false, session.theComm.lastError()};
        rows.push_back(row);
        return rows;
    }
    session.theComm.SetWnd(container.get());
    cli::QtEventWaiter waiter;
    cli::ChainRunner runner(session, *container, waiter);

    auto chainOf = [&](const ChainSpec& c) {
        engine::Page& page = container->page(c.page);
        const auto chains = c.write ? page.fileWriteChains() : page.fileReadChains();
        return c.chain < chains.size() ? chains[c.chain] : engine::Page::Chain{};
    };
    // Warm up: the first exchange pays for lazy set-up (allocations, the pty's first read).
    for (const ChainSpec& c : type.chains) {
        if (auto chain = chainOf(c); chain && !c.write) runner.runChain(c.page, chain);
    }
    for (const ChainSpec& c : type.chains) {
        std::vector<double> times;
        Row row;
        row.type = type.key;
        row.transport = transport;
        row.chain = c.name;
        const engine::Page::Chain chain = chainOf(c);
        if (!chain) {
            row.ok = false;
            row.note = "no such chain";
            rows.push_back(row);
            continue;
        }
        for (int i = 0; i < runs; ++i) {
            counter->sent = counter->received = 0;
            const auto t0 = std::chrono::steady_clock::now();
            const cli::ChainResult result = runner.runChain(c.page, chain);
            const auto t1 = std::chrono::steady_clock::now();
            times.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
            row.bytes = counter->sent + counter->received;
            row.exchanges = result.answers;
            if (!result.ok()) {
                row.ok = false;
                row.note = cli::describe(result);
            }
        }
        std::sort(times.begin(), times.end());
        row.measuredMs = times[times.size() / 2];
        row.limitMs = wireLimitMs(row.bytes, type.baud);
        rows.push_back(row);
    }
    session.theComm.Close();
    return rows;
}

}  // namespace

int main(int argc, char** argv) {
    int runs = 5;
    std::string transport = "all";
    std::string radiosim =
#ifdef RB_RADIOSIM_BINARY
        RB_RADIOSIM_BINARY;
#else
        "";
#endif
    bool tsv = false;
    std::string onlyType;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--runs" && i + 1 < argc) {
            runs = std::max(1, std::atoi(argv[++i]));
        } else if (a == "--transport" && i + 1 < argc) {
            transport = argv[++i];
        } else if (a == "--radiosim" && i + 1 < argc) {
            radiosim = argv[++i];
        } else if (a == "--type" && i + 1 < argc) {
            onlyType = argv[++i];
        } else if (a == "--tsv") {
            tsv = true;
        } else {
            std::cerr << "usage: chain_bench [--runs N] [--transport inproc|pty|all] "
                         "[--type KEY] [--radiosim PATH] [--tsv]\n";
            return 2;
        }
    }

    QCoreApplication app(argc, argv);
    link::QtTimers timers;
    std::vector<Row> rows;

    for (const BenchType& type : benchTypes()) {
        if (!onlyType.empty() && onlyType != type.key) continue;
        if (transport == "all" || transport == "inproc") {
            sim::Faults pacing;
            pacing.pace = true;
            pacing.delay = sim::Micros(0);
            auto r = runTransport(type, "in-process", "sim", link::makeLinkOpener(timers, pacing),
                                  timers, runs);
            rows.insert(rows.end(), r.begin(), r.end());
        }
        if (transport == "all" || transport == "pty") {
            if (radiosim.empty() || ::access(radiosim.c_str(), X_OK) != 0) {
                rows.push_back(
                    {type.key, "pty", "(radiosim)", 0, 0, 0, 0, false, "radiosim not found"});
            } else {
                bench::RadiosimProcess sim(radiosim, type.key, {"--pace", "--delay", "0"});
                auto r = runTransport(type, "pty+radiosim", sim.device(),
                                      link::makeLinkOpener(timers), timers, runs);
                rows.insert(rows.end(), r.begin(), r.end());
            }
        }
    }

    bool allOk = true;
    if (tsv) {
        for (const Row& r : rows) {
            std::printf("%s\t%s\t%zu\t%.1f\t%.1f\t%.3f\t%d\t%s\n", r.transport.c_str(),
                        (r.type + " " + r.chain).c_str(), r.bytes, r.limitMs, r.measuredMs,
                        r.limitMs > 0 ? r.measuredMs / r.limitMs : 0.0, r.exchanges,
                        r.ok ? "ok" : r.note.c_str());
            allOk = allOk && r.ok;
        }
    } else {
        std::printf("%-13s %-22s %6s %10s %12s %7s %5s\n", "transport", "chain", "bytes",
                    "limit ms", "measured ms", "ratio", "answ");
        for (const Row& r : rows) {
            std::printf("%-13s %-22s %6zu %10.1f %12.1f %7.3f %5d %s\n", r.transport.c_str(),
                        (r.type + " " + r.chain).c_str(), r.bytes, r.limitMs, r.measuredMs,
                        r.limitMs > 0 ? r.measuredMs / r.limitMs : 0.0, r.exchanges,
                        r.ok ? "" : r.note.c_str());
            allOk = allOk && r.ok;
        }
        std::printf("wire-time limit = bytes x 10 / the type's baud; median of %d runs\n", runs);
    }
    return allOk ? 0 : 1;
}
