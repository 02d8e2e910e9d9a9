#include "units/sqlite_connection.h"

#include <algorithm>

namespace rb::units {

namespace {

class SqliteRow final : public SqlRow {
public:
    explicit SqliteRow(const Statement& s) : s_(s) {}
    std::int64_t integer(int column) const override { return s_.integer(column); }
    std::string text(int column) const override { return s_.text(column); }
    std::optional<double> optionalReal(int column) const override {
        return s_.optionalReal(column);
    }

private:
    const Statement& s_;
};

void bindValue(Statement& s, int index, const SqlValue& value) {
    if (const auto* i = std::get_if<std::int64_t>(&value))
        s.bind(index, *i);
    else if (const auto* d = std::get_if<double>(&value))
        s.bind(index, *d);
    else if (const auto* t = std::get_if<std::string>(&value))
        s.bind(index, std::string_view(*t));
    else
        s.bind(index, std::optional<double>());  // NULL
}

}  // namespace

bool SqliteConnection::query(std::string_view sql, const SqlParams& params, const RowHandler& each,
                             std::string* error) {
    Statement s(db_, sql);
    if (!s.ok()) {
        if (error) *error = db_.errorText();
        return false;
    }
    // A statement may leave out a parameter (only the filters given are in its WHERE clause):
    // bind only those it has.
    const int count = std::min(int(params.size()), s.parameterCount());
    for (int i = 0; i < count; ++i) bindValue(s, i + 1, params[std::size_t(i)]);
    const SqliteRow row(s);
    while (s.step()) {
        if (each && !each(row)) return true;
    }
    if (!s.done()) {
        if (error) *error = db_.errorText();
        return false;
    }
    return true;
}

}  // namespace rb::units
