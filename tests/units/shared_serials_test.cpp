// The serial range the benches of a line share, on the PostgreSQL test server: numbers come
// in order and are never handed out twice, also to connections that ask at the same moment; a
// spent range and a next serial moved back onto a used number are refused and change nothing.
#include "units/shared_serials.h"

#include <set>
#include <thread>

#include "store_backends.h"
#include "units/pg_schema.h"

namespace rb::testing {
namespace {

using units::SerialRange;
using units::SetOutcome;
using units::SharedSerials;
using units::TakeOutcome;

constexpr const char* kKey = "ProTestSerial";

SerialRange rangeOf(long long start, long long end, long long next) {
    SerialRange r;
    r.start = start;
    r.end = end;
    r.next = next;
    r.batch = "1";
    r.type = 4;
    return r;
}

class SharedSerialsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(db_.problem.empty()) << db_.problem;
        ASSERT_TRUE(connect(conn_));
    }
    // A connection of its own to the test's database, its tables made.
    bool connect(units::PgConnection& c) {
        std::string error;
        int version = 0;
        const bool ok =
            c.connect(db_.location(), &error) && units::migratePostgres(c, &version, &error);
        EXPECT_TRUE(ok) << error;
        return ok;
    }
    TestDatabase db_{Backend::Postgres};
    units::PgConnection conn_;
};

TEST_F(SharedSerialsTest, NumbersComeInOrderUntilTheRangeIsSpent) {
    SharedSerials serials(conn_, kKey);
    EXPECT_EQ(serials.take(0, 0, "0").outcome, TakeOutcome::NoRange);
    ASSERT_EQ(serials.set(rangeOf(5, 9, 5)).outcome, SetOutcome::Set);
    const struct {
        long long atLeast;
        TakeOutcome outcome;
        long long serial;
    } steps[] = {
        {0, TakeOutcome::Taken, 5},   {0, TakeOutcome::Taken, 6},
        {8, TakeOutcome::Taken, 8},  // typed ahead: 7 is skipped, never handed out later
        {3, TakeOutcome::Taken, 9},  // typed behind: the counter wins
        {0, TakeOutcome::UsedUp, 10}, {0, TakeOutcome::UsedUp, 10},
    };
    for (const auto& s : steps) {
        const auto got = serials.take(s.atLeast, 2, "3");
        EXPECT_EQ(got.outcome, s.outcome) << s.serial << ": " << got.error;
        EXPECT_EQ(got.serial, s.serial);
    }
    std::string error;
    const auto kept = serials.read(&error);
    ASSERT_TRUE(kept) << error;
    EXPECT_EQ(kept->next, 10);
    EXPECT_EQ(kept->lastTaken, 9);
    EXPECT_EQ(kept->batch, "3");
    EXPECT_EQ(kept->type, 2);
    // A number asked for beyond the end of a range that still has numbers is refused as such.
    ASSERT_EQ(serials.set(rangeOf(20, 30, 20)).outcome, SetOutcome::Set);
    EXPECT_EQ(serials.take(31, 0, "0").outcome, TakeOutcome::OutOfRange);
    EXPECT_EQ(serials.read(&error)->next, 20);
}

TEST_F(SharedSerialsTest, TheNextSerialNeverMovesBackOntoANumberHandedOut) {
    SharedSerials serials(conn_, kKey);
    ASSERT_EQ(serials.set(rangeOf(0, 100, 10)).outcome, SetOutcome::Set);
    // Nothing handed out yet: the counter may go anywhere.
    ASSERT_EQ(serials.set(rangeOf(0, 100, 1)).outcome, SetOutcome::Set);
    ASSERT_EQ(serials.take(0, 0, "0").serial, 1);
    ASSERT_EQ(serials.take(0, 0, "0").serial, 2);
    const struct {
        long long next;
        SetOutcome outcome;
    } cases[] = {{0, SetOutcome::MovesBack},
                 {2, SetOutcome::MovesBack},
                 {3, SetOutcome::Set},
                 {500, SetOutcome::Set},
                 {2, SetOutcome::MovesBack}};
    for (const auto& c : cases) {
        const auto set = serials.set(rangeOf(0, 1000, c.next));
        EXPECT_EQ(set.outcome, c.outcome) << c.next << ": " << set.error;
        if (c.outcome == SetOutcome::MovesBack) {
            EXPECT_EQ(set.lastTaken, 2) << c.next;
        }
    }
    std::string error;
    EXPECT_EQ(serials.read(&error)->next, 500);  // the refused ones changed nothing
    EXPECT_EQ(serials.take(0, 0, "0").serial, 500);
}

TEST_F(SharedSerialsTest, ConnectionsTakingAtOnceNeverGetOneNumberTwice) {
    constexpr int kBenches = 4;
    constexpr int kEach = 50;
    ASSERT_EQ(SharedSerials(conn_, kKey).set(rangeOf(1, 9999, 1)).outcome, SetOutcome::Set);
    std::vector<std::vector<long long>> taken(kBenches);
    std::vector<std::string> failures(kBenches);
    std::vector<std::thread> benches;
    for (int b = 0; b < kBenches; ++b) {
        benches.emplace_back([&, b] {
            units::PgConnection own;
            std::string error;
            int version = 0;
            if (!own.connect(db_.location(), &error) ||
                !units::migratePostgres(own, &version, &error)) {
                failures[std::size_t(b)] = error;
                return;
            }
            SharedSerials serials(own, kKey);
            for (int i = 0; i < kEach; ++i) {
                const auto got = serials.take(0, b, "0");
                if (got.outcome != TakeOutcome::Taken) {
                    failures[std::size_t(b)] = got.error;
                    return;
                }
                taken[std::size_t(b)].push_back(got.serial);
            }
        });
    }
    for (auto& t : benches) t.join();
    std::set<long long> all;
    std::size_t total = 0;
    for (int b = 0; b < kBenches; ++b) {
        EXPECT_EQ(failures[std::size_t(b)], "") << b;
        total += taken[std::size_t(b)].size();
        all.insert(taken[std::size_t(b)].begin(), taken[std::size_t(b)].end());
    }
    EXPECT_EQ(total, std::size_t(kBenches * kEach));
    EXPECT_EQ(all.size(), std::size_t(kBenches * kEach));
    // None skipped either: 1 to 200.
    EXPECT_EQ(*all.begin(), 1);
    EXPECT_EQ(*all.rbegin(), kBenches * kEach);
}

}  // namespace
}  // namespace rb::testing
