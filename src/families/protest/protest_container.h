// The production-test page as the window that shows it: one page, no tabs, no container file
// buttons (the page has its own). Every frame goes to the page; a 0x55 frame passes the checksum
// test unseen, and nothing guards the page's handler.
#pragma once

#include "engine/container.h"
#include "families/protest/protest_page.h"

namespace rb::families::protest {

class CProTestContainer : public engine::Container {
public:
    static constexpr const char* kCaption = "生产测试";

    explicit CProTestContainer(engine::Session& session);
    CProTest& page() { return static_cast<CProTest&>(Container::page(0)); }
};

}  // namespace rb::families::protest
