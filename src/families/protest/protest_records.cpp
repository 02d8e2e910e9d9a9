#include "families/protest/protest_records.h"

#include <cstdio>

#include "engine/page.h"
#include "units/json_text.h"

namespace rb::families::protest {

std::string hexCode(std::uint8_t code) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "0x%02X", code);
    return buf;
}

void recordFailure(engine::Session& session, const std::string& message) {
    units::JsonObject values;
    if (message == engine::kFailedStatus && session.activity.lastSentCode)
        values.add("request", hexCode(session.activity.lastSentCode));
    session.unitRecords.record("failure", values.str(), message);
}

}  // namespace rb::families::protest
