// radiosim FAMILY [options]: serves a simulated terminal on a pseudo-terminal.
//
// The first line on stdout is the device to connect to (e.g. /dev/pts/7); it is flushed at
// once so a script or test can read it. The program serves until SIGINT, SIGTERM or SIGHUP.
#include <CLI/CLI.hpp>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <string>

#include "sim/protest_terminal.h"
#include "sim/pty_host.h"
#include "sim/simulated_line.h"
#include "sim/terminal.h"

namespace {

rb::sim::PtyHost* gHost = nullptr;

extern "C" void onStopSignal(int) {
    if (gHost) gHost->requestStop();
}

void installStopSignals() {
    struct sigaction sa {};
    sa.sa_handler = onStopSignal;
    sigemptyset(&sa.sa_mask);
    for (int sig : {SIGINT, SIGTERM, SIGHUP}) sigaction(sig, &sa, nullptr);
}

rb::sim::Micros millis(double ms) { return rb::sim::Micros(static_cast<long long>(ms * 1000.0)); }

// Hexadecimal option text to bytes; exits through CLI11's error path on bad input.
rb::wire::Bytes hexOption(const std::string& text, const char* option) {
    rb::wire::Bytes bytes;
    std::string error;
    if (!text.empty() && !rb::wire::parseHex(text, bytes, error))
        throw CLI::ValidationError(option, error);
    return bytes;
}

}  // namespace

int main(int argc, char** argv) {
    std::string families;
    for (const std::string& f : rb::sim::terminalFamilies())
        families += (families.empty() ? "" : ", ") + f;

    CLI::App app{"Serves a simulated radio terminal on a pseudo-terminal."};
    app.set_version_flag("--version", std::string("radiosim ") + RB_VERSION);
    std::string family;
    app.add_option("family", family, "terminal family (" + families + ")")->required();

    rb::sim::Faults faults;
    double delayMs = double(faults.delay.count()) / 1000.0;
    double splitGapMs = 0, unsolicitedAtMs = 0, unsolicitedEveryMs = 0;
    std::string garbageHex, unsolicitedHex;
    bool log = false;
    double ownQueryMs = 0;
    double bitErrors = 0.0;
    app.add_flag("--silent", faults.silent, "never answer (nothing is stored)");
    app.add_option("--drop-nth", faults.dropNth, "drop answer number N (1 = the first)");
    app.add_option("--drop-fraction", faults.dropFraction, "drop this share of answers (0..1)")
        ->check(CLI::Range(0.0, 1.0));
    app.add_option("--seed", faults.seed, "seed of the drop generator");
    app.add_option("--delay", delayMs, "ms from a request to its answer (default 5)")
        ->check(CLI::NonNegativeNumber);
    app.add_flag("--corrupt", faults.corruptChecksum, "invert the checksum of every answer");
    app.add_option("--corrupt-nth", faults.corruptNth, "invert the checksum of answer number N");
    app.add_option("--split", faults.splitSize, "send answers in pieces of N bytes");
    app.add_option("--split-gap", splitGapMs, "ms between the pieces of a split answer")
        ->check(CLI::NonNegativeNumber);
    app.add_option("--garbage", garbageHex, "hex bytes sent before every answer");
    app.add_option("--unsolicited", unsolicitedHex, "hex frame sent on the terminal's own");
    app.add_option("--unsolicited-at", unsolicitedAtMs, "ms after start of the first one")
        ->check(CLI::NonNegativeNumber);
    app.add_option("--unsolicited-every", unsolicitedEveryMs, "ms between repeats (0 = once)")
        ->check(CLI::NonNegativeNumber);
    app.add_option("--own-query", ownQueryMs,
                   "ms between the terminal's own queries (qx710; 0 = none, the default)")
        ->check(CLI::NonNegativeNumber);
    app.add_flag("--pace", faults.pace, "pace bytes at the line rate (10 bits a byte)");
    app.add_option("--baud", faults.paceBaud, "line rate for --pace (default: the family's)");
    std::string strayHex;
    app.add_option("--stray-after", faults.strayAfter,
                   "after answer number N also send the --stray frame (with --drop-nth N: "
                   "in its place)");
    app.add_option("--stray", strayHex, "hex frame sent after answer --stray-after, as given");
    app.add_flag("--log", log, "traffic on stderr in hexadecimal");
    app.add_option("--bit-errors", bitErrors,
                   "protest: flip each data bit of a data-test answer with this probability")
        ->check(CLI::Range(0.0, 1.0));
    std::string keepOldHex;
    app.add_option("--ignore", keepOldHex,
                   "acknowledge requests of this command code (hex, e.g. 0x16) but keep the old "
                   "values");

    try {
        app.parse(argc, argv);
        faults.garbage = hexOption(garbageHex, "--garbage");
        faults.unsolicited = hexOption(unsolicitedHex, "--unsolicited");
        faults.stray = hexOption(strayHex, "--stray");
        if ((faults.strayAfter > 0) != !faults.stray.empty())
            throw CLI::ValidationError("--stray-after", "goes with --stray HEX");
        if (!keepOldHex.empty()) {
            if (keepOldHex.rfind("0x", 0) == 0 || keepOldHex.rfind("0X", 0) == 0)
                keepOldHex.erase(0, 2);
            const rb::wire::Bytes code = hexOption(keepOldHex, "--ignore");
            if (code.size() != 1) throw CLI::ValidationError("--ignore", "one command code");
            faults.keepOldFor = code[0];
        }
    } catch (const CLI::ParseError& e) {
        return app.exit(e);
    }
    faults.delay = millis(delayMs);
    faults.splitGap = millis(splitGapMs);
    faults.unsolicitedAt = millis(unsolicitedAtMs);
    faults.unsolicitedEvery = millis(unsolicitedEveryMs);

    std::unique_ptr<rb::sim::Terminal> terminal = rb::sim::makeTerminal(family);
    if (!terminal) {
        std::cerr << "radiosim: unknown terminal family \"" << family << "\" (known: " << families
                  << ")\n";
        return 2;
    }
    if (ownQueryMs > 0) {
        // The terminal speaks first now and then: its own query, first after one period.
        if (terminal->ownFrame().empty()) {
            std::cerr << "radiosim: a " << family << " terminal sends no query of its own\n";
            return 2;
        }
        faults.unsolicited = terminal->ownFrame();
        faults.unsolicitedAt = millis(ownQueryMs);
        faults.unsolicitedEvery = millis(ownQueryMs);
    }
    if (bitErrors > 0.0) {
        auto* bench = dynamic_cast<rb::sim::ProtestTerminal*>(terminal.get());
        if (!bench) {
            std::cerr << "radiosim: --bit-errors is for the protest terminal only\n";
            return 2;
        }
        bench->setBitErrors(bitErrors, faults.seed);
    }
    rb::sim::SimulatedLine line(std::move(terminal), faults);
    rb::sim::PtyHost host(line);
    std::string error;
    if (!host.open(error)) {
        std::cerr << "radiosim: " << error << "\n";
        return 1;
    }
    if (log)
        host.setTrafficLog(
            [](const std::string& text) { std::fprintf(stderr, "%s\n", text.c_str()); });

    gHost = &host;
    installStopSignals();
    std::cout << host.devicePath() << std::endl;  // first line, flushed

    const bool ok = host.serve(error);
    gHost = nullptr;
    if (!ok) {
        std::cerr << "radiosim: " << error << "\n";
        return 1;
    }
    return 0;
}
