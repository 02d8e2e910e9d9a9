// The plan commands of a script: step, measure, prompt, unit and on-fail, the outcome line that
// ends a plan and its run record.
#include <algorithm>
#include <ostream>

#include "cli/exit_status.h"
#include "cli/json_line.h"
#include "cli/script_runner.h"
#include "cli/script_support.h"
#include "cli/script_words.h"
#include "plan/run_identity.h"
#include "wire/utf8.h"

namespace rb::cli {

using engine::ControlKind;
using namespace script;

namespace {

std::string optionalNumber(const std::optional<double>& v) {
    return v ? plan::numberText(*v) : std::string("null");
}

bool isPlanLine(const std::string& line) {
    const ScriptWords split = splitScriptLine(line);
    return split.ok() && !split.words.empty() &&
           (split.words[0] == "step" || split.words[0] == "measure");
}

}  // namespace

void ScriptRunner::beginPlan(const std::vector<std::string>& lines) {
    plan_ = std::any_of(lines.begin(), lines.end(), isPlanLine);
    tally_ = plan::PlanTally{};
    unit_ = presetUnit_;
    if (!plan_) return;
    std::string bytes;
    std::vector<std::string> steps;
    for (const auto& line : lines) {
        bytes += line + '\n';
        const ScriptWords split = splitScriptLine(line);
        if (split.ok() && split.words.size() == 2 && split.words[0] == "step") {
            steps.push_back(split.words[1]);
        }
    }
    run_ = plan::startRun(planPath_.empty() ? "-" : planPath_, bytes, units::systemClockMs());
    host_.session.unitRecords.beginRun(run_.runId);  // the answers' records carry the run id
    if (planEvents.started) planEvents.started(steps);
}

int ScriptRunner::endPlan(int rc) {
    if (rc == 2) tally_.scriptError();
    if (rc == 3 || lost_) tally_.portLost();
    run_.endMs = units::systemClockMs();
    run_.unit = !unit_.empty() ? unit_ : host_.session.unitRecords.unitCode();
    run_.machineType = typeKey_;
    run_.outcome = tally_.outcome();
    run_.measurements = tally_.measurements();
    std::vector<std::string> failed;
    for (const auto& f : tally_.failed()) failed.push_back(JsonLine::quote(f));
    print(JsonLine()
              .str("outcome", run_.outcome)
              .str("unit", run_.unit)
              .raw("failed", JsonLine::array(failed))
              .num("ms", run_.endMs - run_.startMs)
              .text());
    host_.session.unitRecords.recordRun(run_);  // kept in memory while the database is away
    if (planEvents.finished) planEvents.finished(run_);
    if (run_.outcome == std::string(units::kRunFail) ||
        run_.outcome == std::string(units::kRunAborted)) {
        return kExitPlanFailed;
    }
    return rc;
}

void ScriptRunner::clickEnded(const ChainResult& result) {
    if (!plan_) return;
    switch (result.outcome) {
        case ChainOutcome::TimedOut:
            return tally_.clickEnded(plan::ClickEnd::TimedOut, command_);
        case ChainOutcome::Stopped:
            return tally_.clickEnded(plan::ClickEnd::Stopped, command_);
        case ChainOutcome::Declined:
            return tally_.clickEnded(plan::ClickEnd::Declined, command_);
        case ChainOutcome::Done:
        case ChainOutcome::PortLost:
            return;
    }
}

void ScriptRunner::cmdStep(const std::vector<std::string>& w) {
    expectWords(w, 2, "step NAME");
    if (w[1].empty()) fail("a step needs a name");
    tally_.startStep(w[1]);
    print(JsonLine().str("cmd", "step").str("name", w[1]).text());
    if (planEvents.stepStarted) planEvents.stepStarted(w[1]);
}

std::string ScriptRunner::controlText(const engine::FormModel& form,
                                      const engine::Control& c) const {
    switch (c.kind) {
        case ControlKind::Edit:
        case ControlKind::MultiEdit:
        case ControlKind::Static:
        case ControlKind::Button:
            return c.text;
        case ControlKind::Combo:
        case ControlKind::ListBox:
            return c.value >= 0 && std::size_t(c.value) < c.items.size()
                       ? c.items[std::size_t(c.value)]
                       : std::string();
        case ControlKind::Spin:
            return c.buddy && form.has(c.buddy) ? form.text(c.buddy) : std::to_string(c.value);
        default:
            return std::to_string(c.value);
    }
}

void ScriptRunner::cmdMeasure(const std::vector<std::string>& w) {
    const plan::ParsedMeasure parsed = plan::parseMeasure(w);
    if (!parsed.line) fail(parsed.error);
    const plan::MeasureLine& measure = *parsed.line;
    const Target t = find(std::to_string(measure.id));
    const units::Measurement m =
        plan::judge(measure, tally_.step(), controlText(*t.form, *t.control));
    tally_.measured(m);
    JsonLine line;
    line.str("cmd", "measure").str("step", m.step).str("name", m.name);
    if (measure.check == plan::Check::Range) {
        line.raw("value", optionalNumber(m.value))
            .raw("low", optionalNumber(m.low))
            .raw("high", optionalNumber(m.high))
            .str("unit", m.unit);
    } else {
        line.str("value", m.text)
            .str(measure.check == plan::Check::Equals ? "expect" : "match", measure.pattern);
    }
    line.str("verdict", m.verdict);
    if (!m.reason.empty()) line.str("reason", m.reason);
    print(line.text());
    if (planEvents.measured) planEvents.measured(m);
}

void ScriptRunner::cmdPrompt(const std::vector<std::string>& w) {
    expectWords(w, 2, "prompt TEXT");
    bool ok = confirmPrompts_;
    if (!ok) {
        engine::MessageBox box;
        box.text = w[1];
        box.caption = kPromptCaption;
        box.icon = engine::Icon::Question;
        box.buttons = engine::Buttons::OkCancel;
        ok = host_.session.prompter.message(box) == engine::Answer::Ok;
    }
    if (!ok) tally_.cancelled();
    print(JsonLine()
              .str("cmd", "prompt")
              .str("text", w[1])
              .str("answer", ok ? "确定" : "取消")
              .text());
}

void ScriptRunner::cmdUnit(const std::vector<std::string>& w) {
    expectWords(w, 2, "unit ID|\"TEXT\"");
    std::string unit = w[1];
    // A number that names a control of the page is that control's text; anything else is the
    // label itself (a scanned code).
    if (const auto id = strictNumber(w[1]); id && *id >= 0 && *id <= 0x7FFFFFFF) {
        engine::FormModel& form = page().form();
        if (form.has(int(*id))) {
            unit = controlText(form, form.control(int(*id)));
            if (unit.empty()) fail("control " + w[1] + " shows no unit code");
        }
    }
    if (unit.empty()) fail("the unit needs a code");
    unit_ = unit;
    print(JsonLine().str("cmd", "unit").str("unit", unit_).text());
}

void ScriptRunner::cmdOnFail(const std::vector<std::string>& w) {
    expectWords(w, 2, "on-fail stop|continue");
    if (w[1] != "stop" && w[1] != "continue") fail("on-fail is stop or continue");
    tally_.setStopOnFail(w[1] == "stop");
    print(JsonLine().str("cmd", "on-fail").str("value", w[1]).text());
}

}  // namespace rb::cli
