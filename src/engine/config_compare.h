// Field-by-field comparison of two configurations of one type: two containers (the window's
// forms, a file loaded into a twin, a terminal read into the forms) compared page by page over
// the pages that take part in the file. A field is compared, named and shown exactly as the
// verification after a write does (write_verify.h), so the fields it leaves out by right
// (read-only and derived values, the bits a page keeps) are left out here too.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/container.h"
#include "engine/timers.h"
#include "engine/write_verify.h"

namespace rb::engine {

struct ConfigDifference {
    std::size_t page = 0;     // tab index
    std::string pageCaption;  // "基本信息"
    FieldDifference field;    // written = the first configuration's value, read = the second's
    bool operator==(const ConfigDifference&) const = default;
};

// Every compared field that differs from `from` to `to` (the same type), in tab order.
std::vector<ConfigDifference> compareConfigs(Container& from, Container& to);

// `基本信息: 信道03 发射频率: "4100500" → "4000500"`.
std::string describeChange(const ConfigDifference& difference);

// A configuration file loaded into a twin of a container, on a quiet session of its own: what
// the file holds, as the forms would show it after "打开文件".
class LoadedFile {
public:
    // The file in a twin of `like`, or null with the reason in `problem`: the file cannot be
    // read, or examineFile found it to be no configuration of this type.
    static std::unique_ptr<LoadedFile> load(const Container& like, const std::string& path,
                                            std::string& problem);
    Container& container() { return *container_; }

private:
    explicit LoadedFile(const UserPaths& paths);
    ManualTimers timers_;
    ScriptedPrompter quiet_;
    Session session_;
    std::unique_ptr<Container> container_;
};

}  // namespace rb::engine
