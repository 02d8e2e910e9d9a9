#include "families/protest/protest_serial_store.h"

#include <cstdio>
#include <ctime>

#include "families/protest/protest_db_serial_store.h"
#include "families/protest/protest_ini_serial_store.h"
#include "units/db_location.h"

namespace rb::families::protest {

std::string currentYearDigits() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const std::string year = std::to_string(local.tm_year + 1900);
    return year.size() >= 4 ? year.substr(2, 2) : year;
}

std::string fourDigits(long long v) {
    char buf[24];
    std::snprintf(buf, sizeof buf, "%04lld", v);
    return buf;
}

std::unique_ptr<SerialStore> makeSerialStore(ProTestHost& host) {
    const std::string& records = host.session().paths.unitDatabase;
    if (units::isPostgresUri(records)) return std::make_unique<DbSerialStore>(host, records);
    return std::make_unique<IniSerialStore>(host);
}

}  // namespace rb::families::protest
