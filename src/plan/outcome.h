// PlanTally: what a plan run has come to so far — the step it is in, the measurements with their
// verdicts, the clicks that did not end well — and the outcome it gives:
//   ERROR    a script error or the port went away;
//   ABORTED  the operator cancelled (a prompt's 取消, the station's 停止);
//   FAIL     a measurement failed, or a click timed out, was stopped or declined;
//   PASS     otherwise.
// With `on-fail stop` (the default) the first failure ends the plan: nothing after it is done.
#pragma once

#include <string>
#include <vector>

#include "units/test_run.h"

namespace rb::plan {

enum class ClickEnd { Done, TimedOut, Stopped, Declined };

class PlanTally {
public:
    void startStep(const std::string& name);
    const std::string& step() const { return step_; }
    const std::vector<std::string>& steps() const { return steps_; }
    void setStopOnFail(bool stop) { stopOnFail_ = stop; }

    void measured(const units::Measurement& m);
    // A click (or wait) of the plan ended; `what` names it in the failed list ("click 1150").
    void clickEnded(ClickEnd end, const std::string& what);
    void scriptError() { error_ = true; }
    void portLost() { error_ = true; }
    void cancelled() { cancelled_ = true; }

    // Nothing more of the plan is to be done.
    bool finished() const { return error_ || cancelled_ || (failedOnce_ && stopOnFail_); }
    const char* outcome() const;
    // What failed, in order: measurement names, or the click with its end ("click 1150: timeout").
    const std::vector<std::string>& failed() const { return failed_; }
    const std::vector<units::Measurement>& measurements() const { return measurements_; }

private:
    std::string step_;
    std::vector<std::string> steps_;
    std::vector<units::Measurement> measurements_;
    std::vector<std::string> failed_;
    bool stopOnFail_ = true;
    bool failedOnce_ = false;
    bool error_ = false;
    bool cancelled_ = false;
};

// The word a click's end is printed with ("timeout", "stopped", "declined"; "done").
const char* clickEndWord(ClickEnd end);

}  // namespace rb::plan
