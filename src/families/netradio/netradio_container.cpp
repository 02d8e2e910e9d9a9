#include "families/netradio/netradio_container.h"

#include <memory>

#include "families/common96/container_config.h"
#include "families/netradio/netradio_base.h"
#include "families/netradio/netradio_user.h"

namespace rb::families::netradio {

CNetRadio::CNetRadio(engine::Session& session)
    : engine::Container(session,
                        common96::containerConfig(CNetRadio::kHeading, CNetRadio::kDefaultFileName,
                                                  CNetRadio::kBaud, "netradio")) {
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
