#include "engine/container.h"

#include <algorithm>
#include <cctype>
#include <exception>
#include <set>

namespace rb::engine {

Container::Container(Session& session, ContainerConfig config)
    : session_(session), config_(std::move(config)) {
    form_.addStatic(kHeadingLabel, config_.heading);
    if (config_.fileButtons) {
        form_.addButton(kOpenFileButton, "打开文件");
        form_.addButton(kStoreFileButton, "存储文件");
        form_.onClick(kOpenFileButton, [this] { OnOpenFile(); });
        form_.onClick(kStoreFileButton, [this] { OnStoreFile(); });
    }
    session_.events.subscribe(cleanOnSuccess_);
}

Container::~Container() {
    session_.events.unsubscribe(cleanOnSuccess_);
    if (session_.theComm.receiver() == this) session_.theComm.SetWnd(nullptr);
}

Page& Container::addPage(std::unique_ptr<Page> page, std::string caption) {
    auto edits = std::make_unique<EditHistory>(*page);
    pages_.push_back(Tab{std::move(page), std::move(caption), std::move(edits)});
    return *pages_.back().page;
}

std::unique_ptr<Container> Container::makeTwin(Session& session) const {
    return factory_ ? factory_(session) : nullptr;
}

bool Container::isClean() const {
    return std::all_of(pages_.begin(), pages_.end(),
                       [](const Tab& tab) { return tab.edits->isClean(); });
}

bool Container::hasUnsavedEdits() {
    return std::any_of(pages_.begin(), pages_.end(), [](Tab& tab) {
        return !tab.page->fileWriteChains().empty() && !tab.edits->isClean();
    });
}

void Container::CleanOnSuccess::succeeded(const std::string& /*text*/) {
    // Only the container that takes the frames: a twin reading on the same session (the backup
    // before a write) leaves the window's forms as they are.
    if (container.session_.theComm.receiver() != &container) return;
    const int rp = container.session_.requestPage;
    if (rp >= 0 && std::size_t(rp) < container.pages_.size())
        container.pages_[std::size_t(rp)].edits->markClean();
}

void Container::selectTab(std::size_t i) {
    if (i >= pages_.size() || i == current_) return;
    current_ = i;
    if (tabSelected) tabSelected(i);
}

void Container::OnCommFrame(const wire::FrameSlot& slot) {
    handleFrame(slot);
    session_.events.frameHandled();
}

void Container::handleFrame(const wire::FrameSlot& slot) {
    // The slot is ours: the port object hands over a copy.
    auto check = wire::checkReceived(slot, config_.checksumTest, session_.tool);
    if (!check.traced) return;
    try {
        session_.AppendTrace(check.code, check.trace);
        if (!check.forPages) return;
        // A 0x96 frame shorter than its 5-byte minimum carries no command worth decoding.
        if (slot[0] == wire::kLead96 && check.n < 5) return;
        dispatch(wire::FrameView(slot.data(), check.n));
    } catch (const std::exception&) {
        if (!config_.guarded) throw;
        session_.AppendTrace(0, "\r\n接收数据处理失败!\r\n");
    }
}

void Container::dispatch(const wire::FrameView& frame) {
    if (pages_.empty()) return;
    session_.events.frameArrived();
    if (config_.routing == Routing::AllPages) {
        for (auto& tab : pages_) tab.page->OnFrame(frame);
        return;
    }
    const int rp = session_.requestPage;
    const std::size_t target =
        rp >= 0 && std::size_t(rp) < pages_.size() ? std::size_t(rp) : pages_.size() - 1;
    pages_[target].page->OnFrame(frame);
}

std::vector<Page*> Container::filePages() {
    std::vector<Page*> out;
    for (auto& tab : pages_) {
        if (tab.page->takesPartInFile()) out.push_back(tab.page.get());
    }
    return out;
}

void Container::OnStoreFile() {
    auto path =
        session_.prompter.chooseFile(FileChoice{true, config_.defaultFileName, "ini", kIniFilter});
    if (path) storeFile(*path);
}

void Container::OnOpenFile() {
    auto path =
        session_.prompter.chooseFile(FileChoice{false, config_.defaultFileName, "ini", kIniFilter});
    if (path) loadFile(*path);
}

bool Container::storeFile(const std::string& path, bool showResult) {
    // Storing replaces our keys and keeps every other line of an existing file.
    ini::IniFile file;
    std::string error;
    bool ok = file.loadIfExists(path, &error);
    if (ok) {
        for (Page* p : filePages()) p->storeFile(file);
        ok = file.save(path, &error);
    }
    if (ok) {
        for (auto& tab : pages_) {
            if (tab.page->takesPartInFile()) tab.edits->markClean();
        }
    }
    if (showResult) session_.prompter.info(ok ? "文件保存成功!" : "文件保存失败!", kInfoCaption);
    return ok;
}

bool Container::loadFile(const std::string& path, bool showResult) {
    ini::IniFile file;
    std::string error;
    if (!file.load(path, &error)) {
        lastVerdict_ = FileVerdict{error, {}};
        if (showResult) session_.prompter.info("文件打开失败!", kInfoCaption);
        return false;
    }
    lastVerdict_ = examineFile(file);
    if (!lastVerdict_.ok()) {
        if (showResult) session_.prompter.info(kNotThisTypesFile, kInfoCaption);
        return false;
    }
    for (auto& tab : pages_) {
        if (!tab.page->takesPartInFile()) continue;
        tab.edits->capture();  // what stood before the load is a step back
        tab.page->loadFile(file);
        tab.edits->capture();
    }
    if (showResult) session_.prompter.info("文件打开成功!", kInfoCaption);
    return true;
}

Container::FileVerdict Container::examineFile(const ini::IniFile& file) const {
    if (!file.looksLikeText()) return {"not a text file", {}};
    if (file.sections().empty()) return {"the file is empty", {}};
    if (!factory_) return {};

    ManualTimers timers;
    ScriptedPrompter quiet;
    Session scratch(timers, quiet, session_.paths);
    std::vector<ini::IniFile::Lookup> asked;
    {
        const std::unique_ptr<Container> twin = factory_(scratch);
        if (!twin) return {};
        file.recordLookups(&asked);
        for (Page* p : twin->filePages()) p->loadFile(file);
        file.recordLookups(nullptr);
    }
    if (asked.empty()) return {};

    const auto fold = [](std::string s) {
        for (char& c : s) c = char(std::tolower(static_cast<unsigned char>(c)));
        return s;
    };
    std::set<std::string> present;
    for (const std::string& name : file.sections()) present.insert(fold(name));
    std::vector<std::string> sectionsAsked;
    bool anySection = false;
    bool anyKey = false;
    std::set<std::string> seen;
    FileVerdict verdict;
    for (const auto& l : asked) {
        if (std::find(sectionsAsked.begin(), sectionsAsked.end(), l.section) == sectionsAsked.end())
            sectionsAsked.push_back(l.section);
        anySection = anySection || present.count(fold(l.section)) != 0;
        anyKey = anyKey || l.found;
        const std::string name = l.section + "/" + l.key;
        if (!l.found && seen.insert(fold(name)).second) verdict.missingKeys.push_back(name);
    }
    if (!anySection) {
        std::string names;
        for (const auto& n : sectionsAsked) names += (names.empty() ? "[" : ", [") + n + "]";
        return {"no " + names + " section", {}};
    }
    if (!anyKey) return {"none of the keys this type's write sends", {}};
    return verdict;
}

}  // namespace rb::engine
