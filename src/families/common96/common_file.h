// The common-parameter group's part of a configuration file, under the keys existing
// installations write ("PTT Hold", "Checkout", ...), every value decimal text. Each family
// calls these where its keys sit in its own order.
#pragma once

#include <span>
#include <string>

#include "engine/form_model.h"
#include "ini/ini_file.h"

namespace rb::families::common96 {

// A check box or list filed under a plain key.
struct KeyedControl {
    const char* key;
    int id;
};

// "PTT Hold" and "Sleep Wait".
void storeTimers(ini::IniFile& file, const std::string& section, const engine::FormModel& f);
void loadTimers(const ini::IniFile& file, const std::string& section, engine::FormModel& f);
// "Checkout", "Speed", "Data Bit", "Stop Bit", "Air Speed": the lists' selections. With
// `skipUnselected` a list that selects nothing writes no key.
void storeLists(ini::IniFile& file, const std::string& section, const engine::FormModel& f,
                bool skipUnselected = false);
void loadLists(const ini::IniFile& file, const std::string& section, engine::FormModel& f);

// The group as the LM52R and network-radio base pages file it: "ChannelInterval",
// "VoiceStatus", "SendPower", the timers, "VOXLevel", the page's beep boxes (`checks`) as 1 / 0,
// then the lists.
void storeCommonGroup(ini::IniFile& file, const std::string& section, const engine::FormModel& f,
                      std::span<const KeyedControl> checks);
// Loading looks the keys up in the order each page always has (what a file lacks is reported in
// that order): the network radio's is loadRadios, loadTimersAndVox, loadChecksAndLists. An
// index outside its radio group or list selects nothing.
void loadRadios(const ini::IniFile& file, const std::string& section, engine::FormModel& f);
void loadTimersAndVox(const ini::IniFile& file, const std::string& section, engine::FormModel& f);
void loadChecksAndLists(const ini::IniFile& file, const std::string& section, engine::FormModel& f,
                        std::span<const KeyedControl> checks);

}  // namespace rb::families::common96
