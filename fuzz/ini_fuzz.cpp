// The INI reader on arbitrary bytes (invalid GBK, long lines, stray brackets and '='): parsing,
// reading every value as text and number, writing a value and serialising must neither crash
// nor lose the file's other lines, and what is written reads back.
#include <cstddef>
#include <cstdint>
#include <string>

#include "ini/ini_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    rb::ini::IniFile file;
    file.parse(std::string(reinterpret_cast<const char*>(data), size));
    for (const auto& section : file.sections()) {
        for (const auto& key : file.keys(section)) {
            (void)file.getText(section, key);
            (void)file.getInt(section, key);
        }
    }
    file.setText("TelSet", "Frequency01", "4000000");
    file.setText("TelSet", "UserName", "张建国");
    const std::string once = file.serialize();
    rb::ini::IniFile again;
    again.parse(once);
    if (again.getText("TelSet", "Frequency01") != "4000000") __builtin_trap();
    if (again.getText("TelSet", "UserName") != "张建国") __builtin_trap();
    if (again.serialize() != once) __builtin_trap();  // a second pass changes nothing
    return 0;
}
