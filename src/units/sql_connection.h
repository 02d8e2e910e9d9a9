// SqlConnection: what the unit store needs of a database, the same for the bench's own SQLite
// file and a PostgreSQL server the benches of a line share. Statements name their parameters
// ?1, ?2, ... in both (each connection binds them its way; values never become SQL text), and
// rows come one at a time, so a listing of years streams through in constant memory.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace rb::units {

// Where the SQL of the two databases differs, the store asks which one it talks to.
enum class Dialect { Sqlite, Postgres };

// A bound value: NULL (monostate), an integer, a real or a text.
using SqlValue = std::variant<std::monostate, std::int64_t, double, std::string>;
// params[i] is bound to ?i+1.
using SqlParams = std::vector<SqlValue>;

// A NULL real from std::optional.
inline SqlValue sqlReal(std::optional<double> v) {
    return v ? SqlValue(*v) : SqlValue(std::monostate{});
}

// One row of a result, read by column (from 0). NULL reads as 0 or "".
class SqlRow {
public:
    virtual ~SqlRow() = default;
    virtual std::int64_t integer(int column) const = 0;
    virtual std::string text(int column) const = 0;
    // None for NULL.
    virtual std::optional<double> optionalReal(int column) const = 0;
    double real(int column) const { return optionalReal(column).value_or(0.0); }
};

// Called for each row; false stops the query early (not an error; on PostgreSQL it sends the
// server a cancel request, a connection of its own: for listings, not for one-row queries).
using RowHandler = std::function<bool(const SqlRow&)>;

class SqlConnection {
public:
    virtual ~SqlConnection() = default;
    virtual Dialect dialect() const = 0;
    // False once the connection is lost (a server that went away): the store is opened afresh.
    virtual bool isOpen() const = 0;
    // Statements without parameters, several separated by ';' (schema, BEGIN, COMMIT).
    virtual bool exec(std::string_view sql, std::string* error) = 0;
    // One statement with parameters; `each` sees its rows as they arrive (may be empty for
    // statements that return none).
    virtual bool query(std::string_view sql, const SqlParams& params, const RowHandler& each,
                       std::string* error) = 0;
    // Starts a write transaction that takes its lock at once.
    virtual bool begin(std::string* error) = 0;
    // How long a write waits for another connection's lock.
    virtual void setBusyTimeout(int ms) = 0;

    // A statement whose rows, if any, are not wanted.
    bool run(std::string_view sql, const SqlParams& params, std::string* error) {
        return query(sql, params, {}, error);
    }
    // The first column of the first row; none without a row or on an error.
    std::optional<std::int64_t> integer(std::string_view sql, const SqlParams& params,
                                        std::string* error) {
        std::optional<std::int64_t> value;
        const bool ok = query(
            sql, params,
            [&value](const SqlRow& row) {
                if (!value) value = row.integer(0);
                return true;  // not stopped: stopping costs PostgreSQL a cancel request
            },
            error);
        if (ok && !value && error) *error = "no row";
        return ok ? value : std::nullopt;
    }
};

}  // namespace rb::units
