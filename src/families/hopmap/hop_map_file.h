// "HFMap.ini": one section "HFType%d" per hop scheme with "HFLen" (the map length in decimal)
// and "HF0" ... "HF255" (value i in decimal, empty beyond the length). Files written here and
// files from other installations load the same way.
#pragma once

#include <string>
#include <vector>

#include "ini/ini_file.h"

namespace rb::families::hopmap {

// Writes a map into the section of `scheme`: HF0 ... HF(n-1) with the values, HF(n) ... HF255
// empty, then "HFLen" = n. Other sections stay as they are.
void writeHopMap(ini::IniFile& file, int scheme, const std::vector<int>& values);

struct StoredHopMap {
    int lengthIndex = 0;  // from "HFLen" (indexOfLength)
    std::string text;     // every non-empty HF0 ... HF255 in key order, each followed by ","
};
// Reads the section of `scheme`. A missing section gives an empty map with length index 0; the
// values are taken as they stand, whatever "HFLen" says.
StoredHopMap readHopMap(const ini::IniFile& file, int scheme);

}  // namespace rb::families::hopmap
