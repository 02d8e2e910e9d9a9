// Showing a terminal type, the one way the main window and `run` both do it. The type's
// container is created on first use by its owner (the window keeps a widget with it, `run` a
// chain runner) and kept; the switcher does the steps in between: which container a type lives
// in (LM520W is the trunking container in its relay layout), making the shown container the
// port's receiver, and switching the built-in simulated terminal along to the type's family.
#pragma once

#include <optional>
#include <string>

#include "engine/container.h"
#include "engine/session.h"

namespace rb::families {

class TypeSwitcher {
public:
    explicit TypeSwitcher(engine::Session& session) : session_(session) {}

    // The key of the container `typeKey` shows in.
    static std::string containerFor(const std::string& typeKey);
    // The container now shows as `typeKey`: it takes that type's face, frames go to it, and it
    // is told so (null: nothing receives).
    void present(engine::Container* container, const std::string& typeKey);
    // With the built-in simulator open for another family it knows, reopens it as `family`.
    // Nothing when the port was left alone; else whether the reopen succeeded.
    std::optional<bool> followFamily(const std::string& family);

private:
    engine::Session& session_;
};

}  // namespace rb::families
