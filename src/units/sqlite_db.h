// A thin RAII layer over the sqlite3 C API: one connection, prepared statements with bound
// parameters (values never become SQL text), and the error text of the last failure.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace rb::units {

class Statement;

class Database {
public:
    enum class Mode { ReadWrite, ReadOnly };

    Database() = default;
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;
    Database(Database&& other) noexcept;
    Database& operator=(Database&& other) noexcept;

    // ReadWrite creates the file when missing; ReadOnly never creates nor changes it.
    bool open(const std::string& path, Mode mode, std::string* error);
    void close();
    bool isOpen() const { return db_ != nullptr; }

    // Runs statements without parameters (schema, pragmas, BEGIN/COMMIT).
    bool exec(std::string_view sql, std::string* error);
    // Milliseconds a statement waits for another connection's lock before it gives up.
    void setBusyTimeout(int ms);
    std::optional<std::int64_t> userVersion(std::string* error);
    std::string errorText() const;
    std::int64_t lastInsertId() const;
    int changes() const;

    sqlite3* handle() { return db_; }

private:
    sqlite3* db_ = nullptr;
};

class Statement {
public:
    Statement(Database& db, std::string_view sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    bool ok() const { return stmt_ != nullptr; }
    // The highest parameter number the statement names.
    int parameterCount() const;
    // Parameters count from 1.
    Statement& bind(int index, std::int64_t value);
    Statement& bind(int index, std::string_view text);
    Statement& bind(int index, double value);
    // NULL when empty.
    Statement& bind(int index, std::optional<double> value);
    // One step: true while a row is there. `done()` tells a finished statement from an error.
    bool step();
    bool done() const { return done_; }
    // Runs a statement that returns no rows; false on any error.
    bool run();

    std::int64_t integer(int column) const;
    std::string text(int column) const;
    double real(int column) const;
    // None for NULL.
    std::optional<double> optionalReal(int column) const;

private:
    sqlite3_stmt* stmt_ = nullptr;
    bool done_ = false;
    bool bindFailed_ = false;
};

}  // namespace rb::units
