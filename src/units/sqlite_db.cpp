#include "units/sqlite_db.h"

#include <sqlite3.h>

#include <utility>

namespace rb::units {

Database::~Database() { close(); }

Database::Database(Database&& other) noexcept : db_(std::exchange(other.db_, nullptr)) {}

Database& Database::operator=(Database&& other) noexcept {
    if (this != &other) {
        close();
        db_ = std::exchange(other.db_, nullptr);
    }
    return *this;
}

bool Database::open(const std::string& path, Mode mode, std::string* error) {
    close();
    const int flags =
        mode == Mode::ReadOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(path.c_str(), &db, flags | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        if (error) *error = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
        sqlite3_close(db);
        return false;
    }
    db_ = db;
    sqlite3_extended_result_codes(db_, 1);
    return true;
}

void Database::close() {
    if (db_) sqlite3_close_v2(db_);
    db_ = nullptr;
}

bool Database::exec(std::string_view sql, std::string* error) {
    if (!db_) {
        if (error) *error = "not open";
        return false;
    }
    char* message = nullptr;
    const std::string text(sql);
    if (sqlite3_exec(db_, text.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
        if (error) *error = message ? message : errorText();
        sqlite3_free(message);
        return false;
    }
    return true;
}

void Database::setBusyTimeout(int ms) {
    if (db_) sqlite3_busy_timeout(db_, ms);
}

std::optional<std::int64_t> Database::userVersion(std::string* error) {
    Statement s(*this, "PRAGMA user_version");
    if (!s.ok() || !s.step()) {
        if (error) *error = errorText();
        return std::nullopt;
    }
    return s.integer(0);
}

std::string Database::errorText() const { return db_ ? sqlite3_errmsg(db_) : "not open"; }

std::int64_t Database::lastInsertId() const { return db_ ? sqlite3_last_insert_rowid(db_) : 0; }

int Database::changes() const { return db_ ? sqlite3_changes(db_) : 0; }

Statement::Statement(Database& db, std::string_view sql) {
    if (!db.handle()) return;
    if (sqlite3_prepare_v2(db.handle(), sql.data(), int(sql.size()), &stmt_, nullptr) !=
        SQLITE_OK) {
        sqlite3_finalize(stmt_);
        stmt_ = nullptr;
    }
}

Statement::~Statement() { sqlite3_finalize(stmt_); }

int Statement::parameterCount() const { return stmt_ ? sqlite3_bind_parameter_count(stmt_) : 0; }

Statement& Statement::bind(int index, std::int64_t value) {
    if (!stmt_ || sqlite3_bind_int64(stmt_, index, value) != SQLITE_OK) bindFailed_ = true;
    return *this;
}

Statement& Statement::bind(int index, std::string_view text) {
    if (!stmt_ || sqlite3_bind_text(stmt_, index, text.data(), int(text.size()),
                                    SQLITE_TRANSIENT) != SQLITE_OK)
        bindFailed_ = true;
    return *this;
}

Statement& Statement::bind(int index, double value) {
    if (!stmt_ || sqlite3_bind_double(stmt_, index, value) != SQLITE_OK) bindFailed_ = true;
    return *this;
}

Statement& Statement::bind(int index, std::optional<double> value) {
    if (value) return bind(index, *value);
    if (!stmt_ || sqlite3_bind_null(stmt_, index) != SQLITE_OK) bindFailed_ = true;
    return *this;
}

bool Statement::step() {
    if (!stmt_ || bindFailed_ || done_) return false;
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) return true;
    done_ = rc == SQLITE_DONE;
    if (!done_) bindFailed_ = true;  // an error ends the statement
    return false;
}

bool Statement::run() {
    while (step()) {
    }
    return done_;
}

std::int64_t Statement::integer(int column) const {
    return stmt_ ? sqlite3_column_int64(stmt_, column) : 0;
}

std::string Statement::text(int column) const {
    if (!stmt_) return {};
    const auto* p = sqlite3_column_text(stmt_, column);
    const int n = sqlite3_column_bytes(stmt_, column);
    return p ? std::string(reinterpret_cast<const char*>(p), std::size_t(n)) : std::string();
}

double Statement::real(int column) const {
    return stmt_ ? sqlite3_column_double(stmt_, column) : 0.0;
}

std::optional<double> Statement::optionalReal(int column) const {
    if (!stmt_ || sqlite3_column_type(stmt_, column) == SQLITE_NULL) return std::nullopt;
    return sqlite3_column_double(stmt_, column);
}

}  // namespace rb::units
