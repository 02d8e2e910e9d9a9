#include "families/netradio/netradio_container.h"

#include <memory>

#include "families/netradio/netradio_base.h"
#include "families/netradio/netradio_user.h"

namespace rb::families::netradio {

namespace {

engine::ContainerConfig netRadioConfig() {
    engine::ContainerConfig config;
    config.heading = CNetRadio::kHeading;
    config.defaultFileName = CNetRadio::kDefaultFileName;
    config.checksumTest = wire::ChecksumTest::AlwaysCompared;
    config.guarded = true;
    config.routing = engine::Routing::ByRequestPage;  // 0 -> base, any other -> user
    config.fileButtons = true;
    config.baud = CNetRadio::kBaud;
    config.family = "netradio";
    return config;
}

}  // namespace

CNetRadio::CNetRadio(engine::Session& session) : engine::Container(session, netRadioConfig()) {
    addPage(std::make_unique<CNetRadioBase>(session), "基本信息");
    addPage(std::make_unique<CNetRadioUser>(session), "用户信息");
    selectTab(0);
}

CNetRadioBase& CNetRadio::base() {
    return static_cast<CNetRadioBase&>(page(CNetRadioBase::kIndex));
}

CNetRadioUser& CNetRadio::user() {
    return static_cast<CNetRadioUser&>(page(CNetRadioUser::kIndex));
}

}  // namespace rb::families::netradio
