// Cold start of the desktop program to its first shown window, and its peak memory once every
// terminal type's container has been created, on the offscreen platform.
//
// It starts the real program, `radiobench --port sim --startup-report FD`, which reports through
// a pipe when its window is exposed; the time runs from just before the program is started, so
// it covers loading the program and its libraries. The program then shows every terminal type
// once, reports its peak resident memory and quits.
//
//   startup_bench [--runs N] [--tsv]        (RB_BENCH_VERBOSE=1 keeps the child's warnings)
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#ifndef RB_RADIOBENCH_PATH
#error "RB_RADIOBENCH_PATH must name the radiobench program"
#endif

namespace {

struct Sample {
    double shownMs = 0;
    long peakKiB = 0;
    bool ok = false;
};

Sample measure(const char* program) {
    int fds[2];
    Sample s;
    if (::pipe(fds) != 0) return s;
    const auto t0 = std::chrono::steady_clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        // Qt's warnings of the offscreen platform would clutter the table.
        if (!std::getenv("RB_BENCH_VERBOSE")) {
            if (std::FILE* null = std::fopen("/dev/null", "w")) ::dup2(::fileno(null), 2);
        }
        const std::string fd = std::to_string(fds[1]);
        ::execl(program, program, "--port", "sim", "--startup-report", fd.c_str(), nullptr);
        ::_exit(127);
    }
    ::close(fds[1]);
    std::string line;
    char c;
    while (::read(fds[0], &c, 1) == 1) {
        if (c != '\n') {
            line += c;
            continue;
        }
        if (line == "shown") {
            s.shownMs =
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0)
                    .count();
        } else if (line.rfind("peak ", 0) == 0) {
            s.peakKiB = std::atol(line.c_str() + 5);
            s.ok = s.shownMs > 0;
        }
        line.clear();
    }
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    s.ok = s.ok && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return s;
}

}  // namespace

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int runs = 5;
    bool tsv = false;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--runs" && i + 1 < argc) {
            runs = std::max(1, std::atoi(argv[++i]));
        } else if (a == "--tsv") {
            tsv = true;
        } else {
            std::fprintf(stderr, "usage: startup_bench [--runs N] [--tsv]\n");
            return 2;
        }
    }
    std::vector<double> shown;
    long peak = 0;
    for (int i = 0; i < runs; ++i) {
        const Sample s = measure(RB_RADIOBENCH_PATH);
        if (!s.ok) {
            std::fprintf(stderr, "startup_bench: radiobench did not show its window\n");
            return 1;
        }
        shown.push_back(s.shownMs);
        peak = std::max(peak, s.peakKiB);
    }
    std::sort(shown.begin(), shown.end());
    const double median = shown[shown.size() / 2];
    const double peakMiB = double(peak) / 1024.0;
    if (tsv) {
        std::printf("startup\tfirst window\t%.1f ms\t300 ms\t%.2f\n", median, median / 300.0);
        std::printf("startup\tpeak memory, all containers\t%.1f MiB\t80 MiB\t%.2f\n", peakMiB,
                    peakMiB / 80.0);
    } else {
        std::printf("cold start to first window (offscreen): %.1f ms median of %d (target 300)\n",
                    median, runs);
        std::printf("peak memory with every container created: %.1f MiB (target 80)\n", peakMiB);
    }
    return 0;
}
