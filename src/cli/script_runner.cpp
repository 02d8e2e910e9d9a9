#include "cli/script_runner.h"

#include <algorithm>
#include <istream>
#include <ostream>

#include "cli/exit_status.h"
#include "cli/json_line.h"
#include "cli/script_support.h"
#include "cli/script_words.h"
#include "cli/terminal_choice.h"
#include "families/catalog/catalog.h"
#include "wire/codecs.h"
#include "wire/utf8.h"

namespace rb::cli {

using engine::ControlKind;
using namespace script;

ScriptRunner::ScriptRunner(TerminalSession& terminal, std::ostream& out)
    : ScriptRunner(ScriptHost{terminal.session(), terminal.runtime().waiter(), &terminal.prompter(),
                              [&terminal](const std::string& line) { terminal.note(line); }},
                   out) {}

ScriptRunner::ScriptRunner(ScriptHost host, std::ostream& out)
    : host_(std::move(host)),
      out_(out),
      listener_(*this),
      subscription_(host_.session.events, listener_) {
    // Questions are answered yes until `answer no`.
    if (host_.prompter) host_.prompter->scriptAnswer(true);
}

ScriptRunner::~ScriptRunner() {
    auto& session = host_.session;
    session.timers.stopAll(this);
    if (!attached_) session.theComm.SetWnd(nullptr);
    // Runners go before the containers they watch.
    for (auto& [key, s] : shown_) s.runner.reset();
}

void ScriptRunner::Listener::portLost(const std::string&) {
    runner_.lost_ = true;
    runner_.host_.waiter.wake();
}

void ScriptRunner::Listener::boxShown(const engine::MessageBox& box) {
    runner_.boxes_.push_back(box);
}

void ScriptRunner::requestStop() {
    stopRequested_ = true;
    host_.waiter.wake();
}

bool ScriptRunner::showType(const std::string& key, std::string& error) {
    const auto type = chooseTerminalType(key, error);
    if (!type) return false;
    if (type->key == kProductionTestKey && !accessGranted_) {
        if (auto problem = productionAccessProblem(accessCode_)) {
            error = *problem;
            return false;
        }
        accessGranted_ = true;
    }
    auto& session = host_.session;
    const std::string containerKey = switcher_.containerFor(type->key);
    if (!shown_.count(containerKey)) {
        auto container = families::makeContainer(containerKey, session);
        if (!container) {
            error = "terminal type " + type->key + " is not built yet";
            return false;
        }
        engine::Container& c = *container;
        install(containerKey, std::move(container), c);
    }
    present(containerKey, type->key);
    switcher_.followFamily(type->key);  // the built-in simulator follows the type
    return true;
}

void ScriptRunner::adopt(const std::string& key, std::unique_ptr<engine::Container> container) {
    engine::Container& c = *container;
    install(key, std::move(container), c);
    present(key, key);
}

void ScriptRunner::attach(const std::string& key, engine::Container& container) {
    attached_ = true;
    accessGranted_ = true;  // the window asked for the code before it showed the page
    Shown& s = install(key, nullptr, container);
    s.page = container.currentTab();
    current_ = key;
    typeKey_ = key;
}

ScriptRunner::Shown& ScriptRunner::install(const std::string& key,
                                           std::unique_ptr<engine::Container> owned,
                                           engine::Container& container) {
    Shown& s = shown_[key];
    s.runner.reset();
    s.owned = std::move(owned);
    s.container = &container;
    s.runner = std::make_unique<ChainRunner>(host_.session, container, host_.waiter);
    s.runner->silentGuardFails = false;
    s.runner->onProgress = [this](const std::string& text) {
        if (host_.note) host_.note(text);
    };
    return s;
}

void ScriptRunner::present(const std::string& key, const std::string& typeKey) {
    Shown& s = shown_.at(key);
    current_ = key;
    typeKey_ = typeKey;
    switcher_.present(s.container, typeKey);
}

int ScriptRunner::run(std::istream& script) {
    timedOut_ = false;
    lost_ = false;
    stopRequested_ = false;
    std::vector<std::string> lines;
    for (std::string line; std::getline(script, line);) lines.push_back(line);
    beginPlan(lines);
    int rc = -1;
    for (std::size_t i = 0; i < lines.size() && rc < 0; ++i) {
        if (tally_.finished()) break;
        if (stopRequested_) break;
        if (!carryOut(lines[i], int(i + 1), rc)) break;
        if (lost_) rc = 3;
    }
    if (stopRequested_) tally_.cancelled();
    if (rc < 0) rc = timedOut_ ? 1 : 0;
    if (plan_) return endPlan(rc);
    // A script without steps that the operator cancelled did not get done either.
    return tally_.outcome() == std::string(units::kRunAborted) ? kExitPlanFailed : rc;
}

bool ScriptRunner::carryOut(const std::string& line, int number, int& rc) {
    const ScriptWords split = splitScriptLine(line);
    if (!split.ok()) {
        print(JsonLine()
                  .str("cmd", "")
                  .str("error", wire::clipUtf8(split.error, kEchoChars))
                  .num("line", number)
                  .text());
        rc = 2;
        return false;
    }
    if (split.words.empty()) return true;
    command_ = split.words[0] + (split.words.size() > 1 ? " " + split.words[1] : std::string());
    try {
        execute(split.words);
        followCurrentTab();
    } catch (const ScriptError& e) {
        // A script line is echoed at most 200 characters long, however long it was.
        print(JsonLine()
                  .str("cmd", wire::clipUtf8(split.words[0], kEchoChars))
                  .str("error", wire::clipUtf8(e.text, kEchoChars))
                  .num("line", number)
                  .text());
        rc = 2;
        return false;
    }
    return true;
}

void ScriptRunner::followCurrentTab() {
    // A page may put another in its place (the production test's "数传测试"): the script
    // addresses the page that shows.
    if (current_.empty()) return;
    Shown& s = shown();
    s.page = s.container->currentTab();
}

void ScriptRunner::execute(const std::vector<std::string>& w) {
    const std::string& cmd = w[0];
    if (cmd == "tab") return cmdTab(w);
    if (cmd == "set") return cmdSet(w);
    if (cmd == "spin") return cmdSpin(w);
    if (cmd == "click") return cmdClick(w);
    if (cmd == "answer") return cmdAnswer(w);
    if (cmd == "choose") return cmdChoose(w);
    if (cmd == "wait") return cmdWait(w);
    if (cmd == "get") return cmdGet(w);
    if (cmd == "dump") return cmdDump(w);
    if (cmd == "store") return cmdFile(w, true);
    if (cmd == "load") return cmdFile(w, false);
    if (cmd == "type") return cmdType(w);
    if (cmd == "status") return cmdStatus(w);
    if (cmd == "step") return cmdStep(w);
    if (cmd == "measure") return cmdMeasure(w);
    if (cmd == "prompt") return cmdPrompt(w);
    if (cmd == "unit") return cmdUnit(w);
    if (cmd == "on-fail") return cmdOnFail(w);
    fail("unknown command \"" + wire::clipUtf8(cmd, kEchoChars) + "\"");
}

// ---- what is addressed ---------------------------------------------------------------------

ScriptRunner::Shown& ScriptRunner::shown() { return shown_.at(current_); }

engine::Page& ScriptRunner::page() {
    Shown& s = shown();
    return s.container->page(s.page);
}

ScriptRunner::Target ScriptRunner::find(const std::string& idText) {
    const auto id = strictNumber(idText);
    if (!id || *id < 0 || *id > 0x7FFFFFFF) fail("control id \"" + idText + "\" is not a number");
    engine::FormModel& pageForm = page().form();
    if (pageForm.has(int(*id))) return {&pageForm, &pageForm.control(int(*id))};
    engine::FormModel& own = shown().container->form();
    if (own.has(int(*id))) return {&own, &own.control(int(*id))};
    fail("unknown control " + idText + " on page \"" + shown().container->caption(shown().page) +
         "\"");
}

void ScriptRunner::requireUsable(const Target& t, bool waitForLock) {
    const int id = t.control->id;
    if (!t.control->visible) fail("control " + std::to_string(id) + " is hidden");
    if (t.control->enabled) return;
    engine::Page& p = page();
    auto& timers = host_.session.timers;
    const void* owner = &p;
    if (waitForLock && t.form == &p.form() && timers.running(owner, engine::kButtonTimer)) {
        waitWhile([&] { return timers.running(owner, engine::kButtonTimer); }, kLongestButtonLock);
        if (t.form->control(id).enabled) return;
    }
    fail("control " + std::to_string(id) + " is disabled");
}

// ---- waiting ---------------------------------------------------------------------------------

ScriptRunner::Step ScriptRunner::act(const std::function<void()>& action) {
    Shown& s = shown();
    auto& activity = host_.session.activity;
    Step step;
    step.firstBox = boxes_.size();
    const int requestsBefore = activity.requests;
    step.result = s.runner->runChain(s.page, action);
    step.sent = activity.requests > requestsBefore;
    if (step.result.outcome == ChainOutcome::TimedOut) timedOut_ = true;
    if (step.result.outcome == ChainOutcome::PortLost) lost_ = true;
    clickEnded(step.result);
    return step;
}

void ScriptRunner::waitMillis(engine::Millis ms) {
    auto& timers = host_.session.timers;
    EventWaiter& waiter = host_.waiter;
    bool done = false;
    timers.start(this, kWaitTimer, ms, [&] {
        timers.stop(this, kWaitTimer);
        done = true;
        waiter.wake();
    });
    waiter.waitUntil([&] { return done || lost_ || stopRequested_; });
    timers.stop(this, kWaitTimer);
}

void ScriptRunner::waitWhile(const std::function<bool()>& busy, engine::Millis atMost) {
    auto& timers = host_.session.timers;
    EventWaiter& waiter = host_.waiter;
    const engine::Millis deadline = timers.now() + atMost;
    bool over = false;
    timers.start(this, kPollTimer, kPollPeriod, [&] {
        if (!busy() || timers.now() >= deadline) {
            over = true;
            timers.stop(this, kPollTimer);
        }
        waiter.wake();
    });
    waiter.waitUntil([&] { return over || !busy() || lost_; });
    timers.stop(this, kPollTimer);
}

// ---- commands ----------------------------------------------------------------------------------

std::string ScriptRunner::controlJson(const engine::FormModel& form,
                                      const engine::Control& c) const {
    JsonLine line;
    line.num("id", c.id).str("kind", kindName(c.kind));
    switch (c.kind) {
        case ControlKind::Edit:
        case ControlKind::MultiEdit:
        case ControlKind::Static:
        case ControlKind::Button:
            line.str("value", c.text);
            break;
        case ControlKind::Spin:
            line.num("value", form.intValue(c.id));
            break;
        default:
            line.num("value", c.value);
            break;
    }
    line.boolean("enabled", c.enabled).boolean("visible", c.visible);
    if (c.kind == ControlKind::Combo || c.kind == ControlKind::ListBox) {
        const bool selected = c.value >= 0 && std::size_t(c.value) < c.items.size();
        line.str("text", selected ? c.items[std::size_t(c.value)] : std::string());
    }
    return line.text();
}

std::string ScriptRunner::boxesJson(std::size_t from) const {
    const auto& log = boxes_;
    std::vector<std::string> boxes;
    for (std::size_t i = from; i < log.size(); ++i) {
        boxes.push_back(JsonLine()
                            .str("text", log[i].text)
                            .str("caption", log[i].caption)
                            .str("icon", iconName(log[i].icon))
                            .text());
    }
    return JsonLine::array(boxes);
}

std::string ScriptRunner::resultWord(ChainOutcome outcome) {
    switch (outcome) {
        case ChainOutcome::Done:
            return "done";
        case ChainOutcome::TimedOut:
            return "timeout";
        case ChainOutcome::Stopped:
            return "stopped";
        case ChainOutcome::Declined:
            return "declined";
        case ChainOutcome::PortLost:
            return "lost";
    }
    return "done";
}

void ScriptRunner::print(const std::string& line) { out_ << line << '\n' << std::flush; }

std::string runCommandTable() {
    return R"(Script: one command a line; blank lines and lines starting with # are skipped.
Words are separated by blanks; "a b" holds blanks (\" and \\ inside quotes), "" is empty.
Control ids are the forms' decimal ids and address the current page (page 0 until `tab`).

  tab T            select page T (0-based index or caption)
  set ID V         edit: replace the text; check box: 0/1; radio: 1; combo/list: item index;
                   track bar: position
  spin ID up|down  one step of a spin control
  click ID         press a button and wait until the page is idle (or a box stopped it)
  answer yes|no    how the following questions ("确认写录数据?") are answered (default yes)
  choose PATH      the next file chooser returns PATH (without it a chooser is cancelled)
  wait MS          let MS milliseconds pass with the port live
  get ID           one control: kind, value, enabled, visible (+ text of combo/list)
  dump             every control of the current page
  store FILE       "存储文件" (the container's, or the page's own) with that path
  load FILE        "打开文件" (the container's, or the page's own) with that path
  type T           show another terminal type (the one before keeps running, hidden)
  status           the three status-bar parts

A plan is a script with steps and measurements (the commands work in any script):
  step NAME        start a step; the lines up to the next `step` belong to it
  measure NAME ID LOW HIGH [UNIT]
                   the first decimal number in the text of control ID ("12.500%" is 12.5)
                   passes when LOW <= value <= HIGH; a bound may be - (none)
  measure NAME ID == TEXT    passes on exactly that text
  measure NAME ID ~ REGEX    passes when the text matches anywhere
  prompt TEXT      an instruction to the operator: confirmed like a question (`answer`),
                   always with --yes; `answer no` (取消) ends the run ABORTED
  unit ID|"TEXT"   the unit of this run: the text of control ID, or the text itself
                   (without it: the machine code the page last wrote or read back)
  on-fail stop|continue  after a failed measurement skip the rest (default) or go on
Each measurement prints {"cmd":"measure",...,"verdict":"pass"|"fail"} ("reason" on a
failure); a plan ends with {"outcome":"PASS|FAIL|ERROR|ABORTED","unit":..,"failed":[..],"ms":..}.
A plan FAILs on a failed measurement or a click that timed out, was stopped or declined.

Each command prints one JSON line on standard output. A click's "result" is done, timeout,
stopped (a message stopped it), declined (the confirmation was answered no) or lost.
Exit status: 0 all done; 1 some click or wait ended in a time-out; 2 a script error (the
script stops there, an {"cmd":..,"error":..,"line":N} line says why); 3 the port cannot be
opened or was lost; 7 a plan's outcome is FAIL or ABORTED (a time-out inside a plan too).)";
}

}  // namespace rb::cli
