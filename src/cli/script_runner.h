// ScriptRunner: carries out a technician's script (`radiobench-cli run`) over the headless forms
// of one or more terminal types, exactly as clicks and typing at the window would, and prints
// one JSON line per command on `out`.
//
// It owns the containers it shows (created once, like the main window's) and one ChainRunner per
// container, which decides when a click has ended: the page idle again, a time-out, a message
// that stopped it, a refused confirmation, or the port gone. Nothing of a page is reimplemented
// here: every command goes through the form model, the container's buttons or the prompter.
#pragma once

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

namespace rb::cli {

class ScriptRunner {
public:
    ScriptRunner(TerminalSession& terminal, std::ostream& out);
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

    // Reads the script line by line and carries it out. Returns the exit status: 0 all done,
    // 1 some click or wait ended in a time-out, 2 a script error (the script stops there),
    // 3 the port went away (the script stops there).
    int run(std::istream& script);

private:
    struct Shown {
        std::unique_ptr<engine::Container> container;
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

    Shown& install(const std::string& key, std::unique_ptr<engine::Container> container);
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

    TerminalSession& terminal_;
    std::ostream& out_;
    families::TypeSwitcher switcher_{terminal_.session()};
    std::map<std::string, Shown> shown_;  // by container key
    std::string accessCode_;
    bool accessGranted_ = false;  // the code was checked once (a site's hash takes a while)
    std::string current_;         // the container key that shows
    bool timedOut_ = false;
    bool lost_ = false;

    // The port going away ends the script (heard through the session's chain events).
    class Listener : public engine::ChainObserver {
    public:
        explicit Listener(ScriptRunner& runner) : runner_(runner) {}
        void portLost(const std::string& reason) override;

    private:
        ScriptRunner& runner_;
    };
    Listener listener_;
    engine::ChainSubscription subscription_;
};

// The command table of `radiobench-cli run --help`.
std::string runCommandTable();

}  // namespace rb::cli
