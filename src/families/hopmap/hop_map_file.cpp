#include "families/hopmap/hop_map_file.h"

#include "families/hopmap/hop_map.h"

namespace rb::families::hopmap {

namespace {
std::string valueKey(int i) { return "HF" + std::to_string(i); }
constexpr const char* kLengthKey = "HFLen";
}  // namespace

void writeHopMap(ini::IniFile& file, int scheme, const std::vector<int>& values) {
    const std::string section = sectionName(scheme);
    const int n = int(values.size());
    for (int i = 0; i < n && i < kMaxItems; ++i) file.setInt(section, valueKey(i), values[i]);
    for (int i = n; i < kMaxItems; ++i) file.setRaw(section, valueKey(i), "");
    file.setInt(section, kLengthKey, n);
}

StoredHopMap readHopMap(const ini::IniFile& file, int scheme) {
    const std::string section = sectionName(scheme);
    StoredHopMap map;
    map.lengthIndex = indexOfLength(file.getInt(section, kLengthKey));
    for (int i = 0; i < kMaxItems; ++i) {
        const std::string value = file.getText(section, valueKey(i));
        if (!value.empty()) map.text += value + ",";
    }
    return map;
}

}  // namespace rb::families::hopmap
