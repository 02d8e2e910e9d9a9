// The store at scale, on both backends: the summaries the database computes equal those a walk
// through every record gives, for each filter; a filter uses its index instead of scanning the
// table; a streamed export writes exactly what the whole list would, also when it stops early.
#include <map>
#include <random>
#include <sstream>

#include "store_backends.h"
#include "units/exporters.h"
#include "units/unit_store.h"
#include "units_fixture.h"

namespace rb::testing {
namespace {

using units::RecordFilter;
using units::SqlConnection;
using units::SqlParams;
using units::UnitRecord;
using units::UnitStore;

// The summaries a walk through every record in time order gives: what the database must
// compute.
std::vector<units::UnitSummary> walkSummaries(const std::vector<UnitRecord>& records) {
    std::vector<units::UnitSummary> units;
    std::map<std::string, std::size_t> index;
    for (const auto& r : records) {
        auto [it, fresh] = index.emplace(r.machineCode, units.size());
        if (fresh) {
            units::UnitSummary s;
            s.machineCode = r.machineCode;
            s.firstMs = r.timeMs;
            units.push_back(s);
        }
        units::UnitSummary& s = units[it->second];
        if (!r.machineType.empty()) s.machineType = r.machineType;
        s.firstMs = std::min(s.firstMs, r.timeMs);
        s.lastMs = std::max(s.lastMs, r.timeMs);
        ++s.records;
        if (r.outcome != "ok") ++s.failures;
        s.lastOutcome = r.outcome;
    }
    return units;
}

class StoreScaleTest : public BothBackends {
protected:
    void SetUp() override {
        BothBackends::SetUp();
        if (HasFatalFailure()) return;
        useUtc();
        std::string error;
        ASSERT_TRUE(store.openForWriting(location_, &error)) << error;
        // Times out of insertion order, equal times, empty types between typed records, a
        // failure now and then: what a day of several benches leaves.
        std::mt19937 random(7);
        ASSERT_TRUE(store.connection().begin(&error)) << error;
        for (int i = 0; i < 600; ++i) {
            UnitRecord r;
            r.timeMs = 1000 + std::int64_t(random() % 400);
            r.machineCode = "08" + std::to_string(random() % 25);
            r.machineType = random() % 3 == 0 ? "" : "LM30D-" + std::to_string(random() % 4);
            r.kind = random() % 2 ? "monitor" : "band_table";
            r.values = R"({"row":)" + std::to_string(i % 5) + "}";
            r.outcome = random() % 7 == 0 ? "第3行无应答" : "ok";
            ASSERT_TRUE(store.insert(r, "s" + std::to_string(i % 3), &error)) << error;
        }
        ASSERT_TRUE(store.connection().exec("COMMIT", &error)) << error;
    }

    // The plan the database makes for the statement eachRecord runs for `filter`, one line a
    // step. PostgreSQL is told not to scan the table where it could use an index (on a table
    // this small a scan would be cheaper): a filter it cannot use an index for still scans.
    std::string planOf(const RecordFilter& filter) {
        SqlConnection& db = store.connection();
        const bool sqlite = db.dialect() == units::Dialect::Sqlite;
        std::string error;
        if (!sqlite) {
            EXPECT_TRUE(db.exec("SET enable_seqscan = off", &error)) << error;
        }
        SqlParams params(2);
        if (filter.machineCode) params[0] = *filter.machineCode;
        if (filter.sinceMs) params[1] = *filter.sinceMs;
        std::string detail;
        EXPECT_TRUE(db.query(
            (sqlite ? "EXPLAIN QUERY PLAN " : "EXPLAIN ") + store.recordsSql(filter), params,
            [&](const units::SqlRow& row) {
                detail += row.text(sqlite ? 3 : 0) + "\n";
                return true;
            },
            &error))
            << error;
        return detail;
    }

    UnitStore store;
};
RB_BOTH_BACKENDS(StoreScaleTest);

const RecordFilter kFilters[] = {
    {},
    {std::string("0812"), std::nullopt, false},
    {std::nullopt, std::int64_t(1200), false},
    {std::string("083"), std::int64_t(1150), false},
    {std::string("none"), std::nullopt, false},
};

TEST_P(StoreScaleTest, TheDatabasesSummariesEqualAWalkThroughEveryRecord) {
    for (const auto& filter : kFilters) {
        std::string error;
        const auto records = store.records(filter, &error);
        ASSERT_TRUE(records) << error;
        const auto summaries = store.summaries(filter, &error);
        ASSERT_TRUE(summaries) << error;
        EXPECT_EQ(*summaries, walkSummaries(*records))
            << filter.machineCode.value_or("*") << " since " << filter.sinceMs.value_or(0);
    }
}

TEST_P(StoreScaleTest, AFilterUsesItsIndex) {
    struct Case {
        RecordFilter filter;
        const char* index;
    } cases[] = {
        {{std::string("0812"), std::nullopt, false}, "records_by_unit"},
        {{std::string("0812"), std::int64_t(1300), true}, "records_by_unit"},
        {{std::nullopt, std::int64_t(1300), false}, "records_by_time"},
    };
    for (const auto& c : cases) {
        const std::string detail = planOf(c.filter);
        EXPECT_NE(detail.find(c.index), std::string::npos) << store.recordsSql(c.filter) << ":\n"
                                                           << detail;
        EXPECT_EQ(detail.find("SCAN records\n"), std::string::npos) << detail;
        EXPECT_EQ(detail.find("Seq Scan"), std::string::npos) << detail;
    }
}

TEST_P(StoreScaleTest, AStreamedExportWritesWhatTheWholeListWould) {
    for (auto format : {units::Format::Csv, units::Format::Json, units::Format::Table}) {
        for (const auto& filter : kFilters) {
            std::string error;
            const auto records = store.records(filter, &error);
            ASSERT_TRUE(records) << error;
            std::ostringstream whole;
            units::writeRecords(whole, *records, format);
            std::ostringstream streamed;
            ASSERT_TRUE(units::exportRecords(streamed, store, filter, format, &error)) << error;
            EXPECT_EQ(streamed.str(), whole.str()) << int(format);
        }
    }
}

TEST_P(StoreScaleTest, AListingStoppedEarlyLeavesTheStoreReady) {
    // The first ten of the newest-first listing, then the store goes on as before: the rest of
    // the rows is not left in the way of the next statement.
    std::string error;
    std::vector<std::int64_t> ids;
    ASSERT_TRUE(store.eachRecord(
        {std::nullopt, std::nullopt, true},
        [&ids](const UnitRecord& r) {
            ids.push_back(r.id);
            return ids.size() < 10;
        },
        &error))
        << error;
    ASSERT_EQ(ids.size(), 10u);
    const auto all = store.records({std::nullopt, std::nullopt, true}, &error);
    ASSERT_TRUE(all) << error;
    ASSERT_EQ(all->size(), 600u);
    for (std::size_t i = 0; i < ids.size(); ++i) EXPECT_EQ(ids[i], (*all)[i].id);
    UnitRecord r;
    r.kind = "monitor";
    EXPECT_TRUE(store.insert(r, "s0", &error)) << error;
    EXPECT_EQ(r.id, 601);
}

}  // namespace
}  // namespace rb::testing
