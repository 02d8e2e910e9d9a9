// The terminal types the program knows, and the container of each.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/container.h"
#include "engine/session.h"

namespace rb::families {

struct TerminalType {
    std::string key;      // command-line name: "lm52r", "netradio", "train", "qx710", ...
    std::string label;    // the main window's terminal list entry
    int baud = 9600;      // the speed its terminal needs
    bool built = false;   // false while its pages do not exist yet
    bool hasFile = true;  // false: no page stores or loads a configuration file (use `run`)
};

// Every terminal type, in the order of the main window's terminal list.
const std::vector<TerminalType>& terminalTypes();
const TerminalType* findTerminalType(const std::string& key);
// The production-test page ("protest"): shown by "生产测试" after its access code, not a
// terminal-list entry, but built by makeContainer like a type.
const TerminalType& productionTestType();

// The container a type shows: "lm520w" opens the trunking container ("wz4040") in its relay
// variant (Container::showAs); every other type has its own.
std::string containerKeyOf(const std::string& typeKey);

// Builds the container of a type; null for a type whose pages do not exist yet.
std::unique_ptr<engine::Container> makeContainer(const std::string& key, engine::Session& session);

}  // namespace rb::families
