// Container: one terminal type as a tabbed window. It holds its pages in tab order, receives
// every frame from the port object, checks it, traces it and hands it to the page that asked
// (by `requestPage`) or to every page; and it turns "打开文件" / "存储文件" into a file chooser
// and a store or load handed from page to page, ending in one result box.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/cn_comm.h"
#include "engine/edit_history.h"
#include "engine/form_model.h"
#include "engine/page.h"
#include "engine/session.h"
#include "wire/receive_check.h"

namespace rb::engine {

inline constexpr int kOpenFileButton = 2088;   // "打开文件"
inline constexpr int kStoreFileButton = 2089;  // "存储文件"
inline constexpr int kHeadingLabel = 1;        // the container's heading text

enum class Routing {
    ByRequestPage,  // requestPage 0 -> first page, 1 -> second ..., any other -> last page
    AllPages,       // every page in tab order; each acts only on the codes it knows
};

struct ContainerConfig {
    std::string heading;          // "终端类型:LM52R/LM520(串口速率:9600)"
    std::string defaultFileName;  // "LM52R"; empty when the container has no file buttons
    wire::ChecksumTest checksumTest = wire::ChecksumTest::AlwaysCompared;
    bool guarded = true;  // exceptions while handling a frame become a trace line
    Routing routing = Routing::ByRequestPage;
    bool fileButtons = true;
    bool tabBar = true;  // false: the pages show one at a time, chosen by the pages themselves
    int baud = 9600;     // the speed the terminal needs (shown in the heading)
    std::string family;  // "lm52r": the built-in simulator that stands in for it
};

class Container : public FrameReceiver {
public:
    Container(Session& session, ContainerConfig config);
    ~Container() override;

    const ContainerConfig& config() const { return config_; }
    Session& session() { return session_; }
    const UserPaths& sessionPaths() const { return session_.paths; }
    // The container's own controls: heading and the two file buttons.
    FormModel& form() { return form_; }

    // Pages in tab order; the container owns them.
    Page& addPage(std::unique_ptr<Page> page, std::string caption);
    std::size_t pageCount() const { return pages_.size(); }
    Page& page(std::size_t i) { return *pages_.at(i).page; }
    const Page& page(std::size_t i) const { return *pages_.at(i).page; }
    const std::string& caption(std::size_t i) const { return pages_.at(i).caption; }

    // The container is shown (again) as the terminal type chosen; a container that looks
    // different per type (the trunking container's LM520W relay face) applies it here. The
    // main window and the command line call it each time they show the container.
    virtual void OnShow() {}
    // The terminal type it is about to be shown as: one container may stand for more than one
    // type (the trunking container is also the LM520W relay's), and takes that type's face.
    virtual void showAs(const std::string& typeKey) { (void)typeKey; }

    // Tab selection (the page that shows; routing never depends on it).
    std::size_t currentTab() const { return current_; }
    void selectTab(std::size_t i);
    // Called when selectTab changed the page that shows (the window follows it).
    std::function<void(std::size_t)> tabSelected;

    // Receive entry point (the port object's frame hand-over).
    void OnCommFrame(const wire::FrameSlot& slot) override;

    // "存储文件" / "打开文件": ask for a path, then store or load. Cancel does nothing.
    void OnStoreFile();
    void OnOpenFile();
    // Store into / load from a path without asking, ending in the result box. True on success.
    bool storeFile(const std::string& path, bool showResult = true);
    bool loadFile(const std::string& path, bool showResult = true);
    // Pages that take part in the file, in the order the file passes through them.
    std::vector<Page*> filePages();

    // What a file holds for this type, found before anything of it reaches the forms.
    struct FileVerdict {
        std::string problem;                   // why it is no configuration of this type
        std::vector<std::string> missingKeys;  // "TelSet/PTT Hold": read as their defaults
        bool ok() const { return problem.empty(); }
    };
    // A file is refused when it is not text, is empty, lacks every section the pages read or
    // holds none of the keys they read. The pages' own reading is what decides: a twin of this
    // container (made by the factory, on a session of its own) loads the file, and what its
    // pages asked for is compared with what the file has. Without a factory only the first two
    // are checked.
    FileVerdict examineFile(const ini::IniFile& file) const;
    // The verdict of the latest loadFile (a file that could not be read: its reason).
    const FileVerdict& lastFileVerdict() const { return lastVerdict_; }
    using Factory = std::function<std::unique_ptr<Container>(Session&)>;
    void setFactory(Factory factory) { factory_ = std::move(factory); }
    // A container of the same type on another session (null without a factory).
    std::unique_ptr<Container> makeTwin(Session& session) const;

    // What identifies the unit the forms were read from (the production page's machine code);
    // empty when the pages do not know it.
    virtual std::string unitCode() const { return {}; }

    // Undo and redo of page i's controls. A successful answer to a page's request, a store
    // and a read mark its form clean; a file load is a step.
    EditHistory& edits(std::size_t i) { return *pages_.at(i).edits; }
    // Every page holds what it held at its latest read, write or store.
    bool isClean() const;
    // A page that writes settings (it has write chains) holds edits made since its latest
    // read, write or store. The boxes of command pages (muster, control, the data test) are
    // parameters of a command, not settings: they do not count.
    bool hasUnsavedEdits();

private:
    void handleFrame(const wire::FrameSlot& slot);
    void dispatch(const wire::FrameView& frame);

    struct Tab {
        std::unique_ptr<Page> page;
        std::string caption;
        std::unique_ptr<EditHistory> edits;
    };
    // A page's answer taken: what its form holds now is the terminal's.
    struct CleanOnSuccess : ChainObserver {
        explicit CleanOnSuccess(Container& c) : container(c) {}
        void succeeded(const std::string& text) override;
        Container& container;
    };
    Session& session_;
    ContainerConfig config_;
    FormModel form_;
    std::vector<Tab> pages_;
    std::size_t current_ = 0;
    Factory factory_;
    FileVerdict lastVerdict_;
    CleanOnSuccess cleanOnSuccess_{*this};
};

// The box "打开文件" shows for a file that holds nothing of this type; the form stays as it was.
inline constexpr const char* kNotThisTypesFile = "文件中没有此类终端的参数!";

}  // namespace rb::engine
