#include "units/pg_db.h"

#include <libpq-fe.h>

#include <array>
#include <charconv>
#include <cstdlib>
#include <fstream>
#include <memory>

namespace rb::units {

namespace {

struct ResultFree {
    void operator()(PGresult* r) const { PQclear(r); }
};
using Result = std::unique_ptr<PGresult, ResultFree>;

// The first line of a server or libpq message, without "ERROR:  " and the line break.
std::string firstLine(const char* message) {
    std::string text = message ? message : "";
    const std::size_t nl = text.find('\n');
    if (nl != std::string::npos) text.resize(nl);
    for (const char* prefix : {"ERROR:  ", "FATAL:  "}) {
        if (text.starts_with(prefix)) text.erase(0, std::string_view(prefix).size());
    }
    return text;
}

class PgRow final : public SqlRow {
public:
    explicit PgRow(const PGresult* r) : r_(r) {}
    std::int64_t integer(int column) const override {
        // SUM over bigint gives numeric text; a NULL is 0 as in SQLite.
        return std::strtoll(PQgetvalue(r_, 0, column), nullptr, 10);
    }
    std::string text(int column) const override {
        return {PQgetvalue(r_, 0, column), std::size_t(PQgetlength(r_, 0, column))};
    }
    std::optional<double> optionalReal(int column) const override {
        if (PQgetisnull(r_, 0, column)) return std::nullopt;
        return std::strtod(PQgetvalue(r_, 0, column), nullptr);
    }

private:
    const PGresult* r_;
};

// Values as the text PostgreSQL reads them: reals in their shortest form that reads back
// exactly.
std::optional<std::string> valueText(const SqlValue& value) {
    if (const auto* i = std::get_if<std::int64_t>(&value)) return std::to_string(*i);
    if (const auto* d = std::get_if<double>(&value)) {
        std::array<char, 32> buf{};
        const auto r = std::to_chars(buf.data(), buf.data() + buf.size(), *d);
        return std::string(buf.data(), r.ptr);
    }
    if (const auto* t = std::get_if<std::string>(&value)) return *t;
    return std::nullopt;
}

// The bench's time zone for the session, so that days (yield by day) are the bench's local
// days as in SQLite: TZ, else the system's zone name.
std::string localZoneName() {
    if (const char* tz = std::getenv("TZ"); tz && *tz && *tz != ':') return tz;
    std::ifstream in("/etc/timezone");
    std::string name;
    std::getline(in, name);
    return name;
}

}  // namespace

std::string postgresPlaceholders(std::string_view sql, std::vector<int>* order) {
    std::string out;
    out.reserve(sql.size());
    bool quoted = false;
    for (std::size_t i = 0; i < sql.size(); ++i) {
        const char c = sql[i];
        if (c == '\'') quoted = !quoted;  // '' inside a text flips twice
        std::size_t j = i + 1;
        while (j < sql.size() && sql[j] >= '0' && sql[j] <= '9') ++j;
        if (quoted || c != '?' || j == i + 1) {
            out += c;
            continue;
        }
        const int n = std::atoi(std::string(sql.substr(i + 1, j - i - 1)).c_str());
        std::size_t k = 0;
        while (k < order->size() && (*order)[k] != n) ++k;
        if (k == order->size()) order->push_back(n);
        out += '$' + std::to_string(k + 1);
        i = j - 1;
    }
    return out;
}

std::string connectFailureText(const std::string& libpqMessage) {
    const auto has = [&](const char* text) { return libpqMessage.find(text) != std::string::npos; };
    std::string why;
    if (has("password authentication failed") || has("no password supplied"))
        why = "用户名或密码不对";
    else if (has("database \"") && has("does not exist"))
        why = "数据库不存在 (" +
              firstLine(libpqMessage.c_str() + libpqMessage.find("database \"")) + ")";
    else if (has("role \"") && has("does not exist"))
        why = "用户名或密码不对";
    else if (has("timeout expired"))
        why = "连接超时, 服务器没有应答";
    else if (has("Connection refused") || has("No such file or directory"))
        why = "服务器没有运行或拒绝连接";
    else if (has("could not translate host name"))
        why = "找不到服务器";
    else
        why = firstLine(libpqMessage.c_str());
    return "无法连接记录数据库: " + why;
}

PgConnection::~PgConnection() { close(); }

void PgConnection::close() {
    if (conn_) PQfinish(conn_);
    conn_ = nullptr;
    busyTimeoutMs_ = -1;
}

bool PgConnection::isOpen() const { return conn_ && PQstatus(conn_) == CONNECTION_OK; }

bool PgConnection::connect(const std::string& uri, std::string* error) {
    close();
    // Keywords are read in order and a later one wins: the URI's own connect_timeout, when it
    // has one, replaces ours.
    const std::string timeout = std::to_string(kConnectTimeoutSeconds);
    const std::array<const char*, 3> keys = {"connect_timeout", "dbname", nullptr};
    const std::array<const char*, 3> values = {timeout.c_str(), uri.c_str(), nullptr};
    conn_ = PQconnectdbParams(keys.data(), values.data(), /*expand_dbname=*/1);
    if (!conn_ || PQstatus(conn_) != CONNECTION_OK) {
        if (error) *error = connectFailureText(conn_ ? PQerrorMessage(conn_) : "out of memory");
        close();
        return false;
    }
    // Notices (a table that already exists) are not the technician's business.
    PQsetNoticeProcessor(
        conn_, [](void*, const char*) {}, nullptr);
    if (const std::string zone = localZoneName(); !zone.empty()) {
        setSetting("TimeZone", zone, nullptr);  // an unknown name keeps the server's zone
    }
    return true;
}

std::string PgConnection::lastError() const {
    return conn_ ? firstLine(PQerrorMessage(conn_)) : "not open";
}

bool PgConnection::exec(std::string_view sql, std::string* error) {
    if (!conn_) {
        if (error) *error = "not open";
        return false;
    }
    // PQexec takes several statements; its last result tells how they went.
    const Result r(PQexec(conn_, std::string(sql).c_str()));
    const ExecStatusType status = r ? PQresultStatus(r.get()) : PGRES_FATAL_ERROR;
    if (status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK) return true;
    if (error) *error = r ? firstLine(PQresultErrorMessage(r.get())) : lastError();
    return false;
}

bool PgConnection::query(std::string_view sql, const SqlParams& params, const RowHandler& each,
                         std::string* error) {
    if (!conn_) {
        if (error) *error = "not open";
        return false;
    }
    std::vector<int> order;
    const std::string text = postgresPlaceholders(sql, &order);
    std::vector<std::optional<std::string>> held;
    std::vector<const char*> values;
    held.reserve(order.size());
    for (int n : order) {
        held.push_back(n >= 1 && std::size_t(n) <= params.size()
                           ? valueText(params[std::size_t(n - 1)])
                           : std::nullopt);
    }
    values.reserve(held.size());
    for (const auto& h : held) values.push_back(h ? h->c_str() : nullptr);
    if (!PQsendQueryParams(conn_, text.c_str(), int(values.size()), nullptr, values.data(), nullptr,
                           nullptr, 0)) {
        if (error) *error = lastError();
        return false;
    }
    PQsetSingleRowMode(conn_);
    bool stopped = false;
    std::string failure;
    // Every result is read, to the end, so the connection is ready for the next statement.
    while (Result r{PQgetResult(conn_)}) {
        const ExecStatusType status = PQresultStatus(r.get());
        if (status == PGRES_SINGLE_TUPLE) {
            if (!stopped && each && !each(PgRow(r.get()))) {
                stopped = true;
                // The rest is not wanted: ask the server to stop sending it.
                if (PGcancel* cancel = PQgetCancel(conn_)) {
                    std::array<char, 256> why{};
                    PQcancel(cancel, why.data(), int(why.size()));
                    PQfreeCancel(cancel);
                }
            }
        } else if (status != PGRES_TUPLES_OK && status != PGRES_COMMAND_OK && !stopped &&
                   failure.empty()) {
            failure = firstLine(PQresultErrorMessage(r.get()));
        }
    }
    if (!failure.empty()) {
        if (error) *error = failure;
        return false;
    }
    return true;
}

bool PgConnection::setSetting(const std::string& name, const std::string& value,
                              std::string* error) {
    return run("SELECT set_config(?1, ?2, false)", {name, value}, error);
}

void PgConnection::setBusyTimeout(int ms) {
    if (!conn_ || ms == busyTimeoutMs_) return;
    // 0 would mean "wait for ever" to the server; the bench means "do not wait".
    if (setSetting("lock_timeout", std::to_string(ms > 0 ? ms : 1) + "ms", nullptr))
        busyTimeoutMs_ = ms;
}

}  // namespace rb::units
