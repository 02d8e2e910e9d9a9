// The containers of terminal types whose pages do not exist yet: each already shows its
// heading, its file buttons and its tab captions, and receives (and traces) frames like any
// container, so that switching types looks the same before and after a family's pages arrive.
#pragma once

#include <memory>
#include <string>

#include "engine/container.h"
#include "engine/session.h"

namespace rb::gui {

// Null for a key that names no container ("lm52r" is built by its family, "lm520w" shows the
// "wz4040" container).
std::unique_ptr<engine::Container> makePendingContainer(const std::string& key,
                                                        engine::Session& session);

}  // namespace rb::gui
