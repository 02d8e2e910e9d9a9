#include "families/catalog/type_switcher.h"

#include <algorithm>

#include "families/catalog/catalog.h"
#include "sim/terminal.h"

namespace rb::families {

std::string TypeSwitcher::containerFor(const std::string& typeKey) {
    return containerKeyOf(typeKey);
}

void TypeSwitcher::present(engine::Container* container, const std::string& typeKey) {
    if (container) container->showAs(typeKey);
    session_.theComm.SetWnd(container);
    if (container) container->OnShow();
}

std::optional<bool> TypeSwitcher::followFamily(const std::string& family) {
    auto& comm = session_.theComm;
    if (!comm.IsOpen() || !comm.lastRequest.isSimulator() || comm.lastRequest.family == family) {
        return std::nullopt;
    }
    const auto known = sim::terminalFamilies();
    if (std::find(known.begin(), known.end(), family) == known.end()) return std::nullopt;
    engine::PortRequest r = comm.lastRequest;
    r.family = family;
    return comm.Open(r);
}

}  // namespace rb::families
