// The unit records' tables in a PostgreSQL database, with the same layout and version numbers
// as the SQLite file: records, test runs and their measurements. The version is kept in the
// table schema_version (one row).
#pragma once

#include <string>

#include "units/sql_connection.h"

namespace rb::units {

// Creates or migrates the tables to the current version, in one transaction; benches that
// connect at the same time migrate one after the other. False with the reason (also for a
// database of a newer program).
bool migratePostgres(SqlConnection& db, int* version, std::string* error);

// The version of the tables as they stand, without changing anything; 0 when there are none.
bool readPostgresVersion(SqlConnection& db, int* version, std::string* error);

}  // namespace rb::units
