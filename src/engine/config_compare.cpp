#include "engine/config_compare.h"

#include "ini/ini_file.h"

namespace rb::engine {

std::vector<ConfigDifference> compareConfigs(Container& from, Container& to) {
    std::vector<ConfigDifference> out;
    const std::size_t pages = std::min(from.pageCount(), to.pageCount());
    for (std::size_t i = 0; i < pages; ++i) {
        Page& a = from.page(i);
        if (!a.takesPartInFile()) continue;
        for (auto& d : FormSnapshot(a).differences(to.page(i)))
            out.push_back(ConfigDifference{i, from.caption(i), std::move(d)});
    }
    return out;
}

std::string describeChange(const ConfigDifference& d) {
    return d.pageCaption + ": " + d.field.label + ": \"" + d.field.written + "\" → \"" +
           d.field.read + "\"";
}

LoadedFile::LoadedFile(const UserPaths& paths) : session_(timers_, quiet_, paths) {}

std::unique_ptr<LoadedFile> LoadedFile::load(const Container& like, const std::string& path,
                                             std::string& problem) {
    std::unique_ptr<LoadedFile> loaded(new LoadedFile(like.sessionPaths()));
    loaded->container_ = like.makeTwin(loaded->session_);
    if (!loaded->container_) {
        problem = "this terminal type keeps no file";
        return nullptr;
    }
    // The window's own container judges the file: a twin may have no factory of its own.
    ini::IniFile file;
    if (!file.load(path, &problem)) return nullptr;
    const Container::FileVerdict verdict = like.examineFile(file);
    if (!verdict.ok()) {
        problem = verdict.problem;
        return nullptr;
    }
    for (Page* p : loaded->container_->filePages()) p->loadFile(file);
    return loaded;
}

}  // namespace rb::engine
