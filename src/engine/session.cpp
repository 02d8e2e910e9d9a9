#include "engine/session.h"

#include <cstdlib>
#include <filesystem>

#include "units/db_location.h"

namespace rb::engine {

void StatusBar::SetText(int part, const std::string& text) {
    if (part < 0 || part > 2) return;
    parts_[std::size_t(part)] = text;
    if (changed) changed(part);
}

const std::string& StatusBar::text(int part) const {
    static const std::string none;
    return part < 0 || part > 2 ? none : parts_[std::size_t(part)];
}

namespace {

// RADIOBENCH_DATA_DIR; else the settings folder when RADIOBENCH_CONFIG_DIR moved it (a test
// keeps everything in one place); else XDG_DATA_HOME/radiobench or ~/.local/share/radiobench.
std::string dataDirectory(const std::string& configDir) {
    if (const char* d = std::getenv("RADIOBENCH_DATA_DIR"); d && *d) return d;
    if (const char* d = std::getenv("RADIOBENCH_CONFIG_DIR"); d && *d) return configDir;
    if (const char* x = std::getenv("XDG_DATA_HOME"); x && *x)
        return std::string(x) + "/radiobench";
    if (const char* h = std::getenv("HOME"); h && *h)
        return std::string(h) + "/.local/share/radiobench";
    return configDir;
}

}  // namespace

UserPaths UserPaths::inDirectory(const std::string& dir) {
    UserPaths p;
    p.configDir = dir;
    p.dataDir = dir;
    const std::string base = dir.empty() || dir.back() == '/' ? dir : dir + "/";
    p.historyFile = base + "monitor-history.ini";
    p.hopMapFile = base + "HFMap.ini";
    p.serialStore = base + "ProTestSerial.ini";
    p.settingsFile = base + "radiobench.ini";
    p.unitDatabase = base + "units.sqlite";
    return p;
}

UserPaths UserPaths::fromEnvironment() {
    std::string dir;
    if (const char* d = std::getenv("RADIOBENCH_CONFIG_DIR"); d && *d) {
        dir = d;
    } else if (const char* x = std::getenv("XDG_CONFIG_HOME"); x && *x) {
        dir = std::string(x) + "/radiobench";
    } else if (const char* h = std::getenv("HOME"); h && *h) {
        dir = std::string(h) + "/.config/radiobench";
    } else {
        dir = std::filesystem::temp_directory_path().string() + "/radiobench";
    }
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);  // a failure shows later, when a file is saved
    UserPaths p = inDirectory(dir);
    p.dataDir = dataDirectory(dir);
    if (const char* f = std::getenv("RADIOBENCH_HFMAP"); f && *f) p.hopMapFile = f;
    if (const char* f = std::getenv("RADIOBENCH_HISTORY"); f && *f) p.historyFile = f;
    if (const char* f = std::getenv("RADIOBENCH_SERIAL_STORE"); f && *f) p.serialStore = f;
    if (const char* f = std::getenv("RADIOBENCH_SETTINGS"); f && *f) p.settingsFile = f;
    // Beside the serial store, wherever that was moved.
    const auto storeDir = std::filesystem::path(p.serialStore).parent_path();
    p.unitDatabase = (storeDir.empty() ? std::filesystem::path(dir) : storeDir) / "units.sqlite";
    if (const char* f = std::getenv("RADIOBENCH_UNIT_DB"); f && *f) p.unitDatabase = f;
    return p;
}

Session::Session(Timers& t, Prompter& p, UserPaths up)
    : timers(t),
      notifyingPrompter_(p, events),
      prompter(notifyingPrompter_),
      theComm(t),
      paths(std::move(up)),
      unitRecords(paths.unitDatabase) {
    events.subscribe(activity);
    theComm.reportLost = [this](const std::string& reason) { events.portLost(reason); };
    // Once a run: the bench goes on, the records wait in memory for the database.
    unitRecords.failed = [this](const std::string& reason) {
        prompter.message(MessageBox{std::string(kUnitDatabaseFailed) + reason + "\n" +
                                        units::shownLocation(paths.unitDatabase) + "\n" +
                                        kUnitDatabaseGoesOn,
                                    "提示", Icon::Warning, Buttons::Ok, nullptr});
    };
}

void Session::AppendTrace(std::uint8_t code, const std::string& text) {
    for (auto& tap : taps_) tap(code, text);
    if (monitor_) monitor_(code, text);
}

}  // namespace rb::engine
