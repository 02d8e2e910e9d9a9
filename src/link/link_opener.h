// What the port object opens: the built-in simulated terminal for "sim", otherwise a serial
// port (a number 1..1024 or a device path).
#pragma once

#include "engine/link.h"
#include "engine/timers.h"
#include "sim/faults.h"

namespace rb::link {

// `timers` carry the simulator's answers and must outlive every link opened; `simFaults` are
// handed to every simulator opened (line-rate pacing, deliberate misbehaviour).
engine::LinkOpener makeLinkOpener(engine::Timers& timers, const sim::Faults& simFaults = {});

}  // namespace rb::link
