#include "engine/user_settings.h"

#include "ini/ini_file.h"

namespace rb::engine {

std::string readOption(const UserPaths& paths, const std::string& key) {
    ini::IniFile file;
    if (paths.settingsFile.empty() || !file.loadIfExists(paths.settingsFile)) return {};
    return file.getText(kOptionsSection, key);
}

bool saveOption(const UserPaths& paths, const std::string& key, const std::string& value,
                std::string* error) {
    if (paths.settingsFile.empty()) {
        if (error) *error = "no settings file";
        return false;
    }
    ini::IniFile file;
    if (!file.loadIfExists(paths.settingsFile, error)) return false;
    file.setText(kOptionsSection, key, value);
    return file.save(paths.settingsFile, error);
}

}  // namespace rb::engine
