// Where the unit records are: a SQLite file path (the default) or a PostgreSQL connection URI
// (postgresql://bench@dbhost/factory) for a database the benches of a line share.
#pragma once

#include <string>
#include <string_view>

namespace rb::units {

// "postgresql://..." or "postgres://...".
bool isPostgresUri(std::string_view location);

// The location as it may be shown: a URI without its password (neither "user:secret@" nor
// "password=" among its parameters); a file path as it is.
std::string shownLocation(const std::string& location);

}  // namespace rb::units
