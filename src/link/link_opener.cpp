#include "link/link_opener.h"

#include "link/serial_link.h"
#include "link/sim_link.h"

namespace rb::link {

engine::LinkOpener makeLinkOpener(engine::Timers& timers, const sim::Faults& simFaults) {
    return [&timers, simFaults](const engine::PortRequest& request) {
        if (request.isSimulator()) return openSimulator(request, timers, simFaults);
        return SerialLink::open(request);
    };
}

}  // namespace rb::link
