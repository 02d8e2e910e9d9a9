#include "families/lm52r/lm52r_container.h"

#include <memory>

#include "families/common96/container_config.h"
#include "families/lm52r/lm52r_base.h"
#include "families/lm52r/lm52r_crew.h"
#include "families/lm52r/lm52r_user.h"

namespace rb::families::lm52r {

CLM52R::CLM52R(engine::Session& session)
    : engine::Container(session,
                        common96::containerConfig(CLM52R::kHeading, CLM52R::kDefaultFileName,
                                                  CLM52R::kBaud, "lm52r")) {
    // Tab order is the routing order: requestPage 0, 1, 2.
    addPage(std::make_unique<CLM52RBase>(session, lm52rState), "基本信息");
    addPage(std::make_unique<CLM52RUser>(session, lm52rState), "用户信息");
    addPage(std::make_unique<CLM52RCrew>(session, lm52rState), "列车信息");
    selectTab(0);  // "基本信息" shows first; the other pages exist, hidden
}

CLM52RBase& CLM52R::base() { return static_cast<CLM52RBase&>(page(CLM52RBase::kIndex)); }

}  // namespace rb::families::lm52r
