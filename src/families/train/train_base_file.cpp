// The base page's part of a configuration file: section "TelSet", every value decimal text, the
// keys spelled as existing installations write them.
#include <cstdio>

#include "families/common96/common_file.h"
#include "families/train/train_base.h"
#include "families/train/train_codes.h"
#include "wire/text_format.h"

namespace rb::families::train {

using namespace base_ids;

namespace {

std::string channelKey(const char* prefix, int k) { return prefix + wire::twoDigits(k); }

const char* flag(bool on) { return on ? "1" : "0"; }

}  // namespace

void CTrainBase::storeFile(ini::IniFile& file) {
    const auto& f = form();
    const std::string s = kSection;
    file.setInt(s, "ChannelGroup", f.intValue(kGroupEdit));
    // A radio group or list with nothing selected (a file's index outside its list) writes
    // nothing.
    if (int i = f.radio(kSpacing6_25); i >= 0) file.setInt(s, "ChannelInterval", i);
    if (int i = f.radio(kCompanderOn); i >= 0) file.setInt(s, "VoiceStatus", i);
    const int power = f.radio(kPower0_5W);
    if (power >= 0 && power != kCustomIndex) file.setInt(s, "SendPower", power);
    common96::storeTimers(file, s, f);
    file.setRaw(s, "Power On", flag(f.checked(kTonePowerOn)));
    file.setRaw(s, "CPower", flag(power == kCustomIndex));
    file.setRaw(s, "PTT Off", flag(f.checked(kTonePttOff)));
    file.setRaw(s, "ChannelSwitch", flag(f.checked(kToneChannel)));
    common96::storeLists(file, s, f, /*skipUnselected=*/true);
    for (int k = 1; k <= kChannels; ++k)
        file.setText(s, channelKey("SendFrequency", k), f.text(kRows[k - 1].tx));
    for (int k = 1; k <= kChannels; ++k)
        file.setText(s, channelKey("ReceiveFrequency", k), f.text(kRows[k - 1].rx));
    for (int k = 1; k <= kChannels; ++k)
        file.setRaw(s, channelKey("Digital", k), flag(f.checked(kRows[k - 1].digital)));
}

void CTrainBase::loadFile(const ini::IniFile& file) {
    // Every key with an empty default: a missing number reads 0, a missing text empty. An index
    // outside its list selects nothing.
    auto& f = form();
    const std::string s = kSection;
    f.setInt(kGroupEdit, file.getInt(s, "ChannelGroup"));
    f.setRadio(kSpacing6_25, file.getInt(s, "ChannelInterval"));
    f.setRadio(kCompanderOn, file.getInt(s, "VoiceStatus"));
    common96::loadTimers(file, s, f);
    f.setChecked(kTonePowerOn, file.getInt(s, "Power On") != 0);
    f.setChecked(kTonePttOff, file.getInt(s, "PTT Off") != 0);
    f.setChecked(kToneChannel, file.getInt(s, "ChannelSwitch") != 0);
    // "SendPower" is not written while "人工功率" is selected; "CPower" says that it was.
    const int power = file.getInt(s, "SendPower");
    if (file.getInt(s, "CPower") != 0) {
        f.setRadio(kPower0_5W, kCustomIndex);
    } else {
        f.setRadio(kPower0_5W, power >= 0 && power <= kCustomIndex ? power : -1);
    }
    common96::loadLists(file, s, f);
    for (int k = 1; k <= kChannels; ++k) {
        const ChannelRow& row = kRows[k - 1];
        f.setText(row.tx, file.getText(s, channelKey("SendFrequency", k)));
        f.setText(row.rx, file.getText(s, channelKey("ReceiveFrequency", k)));
        f.setChecked(row.digital, file.getInt(s, channelKey("Digital", k)) != 0);
    }
}

}  // namespace rb::families::train
