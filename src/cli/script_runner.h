// ScriptRunner: carries out a technician's script (`radiobench-cli run`) over the headless forms
// of one or more terminal types, exactly as clicks and typing at the window would, and prints
// one JSON line per command on `out`.
//
// It owns the containers it shows (created once, like the main window's), or drives one the
// window shows (`attach`), with one ChainRunner per container, which decides when a click has
// ended: the page idle again, a time-out, a message that stopped it, a refused confirmation, or the
// port gone. Nothing of a page is reimplemented here: every command goes through the form model,
// the container's buttons or the prompter.
#pragma once

#include <functional>
#include <iosfwd>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/chain_runner.h"
#include "cli/terminal_session.h"
#include "engine/container.h"
#include "families/catalog/type_switcher.h"
#include "plan/measure.h"
#include "plan/outcome.h"

namespace rb::cli {

// What a script runs against: the session and the loop that waits on it, the command line's
// prompter (`answer`, `choose`; the window has none: its operator answers the boxes) and where
// progress notes go.
struct ScriptHost {
    engine::Session& session;
    EventWaiter& waiter;
    CliPrompter* prompter = nullptr;
    std::function<void(const std::string& line)> note;
};

// What a plan run tells as it goes (the station window follows it).
struct PlanListener {
    std::function<void(const std::vector<std::string>& steps)> started;
    std::function<void(const std::string& step)> stepStarted;
    std::function<void(const units::Measurement& m)> measured;
    std::function<void(const units::TestRun& run)> finished;
};

class ScriptRunner {
public:
    ScriptRunner(TerminalSession& terminal, std::ostream& out);
    ScriptRunner(ScriptHost host, std::ostream& out);
    ~ScriptRunner();
    ScriptRunner(const ScriptRunner&) = delete;
    ScriptRunner& operator=(const ScriptRunner&) = delete;

    // Shows a terminal type's container as the terminal list does (created on first use).
    // False with the reason when the type is unknown or not built.
    bool showType(const std::string& key, std::string& error);
    // The production-test code the script was started with: `type protest` needs it.
    void setAccessCode(std::string code) { accessCode_ = std::move(code); }
    // Shows a container the caller built, under `key` (a test's own container).
    void adopt(const std::string& key, std::unique_ptr<engine::Container> container);
    // Drives a container someone else owns and shows (the window's), under terminal type `key`.
    void attach(const std::string& key, engine::Container& container);

    // A plan is a script with a `step` or `measure`: these name its file (for the run record)
    // and say whether prompts are confirmed without asking (--yes).
    void setPlanFile(std::string path) { planPath_ = std::move(path); }
    void confirmPrompts(bool yes) { confirmPrompts_ = yes; }
    // The unit the run is for before any `unit` line (the station's scanned label).
    void presetUnit(std::string unit) { presetUnit_ = std::move(unit); }
    PlanListener planEvents;
    // Ends the run after the click in progress (the station's 停止): the outcome is ABORTED.
    void requestStop();

    // Reads the script line by line and carries it out. Returns the exit status: 0 all done,
    // 1 some click or wait ended in a time-out, 2 a script error (the script stops there),
    // 3 the port went away (the script stops there); a plan whose outcome is FAIL or ABORTED
    // gives 7 (kExitPlanFailed).
    int run(std::istream& script);
    // The run record of the latest plan run.
    const units::TestRun& lastRun() const { return run_; }
    // What failed in it, as the outcome line lists it.
    const std::vector<std::string>& lastFailed() const { return tally_.failed(); }

private:
    struct Shown {
        std::unique_ptr<engine::Container> owned;  // null for an attached container
        engine::Container* container = nullptr;
        std::unique_ptr<ChainRunner> runner;
        std::size_t page = 0;  // the current page (0 until a `tab`)
    };
    // The found control: a control of the current page, or of the container (heading, file
    // buttons).
    struct Target {
        engine::FormModel* form = nullptr;
        const engine::Control* control = nullptr;
    };
    // The outcome of an action that may start requests.
    struct Step {
        ChainResult result;
        bool sent = false;  // the action sent at least one request
        std::size_t firstBox = 0;
    };

    // One command; a Failure is a script error of that line.
    void execute(const std::vector<std::string>& words);
    // After each command: the page that shows is the one addressed.
    void followCurrentTab();
    void cmdTab(const std::vector<std::string>& w);
    void cmdSet(const std::vector<std::string>& w);
    // `set` of an edit: the text whole or a script error (too long, not GBK, turned away).
    Step setText(const Target& t, const std::string& idText, const std::string& v);
    void cmdSpin(const std::vector<std::string>& w);
    void cmdClick(const std::vector<std::string>& w);
    void cmdAnswer(const std::vector<std::string>& w);
    void cmdChoose(const std::vector<std::string>& w);
    void cmdWait(const std::vector<std::string>& w);
    void cmdGet(const std::vector<std::string>& w);
    void cmdDump(const std::vector<std::string>& w);
    void cmdFile(const std::vector<std::string>& w, bool store);
    void cmdType(const std::vector<std::string>& w);
    void cmdStatus(const std::vector<std::string>& w);
    // The plan's commands (script_plan.cpp).
    void cmdStep(const std::vector<std::string>& w);
    void cmdMeasure(const std::vector<std::string>& w);
    void cmdPrompt(const std::vector<std::string>& w);
    void cmdUnit(const std::vector<std::string>& w);
    void cmdOnFail(const std::vector<std::string>& w);
    void beginPlan(const std::vector<std::string>& lines);
    // The outcome line and the run record; the exit status the plan gives over `rc`.
    int endPlan(int rc);
    void clickEnded(const ChainResult& result);
    // What a measurement reads: the text of an edit, static or button, a combo's item, a spin's
    // buddy, else the value.
    std::string controlText(const engine::FormModel& form, const engine::Control& c) const;
    // One line: false when the script ends there (a script error; the status is in `rc`).
    bool carryOut(const std::string& line, int number, int& rc);

    Shown& install(const std::string& key, std::unique_ptr<engine::Container> owned,
                   engine::Container& container);
    // Shows the container under `key` as terminal type `typeKey`.
    void present(const std::string& key, const std::string& typeKey);
    Shown& shown();
    engine::Page& page();
    Target find(const std::string& idText);
    // Refuses a disabled or hidden control; a button disabled only by the page's button lock
    // (timer 2) is waited for first.
    void requireUsable(const Target& t, bool waitForLock);
    // Runs `action` on the current page and waits until the page is idle again.
    Step act(const std::function<void()>& action);
    void waitMillis(engine::Millis ms);
    void waitWhile(const std::function<bool()>& busy, engine::Millis atMost);

    std::string controlJson(const engine::FormModel& form, const engine::Control& c) const;
    std::string boxesJson(std::size_t from) const;
    static std::string resultWord(ChainOutcome outcome);
    void print(const std::string& line);

    ScriptHost host_;
    std::ostream& out_;
    families::TypeSwitcher switcher_{host_.session};
    std::map<std::string, Shown> shown_;  // by container key
    std::string accessCode_;
    bool accessGranted_ = false;  // the code was checked once (a site's hash takes a while)
    std::string current_;         // the container key that shows
    std::string typeKey_;         // the terminal type that shows
    bool attached_ = false;       // the window owns what shows: it keeps the port's receiver
    bool timedOut_ = false;
    bool lost_ = false;
    bool stopRequested_ = false;
    std::vector<engine::MessageBox> boxes_;  // every box shown so far, in order
    std::string command_;                    // the command being carried out ("click 1150")

    // The plan in progress.
    bool plan_ = false;
    plan::PlanTally tally_;
    units::TestRun run_;
    std::string planPath_;
    std::string unit_;  // named by `unit`
    std::string presetUnit_;
    bool confirmPrompts_ = false;

    // The port going away ends the script (heard through the session's chain events).
    class Listener : public engine::ChainObserver {
    public:
        explicit Listener(ScriptRunner& runner) : runner_(runner) {}
        void portLost(const std::string& reason) override;
        void boxShown(const engine::MessageBox& box) override;

    private:
        ScriptRunner& runner_;
    };
    Listener listener_;
    engine::ChainSubscription subscription_;
};

// The command table of `radiobench-cli run --help`.
std::string runCommandTable();

}  // namespace rb::cli
