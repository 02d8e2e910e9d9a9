#include "plan/outcome.h"

namespace rb::plan {

void PlanTally::startStep(const std::string& name) {
    step_ = name;
    steps_.push_back(name);
}

void PlanTally::measured(const units::Measurement& m) {
    measurements_.push_back(m);
    if (m.verdict != "pass") {
        failedOnce_ = true;
        failed_.push_back(m.name);
    }
}

void PlanTally::clickEnded(ClickEnd end, const std::string& what) {
    if (end == ClickEnd::Done) return;
    failedOnce_ = true;
    failed_.push_back(what + ": " + clickEndWord(end));
}

const char* PlanTally::outcome() const {
    if (error_) return units::kRunError;
    if (cancelled_) return units::kRunAborted;
    if (failedOnce_) return units::kRunFail;
    return units::kRunPass;
}

const char* clickEndWord(ClickEnd end) {
    switch (end) {
        case ClickEnd::Done:
            return "done";
        case ClickEnd::TimedOut:
            return "timeout";
        case ClickEnd::Stopped:
            return "stopped";
        case ClickEnd::Declined:
            return "declined";
    }
    return "done";
}

}  // namespace rb::plan
