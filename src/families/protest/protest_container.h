// The production-test page as the window that shows it: no tabs, no container file buttons
// (the page has its own). The data-transmission test page is its second page, shown in its
// place by "数传测试" and hidden when the window is shown again. Every frame goes to the
// production page, which passes the data-test answers on; a 0x55 frame passes the checksum
// test unseen, and nothing guards the page's handler.
#pragma once

#include "engine/container.h"
#include "families/protest/datatest_page.h"
#include "families/protest/protest_page.h"

namespace rb::families::protest {

class CProTestContainer : public engine::Container {
public:
    static constexpr const char* kCaption = "生产测试";
    static constexpr const char* kDataTestCaption = "数传测试";

    explicit CProTestContainer(engine::Session& session);
    CProTest& page() { return static_cast<CProTest&>(Container::page(0)); }
    CProSRTest& dataTest() { return static_cast<CProSRTest&>(Container::page(1)); }
    void OnShow() override;
    // The machine code the production page shows (read from the terminal).
    std::string unitCode() const override;
};

}  // namespace rb::families::protest
