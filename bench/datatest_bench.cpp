// The mutual data test ("收发互测") of a file against the echoing bench terminal, pacing every
// byte at 9600 baud with no think time, over the in-process link and over a pseudo-terminal
// served by radiosim: bytes on the wire, the wire-time limit (bytes x 10 / baud), the measured
// time from "发送文件" to the last echo, their ratio (target 1.05 or less), and how many clicks
// of another button ("停止显示", every 500 ms) took effect while the file went out.
//
//   datatest_bench [--kib N] [--transport inproc|pty|all] [--radiosim PATH]
#include <unistd.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "bench/counting_link.h"
#include "bench/radiosim_process.h"
#include "cli/chain_runner.h"
#include "cli/cli_prompter.h"
#include "cli/event_waiter.h"
#include "engine/link.h"
#include "engine/session.h"
#include "families/protest/protest_container.h"
#include "link/link_opener.h"
#include "link/qt_timers.h"

namespace {

using namespace rb;
namespace sr = families::protest::ids::sr;
constexpr int kBaud = 9600;

using bench::CountingLink;

bool runOnce(const std::string& transport, const std::string& device,
             const engine::LinkOpener& baseOpener, link::QtTimers& timers,
             const std::string& file) {
    std::ostringstream boxes;
    cli::CliPrompter prompter(boxes, nullptr, true, false);
    const std::string dir = std::filesystem::temp_directory_path().string();
    engine::Session session(timers, prompter, engine::UserPaths::inDirectory(dir));
    families::protest::CProTestContainer container(session);
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
    request.baud = kBaud;
    request.family = "protest";
    if (!session.theComm.Open(request)) {
        std::printf("%-13s open failed: %s\n", transport.c_str(),
                    session.theComm.lastError().c_str());
        return false;
    }
    session.theComm.SetWnd(&container);
    cli::QtEventWaiter waiter;
    cli::ChainRunner runner(session, container, waiter);
    runner.onProgress = nullptr;

    container.page().form().click(families::protest::ids::kMutualTest);
    container.page().form().click(families::protest::ids::kDataTestButton);
    engine::FormModel& test = container.dataTest().form();
    prompter.chooseNext(file);
    test.click(sr::kChooseFile);

    // Another button, pressed while the file goes out: each click must take effect at once.
    int clicks = 0, tookEffect = 0;
    QTimer other;
    QObject::connect(&other, &QTimer::timeout, [&] {
        const std::string before = test.text(sr::kPauseShow);
        test.click(sr::kPauseShow);
        ++clicks;
        if (test.text(sr::kPauseShow) != before) ++tookEffect;
    });
    other.start(500);

    counter->sent = counter->received = 0;
    const auto t0 = std::chrono::steady_clock::now();
    const cli::ChainResult result = runner.runChain(1, [&] { test.click(sr::kSendFile); });
    const auto t1 = std::chrono::steady_clock::now();
    other.stop();
    const std::string receivedAtEnd = test.text(sr::kReceivedCount);
    const int failures = container.dataTest().lostEchoes();
    // Anything still on its way shows up within a second.
    {
        QEventLoop settle;
        QTimer::singleShot(1000, &settle, &QEventLoop::quit);
        settle.exec();
    }
    const double ms = std::chrono::duration<double, std::milli>(t1 - t0).count();
    const std::size_t bytes = counter->sent + counter->received;
    const double limit = double(bytes) * 10.0 * 1000.0 / kBaud;
    std::printf(
        "%-13s %-22s %7zu %10.1f %12.1f %7.3f %5s  clicks %d/%d  received %s (%s after "
        "1 s)  lost echoes %d  avg %s\n",
        transport.c_str(), "protest 收发互测 file", bytes, limit, ms, ms / limit,
        result.ok() ? "ok" : "FAIL", tookEffect, clicks, receivedAtEnd.c_str(),
        test.text(sr::kReceivedCount).c_str(), failures, test.text(sr::kAverage).c_str());
    std::fflush(stdout);
    session.theComm.Close();
    return result.ok() && tookEffect == clicks;
}

}  // namespace

int main(int argc, char** argv) {
    std::size_t kib = 100;
    std::string transport = "all";
    std::string radiosim =
#ifdef RB_RADIOSIM_BINARY
        RB_RADIOSIM_BINARY;
#else
        "";
#endif
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--kib" && i + 1 < argc) {
            kib = std::size_t(std::max(1, std::atoi(argv[++i])));
        } else if (a == "--transport" && i + 1 < argc) {
            transport = argv[++i];
        } else if (a == "--radiosim" && i + 1 < argc) {
            radiosim = argv[++i];
        } else {
            std::cerr << "usage: datatest_bench [--kib N] [--transport inproc|pty|all] "
                         "[--radiosim PATH]\n";
            return 2;
        }
    }
    QCoreApplication app(argc, argv);
    link::QtTimers timers;

    const std::string file = (std::filesystem::temp_directory_path() /
                              ("rb-datatest-bench-" + std::to_string(::getpid()) + ".bin"))
                                 .string();
    {
        std::ofstream out(file, std::ios::binary);
        for (std::size_t i = 0; i < kib * 1024; ++i) out.put(char(i * 7 % 251));
    }
    std::printf("%-13s %-22s %7s %10s %12s %7s  (%zu KiB at %d baud)\n", "transport", "chain",
                "bytes", "limit ms", "measured ms", "ratio", kib, kBaud);
    bool ok = true;
    if (transport == "all" || transport == "inproc") {
        sim::Faults pacing;
        pacing.pace = true;
        pacing.delay = sim::Micros(0);
        ok = runOnce("in-process", "sim", link::makeLinkOpener(timers, pacing), timers, file) && ok;
    }
    if (transport == "all" || transport == "pty") {
        if (radiosim.empty() || ::access(radiosim.c_str(), X_OK) != 0) {
            std::printf("pty           radiosim not found\n");
            ok = false;
        } else {
            bench::RadiosimProcess sim(radiosim, "protest", {"--pace", "--delay", "0"});
            ok =
                runOnce("pty+radiosim", sim.device(), link::makeLinkOpener(timers), timers, file) &&
                ok;
        }
    }
    std::filesystem::remove(file);
    std::printf("wire-time limit = bytes x 10 / baud\n");
    return ok ? 0 : 1;
}
