// What the command line is asked to talk to: a terminal type (TYPE) and a port (P).
//
// TYPE is one of lm52r (also lm520), netradio, train, qx710, wz4040, lm520w, protest; types whose
// pages do not exist yet are known but refused with "not built yet". P is a device path
// ("/dev/ttyUSB0", a pty), "COMn" (mapped to the platform's device by the link layer) or "sim" (the
// built-in simulated terminal of TYPE).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/link.h"

namespace rb::cli {

struct CliTerminalType {
    std::string key;     // "lm52r"
    std::string label;   // "LM52R/LM520"
    int baud = 9600;     // the speed its terminal talks at
    bool built = false;  // its container exists
};

// Every TYPE the command line accepts, in the order of its help text.
std::vector<CliTerminalType> cliTerminalTypes();
// "lm52r, netradio, ..." for help texts.
std::string cliTerminalTypeList();

// Looks a TYPE up (case-insensitive). On failure `error` says why: unknown, or not built yet.
std::optional<CliTerminalType> chooseTerminalType(const std::string& key, std::string& error);

// The production-test page opens only with its code, on every path (`run protest`, `type
// protest` in any script, `read` and `write protest`): nothing when `code` opens it, else the
// message to end with (exit 2).
inline constexpr const char* kAccessCodeNeeded = "--access-code is needed for protest";
inline constexpr const char* kProductionTestKey = "protest";
std::optional<std::string> productionAccessProblem(const std::string& code);

// Turns P into a port request at `baud` for the simulator family `family`; false with a reason
// when P is empty or a COM number is out of 1..1024.
bool parsePort(const std::string& port, int baud, const std::string& family,
               engine::PortRequest& out, std::string& error);

}  // namespace rb::cli
