#include "families/wz4040/wz4040_container.h"

#include <memory>

#include "families/eapages/ea_container.h"
#include "families/wz4040/wz4040_base.h"
#include "families/wz4040/wz4040_ctrl.h"
#include "families/wz4040/wz4040_muster.h"
#include "families/wz4040/wz4040_user.h"

namespace rb::families::wz4040 {

CWZ4040::CWZ4040(engine::Session& session)
    : engine::Container(session,
                        eapages::eaContainerConfig(kHeading, "wz4040", /*fileButtons=*/false)) {
    // Tab order is the order every frame passes the pages in.
    addPage(std::make_unique<CWZ4040Base>(session), "基本信息");
    addPage(std::make_unique<CWZ4040User>(session), "用户信息");
    addPage(std::make_unique<CWZ4040Muster>(session), "强制调度类(测试使用)");
    addPage(std::make_unique<CWZ4040Ctrl>(session), "业务控制类(测试使用)");
    selectTab(0);
}

void CWZ4040::OnShow() { base().applyVariant(relay_); }

void CWZ4040::showAs(const std::string& typeKey) {
    if (typeKey == "lm520w") relay_ = true;
    if (typeKey == "wz4040") relay_ = false;
    if (typeKey == "lm520w" || typeKey == "wz4040")
        form().setText(engine::kHeadingLabel, relay_ ? kRelayHeading : kHeading);
}

CWZ4040Base& CWZ4040::base() { return static_cast<CWZ4040Base&>(page(CWZ4040Base::kIndex)); }
CWZ4040User& CWZ4040::user() { return static_cast<CWZ4040User&>(page(CWZ4040User::kIndex)); }
CWZ4040Muster& CWZ4040::muster() {
    return static_cast<CWZ4040Muster&>(page(CWZ4040Muster::kIndex));
}
CWZ4040Ctrl& CWZ4040::ctrl() { return static_cast<CWZ4040Ctrl&>(page(CWZ4040Ctrl::kIndex)); }

}  // namespace rb::families::wz4040
