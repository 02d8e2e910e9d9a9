// The script commands one by one: tab, set, spin, click, answer, choose, wait, get, dump,
// store/open, type and status.
#include <istream>
#include <ostream>

#include "cli/json_line.h"
#include "cli/script_runner.h"
#include "cli/script_support.h"
#include "wire/codecs.h"
#include "wire/utf8.h"

namespace rb::cli {

using engine::ControlKind;
using namespace script;

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

ScriptRunner::Step ScriptRunner::setText(const Target& t, const std::string& idText,
                                         const std::string& v) {
    const int id = t.control->id;
    engine::FormModel& form = *t.form;
    Step step;
    if (t.control->readOnly) fail("control " + idText + " is read-only");
    // Typing stops at the limit; a script's text is refused whole instead of cut.
    if (!form.fits(id, v)) {
        fail("the text is longer than control " + idText + " takes (" +
             std::to_string(t.control->maxLength) +
             (t.control->maxLengthInGbkBytes ? " GBK bytes, a Chinese character is two)"
                                             : " characters)"));
    }
    if (t.control->maxLengthInGbkBytes && !wire::gbkEncodable(v)) {
        fail("control " + idText +
             " holds GBK text: the text has a character GBK cannot "
             "encode");
    }
    {
        const std::string before = form.text(id);
        step = act([&] { form.type(id, v); });
        // A page that turns a text away puts the previous one back (the owner name
        // over its 19 bytes): the script hears of it instead of going on.
        if (form.text(id) == before && before != v) {
            fail("control " + idText + " did not take the text; it keeps \"" +
                 wire::clipUtf8(before, kEchoChars) + "\"");
        }
    }
    return step;
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
            step = setText(t, w[1], v);
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
            .str("status", host_.session.statusBar.text(2))
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
            .str("status", host_.session.statusBar.text(2))
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
              .str("status", host_.session.statusBar.text(2))
              .raw("boxes", boxesJson(step.firstBox))
              .text());
}

void ScriptRunner::cmdAnswer(const std::vector<std::string>& w) {
    expectWords(w, 2, "answer yes|no");
    if (w[1] != "yes" && w[1] != "no") fail("answer yes or no");
    // In the window the operator answers the boxes: nothing to steer there.
    if (host_.prompter) host_.prompter->scriptAnswer(w[1] == "yes");
    print(JsonLine().str("cmd", "answer").str("value", w[1]).text());
}

void ScriptRunner::cmdChoose(const std::vector<std::string>& w) {
    expectWords(w, 2, "choose PATH");
    if (w[1].empty()) fail("choose needs a path");
    if (host_.prompter) host_.prompter->chooseNext(w[1]);
    print(JsonLine().str("cmd", "choose").str("path", w[1]).text());
}

void ScriptRunner::cmdWait(const std::vector<std::string>& w) {
    expectWords(w, 2, "wait MS");
    const auto ms = strictNumber(w[1]);
    if (!ms || *ms < 0 || *ms > kLongestWait) fail("wait takes milliseconds, 0-86400000");
    auto& session = host_.session;
    const std::size_t firstBox = boxes_.size();
    const int failures = session.activity.failures;
    waitMillis(engine::Millis(*ms));
    if (session.activity.failures > failures) {
        timedOut_ = true;
        if (plan_) tally_.clickEnded(plan::ClickEnd::TimedOut, command_);
    }
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
    if (host_.prompter) host_.prompter->chooseNext(w[1]);
    const Step step = act([&] { form.click(id); });
    // A path the click did not take is not kept for later.
    if (host_.prompter) host_.prompter->clearNextFile();
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
    const auto& bar = host_.session.statusBar;
    print(JsonLine()
              .str("cmd", "status")
              .raw("parts",
                   JsonLine::array({JsonLine::quote(bar.text(0)), JsonLine::quote(bar.text(1)),
                                    JsonLine::quote(bar.text(2))}))
              .text());
}

}  // namespace rb::cli
