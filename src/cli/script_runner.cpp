#include "cli/script_runner.h"

#include <algorithm>
#include <istream>
#include <ostream>

#include "cli/json_line.h"
#include "cli/script_words.h"
#include "cli/terminal_choice.h"
#include "families/catalog/catalog.h"
#include "wire/codecs.h"
#include "wire/utf8.h"

namespace rb::cli {

namespace {

// The most characters of a script line a JSON line echoes back.
constexpr std::size_t kEchoChars = 200;

using engine::ControlKind;

// Timers of the runner itself.
constexpr int kWaitTimer = 1;
constexpr int kPollTimer = 2;
constexpr engine::Millis kPollPeriod{10};
// The longest button lock a page runs (a write: 3000 ms), with room to spare.
constexpr engine::Millis kLongestButtonLock{4000};
constexpr long long kLongestWait = 24LL * 3600 * 1000;

struct ScriptError {
    std::string text;
};

[[noreturn]] void fail(std::string text) { throw ScriptError{std::move(text)}; }

// A whole decimal number, optionally negative; nothing else.
std::optional<long long> strictNumber(const std::string& text) {
    if (text.empty() || text.size() > 18) return std::nullopt;
    std::size_t i = text[0] == '-' ? 1 : 0;
    if (i == text.size()) return std::nullopt;
    long long v = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        v = v * 10 + (text[i] - '0');
    }
    return text[0] == '-' ? -v : v;
}

const char* kindName(ControlKind kind) {
    switch (kind) {
        case ControlKind::Button:
            return "button";
        case ControlKind::CheckBox:
            return "check";
        case ControlKind::Radio:
            return "radio";
        case ControlKind::Edit:
            return "edit";
        case ControlKind::Spin:
            return "spin";
        case ControlKind::Combo:
            return "combo";
        case ControlKind::ListBox:
            return "list";
        case ControlKind::Static:
            return "static";
        case ControlKind::MultiEdit:
            return "multiline";
        case ControlKind::Progress:
            return "progress";
        case ControlKind::Slider:
            return "trackbar";
    }
    return "static";
}

const char* iconName(engine::Icon icon) {
    switch (icon) {
        case engine::Icon::Information:
            return "information";
        case engine::Icon::Question:
            return "question";
        case engine::Icon::Warning:
        case engine::Icon::Error:
            return "warning";
        case engine::Icon::None:
            return "none";
    }
    return "none";
}

void expectWords(const std::vector<std::string>& w, std::size_t n, const char* usage) {
    if (w.size() != n) fail(std::string("usage: ") + usage);
}

}  // namespace

ScriptRunner::ScriptRunner(TerminalSession& terminal, std::ostream& out)
    : terminal_(terminal),
      out_(out),
      listener_(*this),
      subscription_(terminal.session().events, listener_) {
    terminal_.prompter().scriptAnswer(true);  // questions are answered yes until `answer no`
}

ScriptRunner::~ScriptRunner() {
    auto& session = terminal_.session();
    session.timers.stopAll(this);
    session.theComm.SetWnd(nullptr);
    // Runners go before the containers they watch.
    for (auto& [key, s] : shown_) s.runner.reset();
}

void ScriptRunner::Listener::portLost(const std::string&) {
    runner_.lost_ = true;
    runner_.terminal_.runtime().waiter().wake();
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
    auto& session = terminal_.session();
    const std::string containerKey = switcher_.containerFor(type->key);
    if (!shown_.count(containerKey)) {
        auto container = families::makeContainer(containerKey, session);
        if (!container) {
            error = "terminal type " + type->key + " is not built yet";
            return false;
        }
        install(containerKey, std::move(container));
    }
    present(containerKey);
    switcher_.followFamily(type->key);  // the built-in simulator follows the type
    return true;
}

void ScriptRunner::adopt(const std::string& key, std::unique_ptr<engine::Container> container) {
    install(key, std::move(container));
    present(key);
}

ScriptRunner::Shown& ScriptRunner::install(const std::string& key,
                                           std::unique_ptr<engine::Container> container) {
    auto& session = terminal_.session();
    Shown& s = shown_[key];
    s.runner.reset();
    s.container = std::move(container);
    s.runner = std::make_unique<ChainRunner>(session, *s.container, terminal_.prompter(),
                                             terminal_.runtime().waiter());
    s.runner->silentGuardFails = false;
    s.runner->onProgress = [this](const std::string& text) { terminal_.note(text); };
    return s;
}

void ScriptRunner::present(const std::string& key) {
    Shown& s = shown_.at(key);
    current_ = key;
    switcher_.present(s.container.get());
}

int ScriptRunner::run(std::istream& script) {
    timedOut_ = false;
    std::string line;
    int number = 0;
    while (std::getline(script, line)) {
        ++number;
        const ScriptWords split = splitScriptLine(line);
        if (!split.ok()) {
            print(JsonLine()
                      .str("cmd", "")
                      .str("error", wire::clipUtf8(split.error, kEchoChars))
                      .num("line", number)
                      .text());
            return 2;
        }
        if (split.words.empty()) continue;
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
            return 2;
        }
        if (lost_) return 3;
    }
    return timedOut_ ? 1 : 0;
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
    auto& timers = terminal_.session().timers;
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
    auto& activity = terminal_.session().activity;
    Step step;
    step.firstBox = terminal_.prompter().log().size();
    const int requestsBefore = activity.requests;
    step.result = s.runner->runChain(s.page, action);
    step.sent = activity.requests > requestsBefore;
    if (step.result.outcome == ChainOutcome::TimedOut) timedOut_ = true;
    if (step.result.outcome == ChainOutcome::PortLost) lost_ = true;
    return step;
}

void ScriptRunner::waitMillis(engine::Millis ms) {
    auto& timers = terminal_.session().timers;
    EventWaiter& waiter = terminal_.runtime().waiter();
    bool done = false;
    timers.start(this, kWaitTimer, ms, [&] {
        timers.stop(this, kWaitTimer);
        done = true;
        waiter.wake();
    });
    waiter.waitUntil([&] { return done || lost_; });
    timers.stop(this, kWaitTimer);
}

void ScriptRunner::waitWhile(const std::function<bool()>& busy, engine::Millis atMost) {
    auto& timers = terminal_.session().timers;
    EventWaiter& waiter = terminal_.runtime().waiter();
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

void ScriptRunner::cmdTab(const std::vector<std::string>& w) {
    expectWords(w, 2, "tab INDEX|CAPTION");
    Shown& s = shown();
    std::optional<std::size_t> index;
    if (const auto n = strictNumber(w[1])) {
        if (*n >= 0 && std::size_t(*n) < s.container->pageCount()) index = std::size_t(*n);
    } else {
        for (std::size_t i = 0; i < s.container->pageCount(); ++i) {
            if (s.container->caption(i) == w[1]) index = i;
        }
    }
    if (!index) fail("no page \"" + w[1] + "\"");
    s.container->selectTab(*index);
    s.page = *index;
    print(JsonLine().str("cmd", "tab").str("page", s.container->caption(*index)).text());
}

void ScriptRunner::cmdSet(const std::vector<std::string>& w) {
    expectWords(w, 3, "set ID VALUE");
    const Target t = find(w[1]);
    requireUsable(t, false);
    const int id = t.control->id;
    engine::FormModel& form = *t.form;
    const std::string& v = w[2];
    Step step;
    switch (t.control->kind) {
        case ControlKind::Edit:
        case ControlKind::MultiEdit:
            if (t.control->readOnly) fail("control " + w[1] + " is read-only");
            // Typing stops at the limit; a script's text is refused whole instead of cut.
            if (!form.fits(id, v)) {
                fail("the text is longer than control " + w[1] + " takes (" +
                     std::to_string(t.control->maxLength) +
                     (t.control->maxLengthInGbkBytes ? " GBK bytes, a Chinese character is two)"
                                                     : " characters)"));
            }
            if (t.control->maxLengthInGbkBytes && !wire::gbkEncodable(v)) {
                fail("control " + w[1] +
                     " holds GBK text: the text has a character GBK cannot "
                     "encode");
            }
            {
                const std::string before = form.text(id);
                step = act([&] { form.type(id, v); });
                // A page that turns a text away puts the previous one back (the owner name
                // over its 19 bytes): the script hears of it instead of going on.
                if (form.text(id) == before && before != v) {
                    fail("control " + w[1] + " did not take the text; it keeps \"" +
                         wire::clipUtf8(before, kEchoChars) + "\"");
                }
            }
            break;
        case ControlKind::CheckBox: {
            if (v != "0" && v != "1") fail("a check box is set to 0 or 1");
            if (form.checked(id) != (v == "1")) step = act([&] { form.click(id); });
            break;
        }
        case ControlKind::Radio:
            if (v != "1") fail("a radio button is set with 1 (it is selected)");
            step = act([&] { form.click(id); });
            break;
        case ControlKind::Combo:
        case ControlKind::ListBox: {
            const auto n = strictNumber(v);
            const auto count = static_cast<long long>(form.items(id).size());
            if (!n || *n < 0 || *n >= count) {
                fail("item index " + v + " outside 0-" + std::to_string(count - 1));
            }
            step = act([&] { form.select(id, int(*n)); });
            break;
        }
        case ControlKind::Slider: {
            const auto n = strictNumber(v);
            if (!n || *n < t.control->min || *n > t.control->max) {
                fail("position " + v + " outside " + std::to_string(t.control->min) + "-" +
                     std::to_string(t.control->max));
            }
            step = act([&] { form.slide(id, int(*n)); });
            break;
        }
        default:
            fail("control " + w[1] + " (" + kindName(t.control->kind) + ") cannot be set");
    }
    JsonLine line;
    line.str("cmd", "set").num("id", id);
    const engine::Control& c = form.control(id);
    if (c.kind == ControlKind::Edit || c.kind == ControlKind::MultiEdit) {
        line.str("value", c.text);
    } else {
        line.num("value", c.value);
    }
    if (step.sent) {
        line.str("result", resultWord(step.result.outcome))
            .str("status", terminal_.session().statusBar.text(2))
            .raw("boxes", boxesJson(step.firstBox));
    }
    print(line.text());
}

void ScriptRunner::cmdSpin(const std::vector<std::string>& w) {
    expectWords(w, 3, "spin ID up|down");
    if (w[2] != "up" && w[2] != "down") fail("spin goes up or down");
    const Target t = find(w[1]);
    if (t.control->kind != ControlKind::Spin) fail("control " + w[1] + " is not a spin control");
    requireUsable(t, false);
    const int id = t.control->id;
    engine::FormModel& form = *t.form;
    const Step step = act([&] { form.spin(id, w[2] == "up" ? +1 : -1); });
    const engine::Control& c = form.control(id);
    const std::string value =
        c.buddy && form.has(c.buddy) ? form.text(c.buddy) : std::to_string(c.value);
    JsonLine line;
    line.str("cmd", "spin").num("id", id).str("value", value);
    if (step.sent) {
        line.str("result", resultWord(step.result.outcome))
            .str("status", terminal_.session().statusBar.text(2))
            .raw("boxes", boxesJson(step.firstBox));
    }
    print(line.text());
}

void ScriptRunner::cmdClick(const std::vector<std::string>& w) {
    expectWords(w, 2, "click ID");
    const Target t = find(w[1]);
    const ControlKind kind = t.control->kind;
    if (kind != ControlKind::Button && kind != ControlKind::CheckBox &&
        kind != ControlKind::Radio) {
        fail("control " + w[1] + " (" + kindName(kind) + ") cannot be clicked");
    }
    requireUsable(t, true);
    const int id = t.control->id;
    engine::FormModel& form = *t.form;
    const Step step = act([&] { form.click(id); });
    print(JsonLine()
              .str("cmd", "click")
              .num("id", id)
              .str("result", resultWord(step.result.outcome))
              .str("status", terminal_.session().statusBar.text(2))
              .raw("boxes", boxesJson(step.firstBox))
              .text());
}

void ScriptRunner::cmdAnswer(const std::vector<std::string>& w) {
    expectWords(w, 2, "answer yes|no");
    if (w[1] != "yes" && w[1] != "no") fail("answer yes or no");
    terminal_.prompter().scriptAnswer(w[1] == "yes");
    print(JsonLine().str("cmd", "answer").str("value", w[1]).text());
}

void ScriptRunner::cmdChoose(const std::vector<std::string>& w) {
    expectWords(w, 2, "choose PATH");
    if (w[1].empty()) fail("choose needs a path");
    terminal_.prompter().chooseNext(w[1]);
    print(JsonLine().str("cmd", "choose").str("path", w[1]).text());
}

void ScriptRunner::cmdWait(const std::vector<std::string>& w) {
    expectWords(w, 2, "wait MS");
    const auto ms = strictNumber(w[1]);
    if (!ms || *ms < 0 || *ms > kLongestWait) fail("wait takes milliseconds, 0-86400000");
    auto& session = terminal_.session();
    const std::size_t firstBox = terminal_.prompter().log().size();
    const int failures = session.activity.failures;
    waitMillis(engine::Millis(*ms));
    if (session.activity.failures > failures) timedOut_ = true;
    print(JsonLine()
              .str("cmd", "wait")
              .num("ms", *ms)
              .str("status", session.statusBar.text(2))
              .raw("boxes", boxesJson(firstBox))
              .text());
}

void ScriptRunner::cmdGet(const std::vector<std::string>& w) {
    expectWords(w, 2, "get ID");
    const Target t = find(w[1]);
    print("{\"cmd\":\"get\"," + controlJson(*t.form, *t.control).substr(1));
}

void ScriptRunner::cmdDump(const std::vector<std::string>& w) {
    expectWords(w, 1, "dump");
    engine::FormModel& form = page().form();
    std::vector<std::string> controls;
    for (int id : form.ids()) controls.push_back(controlJson(form, form.control(id)));
    print(JsonLine()
              .str("cmd", "dump")
              .str("page", shown().container->caption(shown().page))
              .raw("controls", JsonLine::array(controls))
              .text());
}

void ScriptRunner::cmdFile(const std::vector<std::string>& w, bool store) {
    expectWords(w, 2, store ? "store FILE" : "load FILE");
    if (w[1].empty()) fail("a file path is needed");
    engine::Container& container = *shown().container;
    const int id = store ? engine::kStoreFileButton : engine::kOpenFileButton;
    // The container's buttons, or those of a page that has its own (the production test).
    const bool own = !container.config().fileButtons && page().form().has(id);
    if (!container.config().fileButtons && !own) fail("this terminal type has no file buttons");
    engine::FormModel& form = own ? page().form() : container.form();
    const Target t{&form, &form.control(id)};
    requireUsable(t, false);
    terminal_.prompter().chooseNext(w[1]);
    const Step step = act([&] { form.click(id); });
    terminal_.prompter().clearNextFile();  // a path the click did not take is not kept for later
    print(JsonLine()
              .str("cmd", store ? "store" : "load")
              .raw("boxes", boxesJson(step.firstBox))
              .text());
}

void ScriptRunner::cmdType(const std::vector<std::string>& w) {
    expectWords(w, 2, "type TYPE");
    std::string error;
    if (!showType(w[1], error)) fail(error);
    print(JsonLine().str("cmd", "type").str("type", w[1]).text());
}

void ScriptRunner::cmdStatus(const std::vector<std::string>& w) {
    expectWords(w, 1, "status");
    const auto& bar = terminal_.session().statusBar;
    print(JsonLine()
              .str("cmd", "status")
              .raw("parts",
                   JsonLine::array({JsonLine::quote(bar.text(0)), JsonLine::quote(bar.text(1)),
                                    JsonLine::quote(bar.text(2))}))
              .text());
}

// ---- output ------------------------------------------------------------------------------------

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
    const auto& log = terminal_.prompter().log();
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

Each command prints one JSON line on standard output. A click's "result" is done, timeout,
stopped (a message stopped it), declined (the confirmation was answered no) or lost.
Exit status: 0 all done; 1 some click or wait ended in a time-out; 2 a script error (the
script stops there, an {"cmd":..,"error":..,"line":N} line says why); 3 the port cannot be
opened or was lost.)";
}

}  // namespace rb::cli
