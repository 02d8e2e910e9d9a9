// The store tests run on both databases the store can use: the bench's own SQLite file and a
// database on the PostgreSQL test server (RB_TEST_PG_URI, started by scripts/pg-cluster.sh,
// as scripts/test.sh does). Each PostgreSQL test gets a database of its own, made for it and
// dropped after it, so that tests run in parallel. Without the server those tests fail, saying
// so: they never pass without having run.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <string>

#include "families/protest/protest_bench.h"
#include "units/pg_db.h"
#include "units/unit_store.h"

namespace rb::testing {

enum class Backend { Sqlite, Postgres };

inline std::string backendName(const ::testing::TestParamInfo<Backend>& info) {
    return info.param == Backend::Sqlite ? "Sqlite" : "Postgres";
}

// The server's URI with another database name: postgresql://[auth@host]/NAME[?params].
inline std::string withDatabase(const std::string& uri, const std::string& name) {
    const std::size_t path = uri.find('/', uri.find("://") + 3);
    const std::size_t query = uri.find('?', path);
    return uri.substr(0, path + 1) + name + (query == std::string::npos ? "" : uri.substr(query));
}

inline std::string testServerUri() {
    const char* uri = std::getenv("RB_TEST_PG_URI");
    return uri ? uri : "";
}

inline constexpr const char* kNoTestServer =
    "RB_TEST_PG_URI is not set: this test needs the PostgreSQL test server. Run it through "
    "scripts/test.sh, or start one: eval \"$(scripts/pg-cluster.sh start)\"";

// A fresh database for one test: a file in a private folder, or a database of its own on the
// test server. `location()` is empty (and `problem` says why) when there is none.
class TestDatabase {
public:
    explicit TestDatabase(Backend backend) {
        if (backend == Backend::Sqlite) {
            location_ = dir_.file("units.sqlite");
            return;
        }
        const std::string server = testServerUri();
        if (server.empty()) {
            problem = kNoTestServer;
            return;
        }
        static std::atomic<int> made{0};
        name_ = "rb_test_" + std::to_string(::getpid()) + "_" + std::to_string(made++);
        std::string error;
        // The name is our own: digits and letters, no quoting needed.
        if (!admin_.connect(server, &error) ||
            !admin_.exec("DROP DATABASE IF EXISTS " + name_, &error) ||
            !admin_.exec("CREATE DATABASE " + name_, &error)) {
            problem = "the test server refused a database: " + error;
            name_.clear();
            return;
        }
        location_ = withDatabase(server, name_);
    }
    ~TestDatabase() {
        // FORCE: a connection a failed test left open does not keep the database.
        if (!name_.empty())
            admin_.exec("DROP DATABASE IF EXISTS " + name_ + " WITH (FORCE)", nullptr);
    }
    TestDatabase(const TestDatabase&) = delete;
    TestDatabase& operator=(const TestDatabase&) = delete;

    const std::string& location() const { return location_; }
    // A file beside the SQLite database (for the tests that need one).
    std::string file(const std::string& name) const { return dir_.file(name); }
    std::string problem;

private:
    ProtestDir dir_;
    units::PgConnection admin_;
    std::string name_;
    std::string location_;
};

// One number the database computes (count(*) of a table), through a store of its own.
inline std::int64_t countIn(const std::string& location, const std::string& sql) {
    units::UnitStore store;
    std::string error;
    EXPECT_TRUE(store.openForReading(location, &error)) << error;
    if (!store.isOpen()) return -1;
    const auto n = store.connection().integer(sql, {}, &error);
    EXPECT_TRUE(n) << error << ": " << sql;
    return n.value_or(-1);
}

// The fixture of a test on both backends: SetUp fails the test when its database is missing.
class BothBackends : public ::testing::TestWithParam<Backend> {
protected:
    void SetUp() override {
        ASSERT_TRUE(db_.problem.empty()) << db_.problem;
        location_ = db_.location();
    }
    TestDatabase db_{GetParam()};
    std::string location_;
};

#define RB_BOTH_BACKENDS(Fixture)               \
    INSTANTIATE_TEST_SUITE_P(Backends, Fixture, \
                             ::testing::Values(Backend::Sqlite, Backend::Postgres), backendName)

}  // namespace rb::testing
