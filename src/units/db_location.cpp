#include "units/db_location.h"

namespace rb::units {

bool isPostgresUri(std::string_view location) {
    return location.starts_with("postgresql://") || location.starts_with("postgres://");
}

std::string shownLocation(const std::string& location) {
    if (!isPostgresUri(location)) return location;
    const std::size_t authority = location.find("://") + 3;
    std::size_t end = location.find_first_of("/?", authority);
    if (end == std::string::npos) end = location.size();
    std::string out = location.substr(0, authority);
    // user:secret@host -> user@host (the last '@': a password may hold one).
    const std::string host = location.substr(authority, end - authority);
    const std::size_t at = host.rfind('@');
    if (at != std::string::npos) {
        const std::string user = host.substr(0, at);
        out += user.substr(0, user.find(':')) + host.substr(at);
    } else {
        out += host;
    }
    const std::size_t query = location.find('?', end);
    out += location.substr(end, (query == std::string::npos ? location.size() : query) - end);
    if (query == std::string::npos) return out;
    // The parameters but password=...
    std::string kept;
    std::size_t from = query + 1;
    while (from <= location.size()) {
        std::size_t amp = location.find('&', from);
        if (amp == std::string::npos) amp = location.size();
        const std::string item = location.substr(from, amp - from);
        if (!item.empty() && !item.starts_with("password=")) {
            kept += (kept.empty() ? "?" : "&") + item;
        }
        from = amp + 1;
    }
    return out + kept;
}

}  // namespace rb::units
