// DbSerialStore: the serial numbers of every bench of a line, in the PostgreSQL database
// that holds their unit records (one row, keyed "ProTestSerial"). "初始化机型" takes the next
// number under the row's lock, so no two benches write the same machine code; a bench that
// cannot reach the server refuses rather than guess a number. "设置序号范围" changes the
// range for every bench, so it asks first, and it never moves the next serial back onto a
// number already handed out.
#pragma once

#include <optional>
#include <string>

#include "families/protest/protest_serial_store.h"
#include "units/pg_db.h"

namespace rb::families::protest {

// How long "初始化机型" waits for another bench that holds the row (a few milliseconds, unless
// that bench is stuck).
inline constexpr int kSerialLockTimeoutMs = 5000;

class DbSerialStore final : public SerialStore {
public:
    DbSerialStore(ProTestHost& host, std::string uri) : host_(host), uri_(std::move(uri)) {}

    void show() override;
    std::optional<long long> take(const SerialRequest& r) override;
    void setRange() override;
    bool decidesRange() const override { return true; }

private:
    // Connected and the tables migrated, or the reason shown as a refusal starting `what`.
    bool connected(const std::string& what);
    void showRange(long long start, long long end);

    ProTestHost& host_;
    std::string uri_;
    units::PgConnection db_;
};

}  // namespace rb::families::protest
