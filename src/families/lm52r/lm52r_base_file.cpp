// The base page's part of a configuration file: section "TelSet", every value decimal text.
// The key names are those that existing installations write, spaces and spellings included.
#include <cstdio>

#include "families/common96/common_file.h"
#include "families/lm52r/lm52r_base.h"
#include "wire/text_format.h"

namespace rb::families::lm52r {

using namespace base_ids;

namespace {

// Key prefixes of the six channel flags, in table order (数字 ... 跳频).
constexpr std::array<const char*, kFlagCount> kFlagKeys = {"Digital", "VOD",  "DT",
                                                           "Encr",    "Mult", "HF"};

// The beep boxes and the backlight, filed as 1 / 0.
constexpr std::array<common96::KeyedControl, 4> kCheckKeys = {{
    {"Power On", kBeepPowerOn},
    {"PTT Off", kBeepPttOff},
    {"ChannelSwitch", kBeepChannel},
    {"GPS", kBacklight},
}};

// "SendFrequency" + 7 -> "SendFrequency07".
std::string channelKey(const char* prefix, int k) { return prefix + wire::twoDigits(k); }

}  // namespace

void CLM52RBase::storeFile(ini::IniFile& file) {
    // Keys go into a new file in the order existing installations write them.
    const auto& f = form();
    const std::string s = kSection;
    file.setInt(s, "ChannelGroup", f.intValue(kGroupEdit));
    common96::storeCommonGroup(file, s, f, kCheckKeys);
    for (int k = 1; k <= kChannels; ++k) {
        file.setText(s, channelKey("SendFrequency", k), f.text(kRows[k - 1].tx));
    }
    for (int k = 1; k <= kChannels; ++k) {
        file.setText(s, channelKey("ReceiveFrequency", k), f.text(kRows[k - 1].rx));
    }
    for (int j = 0; j < kFlagCount; ++j) {
        for (int k = 1; k <= kChannels; ++k) {
            file.setInt(s, channelKey(kFlagKeys[j], k), f.checked(kRows[k - 1].flags[j]) ? 1 : 0);
        }
    }
    for (int k = 1; k <= kChannels; ++k) {
        file.setInt(s, channelKey("EncryType", k), state_.chanEncryType[k - 1]);
    }
    for (int k = 1; k <= kChannels; ++k) {
        file.setInt(s, channelKey("HFType", k), state_.chanHFType[k - 1]);
    }
}

void CLM52RBase::loadFile(const ini::IniFile& file) {
    // Every key is read with an empty default: an absent number reads as 0, an absent text as
    // empty. The controls then show the values.
    auto& f = form();
    const std::string s = kSection;
    f.setInt(kGroupEdit, file.getInt(s, "ChannelGroup"));
    common96::loadTimersAndVox(file, s, f);
    common96::loadRadios(file, s, f);
    common96::loadChecksAndLists(file, s, f, kCheckKeys);
    for (int k = 1; k <= kChannels; ++k) {
        const ChannelRow& row = kRows[k - 1];
        f.setText(row.tx, file.getText(s, channelKey("SendFrequency", k)));
        f.setText(row.rx, file.getText(s, channelKey("ReceiveFrequency", k)));
        for (int j = 0; j < kFlagCount; ++j) {
            f.setChecked(row.flags[j], file.getInt(s, channelKey(kFlagKeys[j], k)) != 0);
        }
        // One byte each, as the terminal keeps them.
        state_.chanEncryType[k - 1] = file.getInt(s, channelKey("EncryType", k));
        state_.chanHFType[k - 1] = file.getInt(s, channelKey("HFType", k));
    }
}

}  // namespace rb::families::lm52r
