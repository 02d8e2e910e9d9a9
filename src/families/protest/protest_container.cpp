#include "families/protest/protest_container.h"

#include <memory>

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
    config.baud = CProTest::kBaud;
    config.family = "protest";
    return config;
}

}  // namespace

CProTestContainer::CProTestContainer(engine::Session& session)
    : engine::Container(session, proTestConfig()) {
    addPage(std::make_unique<CProTest>(session), kCaption);
}

}  // namespace rb::families::protest
