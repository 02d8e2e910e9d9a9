// Soak: 10,000 exchanges through a pty with radiosim misbehaving at random (seeded: lost answers,
// line noise before answers, answers in pieces, a terminal's own chatter), through the real serial
// code and the LM52R pages' read and write chains. Resident memory is taken after a warm-up and
// at the end: it must stay flat, and nothing may crash.
//
//   soak_bench [--exchanges N] [--radiosim PATH] [--tsv]
#include <unistd.h>

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "bench/radiosim_process.h"
#include "cli/chain_runner.h"
#include "cli/cli_prompter.h"
#include "cli/event_waiter.h"
#include "engine/session.h"
#include "families/catalog/catalog.h"
#include "link/link_opener.h"
#include "link/qt_timers.h"

namespace {

using namespace rb;

// Resident set size in KiB (VmRSS of /proc/self/status).
long residentKiB() {
    std::ifstream in("/proc/self/status");
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
    }
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    int exchanges = 10000;
    bool tsv = false;
    std::string radiosim =
#ifdef RB_RADIOSIM_BINARY
        RB_RADIOSIM_BINARY;
#else
        "";
#endif
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--exchanges" && i + 1 < argc) {
            exchanges = std::max(100, std::atoi(argv[++i]));
        } else if (a == "--radiosim" && i + 1 < argc) {
            radiosim = argv[++i];
        } else if (a == "--tsv") {
            tsv = true;
        } else {
            std::cerr << "usage: soak_bench [--exchanges N] [--radiosim PATH] [--tsv]\n";
            return 2;
        }
    }
    if (radiosim.empty() || ::access(radiosim.c_str(), X_OK) != 0) {
        std::cerr << "soak_bench: radiosim not found\n";
        return 2;
    }

    QCoreApplication app(argc, argv);
    link::QtTimers timers;
    // One answer in 500 lost (each costs a 2000 ms time-out), noise before every answer, answers
    // in pieces of 7 bytes, an unknown frame every 700 ms.
    bench::RadiosimProcess sim(
        radiosim, "lm52r",
        {"--delay", "1", "--drop-fraction", "0.002", "--seed", "7", "--garbage", "00 55 13",
         "--split", "7", "--split-gap", "1", "--unsolicited", "96 05 80 F5 00 01 E7",
         "--unsolicited-every", "700"});
    std::ostringstream boxes;  // time-out boxes are counted, not printed
    cli::CliPrompter prompter(boxes, nullptr, /*assumeYes=*/true, false);
    engine::Session session(timers, prompter, engine::UserPaths::inDirectory("/tmp"));
    auto container = families::makeContainer("lm52r", session);
    session.theComm.setOpener(link::makeLinkOpener(timers));
    engine::PortRequest request;
    request.device = sim.device();
    request.baud = 9600;
    request.family = "lm52r";
    if (!session.theComm.Open(request)) {
        std::cerr << "soak_bench: " << session.theComm.lastError() << '\n';
        return 1;
    }
    session.theComm.SetWnd(container.get());
    cli::QtEventWaiter waiter;
    cli::ChainRunner runner(session, *container, waiter);

    const int warmUp = exchanges / 10;
    long warmKiB = -1;
    int chains = 0, failed = 0;
    while (session.activity.requests < exchanges) {
        const std::size_t page = std::size_t(chains % 2);
        const cli::ChainResult r =
            (chains / 2) % 2 == 0 ? runner.runRead(page) : runner.runWrite(page);
        ++chains;
        if (!r.ok()) ++failed;
        if (warmKiB < 0 && session.activity.requests >= warmUp) warmKiB = residentKiB();
        if (!sim.alive()) {
            std::cerr << "soak_bench: radiosim ended\n";
            return 1;
        }
    }
    const long endKiB = residentKiB();
    const double growth = warmKiB > 0 ? double(endKiB) / double(warmKiB) : 0.0;
    if (tsv) {
        std::printf(
            "soak\t%d exchanges, %d chains, %d failed\t%.1f MiB at end\t%.1f MiB after "
            "warm-up\t%.3f\n",
            session.activity.requests, chains, failed, endKiB / 1024.0, warmKiB / 1024.0, growth);
    } else {
        std::printf(
            "exchanges %d, chains %d (%d ended by a fault), resident memory %.1f MiB after "
            "%d exchanges, %.1f MiB at the end (ratio %.3f)\n",
            session.activity.requests, chains, failed, warmKiB / 1024.0, warmUp, endKiB / 1024.0,
            growth);
    }
    session.theComm.Close();
    return 0;
}
