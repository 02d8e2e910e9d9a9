// The unit-record store at the size of years of production. Generates (once, then reuses) a
// database of 2,000,000 records for 100,000 units, then measures what a technician runs:
//
//   radiobench-cli units --code X         (20 records)     target: under 20 ms
//   radiobench-cli units --summary                          target: under 2 s, under 64 MiB
//   radiobench-cli units --format csv     (every record)    target: under 64 MiB
//   the records window filled with one unit                 target: under 100 ms
//
// The command line runs as its own process (wall time, peak resident memory from wait4); the
// window is filled in this process on the offscreen platform.
//
//   units_scale_bench [--records N] [--units U] [--db PATH] [--runs R] [--tsv]
#include <fcntl.h>
#include <spawn.h>
#include <sqlite3.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "gui/unit_records_dialog.h"
#include "units/unit_store.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

struct Options {
    long records = 2000000;
    long units = 100000;
    std::string db;
    int runs = 5;
    bool tsv = false;
};

std::string codeOf(long unit) {
    char code[32];
    std::snprintf(code, sizeof code, "08%05ld", unit);
    return code;
}

// Records spread over two years, the units in turn (each unit's records scattered over time,
// as units come back for repair), a failure in twenty.
bool generate(const Options& o, std::string* error) {
    std::filesystem::remove(o.db);
    {
        rb::units::UnitStore store;  // the schema as the program makes it
        if (!store.openForWriting(o.db, error)) return false;
    }
    sqlite3* db = nullptr;
    if (sqlite3_open(o.db.c_str(), &db) != SQLITE_OK) return false;
    sqlite3_exec(db, "PRAGMA synchronous=OFF; BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(db,
                       "INSERT INTO records (time_ms, machine_code, machine_type, kind,"
                       " values_json, outcome, session, run_id) VALUES (?,?,?,?,?,?,?,'')",
                       -1, &s, nullptr);
    const std::int64_t start = 1735689600000;  // 2025-01-01
    const std::int64_t span = 2LL * 365 * 24 * 3600 * 1000;
    for (long i = 0; i < o.records; ++i) {
        const std::string code = codeOf(i % o.units);
        const std::int64_t t = start + (span / o.records) * i;
        const char* kind = (i % 3 == 0) ? "band_table" : (i % 3 == 1) ? "monitor" : "calibration";
        const std::string values =
            R"({"row":)" + std::to_string(i % 5) + R"(,"power":"high","values":[210,211,212]})";
        sqlite3_bind_int64(s, 1, t);
        sqlite3_bind_text(s, 2, code.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(s, 3, "LM30D数字手持机", -1, SQLITE_STATIC);
        sqlite3_bind_text(s, 4, kind, -1, SQLITE_STATIC);
        sqlite3_bind_text(s, 5, values.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(s, 6, i % 20 == 0 ? "第3行无应答" : "ok", -1, SQLITE_STATIC);
        sqlite3_bind_text(s, 7, "bench", -1, SQLITE_STATIC);
        if (sqlite3_step(s) != SQLITE_DONE) {
            if (error) *error = sqlite3_errmsg(db);
            sqlite3_finalize(s);
            sqlite3_close(db);
            return false;
        }
        sqlite3_reset(s);
    }
    sqlite3_finalize(s);
    sqlite3_exec(db, "COMMIT; PRAGMA wal_checkpoint(TRUNCATE)", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return true;
}

long countRecords(const std::string& path) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) return -1;
    sqlite3_stmt* s = nullptr;
    long n = -1;
    if (sqlite3_prepare_v2(db, "SELECT COUNT(*) FROM records", -1, &s, nullptr) == SQLITE_OK &&
        sqlite3_step(s) == SQLITE_ROW)
        n = long(sqlite3_column_int64(s, 0));
    sqlite3_finalize(s);
    sqlite3_close(db);
    return n;
}

struct Run {
    double ms = 0;
    double peakMiB = 0;
    int status = -1;
};

// One run of radiobench-cli, its output thrown away.
Run runCli(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    std::string program = RB_CLI_PATH;
    argv.push_back(program.data());
    std::vector<std::string> copy = args;
    for (auto& a : copy) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    Run r;
    const auto t0 = Clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ) != 0) {
        posix_spawn_file_actions_destroy(&actions);
        return r;
    }
    int status = 0;
    struct rusage usage {};
    wait4(pid, &status, 0, &usage);
    r.ms = std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
    r.peakMiB = double(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    posix_spawn_file_actions_destroy(&actions);
    return r;
}

// The median time and the largest peak memory of `runs` runs.
Run measure(const std::vector<std::string>& args, int runs) {
    std::vector<double> times;
    Run worst;
    for (int i = 0; i < runs; ++i) {
        Run r = runCli(args);
        if (r.status != 0) return r;
        times.push_back(r.ms);
        worst.peakMiB = std::max(worst.peakMiB, r.peakMiB);
        worst.status = 0;
    }
    std::sort(times.begin(), times.end());
    worst.ms = times[times.size() / 2];
    return worst;
}

void row(const Options& o, const char* what, const std::string& measured, const char* limit,
         double ratio) {
    if (o.tsv)
        std::printf("units store\t%s\t%s\t%s\t%.3f\n", what, measured.c_str(), limit, ratio);
    else
        std::printf("%-34s %-14s %-12s %.3f%s\n", what, measured.c_str(), limit, ratio,
                    ratio <= 1.0 ? "" : "  over");
}

std::string fmt(const char* f, double v) {
    char b[64];
    std::snprintf(b, sizeof b, f, v);
    return b;
}

}  // namespace

int main(int argc, char** argv) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto next = [&]() -> std::string { return i + 1 < argc ? argv[++i] : ""; };
        if (a == "--records")
            o.records = std::atol(next().c_str());
        else if (a == "--units")
            o.units = std::atol(next().c_str());
        else if (a == "--db")
            o.db = next();
        else if (a == "--runs")
            o.runs = std::max(1, std::atoi(next().c_str()));
        else if (a == "--tsv")
            o.tsv = true;
        else {
            std::fprintf(stderr,
                         "usage: units_scale_bench [--records N] [--units U] [--db PATH] "
                         "[--runs R] [--tsv]\n");
            return 2;
        }
    }
    if (o.units <= 0 || o.records < o.units) return 2;
    if (o.db.empty())
        o.db = (std::filesystem::temp_directory_path() /
                ("radiobench-units-" + std::to_string(o.records) + ".sqlite"))
                   .string();
    if (countRecords(o.db) != o.records) {
        std::fprintf(stderr, "generating %ld records for %ld units in %s ...\n", o.records, o.units,
                     o.db.c_str());
        std::string error;
        if (!generate(o, &error)) {
            std::fprintf(stderr, "cannot generate: %s\n", error.c_str());
            return 1;
        }
    }
    const std::string code = codeOf(o.units / 2);
    const long perUnit = o.records / o.units;

    const Run byCode = measure({"units", "--db", o.db, "--code", code}, o.runs);
    const Run summary = measure({"units", "--db", o.db, "--summary"}, std::min(o.runs, 3));
    const Run csv = measure({"units", "--db", o.db, "--format", "csv"}, 1);
    if (byCode.status != 0 || summary.status != 0 || csv.status != 0) {
        std::fprintf(stderr, "radiobench-cli failed\n");
        return 1;
    }

    // The records window, filled with one unit (as "单元记录" does), median of the runs.
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    int qargc = 1;
    QApplication app(qargc, argv);
    rb::gui::UnitRecordsDialog dialog;
    std::vector<double> fills;
    for (int i = 0; i < o.runs; ++i) {
        const auto t0 = Clock::now();
        dialog.fill(o.db, code);
        fills.push_back(std::chrono::duration<double, std::milli>(Clock::now() - t0).count());
    }
    std::sort(fills.begin(), fills.end());
    const double fill = fills[fills.size() / 2];

    if (!o.tsv) std::printf("%-34s %-14s %-12s %s\n", "case", "measured", "limit", "ratio");
    const std::string codeCase = "units --code (" + std::to_string(perUnit) + " records)";
    row(o, codeCase.c_str(), fmt("%.1f ms", byCode.ms), "20 ms", byCode.ms / 20.0);
    row(o, "units --summary, time", fmt("%.0f ms", summary.ms), "2000 ms", summary.ms / 2000.0);
    row(o, "units --summary, peak memory", fmt("%.1f MiB", summary.peakMiB), "64 MiB",
        summary.peakMiB / 64.0);
    row(o, "units --format csv, peak memory", fmt("%.1f MiB", csv.peakMiB), "64 MiB",
        csv.peakMiB / 64.0);
    row(o, "units --format csv, time", fmt("%.0f ms", csv.ms), "-", 0.0);
    row(o, "records window, one unit", fmt("%.1f ms", fill), "100 ms", fill / 100.0);
    return 0;
}
