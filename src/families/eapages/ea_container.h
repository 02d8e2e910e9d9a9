// What the containers of both 0xEA families set alike: 19200 baud, every frame that passes the
// checksum test (skipped for command 0x55) to all pages in tab order, without exception guarding.
#pragma once

#include "engine/container.h"

namespace rb::families::eapages {

inline constexpr int kEaBaud = 19200;

// The configuration with the family's heading, family key and whether it has file buttons.
inline engine::ContainerConfig eaContainerConfig(const char* heading, const char* family,
                                                 bool fileButtons) {
    engine::ContainerConfig config;
    config.heading = heading;
    config.checksumTest = wire::ChecksumTest::SkippedFor55;
    config.guarded = false;
    config.routing = engine::Routing::AllPages;
    config.fileButtons = fileButtons;
    config.baud = kEaBaud;
    config.family = family;
    return config;
}

}  // namespace rb::families::eapages
