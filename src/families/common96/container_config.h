// How the container of every 0x96 family (LM52R, network radio, train station) is set up: the
// checksum of every answer compared, guarded pages, answers routed to the page that sent the
// latest request (requestPage), the file buttons shown.
#pragma once

#include <string>

#include "engine/container.h"

namespace rb::families::common96 {

engine::ContainerConfig containerConfig(std::string heading, std::string defaultFileName, int baud,
                                        std::string family);

}  // namespace rb::families::common96
