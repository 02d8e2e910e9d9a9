#include "wire/text_format.h"

#include <cstdio>
#include <ctime>

namespace rb::wire {

std::string zeroPadded(long long value, int width) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%0*lld", width, value);
    return buf;
}

std::string localTimeWithMillis(std::int64_t ms) {
    const std::int64_t seconds = ms >= 0 ? ms / 1000 : (ms - 999) / 1000;
    const int milli = int(ms - seconds * 1000);
    const std::time_t t = std::time_t(seconds);
    std::tm local{};
    localtime_r(&t, &local);
    char buf[64];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d.%03d", local.tm_year + 1900,
                  local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec,
                  milli);
    return buf;
}

}  // namespace rb::wire
