// The base page's part of a configuration file: section "TelSet", every value decimal text,
// under the keys existing installations write (spaces and spellings included).
#include <cstdio>

#include "families/common96/common_file.h"
#include "families/netradio/netradio_base.h"
#include "families/netradio/netradio_base_ids.h"

namespace rb::families::netradio {

using namespace base_ids;

namespace {

using common96::KeyedControl;

constexpr KeyedControl kCheckKeys[] = {
    {"Power On", kBeepPowerOn},
    {"PTT Off", kBeepPttOff},
};
constexpr KeyedControl kFunctionKeys[] = {
    {"SK", kVoxCheck},
    {"ENCRY", kEncryptCheck},
    {"TP", kHoppingCheck},
};

// "Frequency01" ... "Frequency16" (16 = off-net).
std::string frequencyKey(int row) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "Frequency%02d", row);
    return buf;
}

int frequencyEdit(int row) { return row == 16 ? kOffNetEdit : kFrequencyEdits[row - 1]; }

}  // namespace

void CNetRadioBase::storeFile(ini::IniFile& file) {
    const auto& f = form();
    const std::string s = kSection;
    common96::storeCommonGroup(file, s, f, kCheckKeys);
    for (const auto& [key, id] : kFunctionKeys) file.setInt(s, key, f.checked(id) ? 1 : 0);
    file.setInt(s, "FrequencySN", ownFrequencyNumber());
    for (int row = 1; row <= 16; ++row)
        file.setText(s, frequencyKey(row), f.text(frequencyEdit(row)));
}

void CNetRadioBase::loadFile(const ini::IniFile& file) {
    // Every key with an empty default: a missing number reads as 0. An index outside its list
    // or radio group selects nothing. The channel step stays as it is.
    auto& f = form();
    const std::string s = kSection;
    common96::loadRadios(file, s, f);
    common96::loadTimersAndVox(file, s, f);
    common96::loadChecksAndLists(file, s, f, kCheckKeys);
    for (const auto& [key, id] : kFunctionKeys) f.setChecked(id, file.getInt(s, key) != 0);
    setOwnFrequency(file.getInt(s, "FrequencySN"));
    for (int row = 1; row <= 16; ++row)
        f.setText(frequencyEdit(row), file.getText(s, frequencyKey(row)));
}

}  // namespace rb::families::netradio
