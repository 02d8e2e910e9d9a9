#include "families/common96/container_config.h"

#include <utility>

namespace rb::families::common96 {

engine::ContainerConfig containerConfig(std::string heading, std::string defaultFileName, int baud,
                                        std::string family) {
    engine::ContainerConfig config;
    config.heading = std::move(heading);
    config.defaultFileName = std::move(defaultFileName);
    config.checksumTest = wire::ChecksumTest::AlwaysCompared;
    config.guarded = true;
    // requestPage 0 -> the base page, any other value -> the page of that index (the last one
    // for a larger value).
    config.routing = engine::Routing::ByRequestPage;
    config.fileButtons = true;
    config.baud = baud;
    config.family = std::move(family);
    return config;
}

}  // namespace rb::families::common96
