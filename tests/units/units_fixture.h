// Shared pieces of the unit-record tests: a private folder, local time fixed to UTC so that
// exported times are stable, golden files, and the simulated bench with a fixed clock.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>
#include <time.h>

#include <fstream>
#include <sstream>
#include <string>

#include "families/protest/protest_bench.h"
#include "link/sim_link.h"
#include "units/unit_store.h"

namespace rb::testing {

// 2026-12-09 08:00:00 UTC: the records' times are this plus the manual clock.
inline constexpr std::int64_t kBenchEpochMs = 1796803200000;

inline void useUtc() {
    ::setenv("TZ", "UTC", 1);
    ::tzset();
}

inline std::string readText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Compares with tests/units/golden/<name>; RB_UPDATE_GOLDEN=1 writes the file instead.
inline void expectGolden(const std::string& name, const std::string& text) {
    const std::string path = std::string(RB_UNITS_GOLDEN_DIR) + "/" + name;
    if (const char* u = std::getenv("RB_UPDATE_GOLDEN"); u && std::string(u) == "1") {
        std::ofstream(path, std::ios::binary) << text;
        return;
    }
    EXPECT_EQ(readText(path), text) << "golden file " << path;
}

inline std::vector<units::UnitRecord> storedRecords(const std::string& path,
                                                    units::RecordFilter filter = {}) {
    units::UnitStore store;
    std::string error;
    EXPECT_TRUE(store.openForReading(path, &error)) << error;
    auto records = store.records(filter, &error);
    EXPECT_TRUE(records.has_value()) << error;
    return records ? *records : std::vector<units::UnitRecord>{};
}

// The production-test page on the simulated bench terminal, the line within reach (to drop an
// answer), and the records on the manual clock.
struct UnitBench : ProtestBench {
    link::SimLink* simLink = nullptr;

    UnitBench() : ProtestBench(/*simulated=*/true, /*openNow=*/false) {
        session.theComm.setOpener([this](const engine::PortRequest&) {
            auto t = std::make_unique<sim::ProtestTerminal>();
            terminal = t.get();
            auto l = std::make_unique<link::SimLink>(std::move(t), timers);
            simLink = l.get();
            engine::OpenResult r;
            r.link = std::move(l);
            return r;
        });
        session.unitRecords.setClock([this] { return kBenchEpochMs + timers.now().count(); });
        build();
    }
    std::string database() const { return session.paths.unitDatabase; }
    std::vector<std::string> boxes() const { return prompter.texts(); }
};

}  // namespace rb::testing
