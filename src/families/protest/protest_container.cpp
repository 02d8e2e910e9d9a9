#include "families/protest/protest_container.h"

#include <memory>

#include "families/protest/protest_ids.h"

namespace rb::families::protest {

namespace {

engine::ContainerConfig proTestConfig() {
    engine::ContainerConfig config;
    config.heading = CProTest::kHeading;
    config.defaultFileName = CProTest::kDefaultFileName;
    config.checksumTest = wire::ChecksumTest::SkippedFor55;
    config.guarded = false;
    config.routing = engine::Routing::AllPages;
    config.fileButtons = false;  // "打开文件" / "存储文件" are the page's own
    config.tabBar = false;       // the data-test page is reached by "数传测试" only
    config.baud = CProTest::kBaud;
    config.family = "protest";
    return config;
}

}  // namespace

CProTestContainer::CProTestContainer(engine::Session& session)
    : engine::Container(session, proTestConfig()) {
    addPage(std::make_unique<CProTest>(session), kCaption);
    addPage(std::make_unique<CProSRTest>(session, 1), kDataTestCaption);
    page().attachDataTest(&dataTest());
    page().showDataTest = [this](bool on) { selectTab(on ? 1 : 0); };
}

std::string CProTestContainer::unitCode() const {
    const engine::FormModel& form = Container::page(0).form();
    return form.has(ids::kMachineCode) ? form.text(ids::kMachineCode) : std::string();
}

void CProTestContainer::OnShow() {
    // Shown again through the main window: the production page, with the test page hidden
    // (its timers go on).
    selectTab(0);
}

}  // namespace rb::families::protest
