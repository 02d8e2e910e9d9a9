// A thin RAII layer over libpq: one connection to a PostgreSQL server as the store's
// SqlConnection. Parameters are always bound (PQexecParams-style, sent as text apart from the
// SQL); rows arrive one at a time (single-row mode), so a listing never holds a whole result.
//
// Connecting never hangs: without a connect_timeout in the URI it gives up after
// kConnectTimeoutSeconds. A failed connection gives one message for the technician (the server
// does not answer, the user name or password is wrong, the database does not exist), never
// the password.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "units/sql_connection.h"

struct pg_conn;

namespace rb::units {

inline constexpr int kConnectTimeoutSeconds = 5;

// The store's "?N" parameters as PostgreSQL's "$k", numbered in the order they first appear
// (a statement may leave some out: the server refuses a parameter it cannot type). `order[k-1]`
// is the N of $k. Texts in single quotes are left alone.
std::string postgresPlaceholders(std::string_view sql, std::vector<int>* order);

// What a technician reads for libpq's message of a failed connection.
std::string connectFailureText(const std::string& libpqMessage);

class PgConnection final : public SqlConnection {
public:
    PgConnection() = default;
    ~PgConnection() override;
    PgConnection(const PgConnection&) = delete;
    PgConnection& operator=(const PgConnection&) = delete;

    // `uri`: postgresql://... False with "无法连接记录数据库: <why>".
    bool connect(const std::string& uri, std::string* error);
    void close();

    Dialect dialect() const override { return Dialect::Postgres; }
    bool isOpen() const override;
    bool exec(std::string_view sql, std::string* error) override;
    bool query(std::string_view sql, const SqlParams& params, const RowHandler& each,
               std::string* error) override;
    bool begin(std::string* error) override { return exec("BEGIN", error); }
    // lock_timeout of the session (set only when it changes: one round trip).
    void setBusyTimeout(int ms) override;

private:
    bool setSetting(const std::string& name, const std::string& value, std::string* error);
    std::string lastError() const;

    pg_conn* conn_ = nullptr;
    int busyTimeoutMs_ = -1;
};

}  // namespace rb::units
