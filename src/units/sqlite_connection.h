// The bench's own SQLite file behind the store's SqlConnection: one Database, each query a
// prepared Statement stepped row by row.
#pragma once

#include "units/sql_connection.h"
#include "units/sqlite_db.h"

namespace rb::units {

class SqliteConnection final : public SqlConnection {
public:
    bool open(const std::string& path, Database::Mode mode, std::string* error) {
        return db_.open(path, mode, error);
    }
    Dialect dialect() const override { return Dialect::Sqlite; }
    bool isOpen() const override { return db_.isOpen(); }
    bool exec(std::string_view sql, std::string* error) override { return db_.exec(sql, error); }
    bool query(std::string_view sql, const SqlParams& params, const RowHandler& each,
               std::string* error) override;
    // IMMEDIATE: the write lock is taken now, so a transaction never fails halfway on it.
    bool begin(std::string* error) override { return db_.exec("BEGIN IMMEDIATE", error); }
    void setBusyTimeout(int ms) override { db_.setBusyTimeout(ms); }

private:
    Database db_;
};

}  // namespace rb::units
