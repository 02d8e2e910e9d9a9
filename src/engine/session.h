// Session: the one context object of the program. It holds what would otherwise be
// process-wide globals — the port object `theComm`, `requestPage`, the status bar, the monitor's
// `AppendTrace`, the access flags — together with the services every page uses (timers,
// prompter, per-user paths). Whoever needs one of them is handed the session.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "engine/chain_events.h"
#include "engine/cn_comm.h"
#include "engine/prompter.h"
#include "engine/timers.h"
#include "units/recorder.h"
#include "wire/comm_tool.h"

namespace rb::engine {

class Page;

// The main window's status bar: part 0 connection information, part 1 terminal information
// (a version text), part 2 operation status.
class StatusBar {
public:
    void SetText(int part, const std::string& text);
    const std::string& text(int part) const;
    std::function<void(int part)> changed;

private:
    std::array<std::string, 3> parts_{"", "", "状态信息"};
};

// Where per-user files live. Each can be overridden by an environment variable (for tests):
// RADIOBENCH_CONFIG_DIR moves all of them, RADIOBENCH_DATA_DIR the data folder alone.
struct UserPaths {
    std::string configDir;     // per-user settings folder
    std::string dataDir;       // per-user data folder (the read history lives in it)
    std::string historyFile;   // monitor history (section "Main")
    std::string hopMapFile;    // "HFMap.ini"
    std::string serialStore;   // serial-number store (section "ProTestSerial")
    std::string unitDatabase;  // unit records, beside the serial store (RADIOBENCH_UNIT_DB)
    std::string settingsFile;  // the program's own per-user options (section "Options")
    static UserPaths fromEnvironment();
    static UserPaths inDirectory(const std::string& dir);
};

// The box shown once when the unit-record database cannot be opened or written.
inline constexpr const char* kUnitDatabaseFailed = "单元记录数据库无法写入: ";
inline constexpr const char* kUnitDatabaseGoesOn = "测试照常进行, 记录暂存, 数据库可写时补存。";

class Session {
public:
    Session(Timers& timers, Prompter& prompter, UserPaths paths = UserPaths::fromEnvironment());
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    Timers& timers;
    // What chains do: pages report here, front ends listen. `activity` is one listener, kept
    // for front ends that poll (benchmarks, verify after write).
    ChainEvents events;

private:
    NotifyingPrompter notifyingPrompter_;

public:
    // Every box the pages show goes through here (and is told to `events` as boxShown).
    Prompter& prompter;
    CnComm theComm;
    int requestPage = 0;  // index of the page that sent the latest request
    StatusBar statusBar;
    UserPaths paths;
    wire::CCommTool tool;
    Activity activity{timers};

    bool monitorAccessFlag = false;

    // Every trace line goes through here; nothing happens while no monitor is attached.
    void AppendTrace(std::uint8_t code, const std::string& text);
    using TraceSink = std::function<void(std::uint8_t code, const std::string& text)>;
    void attachMonitor(TraceSink sink) { monitor_ = std::move(sink); }
    bool hasMonitor() const { return bool(monitor_); }
    // Whether a trace line reaches anyone: senders skip formatting a frame nobody will read (a
    // data test sends a kilobyte every few milliseconds).
    bool tracing() const { return bool(monitor_) || !taps_.empty(); }
    // Extra listeners that see every trace line (the command line's --trace), monitor or not.
    void addTraceTap(TraceSink tap) { taps_.push_back(std::move(tap)); }

    // What the bench did to each terminal (the production-test pages record into it).
    units::Recorder unitRecords;
    // Opens the read-only records window of one unit (the GUI sets it; null elsewhere).
    std::function<void(const std::string& machineCode)> showUnitRecords;
    // Opens the test station over the production page (the GUI sets it; null elsewhere).
    std::function<void()> showStation;

    // Every click on a page's form, before (`done` false) and after its handler ran: the
    // verification after a write follows the write buttons through it. Null: nobody listens.
    std::function<void(Page& page, int id, bool done)> pageClicked;

private:
    TraceSink monitor_;
    std::vector<TraceSink> taps_;
};

}  // namespace rb::engine
