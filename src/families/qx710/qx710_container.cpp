#include "families/qx710/qx710_container.h"

#include <memory>

#include "families/eapages/ea_container.h"
#include "families/qx710/qx710_base.h"
#include "families/qx710/qx710_ctrl.h"
#include "families/qx710/qx710_muster.h"

namespace rb::families::qx710 {

namespace {

engine::ContainerConfig qx710Config() {
    engine::ContainerConfig config =
        eapages::eaContainerConfig(CQX710::kHeading, "qx710", /*fileButtons=*/true);
    config.defaultFileName = CQX710::kDefaultFileName;
    return config;
}

}  // namespace

CQX710::CQX710(engine::Session& session) : engine::Container(session, qx710Config()) {
    // Tab order is the order every frame passes the pages in.
    addPage(std::make_unique<CQX710Base>(session, qx710State), "本地设置查询");
    addPage(std::make_unique<CQX710Muster>(session), "强制调度类(测试使用)");
    addPage(std::make_unique<CQX710Ctrl>(session, qx710State), "业务控制类(测试使用)");
    selectTab(0);
}

CQX710Base& CQX710::base() { return static_cast<CQX710Base&>(page(CQX710Base::kIndex)); }
CQX710Muster& CQX710::muster() { return static_cast<CQX710Muster&>(page(CQX710Muster::kIndex)); }
CQX710Ctrl& CQX710::ctrl() { return static_cast<CQX710Ctrl&>(page(CQX710Ctrl::kIndex)); }

}  // namespace rb::families::qx710
