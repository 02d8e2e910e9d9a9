#include "families/common96/common_file.h"

#include <array>

#include "families/common96/common_ids.h"

namespace rb::families::common96 {

using namespace common_ids;

namespace {

constexpr std::array<KeyedControl, 5> kListKeys = {{
    {"Checkout", kParityList},
    {"Speed", kSpeedList},
    {"Data Bit", kDataBitsList},
    {"Stop Bit", kStopBitsList},
    {"Air Speed", kAirSpeedList},
}};

}  // namespace

void storeTimers(ini::IniFile& file, const std::string& section, const engine::FormModel& f) {
    file.setInt(section, "PTT Hold", f.intValue(kPttEdit));
    file.setInt(section, "Sleep Wait", f.intValue(kStandbyEdit));
}

void loadTimers(const ini::IniFile& file, const std::string& section, engine::FormModel& f) {
    f.setInt(kPttEdit, file.getInt(section, "PTT Hold"));
    f.setInt(kStandbyEdit, file.getInt(section, "Sleep Wait"));
}

void storeLists(ini::IniFile& file, const std::string& section, const engine::FormModel& f,
                bool skipUnselected) {
    for (const auto& [key, id] : kListKeys) {
        if (!skipUnselected || f.selection(id) >= 0) file.setInt(section, key, f.selection(id));
    }
}

void loadLists(const ini::IniFile& file, const std::string& section, engine::FormModel& f) {
    for (const auto& [key, id] : kListKeys) f.setSelection(id, file.getInt(section, key));
}

void storeCommonGroup(ini::IniFile& file, const std::string& section, const engine::FormModel& f,
                      std::span<const KeyedControl> checks) {
    file.setInt(section, "ChannelInterval", f.radio(kSpacing12_5));
    file.setInt(section, "VoiceStatus", f.radio(kCompanderOn));
    file.setInt(section, "SendPower", f.radio(kPower0_5W));
    storeTimers(file, section, f);
    file.setInt(section, "VOXLevel", f.intValue(kVoxEdit));
    for (const auto& [key, id] : checks) file.setInt(section, key, f.checked(id) ? 1 : 0);
    storeLists(file, section, f);
}

void loadRadios(const ini::IniFile& file, const std::string& section, engine::FormModel& f) {
    f.setRadio(kSpacing12_5, file.getInt(section, "ChannelInterval"));
    f.setRadio(kCompanderOn, file.getInt(section, "VoiceStatus"));
    f.setRadio(kPower0_5W, file.getInt(section, "SendPower"));
}

void loadTimersAndVox(const ini::IniFile& file, const std::string& section, engine::FormModel& f) {
    loadTimers(file, section, f);
    f.setInt(kVoxEdit, file.getInt(section, "VOXLevel"));
}

void loadChecksAndLists(const ini::IniFile& file, const std::string& section, engine::FormModel& f,
                        std::span<const KeyedControl> checks) {
    for (const auto& [key, id] : checks) f.setChecked(id, file.getInt(section, key) != 0);
    loadLists(file, section, f);
}

}  // namespace rb::families::common96
